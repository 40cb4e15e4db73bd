#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>

class QSocketNotifier;
class QTimer;

// The adapter's end of a pseudo-terminal. The program opens the other end,
// path(), as its serial port. With a baud rate set, both directions take as
// long as on a real line with ten bits a byte; with a flush interval, what goes
// to the program comes in bursts, as through a USB-serial converter.
class PtyLine : public QObject
{
    Q_OBJECT

public:
    explicit PtyLine(QObject *parent = nullptr);
    ~PtyLine() override;

    bool open(QString *error);
    QString path() const { return m_path; }

    // 0: as fast as the pseudo-terminal goes.
    void setBaudRate(int baud);
    // 0: bytes for the program go out as soon as they are due. Otherwise they
    // are held and let go every ms milliseconds, as a converter's latency
    // timer does (16 ms on an FTDI chip by default).
    void setFlushInterval(int ms);

    // Queues bytes for the program; false when they were dropped because the
    // program has not been reading for a long time.
    bool send(const QByteArray &bytes);

signals:
    // Bytes from the program, once they would have finished arriving.
    void received(const QByteArray &bytes);

private:
    void readMaster();
    void deliverDue();
    void transmitDue();
    void release(const QByteArray &bytes);
    void flush();
    void writeOut();
    void schedule(QTimer *timer, const QList<qint64> &due);

    int m_master = -1;
    int m_slave = -1; // kept open so that the line lives while the program reopens its port
    QString m_path;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_rxTimer;
    QTimer *m_txTimer;
    QTimer *m_flushTimer;
    QElapsedTimer m_clock;
    qint64 m_byteNs = 0;

    QByteArray m_rxPending; // bytes still on their way in
    QList<qint64> m_rxDue; // when each of them has arrived
    qint64 m_rxLineFree = 0;
    QByteArray m_txPending;
    QList<qint64> m_txDue;
    qint64 m_txLineFree = 0;
    QByteArray m_txHeld; // due, waiting for the next flush
    QByteArray m_txOut; // due, but not yet taken by the kernel
};
