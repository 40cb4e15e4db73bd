#pragma once

// PtyPeer: the adapter's side of a pseudo-terminal, scripted by a test.
//
//   PtyPeer peer;                                  // opens the pair, raw mode
//   SerialHelper link;
//   link.SetComPort(peer.portName());              // the serial end
//   link.OpenCommunication();
//   link.TransmitStatusByte(2, 0xF4);
//   QVERIFY(peer.waitForFrames(1));               // spins the event loop
//   const auto frames = peer.takeFrames();         // command + payload, decoded
//   QCOMPARE(frames.first().command, byte(0x05));
//   peer.sendAck();                                // or sendFrame(cmd, payload),
//                                                  // sendText(...), sendBytes(raw)
//   peer.close();                                  // the adapter goes away
//
// Frames are built and read by a few lines of the adapter's own, not by the
// program's framing code, so that a fault there cannot hide on both sides;
// rawBytes() keeps every byte as it arrived. frameReceived() lets a test
// answer each frame as it comes, like an adapter does.
//
// VxSimProcess: the real simulator (vxsim from the run-time directory, the
// tests' working directory) in a child process:
//
//   VxSimProcess sim;
//   QVERIFY(sim.start({"--password", "4711"}));
//   link.SetComPort(sim.portName());

#include "vxtypes.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

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

    bool isOpen() const { return m_master >= 0; }
    // The path to open as serial port, e.g. /dev/pts/4.
    QString portName() const { return m_portName; }

    // Frames received since the last take, oldest first.
    QList<Frame> takeFrames();
    int frameCount() const { return int(m_frames.size()); }
    // Runs the event loop until count frames are waiting (false on timeout).
    bool waitForFrames(int count = 1, int timeoutMs = 5000);
    // Every byte received since the last take.
    QByteArray takeRawBytes();
    // Runs the event loop until the program sent at least count bytes.
    bool waitForRawBytes(int count, int timeoutMs = 5000);

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
    bool sendFrame(byte command, const QByteArray &payload = {});
    bool sendAck();
    bool sendNak();
    bool sendText(const QByteArray &text);
    static QByteArray frameBytes(byte command, const QByteArray &payload = {});

    // Closes both ends held here: the program's port sees a hang-up.
    void close();

signals:
    void frameReceived(const PtyPeer::Frame &frame);

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
