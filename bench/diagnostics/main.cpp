// Feeds a working day of adapter chatter into the diagnostic pane and prints
// how the time per message develops, against re-setting the whole history on
// every message; then a long run of whole lines, one per message as the
// adapter sends them at 30 lines/s, well past the pane's line limit: the
// longest the event loop is held by one line, and how many lines are kept.

#include "diagnostichighlighter.h"
#include "diagnosticwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextEdit>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <numeric>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int totalLines = 20000;
constexpr int comparedLines = 2000;
constexpr int window = 1000;
constexpr int longRunLines = 3 * DiagnosticWidget::MaximumLines;
constexpr int linesPerSecond = 30;

QTextStream out(stdout);

// Reports of the kind the adapter sends, each ending as the adapter ends it.
QString adapterLine(QRandomGenerator &random)
{
    const int attendee = random.bounded(1, 10);
    const int number = random.bounded(1, 100);
    const auto digits = QString::number(random.bounded(100000, 1000000)).prepend(u"030");
    switch (random.bounded(10)) {
    case 0:
        return QStringLiteral("Hausruf %1:Teilnehmer %2\r\n").arg(number).arg(attendee);
    case 1:
        return QStringLiteral("Ruf fuer Teilnehmer %1:%2\r\n").arg(attendee).arg(digits);
    case 2:
        return QStringLiteral("Ruf fuer Teilnehmer %1: besetzt\r\n").arg(attendee);
    case 3:
        return QStringLiteral("Notrufbefehl von Teilnehmer %1\r\n").arg(attendee);
    case 4:
        return QStringLiteral("Teilnehmer %1 hat abgehoben\r\n").arg(attendee);
    case 5:
        return QStringLiteral("Gespräch beendet nach %1 s\r\n").arg(number);
    case 6:
        return QStringLiteral("Befehl empfangen: %1\r\n").arg(random.bounded(10, 40));
    case 7:
        return QStringLiteral("Wahl ohne Warten aktiv!\r\n");
    case 8:
        return QStringLiteral("Störung auf dem Bus?\r\n");
    default:
        return QStringLiteral("Rufweiterschaltung zu %1 (Etage %2).\r\n").arg(digits).arg(number);
    }
}

long maxResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Messages of one to three lines, as the serial link raises them.
QStringList adapterMessages(int lines, int longest = 3)
{
    QRandomGenerator random(6001);
    QStringList messages;
    for (int done = 0; done < lines;) {
        const int count = std::min(random.bounded(1, longest + 1), lines - done);
        QString message;
        for (int i = 0; i < count; ++i)
            message += adapterLine(random);
        messages << message;
        done += count;
    }
    return messages;
}

// The straightforward way: the whole history set anew on every message.
class ResettingPane : public QTextEdit
{
public:
    ResettingPane()
    {
        setReadOnly(true);
        new DiagnosticHighlighter(document());
    }

    void addContent(const QString &content)
    {
        history += QString(content).replace(
            QLatin1String("Notrufbefehl"), QLatin1String("Conciergebefehl"));
        setPlainText(history);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }

private:
    QString history;
};

struct Times
{
    std::vector<qint64> wall; // nanoseconds per message
    std::vector<qint64> cpu; // the same in process CPU time, which other load hardly moves
};

// The event loop runs after each message, as it does between two serial
// batches, so painting is part of the cost.
template<typename Pane>
Times feed(Pane &pane, const QStringList &messages)
{
    Times times;
    QElapsedTimer timer;
    for (const QString &message : messages) {
        const std::clock_t cpuStart = std::clock();
        timer.start();
        pane.addContent(message);
        QCoreApplication::processEvents();
        times.wall.push_back(timer.nsecsElapsed());
        times.cpu.push_back(qint64(std::clock() - cpuStart) * (1000000000 / CLOCKS_PER_SEC));
    }
    return times;
}

qint64 sum(const std::vector<qint64> &times, size_t first, size_t count)
{
    return std::accumulate(
        times.cbegin() + qsizetype(first), times.cbegin() + qsizetype(first + count), qint64(0));
}

qint64 total(const std::vector<qint64> &times)
{
    return sum(times, 0, times.size());
}

void row(const QString &label, const QString &wall, const QString &cpu = QString())
{
    const QString lead = label.isEmpty() ? QString(46, u' ') : label.leftJustified(46, u'.');
    out << "  " << lead << wall.rightJustified(12) << cpu.rightJustified(12) << Qt::endl;
}

QString secondsText(qint64 nanoseconds)
{
    return QStringLiteral("%1 s").arg(double(nanoseconds) / 1e9, 0, 'f', 3);
}

QString perMessageText(qint64 nanoseconds, int messages)
{
    return QStringLiteral("%1 ms").arg(double(nanoseconds) / messages / 1e6, 0, 'f', 3);
}

QString ratioText(qint64 numerator, qint64 denominator)
{
    return QString::number(double(numerator) / double(denominator), 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList messages = adapterMessages(totalLines);
    const QStringList compared = adapterMessages(comparedLines);

    DiagnosticWidget pane;
    pane.resize(400, 300);
    pane.show();
    QCoreApplication::processEvents();
    const QSize viewSize = pane.findChild<QTextEdit *>(QStringLiteral("contentEdit"))->size();

    const Times times = feed(pane, messages);
    const size_t last = times.wall.size() - window;

    out << "Diagnostic pane: " << totalLines << " adapter lines in " << messages.size()
        << " messages of 1 to 3 lines, offscreen, event loop run after each message" << Qt::endl;
    row(QString(), QStringLiteral("wall"), QStringLiteral("CPU"));
    row(QStringLiteral("total"), secondsText(total(times.wall)), secondsText(total(times.cpu)));
    row(QStringLiteral("per message, first %1 messages").arg(window),
        perMessageText(sum(times.wall, 0, window), window),
        perMessageText(sum(times.cpu, 0, window), window));
    row(QStringLiteral("per message, last %1 messages").arg(window),
        perMessageText(sum(times.wall, last, window), window),
        perMessageText(sum(times.cpu, last, window), window));
    row(QStringLiteral("last / first (goal: at most 2)"),
        ratioText(sum(times.wall, last, window), sum(times.wall, 0, window)),
        ratioText(sum(times.cpu, last, window), sum(times.cpu, 0, window)));

    DiagnosticWidget appending;
    appending.resize(400, 300);
    appending.show();
    ResettingPane resetting;
    resetting.resize(viewSize);
    resetting.show();
    QCoreApplication::processEvents();

    const Times appendTimes = feed(appending, compared);
    const Times resetTimes = feed(resetting, compared);

    out << Qt::endl
        << "First " << comparedLines << " lines (" << compared.size()
        << " messages), fresh panes:" << Qt::endl;
    row(QString(), QStringLiteral("wall"), QStringLiteral("CPU"));
    row(QStringLiteral("appending"), secondsText(total(appendTimes.wall)),
        secondsText(total(appendTimes.cpu)));
    row(QStringLiteral("re-setting the whole history"), secondsText(total(resetTimes.wall)),
        secondsText(total(resetTimes.cpu)));
    row(QStringLiteral("re-setting / appending (goal: at least 20)"),
        ratioText(total(resetTimes.wall), total(appendTimes.wall)),
        ratioText(total(resetTimes.cpu), total(appendTimes.cpu)));

    // The long run. At 30 lines/s a line that holds the loop longer than the
    // 33 ms to the next one stalls it; the goal is well under that.
    const QStringList lines = adapterMessages(longRunLines, 1);
    DiagnosticWidget longRun;
    longRun.resize(400, 300);
    longRun.show();
    QCoreApplication::processEvents();
    const Times first = feed(longRun, lines.mid(0, lines.size() / 2));
    const long halfwayKiB = maxResidentKiB();
    const Times second = feed(longRun, lines.mid(lines.size() / 2));
    const auto longest = [](const Times &a, const Times &b, auto member) {
        return std::max(*std::max_element((a.*member).cbegin(), (a.*member).cend()),
            *std::max_element((b.*member).cbegin(), (b.*member).cend()));
    };
    const qint64 longestWall = longest(first, second, &Times::wall);
    const qsizetype kept
        = longRun.findChild<QTextEdit *>(QStringLiteral("contentEdit"))->toPlainText().count(u'\n');

    out << Qt::endl
        << "Long run: " << longRunLines << " whole lines, one per message ("
        << QString::number(double(longRunLines) / linesPerSecond / 3600, 'f', 1) << " h at "
        << linesPerSecond << " lines/s), fresh pane:" << Qt::endl;
    row(QString(), QStringLiteral("wall"), QStringLiteral("CPU"));
    row(QStringLiteral("longest event-loop hold (goal: < 50 ms)"),
        QStringLiteral("%1 ms").arg(double(longestWall) / 1e6, 0, 'f', 1),
        QStringLiteral("%1 ms").arg(double(longest(first, second, &Times::cpu)) / 1e6, 0, 'f', 1));
    row(QStringLiteral("per line, second half"),
        perMessageText(total(second.wall), int(second.wall.size())),
        perMessageText(total(second.cpu), int(second.cpu.size())));
    row(QStringLiteral("lines kept (limit %1)").arg(DiagnosticWidget::MaximumLines),
        QString::number(kept));
    row(QStringLiteral("peak resident memory, halfway / end"),
        QStringLiteral("%1 MiB").arg(halfwayKiB / 1024),
        QStringLiteral("%1 MiB").arg(maxResidentKiB() / 1024));
    return 0;
}
