#pragma once

#include "configuration.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <memory>

class AttendeeWidget;
class ConfigurationDocument;
class EntryPanel;
class Exchange;
class LoginSession;
class MasterWidget;
class ProgressDialog;
class QActionGroup;
class QLabel;
class QSettings;
class SafeTransfer;
class SerialHelper;
struct InputProblem;

namespace Ui {
class MainWindow;
}

// The program's only top-level window. It shows the configuration document
// (the panels, the two times and "Wahl ohne warten" are its views) and maps
// what the document, the link, the login session and the transfers report to
// the title, the status bar, dialogs and message boxes. Its duties live in
// separate units: mainwindow.cpp (construction, settings, language, title,
// editing and undo), mainwindowlogin.cpp (port, login, master password),
// mainwindowroster.cpp (the ten entries and the two times as views),
// mainwindowtransfer.cpp (read, write, reset, input check),
// mainwindowfiles.cpp (settings files, recent files, backups, the site sheet)
// and mainwindowhelp.cpp (the Help menu).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The configuration on screen, its file and what the adapter holds.
    ConfigurationDocument *document() const { return configurationDocument; }

    bool isLoggedIn() const;

    // A file named on the command line or dropped on the window: a
    // configuration file to open or an older settings file to import (by
    // suffix, else by content), after the question about unsaved changes.
    // True when it is on screen.
    bool openPath(const QString &path);

public slots:
    void openSelectedPort();
    void loginClicked();
    void transmitClicked();
    void requestClicked();
    void actionChangePassword();
    void actionResetDevice();
    // To the document's file, or asks for one while it has none.
    void serializeExportData();
    void saveAs();
    void serializeImportData();
    void serializeImportOldData();
    void toggleLanguage(QAction *action);

    void restoreBackup();
    void printSheet();
    void exportSheet();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // How long a confirmation stays in the status bar.
    static constexpr int StatusMessageMs = 5000;

    // The run a progress dialog belongs to; one at a time.
    enum class Run { None, Read, Write, Reset };

    // What outlives the program: the switches, port, language, folders, recent
    // files and the window's geometry.
    static QSettings settings();
    void restoreWindowSettings();
    void retranslateMessages();
    void updateTitle();
    void showAdapterState();
    // Shortcuts, Enter in the password field, and Tab in reading order.
    void setupKeyboard();
    // Undo and redo, the title's * and the status bar's field.
    void setupEditing();
    void updateUndoActions();
    // Save, discard or cancel when the screen differs from its file; true to go on.
    bool maySetAside();

    // --- login unit ---
    void createLink();
    void connectLink();
    void showLoginState();
    bool requirePort();
    void portFailed(const QString &reason);
    // more goes below the message.
    void adapterSilent(const QString &what, const QString &more = QString());
    void adapterUnreadable(const QString &what, const QString &more = QString());

    // --- roster unit ---
    void addMasterPanel();
    void addAttendeePanel(int attendee);
    // The ten rows under their headings, fitted to the list as it resizes.
    void setupRoster();
    // Tab runs through the roster first, then down the column on the right.
    void focusRosterFirst();
    // Scrolls the roster so that the field with the focus can be seen.
    void showInRoster(QWidget *field);
    // One set of column widths for every row and the headings, and the
    // roster wide enough for them; then the rows' heights.
    void fitRoster();
    // Each row as low as it may be; room the list has to spare goes to the
    // attendees' rows, whose switches grow with them.
    void fitRosterRows();
    EntryPanel *panel(int entry) const;
    // The document's values in the views; only what differs is set.
    void showValue(int entry, ConfigurationField field);
    void showConfiguration();
    // A time the user finished typing or stepped to: it goes to the document
    // after the call-time rule, whose box follows from the event loop.
    void timeEdited(ConfigurationField field, int value);
    // Takes a time still being typed; false when the call-time rule corrected it.
    bool finishTyping();

    // --- transfer unit ---
    void setupTransfer();
    bool validateAttendees();
    void showInputProblem(const InputProblem &problem);
    void startRun(Run run, const Configuration &toWrite = Configuration());
    // A run under way that another one must not interrupt: raise its dialog.
    bool raiseRunningDialog(Run wanted);
    void showProgress(int phase, int entry, ConfigurationField field, int step, int total);
    // The progress dialog's Cancel: the run ends once the command in flight is
    // answered, so that a write's message counts exactly what the adapter took.
    void cancelRun();
    void runFinished();
    // phase and failure as SafeTransfer and Exchange name them.
    void runFailed(int phase, int failure, const QString &what);
    // One message for a write that ended half-way, with the ways on from there.
    void showPartlyWritten(int written, const QString &cause);
    // Closing while the adapter is being written: ask, and stop the write.
    bool mayCloseDuringRun();
    void showVerifyResult(const Configuration &written, const Configuration &read);
    // What the write is about to change in the adapter; true to write.
    bool confirmChanges(const Configuration &adapter);
    void closeProgressDialog();

    // --- files unit ---
    // What a file becomes: the document's file, an unnamed screen, or a
    // screen to check and write.
    enum class Load { Open, Import, Backup };
    void openConfiguration();
    // Reads the whole file, then puts it on screen; says why when it cannot.
    bool loadConfiguration(const QString &fileName, Load how);
    // After a read, an opened file, an import or a restored backup: one note
    // when the two times do not fit together, with the values of a file the
    // adapter cannot take.
    void noteLoaded(const QStringList &fileProblems = QStringList());
    bool saveBackup(const Configuration &adapter);
    bool confirmWithoutBackup(int why, const QString &what);
    bool saveTo(const QString &fileName);
    void showImportFailed();
    // Each file dialog starts where it was last left (key names it).
    static QString lastFolder(const QString &key);
    static void rememberFolder(const QString &key, const QString &fileName);
    void addRecentFile(const QString &fileName);
    void showRecentFiles();
    // The document's file for the site sheet, marked when the screen differs.
    QString sheetFileName() const;

    // --- help unit ---
    void showAbout();
    void showManual();

    std::unique_ptr<Ui::MainWindow> ui;
    ConfigurationDocument *configurationDocument = nullptr;
    QMap<int, AttendeeWidget *> attendees;
    MasterWidget *masterWidget = nullptr;
    QLabel *adapterStateLabel = nullptr;
    SerialHelper *serial = nullptr;
    Exchange *exchange = nullptr;
    LoginSession *session = nullptr;
    SafeTransfer *transfer = nullptr;
    QActionGroup *languageGroup = nullptr;
    QPointer<ProgressDialog> progressDialog;
    Run run = Run::None;
    bool portLost = false; // the port broke down since it was last chosen
    bool callTimeBoxDue = false; // the rule corrected a time; its box is on its way

    QString backupError; // why the last backup could not be saved
    QString backupPath; // the last backup saved, empty when that failed
    Configuration writing; // what the last write sent
    bool writeVerified = false; // the last write's verify read the adapter back

    QString messageNoBusAddress;
    QString messageDuplicateBusAddress;
    QString messageNoCallNumber;
    QString messageCallTimeOrder;
    QString messageLoginRequired;
    QString messagePasswordInvalid;
    QString messagePortOpenFailed;
    QString messagePortCloseFailed;
    QString messageImportFailed;
    QString messagePasswordChanged;
    QString messagePasswordChangeFailed;
    QString messageLoginFailed;
    QString messageTransferFailed;
    QString messageResetQuestion;
};
