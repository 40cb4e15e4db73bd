#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "callnumbervalidator.h"
#include "configurationdocument.h"
#include "entrypanel.h"
#include "languageapplication.h"
#include "loginsession.h"
#include "resourcepaths.h"
#include "safetransfer.h"
#include "serialhelper.h"
#include "undokeys.h"
#include "vxversion.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>

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
    , configurationDocument(new ConfigurationDocument(this))
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

    setupRoster();

    connect(ui->actionZur_cksetzen, &QAction::triggered, this, &MainWindow::actionResetDevice);
    connect(ui->actionMasterpasswort_ndern, &QAction::triggered, this,
        &MainWindow::actionChangePassword);
    connect(ui->comboPort, &QComboBox::currentIndexChanged, this, &MainWindow::openSelectedPort);
    connect(ui->buttonLogin, &QPushButton::clicked, this, &MainWindow::loginClicked);
    connect(ui->buttonTransmit, &QPushButton::clicked, this, &MainWindow::transmitClicked);
    connect(ui->buttonRequest, &QPushButton::clicked, this, &MainWindow::requestClicked);
    connect(ui->actionEinstellungen_exportieren, &QAction::triggered, this,
        &MainWindow::serializeExportData);
    connect(ui->actionSaveAs, &QAction::triggered, this, &MainWindow::saveAs);
    connect(ui->actionEinstellungen_importieren, &QAction::triggered, this,
        &MainWindow::serializeImportData);
    connect(ui->actionAlteEinstellungen_importieren, &QAction::triggered, this,
        &MainWindow::serializeImportOldData);
    connect(ui->actionBeenden, &QAction::triggered, this, &MainWindow::close);
    languageGroup = new QActionGroup(this);
    languageGroup->addAction(ui->actionDeutsch);
    languageGroup->addAction(ui->actionEnglisch);
    connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::toggleLanguage);
    connect(ui->actionSicherung_wiederherstellen, &QAction::triggered, this,
        &MainWindow::restoreBackup);
    connect(ui->menuRecentFiles, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    connect(ui->actionDrucken, &QAction::triggered, this, &MainWindow::printSheet);
    connect(ui->actionAls_PDF_exportieren, &QAction::triggered, this, &MainWindow::exportSheet);
    connect(ui->actionHandbuch, &QAction::triggered, this, &MainWindow::showManual);
    connect(ui->actionUeberVxconfig, &QAction::triggered, this, &MainWindow::showAbout);
    // Files from a file manager (dragEnterEvent).
    setAcceptDrops(true);
    connectLink();
    setupTransfer();
    setupEditing();
    setupKeyboard();
    fitRoster();
    showRecentFiles();

    showConfiguration();
    QAction *language
        = settings().value(QStringLiteral("language")).toString() == QLatin1String("en")
        ? ui->actionEnglisch
        : ui->actionDeutsch;
    language->setChecked(true);
    toggleLanguage(language);
    restoreWindowSettings();
}

MainWindow::~MainWindow()
{
    // While the children go, the focus moves, the undo stack reports its
    // clearing and a spin box what was still typed; by then the form is gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    for (QObject *reporter : std::initializer_list<QObject *> {
             document(), document()->undoStack(), ui->spinMaxCall, ui->spinRedirect })
        reporter->blockSignals(true);
}

QSettings MainWindow::settings()
{
    return QSettings(QStringLiteral("vxconfig"), QStringLiteral("vxconfig"));
}

void MainWindow::restoreWindowSettings()
{
    const QSettings remembered = settings();
    restoreGeometry(remembered.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(remembered.value(QStringLiteral("window/state")).toByteArray());
}

void MainWindow::setupEditing()
{
    ConfigurationDocument *edited = document();
    connect(edited, &ConfigurationDocument::valueChanged, this, &MainWindow::showValue);
    connect(edited, &ConfigurationDocument::configurationReplaced, this,
        &MainWindow::showConfiguration);
    connect(edited, &ConfigurationDocument::modifiedChanged, this, &MainWindow::setWindowModified);
    connect(edited, &ConfigurationDocument::fileNameChanged, this, &MainWindow::updateTitle);

    // The views' edits; each value comes back through valueChanged(), and
    // stops there, since the view shows it already.
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry)
        connect(panel(entry), &EntryPanel::edited, edited, &ConfigurationDocument::edit);
    connect(ui->dialBox, &QCheckBox::clicked, edited, [edited](bool checked) {
        edited->edit({ ConfigurationField::StatusByte, Configuration::Master, QString(),
            checked ? StatusBit::DialWithoutWaiting : 0, StatusBit::DialWithoutWaiting });
    });
    // Only once typing is finished (Enter, the arrows, the focus leaving): the
    // rule must not judge the 4 of a 45.
    connect(ui->spinMaxCall, &QSpinBox::valueChanged, this,
        [this](int value) { timeEdited(ConfigurationField::MaxCallTime, value); });
    connect(ui->spinRedirect, &QSpinBox::valueChanged, this,
        [this](int value) { timeEdited(ConfigurationField::CallRedirectTime, value); });
    leaveUndoKeysToWindow(ui->spinMaxCall);
    leaveUndoKeysToWindow(ui->spinRedirect);

    QUndoStack *steps = edited->undoStack();
    connect(ui->actionUndo, &QAction::triggered, steps, &QUndoStack::undo);
    connect(ui->actionRedo, &QAction::triggered, steps, &QUndoStack::redo);
    connect(steps, &QUndoStack::indexChanged, this, &MainWindow::updateUndoActions);
    updateUndoActions();

    adapterStateLabel = new QLabel(this);
    adapterStateLabel->setObjectName(QStringLiteral("labelAdapterState"));
    statusBar()->addPermanentWidget(adapterStateLabel);
    connect(
        edited, &ConfigurationDocument::adapterStateChanged, this, &MainWindow::showAdapterState);
    showAdapterState();
}

void MainWindow::updateUndoActions()
{
    // Each with what it takes back or brings again: "Rückgängig: Lesen".
    const QUndoStack *steps = document()->undoStack();
    const auto show = [](QAction *action, bool can, const QString &plain, const QString &step) {
        action->setEnabled(can);
        action->setText(step.isEmpty() ? plain : tr("%1: %2").arg(plain, step));
    };
    show(ui->actionUndo, steps->canUndo(), tr("Rückgängig"), steps->undoText());
    show(ui->actionRedo, steps->canRedo(), tr("Wiederholen"), steps->redoText());
}

void MainWindow::showAdapterState()
{
    adapterStateLabel->setText(ConfigurationDocument::adapterStateText(document()->adapterState()));
    adapterStateLabel->setToolTip(
        tr("Der Bildschirm verglichen mit dem, was der VX-Adapter nach dem "
           "letzten Lesen oder Schreiben hält"));
}

void MainWindow::setupKeyboard()
{
    ui->actionEinstellungen_importieren->setShortcut(QKeySequence::Open);
    ui->actionEinstellungen_exportieren->setShortcut(QKeySequence::Save);
    ui->actionSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui->actionUndo->setShortcuts(QKeySequence::Undo);
    // The platform's keys for redo, Ctrl+Shift+Z first.
    QList<QKeySequence> redo { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) };
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redo.contains(keys))
            redo << keys;
    }
    ui->actionRedo->setShortcuts(redo);
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
    const QString name = document()->fileName();
    const QString shown = name.isEmpty() ? tr("unbenannt") : QFileInfo(name).fileName();
    setWindowTitle(shown + QLatin1String("[*] - ") + tr("VX-Adapter Software") + versionSuffix());
}

bool MainWindow::maySetAside()
{
    finishTyping();
    if (!document()->isModified())
        return true;
    const auto answer = QMessageBox::question(this, tr("Ungesicherte Änderungen"),
        tr("Die Konfiguration wurde geändert.\nMöchten Sie die Änderungen speichern?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    serializeExportData();
    return !document()->isModified();
}

void MainWindow::toggleLanguage(QAction *action)
{
    settings().setValue(QStringLiteral("language"),
        action == ui->actionEnglisch ? QStringLiteral("en") : QStringLiteral("de"));
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
    updateUndoActions();
    showAdapterState();
    // After the panels, which take their new texts after the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            ui->rosterHeader->showHeadings();
            fitRoster();
        },
        Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!mayCloseDuringRun() || !maySetAside()) {
        event->ignore();
        return;
    }
    session->logoutOnClose();
    serial->CloseCommunication();
    QSettings remembered = settings();
    remembered.setValue(QStringLiteral("window/geometry"), saveGeometry());
    remembered.setValue(QStringLiteral("window/state"), saveState());
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
