#include "passwordinput.h"

#include <QRegularExpression>

#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace PasswordInput {

QString readLine(const QString &prompt)
{
    termios saved = {};
    const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        std::cerr << prompt.toLocal8Bit().constData() << std::flush;
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        // The Enter the user typed was not echoed either.
        std::cerr << std::endl;
    }
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size())).trimmed();
}

bool isValid(const QString &password)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    return fourDigits.match(password).hasMatch();
}

} // namespace PasswordInput
