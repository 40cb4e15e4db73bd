// MainWindow: the serial port, login and logout, the master password, the
// reset of the adapter and closing down.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "diagnosticwidget.h"
#include "passworddialog.h"
#include "serialhelper.h"

#include <QCloseEvent>
#include <QMessageBox>

void MainWindow::createLink()
{
    ui->comboPort->refresh();
    serial = new SerialHelper(this);
}

void MainWindow::connectLink()
{
    connect(serial, &SerialHelper::ReceiveCharacterMessage, ui->diagnostic,
        &DiagnosticWidget::addContent);
    connect(serial, &SerialHelper::ReceiveAcknowledge, this, &MainWindow::receivedAck);
    connect(serial, &SerialHelper::ReceiveNoAcknowledge, this, &MainWindow::receivedNak);
    connect(
        serial, &SerialHelper::ReceiveCallRedirectTime, this, &MainWindow::receiveCallRedirectTime);
    connect(serial, &SerialHelper::ReceiveCallNumber, this, &MainWindow::receiveCallNumber);
    connect(serial, &SerialHelper::ReceiveBusAddress, this, &MainWindow::receiveBusAddress);
    connect(serial, &SerialHelper::ReceiveStatusByte, this, &MainWindow::receiveStatusByte);
    connect(serial, &SerialHelper::ReceivePortFailure, this, &MainWindow::portFailed);
}

void MainWindow::openSelectedPort()
{
    const QString port = ui->comboPort->currentText();
    serial->SetComPort(port);
    if (serial->OpenCommunication())
        return;

    QString text = messagePortOpenFailed;
    text.replace(QStringLiteral("COMx"), port);
    QMessageBox::warning(this, tr("Serielle Schnittstelle"), text);
}

void MainWindow::closeSelectedPort()
{
    if (!serial->CloseCommunication())
        QMessageBox::warning(this, tr("Serielle Schnittstelle"), messagePortCloseFailed);
}

void MainWindow::portFailed(const QString &reason)
{
    QString text = tr("Die Verbindung über die serielle Schnittstelle %1\nwurde unterbrochen (%2).")
                       .arg(ui->comboPort->currentText(), reason);
    QMessageBox::warning(this, tr("Serielle Schnittstelle"), text);
}

void MainWindow::showLoginState()
{
    const char *colour = loggedIn ? "green" : "red";
    ui->loginLabel->setStyleSheet(
        QStringLiteral("border-width:1px;border-style:solid;border-radius:4px;background:%1;")
            .arg(QLatin1String(colour)));
    ui->loginLabel->setText(loggedIn ? tr("Eingeloggt") : tr("Ausgeloggt"));
    ui->buttonLogin->setText(loggedIn ? tr("Logout") : tr("Login"));
    ui->buttonLogin->setIcon(QIcon(loggedIn ? QStringLiteral("images:master-logout.png")
                                            : QStringLiteral("images:master-login.png")));
}

void MainWindow::loginClicked()
{
    if (loggedIn) {
        pendingCommand = PendingLogout;
        serial->TransmitLogout();
        return;
    }

    const QString password = ui->passwordEdit->text();
    if (password.length() != 4) {
        QMessageBox::information(this, tr("Passwort"), messagePasswordInvalid);
        return;
    }
    pendingCommand = PendingLogin;
    serial->TransmitLogin(EncodeDigits(password));
}

void MainWindow::actionChangePassword()
{
    if (!loggedIn) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }

    PasswordDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    pendingCommand = PendingPasswordChange;
    serial->TransmitMasterPassword(EncodeDigits(dialog.password()));
}

void MainWindow::actionResetDevice()
{
    const auto answer = QMessageBox::question(this, tr("VX-Adapter zurücksetzen"),
        messageResetQuestion, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    transmitReset();
    resetConfiguration();
}

void MainWindow::receivedAck()
{
    switch (pendingCommand) {
    case PendingLogin:
        loggedIn = true;
        showLoginState();
        break;
    case PendingLogout:
        loggedIn = false;
        showLoginState();
        break;
    case PendingPasswordChange:
        QMessageBox::information(this, tr("Masterpasswort"), messagePasswordChanged);
        break;
    default:
        break;
    }
    transmitAcknowledged();
    pendingCommand = PendingNone;
}

void MainWindow::receivedNak()
{
    switch (pendingCommand) {
    case PendingLogout:
        loggedIn = true;
        showLoginState();
        break;
    case PendingLogin:
        loggedIn = false;
        ui->buttonLogin->setText(tr("Login"));
        ui->buttonLogin->setIcon(QIcon(QStringLiteral("images:master-login.png")));
        QMessageBox::information(this, tr("Login"), messageLoginFailed);
        serial->TransmitLogout();
        showLoginState();
        break;
    case PendingPasswordChange:
        QMessageBox::information(this, tr("Masterpasswort"), messagePasswordChangeFailed);
        break;
    default:
        break;
    }
    transmitRefused();
    pendingCommand = PendingNone;
}

void MainWindow::transmitAck()
{
    serial->TransmitAcknowledge();
}

void MainWindow::transmitNak()
{
    serial->TransmitNoAcknowledge();
}

void MainWindow::transmitReset()
{
    serial->TransmitReset();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (loggedIn)
        serial->TransmitLogout();
    serial->CloseCommunication();
    event->accept();
}
