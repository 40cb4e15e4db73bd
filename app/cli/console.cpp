#include "console.h"

#include <QByteArray>

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int BarWidth = 20;
// When the terminal does not say how wide it is.
constexpr int DefaultColumns = 80;

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString visible(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        // C0, DEL and C1; what else a terminal takes is printable.
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

int terminalColumns()
{
    winsize size = {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return DefaultColumns;
}

} // namespace

Console::Console()
    : m_terminal(::isatty(STDERR_FILENO))
{ }

Console::~Console()
{
    endBar();
}

void Console::result(const QString &line)
{
    // A bar left standing would run into the result on a shared terminal.
    endBar();
    write(stdout, visible(line) + QLatin1Char('\n'));
}

void Console::result(const QStringList &columns)
{
    QStringList shown;
    for (const QString &column : columns)
        shown << visible(column);
    endBar();
    write(stdout, shown.join(QLatin1Char('\t')) + QLatin1Char('\n'));
}

void Console::progress(int step, int total, const QString &what)
{
    if (m_quiet)
        return;
    const QString count = QStringLiteral("%1/%2").arg(step, 3).arg(total);
    if (!m_terminal) {
        write(stderr, count + QLatin1Char(' ') + visible(what) + QLatin1Char('\n'));
        return;
    }
    const int filled = total > 0 ? qBound(0, BarWidth * step / total, BarWidth) : 0;
    QString line = QLatin1Char('[') + QString(filled, QLatin1Char('#'))
        + QString(BarWidth - filled, QLatin1Char('.')) + QLatin1String("] ") + count
        + QLatin1Char(' ') + visible(what);
    // A line that wraps could not be drawn over any more.
    line.truncate(terminalColumns() - 1);
    // Back to the start of the line, then clear what the last step left.
    write(stderr, QLatin1Char('\r') + line + QLatin1String("\x1b[K"));
    m_barShown = true;
}

void Console::note(const QString &line)
{
    if (!m_quiet)
        error(line);
}

void Console::error(const QString &line)
{
    endBar();
    write(stderr, visible(line) + QLatin1Char('\n'));
}

void Console::endBar()
{
    if (!m_barShown)
        return;
    m_barShown = false;
    write(stderr, QStringLiteral("\n"));
}
