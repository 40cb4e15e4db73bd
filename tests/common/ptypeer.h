#pragma once

// PtyPeer: the adapter's side of a pseudo-terminal, scripted by a test: the
// program opens portName() as its serial port; the peer collects the frames it
// sends (waitForFrames(), takeFrames()) and answers with sendAck(), sendFrame()
// or raw bytes. Frames are built and read by a few lines of the adapter's own,
// not by the program's framing code, so that a fault there cannot hide on both
// sides. VxSimProcess (vxsimprocess.h) runs the real simulator instead.

#include "vxtypes.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class QSocketNotifier;

class PtyPeer : public QObject
{
    Q_OBJECT

public:
    struct Frame
    {
        byte command = 0;
        QByteArray payload;
        bool operator==(const Frame &other) const
        {
            return command == other.command && payload == other.payload;
        }
    };

    explicit PtyPeer(QObject *parent = nullptr);
    ~PtyPeer() override;

    // The path to open as serial port, e.g. /dev/pts/4.
    QString portName() const { return m_portName; }

    // Frames received since the last take, oldest first.
    QList<Frame> takeFrames() { return std::exchange(m_frames, {}); }
    // Runs the event loop until count frames are waiting (false on timeout).
    bool waitForFrames(int count = 1, int timeoutMs = 5000);
    // Every byte received since the last take.
    QByteArray takeRawBytes() { return std::exchange(m_raw, {}); }

    // Writes in one go, so the bytes reach the program as one batch.
    bool sendBytes(const QByteArray &bytes);
    // Like sendBytes, but returns only once the bytes wait in the program's
    // input queue, without running the event loop. Ends with a non-blocking
    // read that finds nothing, so errno is EAGAIN.
    bool sendQueued(const QByteArray &bytes, int timeoutMs = 5000);
    // Reads what the program sent, as the notifier would; errno ends at EAGAIN.
    void readAvailable();
    // Bytes the program has not read yet.
    int unreadByProgram() const;
    bool sendFrame(byte command, const QByteArray &payload = {})
    {
        return sendBytes(frameBytes(command, payload));
    }
    bool sendAck() { return sendFrame(0x20); }
    bool sendNak() { return sendFrame(0x21); }
    static QByteArray frameBytes(byte command, const QByteArray &payload = {});

    // Closes both ends held here: the program's port sees a hang-up.
    void close();

    // Sends every byte back as it comes, as some converters and lines do.
    bool echoing = false;

private:
    void decode(byte b);
    int m_master = -1;
    // Held open so the pair survives the program closing its port.
    int m_slave = -1;
    QString m_portName;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_body; // the frame being read, unescaped, after its start byte
    bool m_inFrame = false;
    bool m_escape = false;
    QList<Frame> m_frames;
    QByteArray m_raw;
};

QDebug operator<<(QDebug debug, const PtyPeer::Frame &frame);
