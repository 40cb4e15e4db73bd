// Feeds a working day of adapter chatter into the diagnostic pane and prints
// how the time per message develops, against re-setting the whole history on
// every message.

#include "diagnostichighlighter.h"
#include "diagnosticwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextEdit>
#include <QTextStream>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int totalLines = 20000;
constexpr int comparedLines = 2000;
constexpr int window = 1000;

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

// Messages of one to three lines, as the serial link raises them.
QStringList adapterMessages(int lines)
{
    QRandomGenerator random(6001);
    QStringList messages;
    for (int done = 0; done < lines;) {
        const int count = std::min(random.bounded(1, 4), lines - done);
        QString message;
        for (int i = 0; i < count; ++i)
            message += adapterLine(random);
        messages << message;
        done += count;
    }
    return messages;
}

// How the pane used to work: the whole history set anew on every message.
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

// Nanoseconds per message; the event loop runs after each message, as it does
// between two serial batches, so painting is part of the cost.
template<typename Pane>
std::vector<qint64> feed(Pane &pane, const QStringList &messages)
{
    std::vector<qint64> times;
    times.reserve(size_t(messages.size()));
    QElapsedTimer timer;
    for (const QString &message : messages) {
        timer.start();
        pane.addContent(message);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed());
    }
    return times;
}

double seconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e9;
}

qint64 sum(std::vector<qint64>::const_iterator first, std::vector<qint64>::const_iterator last)
{
    return std::accumulate(first, last, qint64(0));
}

void row(const QString &label, const QString &value)
{
    out << "  " << label.leftJustified(44, u'.') << ' ' << value << Qt::endl;
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

    const std::vector<qint64> times = feed(pane, messages);
    const qint64 firstWindow = sum(times.cbegin(), times.cbegin() + window);
    const qint64 lastWindow = sum(times.cend() - window, times.cend());

    out << "Diagnostic pane: " << totalLines << " adapter lines in " << messages.size()
        << " messages of 1 to 3 lines, offscreen, one event-loop pass per message" << Qt::endl;
    row(QStringLiteral("total"),
        QStringLiteral("%1 s").arg(seconds(sum(times.cbegin(), times.cend())), 0, 'f', 3));
    row(QStringLiteral("per message, first %1 messages").arg(window),
        QStringLiteral("%1 ms").arg(double(firstWindow) / window / 1e6, 0, 'f', 3));
    row(QStringLiteral("per message, last %1 messages").arg(window),
        QStringLiteral("%1 ms").arg(double(lastWindow) / window / 1e6, 0, 'f', 3));
    row(QStringLiteral("last / first (goal: at most 2)"),
        QString::number(double(lastWindow) / double(firstWindow), 'f', 2));

    DiagnosticWidget appending;
    appending.resize(400, 300);
    appending.show();
    ResettingPane resetting;
    resetting.resize(viewSize);
    resetting.show();
    QCoreApplication::processEvents();

    const std::vector<qint64> appendTimes = feed(appending, compared);
    const std::vector<qint64> resetTimes = feed(resetting, compared);
    const qint64 appendTotal = sum(appendTimes.cbegin(), appendTimes.cend());
    const qint64 resetTotal = sum(resetTimes.cbegin(), resetTimes.cend());

    out << Qt::endl
        << "First " << comparedLines << " lines (" << compared.size()
        << " messages), fresh panes:" << Qt::endl;
    row(QStringLiteral("appending"), QStringLiteral("%1 s").arg(seconds(appendTotal), 0, 'f', 3));
    row(QStringLiteral("re-setting the whole history"),
        QStringLiteral("%1 s").arg(seconds(resetTotal), 0, 'f', 3));
    row(QStringLiteral("re-setting / appending (goal: at least 20)"),
        QString::number(double(resetTotal) / double(appendTotal), 'f', 1));
    return 0;
}
