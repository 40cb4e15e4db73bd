#pragma once

#include "vxtypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

class CommunicationPackage;
class QIODevice;
class QSerialPort;

// Command codes of the adapter protocol. A request and the adapter's answer
// to it share their code.
namespace LinkCommand {
enum : byte {
    Login = 0x00, // without payload: logout
    MasterPassword = 0x01,
    CallNumber = 0x02,
    CallRedirectTime = 0x03,
    MaxCallTime = 0x04,
    StatusByte = 0x05,
    UnlockAttendeePassword = 0x07,
    LockAttendeePassword = 0x08,
    BusAddress = 0x09,
    ReadMasterPassword = 0x0A,
    ReadCallNumber = 0x12,
    ReadCallRedirectTime = 0x13,
    ReadMaxCallTime = 0x14,
    ReadStatusByte = 0x19,
    ReadBusAddress = 0x1F,
    Acknowledge = 0x20,
    NoAcknowledge = 0x21,
    Reset = 0x38,
};
} // namespace LinkCommand

// The payload of the reset command. The adapter wipes its configuration only
// when command 0x38 carries exactly these three bytes ("RST"), so that a frame
// garbled into 0x38 cannot reset it by accident.
inline constexpr char AdapterResetCode[3] = { 'R', 'S', 'T' };

// The link to the VX-Adapter: owns the serial port, turns received bytes into
// frames and raises one signal per frame; bytes that are no frame are the
// adapter's own text. The command slots build one frame each and write it.
class SerialHelper : public QObject
{
    Q_OBJECT

public:
    explicit SerialHelper(QObject *parent = nullptr);
    ~SerialHelper() override;

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
    bool transmit(byte command, const QByteArray &payload = {});
    void dispatch(byte command, const QByteArray &data);
    bool isHungUp() const;
    void failPort();

    QSerialPort *port;
    CommunicationPackage *receiver;
    int deadPortSigns = 0; // read errors and empty wake-ups since the last data
    bool readQueued = false;
};

// Call numbers and passwords in the digit code: one byte per digit, 1 to 9 as
// themselves, 0 as 10, anything else as 0xFF. Spaces are dropped.
QByteArray EncodeDigits(const QByteArray &text);
// For texts from the input fields: as their Latin-1 bytes.
inline QByteArray EncodeDigits(const QString &text)
{
    return EncodeDigits(text.toLatin1());
}
inline QByteArray EncodeDigits(const char *text)
{
    return EncodeDigits(QByteArray(text));
}
// The digit text of a received call number; empty if it holds 0xFF.
QByteArray DecodeDigits(const QByteArray &digits);
// The text of a received bus address (letter byte first, then the floor byte);
// empty when it holds 0xFE or '@'.
QByteArray DecodeBusAddress(const QByteArray &address);
// "fe 02 19 " style: two lower-case hex digits and a space per byte.
QByteArray HexDump(const QByteArray &data);
