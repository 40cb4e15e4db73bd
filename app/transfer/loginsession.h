#pragma once

#include "exchange.h"

#include <QObject>
#include <QString>

// Login, logout, the master password and the reset of the adapter, one at a
// time on the exchange's control lane. An answer goes to the command sent
// last; a command that gets no answer in time, or none it can read, ends with
// failed() and leaves the login state as it was.
class LoginSession : public QObject
{
    Q_OBJECT

public:
    // The command whose answer is awaited; any other value awaits nothing.
    enum PendingCommand : qint32 {
        PendingLogin = 0,
        PendingPasswordChange = 1,
        PendingReset = 0x38,
        PendingLogout = 255,
        PendingNone = 0xFFFF,
        PendingNothingYet = 0xF000,
    };

    explicit LoginSession(Exchange *exchange, QObject *parent = nullptr);

    bool isLoggedIn() const { return m_loggedIn; }
    qint32 pendingCommand() const { return m_pending; }

    // Four digits; the caller checks the length.
    void login(const QString &password);
    void logout();
    void changePassword(const QString &password);
    void reset();
    // The line is gone: logged out without a word to the adapter.
    void forget();
    // Sends the logout without waiting for its answer (the window closes);
    // true when one went out.
    bool logoutOnClose();

    // The command's name for messages, in the user's language.
    static QString describe(PendingCommand command);

signals:
    void loggedInChanged(bool loggedIn);
    // Emitted before the logout that follows a refused login is sent.
    void loginRefused();
    void passwordChanged(bool accepted);
    void resetAnswered(bool accepted);
    // NotAnswered or Unreadable; what names the command in the user's language.
    void failed(Exchange::Failure failure, const QString &what);

private:
    void send(PendingCommand command, const Frame &frame);
    void answer(const Frame &answer, quint64 ticket);
    void commandFailed(Exchange::Failure failure, const QString &what, quint64 ticket);
    void setLoggedIn(bool loggedIn);

    Exchange *m_exchange;
    qint32 m_pending = PendingNothingYet;
    quint64 m_ticket = 0; // of the pending command
    bool m_loggedIn = false;
};
