#pragma once

#include "adapterlink.h"
#include "framereader.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
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
    bool transmit(const Frame &frame);
    void raiseItems();
    void dispatch(const Frame &frame);
    void checkUnread();
    void portError(QSerialPort::SerialPortError error);
    bool isHungUp() const;
    void failPort(const QString &reason);

    QSerialPort *port;
    FrameReader reader;
    QTimer *guard;
    QElapsedTimer sinceLastByte;
    int deadPortSigns = 0; // read errors since the last data
    QString m_errorString;
    bool m_accessDenied = false;
    bool m_inUse = false;
};
