#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "callnumbervalidator.h"
#include "languageapplication.h"
#include "loginsession.h"
#include "resourcepaths.h"
#include "safetransfer.h"
#include "serialhelper.h"
#include "vxversion.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString versionSuffix()
{
    return QStringLiteral("  -  Version ") + QLatin1String(VXCONFIG_VERSION);
}

// Only palette roles, so that the roster follows a dark or light scheme: the
// entries on the window's and the base colour in turn, fields and boxes
// outlined in the text colour, a ticked box filled with it, the focus and the
// pointer in the highlight colour. No borders between the entries: a list
// takes them off the height of its rows.
const char listStyle[]
    = "QListView{show-decoration-selected: 0; background: palette(base); "
      "qproperty-alternatingRowColors: true;}"
      "QListView::item{background: palette(window);}"
      "QListView::item:alternate{background: palette(base);}"
      "QLineEdit{border: 1px solid palette(text); padding: 1px;}"
      "QLineEdit:focus{border-color: palette(highlight);}"
      "QCheckBox::indicator{border: 1px solid palette(text);}"
      "QCheckBox::indicator:disabled{border-color: palette(mid);}"
      "QCheckBox::indicator:hover{border-color: palette(highlight);}"
      "QCheckBox::indicator:checked{background-color: palette(text); background-clip: content; "
      "padding: 2px;}"
      "QCheckBox::indicator:checked:disabled{background-color: palette(mid);}"
      "QCheckBox::indicator:checked:hover{background-color: palette(highlight);}";

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ResourcePaths::registerImages();
    retranslateMessages();
    ui->setupUi(this);
    // 180 pixels at the default size; a wider window gives the column, and with
    // it the diagnostic pane, a third of its extra width.
    ui->frame->setMinimumWidth(180);
    ui->frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    ui->horizontalLayout->setStretch(0, 2);
    ui->horizontalLayout->setStretch(1, 1);
    updateTitle();
    ui->passwordEdit->setValidator(new CallNumberValidator(4, this));

    createLink();
    openSelectedPort();

    ui->listWidget->setStyleSheet(QString::fromLatin1(listStyle));
    showLoginState();

    addMasterPanel();
    for (int attendee = 1; attendee <= 9; ++attendee)
        addAttendeePanel(attendee);

    connect(ui->actionZur_cksetzen, &QAction::triggered, this, &MainWindow::actionResetDevice);
    connect(ui->actionMasterpasswort_ndern, &QAction::triggered, this,
        &MainWindow::actionChangePassword);
    connect(ui->comboPort, &QComboBox::currentIndexChanged, this, &MainWindow::openSelectedPort);
    connect(ui->buttonLogin, &QPushButton::clicked, this, &MainWindow::loginClicked);
    connect(ui->buttonTransmit, &QPushButton::clicked, this, &MainWindow::transmitClicked);
    connect(ui->buttonRequest, &QPushButton::clicked, this, &MainWindow::requestClicked);
    connect(ui->actionEinstellungen_exportieren, &QAction::triggered, this,
        &MainWindow::serializeExportData);
    connect(ui->actionEinstellungen_importieren, &QAction::triggered, this,
        &MainWindow::serializeImportData);
    connect(ui->actionAlteEinstellungen_importieren, &QAction::triggered, this,
        &MainWindow::serializeImportOldData);
    connect(ui->actionBeenden, &QAction::triggered, this, &MainWindow::close);
    connect(ui->spinMaxCall, &QSpinBox::valueChanged, this, &MainWindow::validateCallTime);
    connect(ui->spinRedirect, &QSpinBox::valueChanged, this, &MainWindow::validateCallTime);
    languageGroup = new QActionGroup(this);
    languageGroup->addAction(ui->actionDeutsch);
    languageGroup->addAction(ui->actionEnglisch);
    connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::toggleLanguage);
    connect(ui->actionSicherung_wiederherstellen, &QAction::triggered, this,
        &MainWindow::restoreBackup);
    connect(ui->actionDrucken, &QAction::triggered, this, &MainWindow::printSheet);
    connect(ui->actionAls_PDF_exportieren, &QAction::triggered, this, &MainWindow::exportSheet);
    connect(ui->actionHandbuch, &QAction::triggered, this, &MainWindow::showManual);
    connect(ui->actionUeberVxconfig, &QAction::triggered, this, &MainWindow::showAbout);
    // Files from a file manager (dragEnterEvent).
    setAcceptDrops(true);
    connect(ui->spinMaxCall, &QSpinBox::valueChanged, this, &MainWindow::configurationEdited);
    connect(ui->spinRedirect, &QSpinBox::valueChanged, this, &MainWindow::configurationEdited);
    connect(ui->dialBox, &QCheckBox::toggled, this, &MainWindow::configurationEdited);
    connectLink();
    setupTransfer();
    setupKeyboard();
    fitRosterWidth();

    resetConfiguration();
    toggleLanguage(ui->actionDeutsch);
    markSaved(QString());
}

MainWindow::~MainWindow()
{
    // The focus moves while the children go; by then the form is gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void MainWindow::setupKeyboard()
{
    ui->actionEinstellungen_importieren->setShortcut(QKeySequence::Open);
    ui->actionEinstellungen_exportieren->setShortcut(QKeySequence::Save);
    ui->actionDrucken->setShortcut(QKeySequence::Print);
    ui->actionHandbuch->setShortcut(QKeySequence::HelpContents);
    // Not every platform names a key to quit; desktops on Linux use Ctrl+Q.
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quit.isEmpty())
        quit << QKeySequence(Qt::CTRL | Qt::Key_Q);
    ui->actionBeenden->setShortcuts(quit);

    // Enter after the password logs in; once logged in, it must not log out.
    connect(ui->passwordEdit, &QLineEdit::returnPressed, this, [this] {
        if (!isLoggedIn())
            loginClicked();
    });

    focusRosterFirst();
    connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget *, QWidget *now) { showInRoster(now); });
}

void MainWindow::retranslateMessages()
{
    messageNoBusAddress = tr("Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.");
    messageDuplicateBusAddress
        = tr("Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.");
    messageNoCallNumber = tr("Bei einem Teilnehmer wurde keine Rufnummer eingetragen.");
    messageCallTimeOrder
        = tr("Die Maximale Rufsignalisierung muss größer als die Rufweiterschaltung sein.");
    messageLoginRequired = tr("Sie müssen sich einloggen um den VX-Adapter zu konfigurieren.");
    messagePasswordInvalid = tr("Kein Passwort oder zu kurzes Passwort eingegeben.");
    messagePortOpenFailed = tr("Die serielle Schnittstelle COMx\nkonnte nicht geöffnet werden.");
    messagePortCloseFailed = tr("Die serielle Schnittstelle\nkonnte nicht geschlossen werden.");
    messageImportFailed = tr("Die zu importierenden Daten konnten nicht gelesen werden.");
    messagePasswordChanged = tr("Das Masterpasswort wurde erfolgreich geändert.");
    messagePasswordChangeFailed = tr("Beim ändern des Masterpassworts trat ein Fehler auf.");
    messageLoginFailed = tr("Beim Einloggen trat ein Fehler auf.\nÜberprüfen Sie das Passwort und "
                            "versuchen Sie es erneut.");
    messageTransferFailed = tr("Es wurden falsche Daten übertragen oder die Verbindung gestört.");
    messageResetQuestion = tr("Wollen Sie alle im Gerät gespeicherten Daten löschen?");

    updateTitle();
}

void MainWindow::updateTitle()
{
    // The file first, the program with its one version suffix last.
    const QString document = fileName.isEmpty() ? tr("unbenannt") : QFileInfo(fileName).fileName();
    setWindowTitle(
        document + QLatin1String("[*] - ") + tr("VX-Adapter Software") + versionSuffix());
}

void MainWindow::configurationEdited()
{
    setWindowModified(configuration() != savedConfiguration);
}

void MainWindow::markSaved(const QString &name)
{
    savedConfiguration = configuration();
    fileName = name;
    updateTitle();
    setWindowModified(false);
}

bool MainWindow::maySetAside()
{
    if (!isWindowModified())
        return true;
    const auto answer = QMessageBox::question(this, tr("Ungesicherte Änderungen"),
        tr("Die Konfiguration wurde geändert.\nMöchten Sie die Änderungen speichern?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    serializeExportData();
    return !isWindowModified();
}

void MainWindow::toggleLanguage(QAction *action)
{
    auto *app = qobject_cast<LanguageApplication *>(QCoreApplication::instance());
    if (!app)
        return;

    const QString directory = ResourcePaths::translationDirectory();
    if (action == ui->actionDeutsch) {
        app->loadTranslation(QStringLiteral("vxasoft_"), QStringLiteral("de_DE"), directory, true);
        app->loadTranslation(QStringLiteral("qt_"), QStringLiteral("de"), directory, false);
    } else if (action == ui->actionEnglisch) {
        app->loadTranslation(QStringLiteral("vxasoft_"), QStringLiteral("en_EN"), directory, true);
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange) {
        QMainWindow::changeEvent(event);
        return;
    }
    ui->retranslateUi(this);
    retranslateMessages();
    // The form's texts are the logged-out ones; keep showing the real state.
    showLoginState();
    // After the panels, which take their new texts after the window.
    QMetaObject::invokeMethod(this, &MainWindow::fitRosterWidth, Qt::QueuedConnection);
}

void MainWindow::validateCallTime(int)
{
    const int maxCall = ui->spinMaxCall->value();
    const int redirect = ui->spinRedirect->value();
    if (redirect + 1 < maxCall)
        return;

    QMessageBox::information(this, tr("Konfiguration"), messageCallTimeOrder);

    // Correcting one box fires this check again; the spin box range ends the
    // recursion at 99/98 or 1/0.
    if (sender() == ui->spinMaxCall)
        ui->spinMaxCall->setValue(redirect + 2);
    else
        ui->spinRedirect->setValue(maxCall - 2);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!mayCloseDuringRun() || !maySetAside()) {
        event->ignore();
        return;
    }
    session->logoutOnClose();
    serial->CloseCommunication();
    event->accept();
}

bool MainWindow::mayCloseDuringRun()
{
    // Cut off anywhere else, a run leaves nothing half-written.
    if (transfer->phase() != SafeTransfer::Transmit)
        return true;
    QMessageBox box(QMessageBox::Question, tr("Schreiben läuft"),
        tr("Der VX-Adapter wird gerade beschrieben. Endet das Schreiben jetzt, hält er eine "
           "teilweise geschriebene Konfiguration."),
        QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("closeDuringWriteBox"));
    QPushButton *stop = box.addButton(tr("Abbrechen und beenden"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(tr("Weiter schreiben"), QMessageBox::RejectRole));
    box.exec();
    if (box.clickedButton() != stop)
        return false;
    if (transfer->phase() == SafeTransfer::Transmit) {
        // Its message follows from runFailed(), once the command in flight is answered.
        QEventLoop settled;
        connect(transfer, &SafeTransfer::finished, &settled, &QEventLoop::quit);
        connect(transfer, &SafeTransfer::failed, &settled, &QEventLoop::quit);
        transfer->interrupt();
        settled.exec();
    }
    // That message may have started a write again.
    return run == Run::None;
}
