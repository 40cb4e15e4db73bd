#pragma once

#include "adapterlink.h"
#include "framereader.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QSerialPort>
#include <QString>

class QIODevice;
class QTimer;

// The link to the VX-Adapter: owns the serial port, turns received bytes into
// frames and raises one signal per frame; bytes that are no frame are the
// adapter's own text. The command slots build one frame each and write it.
//
// Everything that reaches the port is taken at once and raised in wire order,
// each frame once, also while a slot runs an event loop of its own (a message
// box): the signals of later frames then arrive inside it.
//
// Some lines send every byte back (many converters, half-duplex lines). When
// the login comes back byte for byte, the link knows: until the port closes,
// the first verbatim copy of each frame it sends is dropped.
class SerialHelper : public AdapterLink
{
    Q_OBJECT

public:
    explicit SerialHelper(QObject *parent = nullptr);
    ~SerialHelper() override;

    bool sendFrame(const Frame &frame) override;
    QString portName() const override;
    bool isOpen() const;

    // Why the port could not be opened, or why it was lost; empty while the
    // last opening worked and the port has not failed since.
    QString errorString() const { return m_errorString; }
    // The last opening failed because this user has no right to the device.
    bool accessDenied() const { return m_accessDenied; }
    // The last opening failed because another program holds the port;
    // errorString() says so in the user's language.
    bool inUse() const { return m_inUse; }

signals:
    void ReceiveStatusByte(byte attendee, byte statusbyte);
    void ReceiveCallNumber(byte attendee, QByteArray callnumber, byte number);
    void ReceiveBusAddress(byte attendee, QByteArray address);
    void ReceiveCallRedirectTime(byte time, bool max);
    void ReceiveMasterPassword(QByteArray password);
    void ReceiveAcknowledge();
    void ReceiveNoAcknowledge();
    void ReceiveCharacterMessage(QString message);
    // The port broke down (device unplugged, other end gone) and was closed;
    // raised once per opening of the port. reason is the cause, as
    // errorString() gives it afterwards.
    void ReceivePortFailure(QString reason);
    // The line sends back what the program sends; raised once per opening.
    void lineEchoes();

public slots:
    void signalStatus(const QString &s, const QDateTime &d);

    bool TransmitStatusByte(byte attendee, byte statusbyte);
    bool TransmitCallNumber(byte attendee, const QByteArray &callnumber, byte number);
    bool TransmitBusAddress(byte attendee, const QByteArray &etage, const QByteArray &flat);
    bool TransmitCallRedirectTime(byte time, bool max);
    bool TransmitMasterPassword(const QByteArray &password);
    bool TransmitLogin(const QByteArray &password);
    bool TransmitLogout();
    bool TransmitAcknowledge();
    bool TransmitNoAcknowledge();
    bool TransmitReset();
    bool TransmitLockAttendeePassword(byte attendee);
    bool TransmitUnlockAttendeePassword(byte attendee);
    bool RequestStatusByte(byte attendee);
    bool RequestCallNumber(byte attendee, byte number);
    bool RequestBusAddress(byte attendee);
    bool RequestMasterPassword();
    bool RequestCallRedirectTime(bool max);

    bool SetComPort(const QString &port);
    bool OpenCommunication();
    bool CloseCommunication();
    void ResetCommunication();

protected slots:
    void ReadSerialData();
    bool WriteSerialData(const QByteArray &data);

protected:
    // Takes everything the device has ready and raises what it completes;
    // returns the number of bytes taken. Never waits.
    qint64 receiveFrom(QIODevice *device);

private:
    struct ReadItem
    {
        FrameReader::Item item;
        quint64 order = 0;
    };

    // Reads without raising; returns the number of bytes taken.
    qint64 readFrom(QIODevice *device);
    // Moves what the reader completed into the queue, counting each frame as read.
    void takeItems();
    void raiseItems();
    // Whether the frame is the line's copy of one sent.
    bool isEcho(const QByteArray &wire);
    void dispatch(const Frame &frame, quint64 order);
    void forgetLine();
    void checkUnread();
    void portError(QSerialPort::SerialPortError error);
    bool isHungUp() const;
    void failPort(const QString &reason);
    void lowerLatency();
    void restoreLatency();

    QSerialPort *port;
    FrameReader reader;
    QQueue<ReadItem> queue; // read, not yet raised
    QTimer *guard;
    QElapsedTimer sinceLastByte;
    int deadPortSigns = 0; // read errors since the last data
    QString m_errorString;
    bool m_accessDenied = false;
    QByteArray loginWire; // the last login sent, until the line shows whether it echoes
    bool echoes = false;
    QList<QByteArray> echoesDue; // frames sent whose copy has not come back yet
    bool m_lowLatencySet = false; // by lowerLatency(), to be undone on close
    bool m_inUse = false;
};
