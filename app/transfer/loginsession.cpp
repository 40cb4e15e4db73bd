#include "loginsession.h"

#include <utility>

LoginSession::LoginSession(Exchange *exchange, QObject *parent)
    : QObject(parent)
    , m_exchange(exchange)
{
    connect(exchange, &Exchange::answered, this,
        [this](Exchange::Lane, const Frame &frame, quint64 ticket) { answer(frame, ticket); });
    connect(exchange, &Exchange::failed, this,
        [this](Exchange::Lane, Exchange::Failure failure, const QString &what, quint64 ticket) {
            commandFailed(failure, what, ticket);
        });
}

QString LoginSession::describe(PendingCommand command)
{
    switch (command) {
    case PendingLogin:
        return tr("Login");
    case PendingLogout:
        return tr("Logout");
    case PendingPasswordChange:
        return tr("Neues Masterpasswort");
    case PendingReset:
        return tr("Zurücksetzen des VX-Adapters");
    default:
        return QString();
    }
}

void LoginSession::login(const QString &password)
{
    send(PendingLogin, Frames::login(password));
}

void LoginSession::logout()
{
    send(PendingLogout, Frames::logout());
}

void LoginSession::changePassword(const QString &password)
{
    send(PendingPasswordChange, Frames::masterPassword(password));
}

void LoginSession::reset()
{
    send(PendingReset, Frames::reset());
}

void LoginSession::forget()
{
    m_exchange->abandon(Exchange::Control);
    m_pending = PendingNone;
    m_ticket = 0;
    setLoggedIn(false);
}

bool LoginSession::logoutOnClose()
{
    if (!m_loggedIn)
        return false;
    m_exchange->abandon(Exchange::Control);
    m_pending = PendingNone;
    m_ticket = 0;
    AdapterLink *link = m_exchange->link();
    return link && link->sendFrame(Frames::logout());
}

void LoginSession::send(PendingCommand command, const Frame &frame)
{
    m_pending = command;
    m_ticket = m_exchange->send(Exchange::Control, frame, describe(command));
}

void LoginSession::answer(const Frame &answer, quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    const bool accepted = answer.command == LinkCommand::Acknowledge;
    const qint32 command = std::exchange(m_pending, PendingNone);
    switch (command) {
    case PendingLogin:
        if (accepted) {
            setLoggedIn(true);
            break;
        }
        setLoggedIn(false);
        emit loginRefused();
        // Leaves the adapter in no half-open state; its answer changes nothing.
        // A command started meanwhile (from the message box's event loop) wins.
        if (m_pending == PendingNone) {
            m_exchange->abandon(Exchange::Control,
                m_exchange->send(Exchange::Control, Frames::logout(), describe(PendingLogout)));
        }
        break;
    case PendingLogout:
        setLoggedIn(!accepted);
        break;
    case PendingPasswordChange:
        emit passwordChanged(accepted);
        break;
    case PendingReset:
        emit resetAnswered(accepted);
        break;
    default:
        break;
    }
}

void LoginSession::commandFailed(Exchange::Failure failure, const QString &what, quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    m_pending = PendingNone;
    emit failed(failure, what);
}

void LoginSession::setLoggedIn(bool loggedIn)
{
    if (m_loggedIn == loggedIn)
        return;
    m_loggedIn = loggedIn;
    emit loggedInChanged(loggedIn);
}
