#pragma once

#include "configuration.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>

#include <memory>

class AttendeeWidget;
class EntryPanel;
class MasterWidget;
class ProgressDialog;
class QActionGroup;
class SerialHelper;

namespace Ui {
class MainWindow;
}

// The program's only top-level window. The configuration lives in its widgets;
// everything that reads or writes it goes through the roster accessors.
//
// The class is large by nature (every slot sits on it), so its duties live in
// separate units: mainwindow.cpp (construction, language, call-time rule),
// mainwindowlogin.cpp (port, login, master password, reset),
// mainwindowroster.cpp (the ten entries), mainwindowtransfer.cpp (transmit,
// receive, input check) and mainwindowfiles.cpp (settings files).
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

    bool isLoggedIn() const { return loggedIn; }

public slots:
    void openSelectedPort();
    void closeSelectedPort();
    void loginClicked();
    void transmitClicked();
    void requestClicked();
    void actionChangePassword();
    void actionResetDevice();
    void transmitProcessor();
    void receiveProcessor();
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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void portFailed(const QString &reason);
    void configurationEdited();

private:
    // Values of pendingCommand: the login-related command awaiting its answer.
    enum PendingCommand : qint32 {
        PendingLogin = 0,
        PendingPasswordChange = 1,
        PendingLogout = 255,
        PendingNone = 0xFFFF,
        PendingNothingYet = 0xF000,
    };

    void retranslateMessages();
    void createLink();
    void connectLink();
    void showLoginState();
    void addMasterPanel();
    void addAttendeePanel(int attendee);
    EntryPanel *panel(int entry) const;
    // One value as a file or the adapter hands it over, set like a user edit.
    void applyChange(const ConfigurationChange &change);

    // --- transfer unit (mainwindowtransfer.cpp) ---
    bool validateAttendees();
    // Idempotent; the repetition timer is also set up on first use.
    void setupTransfer();
    // The transmit part of receivedAck()/receivedNak(); idle unless a transmit runs.
    void transmitAcknowledged();
    void transmitRefused();
    void endTransmit();
    QString entryName(int entry) const;
    void openProgressDialog(void (MainWindow::*cancelSlot)());
    void advanceProgress();
    void showProcess(const QString &text);
    // --- end transfer unit ---

    // --- files unit (mainwindowfiles.cpp) ---
    void showImportFailed();
    // --- end files unit ---

    std::unique_ptr<Ui::MainWindow> ui;
    QMap<int, AttendeeWidget *> attendees;
    MasterWidget *masterWidget = nullptr;
    SerialHelper *serial = nullptr;
    QActionGroup *languageGroup = nullptr;
    QPointer<ProgressDialog> progressDialog;

    // What was last loaded, saved, written or read; the screen is modified
    // while it differs.
    Configuration savedConfiguration;

    qint32 pendingCommand = PendingNothingYet;
    bool loggedIn = false;

    qint32 transmitStep = -1;
    qint32 transmitRetries = 0;
    qint32 transmitAttendee = 0;
    bool transmitRunning = false;
    // The one-second repetition after a NAK; stopped when the run ends.
    QTimer repeatTimer;

    qint32 receiveStep = 0;
    qint32 receiveAttendee = 0;
    bool receiveRunning = false;

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
