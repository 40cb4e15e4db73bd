#pragma once

#include "adapterlink.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

class CommunicationPackage;
class QIODevice;
class QSerialPort;

// The link to the VX-Adapter: owns the serial port, turns received bytes into
// frames and raises one signal per frame; bytes that are no frame are the
// adapter's own text. The command slots build one frame each and write it.
class SerialHelper : public AdapterLink
{
    Q_OBJECT

public:
    explicit SerialHelper(QObject *parent = nullptr);
    ~SerialHelper() override;

    bool sendFrame(const Frame &frame) override;
    QString portName() const override;
    bool isOpen() const;

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
    // raised once per opening of the port.
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
    // One receive step on any device: reads up to one frame and raises its
    // signal, or raises the bytes as text. Returns false when nothing was
    // available. Does not wait for more data.
    bool readFrame(QIODevice *device);

private:
    bool transmit(const Frame &frame);
    void dispatch(byte command, const QByteArray &data);
    bool isHungUp() const;
    void failPort();

    QSerialPort *port;
    CommunicationPackage *receiver;
    int deadPortSigns = 0; // read errors and empty wake-ups since the last data
    bool readQueued = false;
};
