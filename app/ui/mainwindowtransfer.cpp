// Transmit and receive sequences and the input check before a transmit.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attendeewidget.h"
#include "kelvoaddress.h"
#include "progressdialog.h"
#include "serialhelper.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

namespace {

// Transmit steps; the times go out once, before the master's numbers.
enum TransmitStep {
    SendRedirectTime = 1,
    SendMaxCallTime,
    SendCallNumber1,
    SendCallNumber2,
    SendStatusByte,
    SendBusAddress,
};

// Receive steps.
enum ReceiveStep {
    AskMaxCallTime = 0,
    AskRedirectTime,
    AskCallNumber1,
    AskCallNumber2,
    AskStatusByte,
    AskBusAddress,
};

constexpr int sequenceLength = 41;
constexpr int lastAttendee = 9;
constexpr int maxRepetitions = 3;
constexpr int repetitionDelayMs = 1000;

QByteArray upToZero(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

QString upToZero(const QString &text)
{
    const int end = text.indexOf(QChar(0));
    return end < 0 ? text : text.left(end);
}

} // namespace

void MainWindow::setupTransfer()
{
    repeatTimer.setSingleShot(true);
    repeatTimer.setInterval(repetitionDelayMs);
    connect(
        &repeatTimer, &QTimer::timeout, this, &MainWindow::transmitProcessor, Qt::UniqueConnection);
}

QString MainWindow::entryName(int entry) const
{
    return entry == 0 ? tr("Master") : tr("Teilnehmer %1").arg(entry);
}

void MainWindow::openProgressDialog(void (MainWindow::*cancelSlot)())
{
    // Every run gets a fresh dialog; closed ones go away instead of piling up.
    auto *dialog = new ProgressDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setProgressRange(0, sequenceLength);
    connect(dialog, &QDialog::rejected, this, cancelSlot);
    dialog->show();
    progressDialog = dialog;
}

void MainWindow::advanceProgress()
{
    if (progressDialog)
        progressDialog->setCurrentProgress(progressDialog->currentProgress() + 1);
}

void MainWindow::showProcess(const QString &text)
{
    if (progressDialog)
        progressDialog->setCurrentProcess(text);
}

// --- Transmit ---

void MainWindow::transmitClicked()
{
    if (!loggedIn) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }
    if (!validateAttendees())
        return;

    // A repetition still due to an earlier run would send this run's command twice.
    repeatTimer.stop();
    transmitStep = SendRedirectTime;
    transmitRetries = 0;
    transmitAttendee = 0;
    transmitRunning = true;

    openProgressDialog(&MainWindow::rejectTransmit);
    serial->ResetCommunication();
    transmitProcessor();
}

void MainWindow::transmitProcessor()
{
    advanceProgress();

    const int entry = transmitAttendee;
    const QString name = entryName(entry) + QLatin1String(" -> ");

    switch (transmitStep) {
    case SendRedirectTime:
        showProcess(tr("Rufsignalisierung"));
        serial->TransmitCallRedirectTime(byte(ui->spinRedirect->value()), false);
        break;
    case SendMaxCallTime:
        showProcess(tr("Maximale Rufweiterschaltung"));
        serial->TransmitCallRedirectTime(byte(ui->spinMaxCall->value()), true);
        break;
    case SendCallNumber1:
        showProcess(name + tr("Rufnummer 1"));
        serial->TransmitCallNumber(byte(entry), callNumber(entry, 1).toLatin1(), 1);
        break;
    case SendCallNumber2:
        showProcess(name + tr("Rufnummer 2"));
        serial->TransmitCallNumber(byte(entry), callNumber(entry, 2).toLatin1(), 2);
        break;
    case SendStatusByte:
        showProcess(name + tr("Status Byte"));
        serial->TransmitStatusByte(byte(entry), statusByte(entry));
        break;
    case SendBusAddress: {
        showProcess(name + tr("Bus-Adresse"));
        // Letter first (B12): the letter is the flat, the number the etage.
        const QString address = busAddress(entry);
        const QByteArray flat = address.left(1).toLatin1();
        const QByteArray etage = QByteArray::number(address.mid(1).toInt());
        serial->TransmitBusAddress(byte(entry), etage, flat);
        break;
    }
    default:
        break;
    }
}

void MainWindow::endTransmit()
{
    transmitRunning = false;
    repeatTimer.stop();
}

void MainWindow::transmitAcknowledged()
{
    if (!transmitRunning)
        return;

    // An ACK while a repetition waits must not let that repetition send the next command twice.
    repeatTimer.stop();
    ++transmitStep;
    transmitRetries = 0;
    if (transmitStep > SendBusAddress) {
        transmitStep = SendCallNumber1;
        ++transmitAttendee;
    }
    if (transmitStep == SendBusAddress && transmitAttendee == 0) {
        transmitStep = SendCallNumber1;
        transmitAttendee = 1;
        transmitProcessor();
        return;
    }
    if (transmitAttendee > lastAttendee) {
        endTransmit();
        if (progressDialog)
            progressDialog->close();
        return;
    }
    transmitProcessor();
}

void MainWindow::transmitRefused()
{
    if (!transmitRunning)
        return;

    if (transmitRetries < maxRepetitions) {
        setupTransfer();
        repeatTimer.start();
    } else {
        endTransmit();
        QMessageBox::information(this, tr("Verbindungsfehler"), messageTransferFailed);
    }
    ++transmitRetries;
}

void MainWindow::rejectTransmit()
{
    // The repetition of a cancelled run would change the adapter after the user said stop.
    endTransmit();
}

// --- Receive ---

void MainWindow::requestClicked()
{
    if (!loggedIn) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }

    receiveStep = AskMaxCallTime;
    receiveAttendee = 0;
    receiveRunning = true;

    openProgressDialog(&MainWindow::rejectReceive);
    serial->ResetCommunication();
    receiveProcessor();
}

void MainWindow::receiveProcessor()
{
    advanceProgress();

    if (receiveAttendee > lastAttendee) {
        receiveRunning = false;
        if (progressDialog)
            progressDialog->close();
        return;
    }

    const int entry = receiveAttendee;
    const QString name = entryName(entry) + QLatin1String(" -> ");

    switch (receiveStep) {
    case AskMaxCallTime:
        showProcess(tr("Rufweiterleitung"));
        serial->RequestCallRedirectTime(true);
        break;
    case AskRedirectTime:
        showProcess(tr("Rufsignalisierung"));
        serial->RequestCallRedirectTime(false);
        break;
    case AskCallNumber1:
        showProcess(name + tr("Rufnummer 1"));
        serial->RequestCallNumber(byte(entry), 1);
        break;
    case AskCallNumber2:
        showProcess(name + tr("Rufnummer 2"));
        serial->RequestCallNumber(byte(entry), 2);
        break;
    case AskStatusByte:
        showProcess(name + tr("Status Byte"));
        serial->RequestStatusByte(byte(entry));
        break;
    case AskBusAddress:
        showProcess(name + tr("Bus-Adresse"));
        serial->RequestBusAddress(byte(entry));
        break;
    default:
        break;
    }
}

void MainWindow::receiveCallRedirectTime(byte time, bool max)
{
    // Storing may run the call-time check, whose box must close before the next request.
    if (max)
        ui->spinMaxCall->setValue(time);
    else
        ui->spinRedirect->setValue(time);
    ++receiveStep;
    if (receiveRunning)
        receiveProcessor();
}

void MainWindow::receiveCallNumber(byte attendee, QByteArray callnumber, byte number)
{
    const QString text = upToZero(QString::fromLatin1(DecodeDigits(callnumber)));
    setCallNumber(attendee, text, number);
    ++receiveStep;
    if (receiveRunning)
        receiveProcessor();
}

void MainWindow::receiveStatusByte(byte attendee, byte statusbyte)
{
    setStatusByte(attendee, statusbyte);
    ++receiveStep;
    if (receiveAttendee == 0) {
        receiveStep = AskCallNumber1;
        receiveAttendee = 1;
    }
    if (receiveRunning)
        receiveProcessor();
}

void MainWindow::receiveBusAddress(byte attendee, QByteArray address)
{
    // The adapter sends the number first and the letter last; the decoder wants the letter first.
    const QByteArray letter = upToZero(address.right(1));
    const QByteArray number = upToZero(address.left(qMax(0, address.size() - 1)));
    const QString text = upToZero(QString::fromLatin1(DecodeBusAddress(letter + number)));
    setBusAddress(attendee, text);
    receiveStep = AskCallNumber1;
    ++receiveAttendee;
    if (receiveRunning)
        receiveProcessor();
}

void MainWindow::rejectReceive()
{
    receiveRunning = false;
}

// --- Input check before a transmit ---

bool MainWindow::validateAttendees()
{
    QStringList acceptedAddresses;

    for (int n = 1; n <= lastAttendee; ++n) {
        AttendeeWidget *panel = attendees.value(n);
        if (!panel)
            continue;
        const QString addressText = panel->busAddressText();
        const byte status = panel->statusByte();
        const bool address = !addressText.isEmpty();
        const bool number1 = !panel->callNumber(1).isEmpty();
        const bool number2 = !panel->callNumber(2).isEmpty();
        const bool features = status & StatusBit::ExtendedFeatures;
        const bool priority = status & StatusBit::SecondNumberFirst;
        const bool redirect = status & StatusBit::CallRedirect;
        // Judged as the switches show it, so 12B and B12 are the same address.
        const QString addressName = KelvoAddress::pattern().match(addressText).hasMatch()
            ? KelvoAddress::convertPosition(KelvoAddress::convertName(addressText))
            : QStringLiteral("A1");

        ConfigurationField field = ConfigurationField::CallNumber1;
        QString message;
        if (!number1 && address && !(features && priority)) {
            message = messageNoCallNumber;
        } else if (!number2 && features && (priority || redirect)) {
            field = ConfigurationField::CallNumber2;
            message = messageNoCallNumber;
        } else if (number2 && !number1 && features && redirect) {
            message = messageNoCallNumber;
        } else if (!address && (number1 || number2)) {
            field = ConfigurationField::BusAddress;
            message = messageNoBusAddress;
        }
        const bool duplicate
            = message.isEmpty() && address && acceptedAddresses.contains(addressName);
        if (duplicate) {
            field = ConfigurationField::BusAddress;
            message = messageDuplicateBusAddress;
        }

        if (!message.isEmpty()) {
            QMessageBox::information(this, tr("Eingabefehler"), message);
            // After the box, so that closing it does not take the focus back.
            QLineEdit *editor = panel->editor(field);
            editor->setFocus();
            if (duplicate)
                editor->selectAll();
            return false;
        }
        if (address)
            acceptedAddresses.append(addressName);
    }
    return true;
}
