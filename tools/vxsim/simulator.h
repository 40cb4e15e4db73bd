#pragma once

#include "chattersource.h"
#include "corruption.h"
#include "simulatedadapter.h"

#include <QObject>

class CommunicationPackage;
class PtyLine;
class QTimer;

// Plays a VX-Adapter on a pseudo-terminal: parses what the program sends,
// answers through SimulatedAdapter, keeps the state file, adds the adapter's
// own text lines and the faults asked for.
class Simulator : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString password; // digits; empty: the stored one, or 1234
        QString stateFile;
        int chatterPerSecond = 0;
        int chatterLines = -1; // -1: no end
        int nakEvery = 0; // 0: never
        int silentAfter = -1; // answers before falling silent; -1: never
        int latencyMs = 0;
        int baud = 0; // 0: unpaced
        int usbLatencyMs = 0; // 0: no converter holding bytes back
        bool echo = false; // every byte received goes straight back
        std::optional<Corruption> corruption;
        bool verbose = false;
    };

    explicit Simulator(const Options &options, QObject *parent = nullptr);
    ~Simulator() override;

    bool start(QString *error);
    QString portPath() const;

private:
    void receive(const QByteArray &bytes);
    void handleFrame(const Frame &frame, const QByteArray &wire);
    void send(const Frame &frame);
    void startChatter();
    void sendChatter();
    bool isSilent() const;
    void saveState();
    void log(const char *what, const QByteArray &bytes) const;

    Options m_options;
    PtyLine *m_line;
    CommunicationPackage *m_parser;
    QTimer *m_chatterTimer;
    ChatterSource m_chatter;
    int m_chatterSent = 0;
    std::optional<SimulatedAdapter> m_adapter;
    int m_answered = 0;
};
