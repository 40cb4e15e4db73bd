// MainWindow: the serial port, login and logout, and the master password.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "configurationdocument.h"
#include "diagnosticwidget.h"
#include "exchange.h"
#include "loginsession.h"
#include "passworddialog.h"
#include "safetransfer.h"
#include "serialhelper.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace {

// The form's width of the login state, which fits its texts in Arial.
constexpr int LoginLabelWidth = 64;
// Its border and some air on either side of the text.
constexpr int LoginLabelPadding = 8;

} // namespace

void MainWindow::createLink()
{
    ui->comboPort->refresh();
    // The port chosen last time, unless the environment names ports to use;
    // a path typed then (a link, /dev/serial/by-id/...) again when it is there.
    const QString last = settings().value(QStringLiteral("port")).toString();
    if (!last.isEmpty() && qEnvironmentVariableIsEmpty("VXCONFIG_PORTS")) {
        if (ui->comboPort->findText(last) < 0 && last.startsWith(QLatin1Char('/'))
            && QFileInfo::exists(last))
            ui->comboPort->addItem(last);
        if (const int index = ui->comboPort->findText(last); index >= 0)
            ui->comboPort->setCurrentIndex(index);
    }
    serial = new SerialHelper(this);
    exchange = new Exchange(serial, this);
    session = new LoginSession(exchange, this);
}

void MainWindow::connectLink()
{
    connect(serial, &SerialHelper::ReceiveCharacterMessage, ui->diagnostic,
        &DiagnosticWidget::addContent);
    // Every frame reaches the exchange, which knows what asked for it.
    connect(exchange, &Exchange::unexpectedFrame, this, [this](const Frame &frame) {
        ui->diagnostic->addContent(
            tr("[Unerwartete Antwort des VX-Adapters: %1]\n")
                .arg(QString::fromLatin1(HexDump(frame.toWire()).trimmed())));
    });
    connect(serial, &SerialHelper::lineEchoes, this, [this] {
        ui->diagnostic->addContent(QLatin1Char('[')
            + tr("Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.")
            + QLatin1String("]\n"));
    });
    connect(serial, &SerialHelper::ReceivePortFailure, this, &MainWindow::portFailed);
    // Choosing the lost port once more opens it again; any other choice opens
    // through currentIndexChanged.
    connect(ui->comboPort, &QComboBox::activated, this, [this] {
        if (portLost)
            openSelectedPort();
    });

    connect(session, &LoginSession::loggedInChanged, this, &MainWindow::showLoginState);
    // The adapter logged in to may be another one than before.
    connect(session, &LoginSession::loggedInChanged, this, [this](bool loggedIn) {
        if (loggedIn)
            document()->forgetAdapter();
    });
    connect(session, &LoginSession::loginRefused, this, [this] {
        ui->buttonLogin->setText(tr("Login", "button"));
        ui->buttonLogin->setIcon(QIcon(QStringLiteral("images:master-login.svg")));
        QMessageBox::information(this, tr("Login"), messageLoginFailed);
    });
    connect(session, &LoginSession::passwordChanged, this, [this](bool accepted) {
        QMessageBox::information(this, tr("Masterpasswort"),
            accepted ? messagePasswordChanged : messagePasswordChangeFailed);
    });
    connect(session, &LoginSession::failed, this,
        [this](Exchange::Failure failure, const QString &what) {
            // A reset is the transfer's to report.
            if (run == Run::Reset)
                return;
            if (failure == Exchange::Unreadable)
                adapterUnreadable(what);
            else
                adapterSilent(what);
        });
}

bool MainWindow::isLoggedIn() const
{
    return session->isLoggedIn();
}

void MainWindow::openSelectedPort()
{
    const QString port = ui->comboPort->currentText();
    portLost = false;
    document()->forgetAdapter();
    if (!port.isEmpty())
        settings().setValue(QStringLiteral("port"), port);
    serial->SetComPort(port);
    if (serial->OpenCommunication())
        return;

    QString text = messagePortOpenFailed;
    text.replace(QStringLiteral("COMx"), port);
    // No port at all needs no system reason.
    if (!port.isEmpty() && !serial->errorString().isEmpty())
        text += QLatin1String("\n\n") + serial->errorString();
    if (serial->accessDenied())
        text += QLatin1String("\n\n")
            + tr("Ihr Benutzerkonto darf die Schnittstelle nicht benutzen. Lassen Sie es in die "
                 "Gruppe „dialout“ aufnehmen (sudo adduser $USER dialout) und melden Sie sich "
                 "danach neu an.");
    QMessageBox::warning(this, tr("Serielle Schnittstelle"), text);
}

bool MainWindow::requirePort()
{
    if (serial->isOpen())
        return true;
    QMessageBox::information(this, tr("Serielle Schnittstelle"),
        tr("Es ist keine serielle Schnittstelle geöffnet.\nWählen Sie unter „Schnittstelle“ "
           "den Anschluss des VX-Adapters."));
    return false;
}

void MainWindow::portFailed(const QString &reason)
{
    // The adapter's login went with the line.
    portLost = true;
    session->forget();
    transfer->cancel();
    const Run ended = std::exchange(run, Run::None);
    closeProgressDialog();
    QString text = tr("Die Verbindung über die serielle Schnittstelle %1\nwurde unterbrochen (%2).")
                       .arg(ui->comboPort->currentText(), reason);
    if (const std::optional<int> written = transfer->partlyWritten()) {
        document()->markPartlyWritten();
        showPartlyWritten(*written, text);
        return;
    }
    document()->forgetAdapter();
    if (ended == Run::Read)
        text += QLatin1String("\n\n") + tr("Der Bildschirm ist unverändert.");
    QMessageBox::warning(this, tr("Serielle Schnittstelle"), text);
}

void MainWindow::adapterSilent(const QString &what, const QString &more)
{
    QMessageBox::warning(this, tr("Keine Antwort"),
        tr("Der VX-Adapter an der Schnittstelle %1 antwortet nicht.\nGewartet wurde auf: %2")
                .arg(ui->comboPort->currentText(), what)
            + more);
}

void MainWindow::adapterUnreadable(const QString &what, const QString &more)
{
    QMessageBox::warning(this, tr("Unlesbare Antwort"),
        tr("Der VX-Adapter an der Schnittstelle %1 hat etwas geantwortet, das keine Antwort "
           "ist.\nGefragt war: %2")
                .arg(ui->comboPort->currentText(), what)
            + more);
}

void MainWindow::showLoginState()
{
    const bool loggedIn = isLoggedIn();
    const char *colour = loggedIn ? "green" : "red";
    ui->loginLabel->setStyleSheet(
        QStringLiteral("border-width:1px;border-style:solid;border-radius:4px;background:%1;")
            .arg(QLatin1String(colour)));
    const QString in = tr("Eingeloggt");
    const QString out = tr("Ausgeloggt");
    ui->loginLabel->setText(loggedIn ? in : out);
    // Wider only where a font or language needs it, and the same in both states.
    const QFontMetrics metrics(ui->loginLabel->font());
    const int needed = qMax(metrics.horizontalAdvance(in), metrics.horizontalAdvance(out));
    ui->loginLabel->setFixedWidth(qMax(LoginLabelWidth, needed + LoginLabelPadding));
    ui->buttonLogin->setText(loggedIn ? tr("Logout", "button") : tr("Login", "button"));
    ui->buttonLogin->setIcon(QIcon(loggedIn ? QStringLiteral("images:master-logout.svg")
                                            : QStringLiteral("images:master-login.svg")));
}

void MainWindow::loginClicked()
{
    if (isLoggedIn()) {
        session->logout();
        return;
    }

    const QString password = ui->passwordEdit->text();
    if (password.length() != 4) {
        QMessageBox::information(this, tr("Passwort"), messagePasswordInvalid);
        return;
    }
    if (requirePort())
        session->login(password);
}

void MainWindow::actionChangePassword()
{
    if (!isLoggedIn()) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }

    PasswordDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    session->changePassword(dialog.password());
}
