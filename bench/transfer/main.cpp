// A full transmit and a full receive through the main window against vxsim,
// once on a line paced like 9600 baud and once unpaced. Prints the wall time
// of each against the time its bytes need on the wire (10 bits a byte), and
// the unpaced time, which is the program's own share. A safe write is measured
// also through a USB-serial converter's latency timer and on an echoing line.
//
//   bench_transfer [path/to/vxsim] [runs]

#include "configurationdocument.h"
#include "mainwindow.h"
#include "namedchild.h"
#include "progressdialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

constexpr int baud = 9600;
constexpr int bitsPerByte = 10;
constexpr int commands = 41;
constexpr int usbLatencyMs = 16; // an FTDI converter's default
// Far above the longest run (a paced safe write through the converter), and
// low enough that a line on which the program fails ends the bench soon.
constexpr int runTimeoutMs = 20000;
// Lost runs in a row after which a line counts as failed.
constexpr int lostRunLimit = 2;

QTextStream out(stdout);

QString simulatorPath(const QStringList &arguments)
{
    if (arguments.size() > 1)
        return arguments.at(1);
    const QFileInfo here(QDir::current().filePath(QStringLiteral("vxsim")));
    if (here.isExecutable())
        return here.absoluteFilePath();
    return QStringLiteral(VXSIM_BUILT);
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// vxsim with its frame log, from which the bytes on the line are counted.
class Simulator
{
public:
    bool start(const QString &program, const QStringList &options)
    {
        process.setProgram(program);
        process.setArguments(options + QStringList { QStringLiteral("--verbose") });
        process.start();
        if (!process.waitForStarted(10000))
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(10000))
                return false;
        }
        port = QString::fromLocal8Bit(process.readLine().trimmed());
        return !port.isEmpty();
    }

    ~Simulator()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
    }

    // Waits until the log shows the answers expected, then counts the bytes
    // of every frame logged since the last call, both directions.
    std::optional<qint64> takeLineBytes(int answers)
    {
        const bool complete = waitFor(
            [&] {
                log += process.readAllStandardError();
                return log.count("vxsim: tx ") >= answers;
            },
            5000);
        if (!complete)
            return std::nullopt;
        qint64 bytes = 0;
        for (const QByteArray &line : log.split('\n')) {
            // An echo takes the line as long as the answer does.
            for (const QByteArray prefix : { "vxsim: rx ", "vxsim: tx ", "vxsim: echo " }) {
                if (line.startsWith(prefix))
                    bytes += line.mid(prefix.size()).simplified().count(' ') + 1;
            }
        }
        log.clear();
        return bytes;
    }

    QProcess process;
    QString port;

private:
    QByteArray log;
};

// The longest values the fields take, so the frames are as long as they get.
void fillConfiguration(MainWindow &window)
{
    Configuration configuration;
    configuration.maxCallTime = 99;
    configuration.callRedirectTime = 97;
    configuration.entries[0]
        = { QStringLiteral("0815"), QStringLiteral("0049301234567890123456"), QString(), 0x5d };
    for (int n = 1; n <= 9; ++n)
        configuration.entries[n] = { QStringLiteral("%1").arg(n * 1111),
            QStringLiteral("00493012345678901234%1").arg(n * 11),
            QStringLiteral("%1%2").arg(QChar('A' + n - 1)).arg(n + 15), 0x3d };
    window.document()->restoreBackup(configuration);
}

// Closes every message box as it comes up, so that none blocks the bench,
// and keeps what the first one said: a box means the run failed.
class BoxCloser
{
public:
    BoxCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (failure.isEmpty()) {
                // Enough to tell what went wrong; a verify may list forty values.
                failure = box->windowTitle() + QLatin1String(": ") + box->text().simplified();
                if (failure.size() > 100)
                    failure = failure.left(99) + QChar(0x2026);
            }
            box->close();
            if (onBox)
                onBox();
        });
        timer.start(20);
    }

    QString take() { return std::exchange(failure, {}); }
    bool seen() const { return !failure.isEmpty(); }

    std::function<void()> onBox;

private:
    QTimer timer;
    QString failure;
};

// Runs one sequence to its end; the time runs from the click until the
// progress dialog closes after the last answer. A message box ends the run:
// its text is the reason.
std::optional<qint64> runSequence(
    MainWindow &window, const char *button, BoxCloser &boxes, QString *failure)
{
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(window, button)->click();
    const QList<ProgressDialog *> dialogs = window.findChildren<ProgressDialog *>();
    if (dialogs.isEmpty()) {
        *failure = QStringLiteral("no progress dialog");
        return std::nullopt;
    }
    ProgressDialog *dialog = dialogs.last();
    bool finished = false;
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    boxes.onBox = [&] { loop.quit(); };
    QTimer::singleShot(runTimeoutMs, &loop, [&] {
        *failure = QStringLiteral("no end after %1 s").arg(runTimeoutMs / 1000);
        loop.quit();
    });
    if (dialog->isVisible() && !boxes.seen())
        loop.exec();
    boxes.onBox = nullptr;
    if (!finished || boxes.seen())
        return std::nullopt;
    return clock.nsecsElapsed();
}

struct Figures
{
    QList<double> wallMs;
    qint64 lineBytes = 0;
    int lostRuns = 0;
    QString failure; // why the line was given up
};

struct Kind
{
    const char *name;
    const char *button;
    bool safe;
    int answers;
};
const Kind transmitKind { "transmit", "buttonTransmit", false, commands };
const Kind receiveKind { "receive", "buttonRequest", false, commands };
const Kind safeWriteKind { "safe write", "buttonTransmit", true, 3 * commands };

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

// The switches for a plain write, or for one with backup before and verify
// after; never the list of changes, which waits for the user.
void setSafety(MainWindow &window, bool on)
{
    child<QAction>(window, "actionBackupBeforeWrite")->setChecked(on);
    child<QAction>(window, "actionVerifyAfterWrite")->setChecked(on);
    child<QAction>(window, "actionShowChangesBeforeWrite")->setChecked(false);
}

// The figures of each kind of run, against one simulator started with the
// options. A line on which the login or runs in a row fail is given up.
QList<Figures> measure(
    const QString &program, const QStringList &options, int runs, const QList<Kind> &kinds)
{
    QList<Figures> figures(kinds.size());
    const auto giveUp = [&](const QString &reason) {
        for (Figures &f : figures)
            f.failure = reason;
        return figures;
    };
    Simulator simulator;
    if (!simulator.start(program, options))
        return giveUp(QStringLiteral("vxsim did not start: ") + program);
    qputenv("VXCONFIG_PORTS", simulator.port.toLocal8Bit());
    BoxCloser boxes;
    MainWindow window;
    window.show();

    child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
    child<QPushButton>(window, "buttonLogin")->click();
    if (!waitFor([&] { return window.isLoggedIn() || boxes.seen(); }, 10000) || boxes.seen()
        || !simulator.takeLineBytes(1)) {
        const QString box = boxes.take();
        return giveUp(
            QStringLiteral("login: ") + (box.isEmpty() ? QStringLiteral("no answer") : box));
    }

    int lostInARow = 0;
    for (int run = 0; run < runs; ++run) {
        for (qsizetype k = 0; k < kinds.size(); ++k) {
            const Kind &kind = kinds.at(k);
            Figures &result = figures[k];
            fillConfiguration(window);
            setSafety(window, kind.safe);
            QString failure;
            const std::optional<qint64> ns = runSequence(window, kind.button, boxes, &failure);
            const std::optional<qint64> bytes = simulator.takeLineBytes(kind.answers);
            if (boxes.seen()) // also one that came after the progress dialog closed
                failure = boxes.take();
            if (!ns || !bytes || !failure.isEmpty()) {
                if (failure.isEmpty())
                    failure = QStringLiteral("frame log incomplete");
                if (++lostInARow >= lostRunLimit)
                    return giveUp(failure);
                // Leave the run out, and start the next one on a clean line.
                out << "  " << kind.button << " run " << run + 1 << " lost: " << failure
                    << Qt::endl;
                ++result.lostRuns;
                waitFor([] { return false; }, 500);
                simulator.takeLineBytes(0);
                window.openSelectedPort();
                continue;
            }
            lostInARow = 0;
            result.wallMs << *ns / 1e6;
            result.lineBytes = *bytes;
        }
    }
    return figures;
}

// One row; false if the line was given up.
bool print(const QString &name, const Figures &paced, const Figures &unpaced)
{
    if (!paced.failure.isEmpty() || !unpaced.failure.isEmpty()) {
        out << QStringLiteral("%1 failed: %2")
                   .arg(name, -9)
                   .arg(paced.failure.isEmpty() ? QStringLiteral("unpaced: ") + unpaced.failure
                                                : QStringLiteral("paced: ") + paced.failure)
            << Qt::endl;
        return false;
    }
    const double wireMs = paced.lineBytes * bitsPerByte * 1000.0 / baud;
    const double wallMs = median(paced.wallMs);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6")
               .arg(name, -9)
               .arg(paced.lineBytes, 6)
               .arg(wireMs, 9, 'f', 1)
               .arg(wallMs, 9, 'f', 1)
               .arg(wireMs > 0 ? wallMs / wireMs : 0.0, 7, 'f', 3)
               .arg(median(unpaced.wallMs), 11, 'f', 1)
        << Qt::endl;
    if (paced.lostRuns + unpaced.lostRuns > 0) {
        out << QStringLiteral("          (%1 paced and %2 unpaced runs lost, left out)")
                   .arg(paced.lostRuns)
                   .arg(unpaced.lostRuns)
            << Qt::endl;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString program = simulatorPath(arguments);
    const int runs = arguments.size() > 2 ? qMax(1, arguments.at(2).toInt()) : 5;
    // The link's frame dumps are no part of the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    // The switches and backups of these runs stay out of the user's folders.
    QStandardPaths::setTestModeEnabled(true);

    const QStringList paced { QStringLiteral("--baud"), QString::number(baud) };
    const QStringList usb { QStringLiteral("--usb-latency"), QString::number(usbLatencyMs) };
    const QStringList echo { QStringLiteral("--echo") };
    const QList<Kind> plainKinds { transmitKind, receiveKind, safeWriteKind };
    const QList<Figures> pacedPlain = measure(program, paced, runs, plainKinds);
    const QList<Figures> unpacedPlain = measure(program, {}, runs, plainKinds);
    const Figures pacedUsb = measure(program, paced + usb, runs, { safeWriteKind }).first();
    const Figures unpacedUsb = measure(program, usb, runs, { safeWriteKind }).first();
    const Figures pacedEcho = measure(program, paced + echo, runs, { safeWriteKind }).first();
    const Figures unpacedEcho = measure(program, echo, runs, { safeWriteKind }).first();

    out << QStringLiteral("%1 commands each way through the main window, median of %2 runs")
               .arg(commands)
               .arg(runs)
        << Qt::endl
        << QStringLiteral("paced: vxsim --baud %1; wire: bytes both ways x %2 bits / %1 baud")
               .arg(baud)
               .arg(bitsPerByte)
        << Qt::endl
        << "          bytes   wire ms  paced ms   ratio  unpaced ms" << Qt::endl;
    bool plainDone = true;
    for (qsizetype k = 0; k < plainKinds.size(); ++k)
        plainDone
            &= print(QLatin1String(plainKinds.at(k).name), pacedPlain.at(k), unpacedPlain.at(k));
    // The program may not cope with these lines yet; their rows say so.
    print(QStringLiteral("usb %1 ms").arg(usbLatencyMs), pacedUsb, unpacedUsb);
    print(QStringLiteral("echo"), pacedEcho, unpacedEcho);
    out << "safe write: backup, write, verify (three times the commands)" << Qt::endl
        << QStringLiteral("usb %1 ms: safe write, vxsim --usb-latency %1 (answers held back by a "
                          "converter's latency timer)")
               .arg(usbLatencyMs)
        << Qt::endl
        << "echo: safe write, vxsim --echo (every byte comes back before the answer)" << Qt::endl
        << "goals: ratio <= 1.25; unpaced < 100 ms for transmit and receive" << Qt::endl;
    return plainDone ? 0 : 1;
}
