#include "passwordinput.h"

#include <QRegularExpression>

#include <csignal>
#include <iostream>
#include <iterator>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// What can end the program while it waits for the password; each leaves the
// terminal as it found it.
constexpr int EndingSignals[] = { SIGINT, SIGTERM, SIGHUP, SIGQUIT };

termios savedTerminal = {};

extern "C" void restoreTerminalAndEnd(int signal)
{
    // Both are async-signal-safe. The signal, blocked while this runs, then
    // takes its own course: the program ends as the signal means.
    ::tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Echo off until destroyed, however the prompt ends.
class SilentTerminal
{
public:
    SilentTerminal()
    {
        struct sigaction restoring = {};
        restoring.sa_handler = restoreTerminalAndEnd;
        sigemptyset(&restoring.sa_mask);
        for (std::size_t i = 0; i < std::size(EndingSignals); ++i)
            ::sigaction(EndingSignals[i], &restoring, &m_previous[i]);
        termios silent = savedTerminal;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    ~SilentTerminal()
    {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
        for (std::size_t i = 0; i < std::size(EndingSignals); ++i)
            ::sigaction(EndingSignals[i], &m_previous[i], nullptr);
    }
    SilentTerminal(const SilentTerminal &) = delete;
    SilentTerminal &operator=(const SilentTerminal &) = delete;

private:
    struct sigaction m_previous[std::size(EndingSignals)] = {};
};

} // namespace

namespace PasswordInput {

QString readLine(const QString &prompt)
{
    std::string line;
    if (::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &savedTerminal) == 0) {
        const SilentTerminal silent;
        // Only now: what is typed after the prompt is never echoed.
        std::cerr << prompt.toLocal8Bit().constData() << std::flush;
        std::getline(std::cin, line);
        // The Enter the user typed was not echoed either.
        std::cerr << std::endl;
    } else {
        std::getline(std::cin, line);
    }
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size())).trimmed();
}

bool isValid(const QString &password)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    return fourDigits.match(password).hasMatch();
}

} // namespace PasswordInput
