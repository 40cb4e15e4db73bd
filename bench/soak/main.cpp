// Reads and writes through the main window, one after the other, against vxsim
// sending its own text lines all the while: most runs on an unpaced line, some
// on a line paced like 9600 baud. Prints how many runs there were, how many
// stalled, how many text lines never reached the pane, the longest the event
// loop was kept from running, and how resident memory grew per 10,000 lines.
//
//   bench_soak [unpaced runs] [paced runs]

#include "configurationdocument.h"
#include "diagnosticwidget.h"
#include "mainwindow.h"
#include "namedchild.h"
#include "progressdialog.h"
#include "vxsimprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream out(stdout);

constexpr int probeIntervalMs = 2;

// The longest gap between two turns of the event loop, less the interval.
class StallProbe
{
public:
    StallProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longestMs = qMax(longestMs, clock.nsecsElapsed() / 1e6 - probeIntervalMs);
            clock.restart();
        });
        clock.start();
        timer.start(probeIntervalMs);
    }
    double longestMs = 0;

private:
    QTimer timer;
    QElapsedTimer clock;
};

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// Runs the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!condition())
        loop.exec();
    return condition();
}

struct Figures
{
    int runs = 0;
    int stalled = 0;
    qint64 linesSent = 0;
    qint64 linesLost = 0;
    double longestStallMs = 0;
    double megabytesPer10kLines = 0;
};

// runs sequences, reads and writes in turn, against a vxsim sending lines
// text lines at linesPerSecond (about as many as the runs take).
bool soak(const QStringList &options, int runs, int lines, int linesPerSecond, int runTimeoutMs,
    Figures *figures)
{
    VxSimProcess sim;
    if (!sim.start(options
            + QStringList { QStringLiteral("--chatter"), QString::number(linesPerSecond),
                QStringLiteral("--chatter-lines"), QString::number(lines),
                QStringLiteral("--verbose") })) {
        out << "vxsim did not start" << Qt::endl;
        return false;
    }
    qputenv("VXCONFIG_PORTS", sim.portName().toLocal8Bit());
    MainWindow window;
    child<QAction>(window, "actionBackupBeforeWrite")->setChecked(false);
    child<QAction>(window, "actionVerifyAfterWrite")->setChecked(false);
    child<QAction>(window, "actionShowChangesBeforeWrite")->setChecked(false);
    window.show();
    child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
    child<QPushButton>(window, "buttonLogin")->click();
    if (!waitFor([&] { return window.isLoggedIn(); }, 5000)) {
        out << "login failed" << Qt::endl;
        return false;
    }
    Configuration configuration;
    configuration.entries[0] = { QStringLiteral("0815"), QStringLiteral("0301234567"), {}, 0x41 };
    for (int n = 1; n <= 9; ++n)
        configuration.entries[n] = { QString::number(n * 1111), QString(),
            QStringLiteral("%1%2").arg(QChar('A' + n - 1)).arg(n), 0x1d };
    window.document()->restoreBackup(configuration);

    // Message boxes would stop a run: note them and carry on.
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            out << "  message: " << box->text().simplified() << Qt::endl;
            box->close();
        }
    });
    boxes.start(20);

    const auto *pane = child<QTextEdit>(window, "contentEdit");
    // Memory counts from after a few runs, once the window has warmed up.
    constexpr int warmUpRuns = 4;
    double startMegabytes = 0;
    StallProbe probe;
    for (int run = 0; run < runs; ++run) {
        if (run == warmUpRuns)
            startMegabytes = residentMegabytes();
        const char *button = run % 2 ? "buttonRequest" : "buttonTransmit";
        child<QPushButton>(window, button)->click();
        const bool done = waitFor(
            [&] {
                const auto dialogs = window.findChildren<ProgressDialog *>();
                return dialogs.isEmpty() || !dialogs.last()->isVisible();
            },
            runTimeoutMs);
        ++figures->runs;
        if (!done) {
            ++figures->stalled;
            window.findChildren<ProgressDialog *>().last()->reject();
        }
    }
    // The rest of the lines arrive; then every one of them must be in the pane.
    const auto lineEnds = [pane] { return int(pane->toPlainText().count(QLatin1Char('\n'))); };
    const int shown = [&] {
        waitFor([&] { return sim.standardError().count("vxsim: text ") >= lines; }, 120000);
        waitFor([&] { return lineEnds() >= lines; }, 2000);
        return lineEnds();
    }();

    figures->longestStallMs = qMax(figures->longestStallMs, probe.longestMs);
    figures->linesSent += lines;
    figures->linesLost += qMax(0, lines - shown);
    if (runs > 2 * warmUpRuns)
        figures->megabytesPer10kLines = (residentMegabytes() - startMegabytes) * 10000
            / (double(lines) * (runs - warmUpRuns) / runs);
    return true;
}

void print(const char *name, const Figures &f)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
               .arg(QLatin1String(name), -9)
               .arg(f.runs, 5)
               .arg(f.stalled, 8)
               .arg(f.linesSent, 7)
               .arg(f.linesLost, 6)
               .arg(f.longestStallMs, 9, 'f', 1)
               .arg(f.megabytesPer10kLines, 10, 'f', 2)
        << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int unpacedRuns = arguments.size() > 1 ? arguments.at(1).toInt() : 600;
    const int pacedRuns = arguments.size() > 2 ? arguments.at(2).toInt() : 10;
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The switches these runs set stay out of the user's settings.
    QStandardPaths::setTestModeEnabled(true);

    Figures unpaced, paced;
    if (!soak({}, unpacedRuns, unpacedRuns * 16, 200, 5000, &unpaced)
        || !soak({ QStringLiteral("--baud"), QStringLiteral("9600") }, pacedRuns, pacedRuns * 9, 10,
            10000, &paced))
        return 1;

    out << "reads and writes in turn through the main window, vxsim sending text lines" << Qt::endl
        << "unpaced: 200 lines/s; paced: vxsim --baud 9600, 10 lines/s" << Qt::endl
        << "           runs  stalled   lines   lost  stall ms  MB/10k lines" << Qt::endl;
    print("unpaced", unpaced);
    print("paced", paced);
    out << "goals: 0 stalled of at least 500 runs, 0 lines lost, longest stall < 50 ms" << Qt::endl;
    return 0;
}
