#pragma once

#include "configuration.h"
#include "settingsfile.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <memory>

class AttendeeWidget;
class EntryPanel;
class Exchange;
class LoginSession;
class MasterWidget;
class ProgressDialog;
class QActionGroup;
class SafeTransfer;
class SerialHelper;
struct InputProblem;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: it shows the configuration and maps
// what the link, the login session and the transfers report to dialogs and
// message boxes. Its duties live in separate units: mainwindow.cpp
// (construction, language, call-time rule, title), mainwindowlogin.cpp (port,
// login, master password), mainwindowroster.cpp (the ten entries),
// mainwindowtransfer.cpp (read, write, reset, input check) and
// mainwindowfiles.cpp (settings files, backups, the site sheet) and
// mainwindowhelp.cpp (the Help menu).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Roster: entry 0 is the master, 1 to 9 the attendees; other numbers read
    // as 0 or empty and are ignored by the writers.
    byte statusByte(int entry) const;
    void setStatusByte(int entry, byte status);
    QString callNumber(int entry, int index) const;
    void setCallNumber(int entry, const QString &number, int index);
    QString busAddress(int entry) const;
    void setBusAddress(int entry, const QString &address);
    void resetConfiguration();

    // The whole configuration on screen, and all of it at once.
    Configuration configuration() const;
    void setConfiguration(const Configuration &configuration);

    bool isLoggedIn() const;

    // A file named on the command line or dropped on the window: a
    // configuration file to open or an older settings file to import (by
    // suffix, else by content), after the question about unsaved changes.
    // True when it is on screen.
    bool openPath(const QString &path);

public slots:
    void openSelectedPort();
    void closeSelectedPort();
    void loginClicked();
    void transmitClicked();
    void requestClicked();
    void actionChangePassword();
    void actionResetDevice();
    void serializeExportData();
    void serializeImportData();
    void serializeImportOldData();
    void receiveCallRedirectTime(byte time, bool max);
    void receiveStatusByte(byte attendee, byte statusbyte);
    void receiveCallNumber(byte attendee, QByteArray callnumber, byte number);
    void receiveBusAddress(byte attendee, QByteArray address);
    void receivedAck();
    void receivedNak();
    void transmitAck();
    void transmitNak();
    void transmitReset();
    void rejectTransmit();
    void rejectReceive();
    void toggleLanguage(QAction *action);
    void validateCallTime(int t);

    void restoreBackup();
    void printSheet();
    void exportSheet();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // How long a confirmation stays in the status bar.
    static constexpr int StatusMessageMs = 5000;

    // The run a progress dialog belongs to; one at a time.
    enum class Run { None, Read, Write, Reset };

    void retranslateMessages();
    void updateTitle();
    // Shortcuts, Enter in the password field, and Tab in reading order.
    void setupKeyboard();
    void configurationEdited();
    // The screen now matches what fileName holds or the adapter holds.
    void markSaved(const QString &fileName);
    // Save, discard or cancel when the screen holds changes; true to go on.
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
    // Tab runs through the roster first, then down the column on the right.
    void focusRosterFirst();
    // Scrolls the roster so that the field with the focus can be seen.
    void showInRoster(QWidget *field);
    // Keeps the roster wide enough for its widest panel.
    void fitRosterWidth();
    EntryPanel *panel(int entry) const;
    // One value as a file or the adapter hands it over, set like a user edit.
    void applyChange(const ConfigurationChange &change);

    // --- transfer unit ---
    void setupTransfer();
    bool validateAttendees();
    void showInputProblem(const InputProblem &problem);
    void startRun(Run run, const Configuration &toWrite = Configuration());
    // A run under way that another one must not interrupt: raise its dialog.
    bool raiseRunningDialog(Run wanted);
    void showProgress(int phase, int entry, ConfigurationField field, int step, int total);
    void runFinished();
    // phase and failure as SafeTransfer and Exchange name them.
    void runFailed(int phase, int failure, const QString &what);
    // One message for a write that ended half-way, with the ways on from there.
    void showPartlyWritten(int written, const QString &cause);
    // Closing while the adapter is being written: ask, and stop the write.
    bool mayCloseDuringRun();
    void showVerifyResult(const Configuration &written, const Configuration &read);
    void closeProgressDialog();

    // --- files unit ---
    void openConfiguration(const QString &caption, const QString &folder);
    // Reads the whole file, then puts it on screen; says why when it cannot.
    bool loadConfiguration(
        const QString &fileName, SettingsFile::Format format = SettingsFile::Format::Xml);
    bool saveBackup(const Configuration &adapter);
    bool confirmWithoutBackup(int why, const QString &what);
    bool saveTo(const QString &fileName);
    void showImportFailed();

    // --- help unit ---
    void showAbout();
    void showManual();

    std::unique_ptr<Ui::MainWindow> ui;
    QMap<int, AttendeeWidget *> attendees;
    MasterWidget *masterWidget = nullptr;
    SerialHelper *serial = nullptr;
    Exchange *exchange = nullptr;
    LoginSession *session = nullptr;
    SafeTransfer *transfer = nullptr;
    QActionGroup *languageGroup = nullptr;
    QPointer<ProgressDialog> progressDialog;
    Run run = Run::None;
    bool portLost = false; // the port broke down since it was last chosen

    // What was last loaded, saved, written or read; the screen is modified
    // while it differs.
    Configuration savedConfiguration;
    QString fileName;
    QString backupError; // why the last backup could not be saved
    QString backupPath; // the last backup saved, empty when that failed
    Configuration writing; // what the last write sent

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
