// vxconfig-cli end to end: the program in a child process, as a script runs
// it, against the simulator; and its import beside the window's.

#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "vxsimprocess.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pty.h>
#include <unistd.h>

namespace {

// Every run ends within this, also against a silent adapter.
constexpr int RunLimitMs = 5000;

// Values of every kind for attendee 4 and the times 70 and 25; the rest
// stays as it is.
const QByteArray GoodFile = "<!DOCTYPE Vx-Configuration><Vx-Configuration><General>"
                            "<MaxCallTime>46</MaxCallTime><CallRedirectTime>19</CallRedirectTime>"
                            "</General><Attendee4><CallNumber1>44</CallNumber1>"
                            "<CallNumber2>0301</CallNumber2><BusAddress>12D</BusAddress>"
                            "<StatusByte>21</StatusByte></Attendee4></Vx-Configuration>";

struct Outcome
{
    int code = -1; // -1: crashed or still running at the limit
    QString out, err;
};

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writeVerifyRead_data();
    void writeVerifyRead();
    void refusals_data();
    void refusals();
    void stoppedBySignal_data();
    void stoppedBySignal();
    void importMatchesWindow();
    void controlCharactersEscaped();
    void passwordPromptRestoresEcho_data();
    void passwordPromptRestoresEcho();
    void sheetWithoutDisplay();

private:
    Outcome run(const QStringList &arguments, const QByteArray &input = {});
    QString path(const QString &name) const { return dir.filePath(name); }
    // The file's path; a file that could not be written fails the run that reads it.
    QString put(const QString &name, const QByteArray &data) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() ? file.fileName()
                                                                                  : QString();
    }

    QTemporaryDir dir;
    QProcessEnvironment environment;
};

void TestCli::init()
{
    environment = QProcessEnvironment::systemEnvironment();
    // Backups go to the temporary folder; no password from the caller's shell.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    environment.remove(QStringLiteral("VXCONFIG_PASSWORD"));
}

Outcome TestCli::run(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QDir::current().absoluteFilePath(QStringLiteral("vxconfig-cli")), arguments);
    process.write(input);
    process.closeWriteChannel();
    Outcome outcome;
    if (process.waitForFinished(RunLimitMs) && process.exitStatus() == QProcess::NormalExit)
        outcome.code = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

void TestCli::writeVerifyRead_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QByteArrayList>("kept"); // in the file read back
    QTest::addColumn<QString>("differences");

    const auto spoil = [](const char *value) { return QStringList { "--corrupt", value }; };
    using L = QByteArrayList;
    // clang-format off
    const L asWritten { "<MaxCallTime>46<", "<CallNumber2>0301<", "<BusAddress>D12<", "<StatusByte>21<" };
    QTest::newRow("stored as written") << QStringList() << asWritten << QString();
    QTest::newRow("answers in bursts, as through a USB converter") << QStringList { "--usb-latency", "16" } << asWritten << QString();
    QTest::newRow("a line that sends every byte back") << QStringList { "--echo" } << asWritten << QString();
    QTest::newRow("call number stored wrongly") << spoil("4:callnumber2") << L { "<CallNumber2>0302<" } << "Teilnehmer 4, Rufnummer 2: geschrieben 0301, gelesen 0302\n";
    QTest::newRow("options stored wrongly") << spoil("4:status") << L { "<StatusByte>29<" } << "Teilnehmer 4, Optionen: geschrieben 00100001, gelesen 00101001\n";
    QTest::newRow("time stored wrongly") << spoil("maxcalltime") << L { "<MaxCallTime>47<" } << "Maximale Zeit der Rufsignalisierung: geschrieben 70, gelesen 71\n";
    QTest::newRow("address stored wrongly") << spoil("5:busaddress") << L { "<BusAddress>A1<" } << "Teilnehmer 5, Kelvo-Adresse: geschrieben (leer), gelesen A1\n";
    // clang-format on
}

void TestCli::writeVerifyRead()
{
    QFETCH(QStringList, simulator);
    QFETCH(QByteArrayList, kept);
    QFETCH(QString, differences);
    const int verdict = differences.isEmpty() ? 0 : 1;
    const QString in = put(QStringLiteral("in.tml"), GoodFile);
    VxSimProcess sim;
    QVERIFY(sim.start(simulator));
    const QStringList port { "--port", sim.portName() };
    QDir(path(QStringLiteral("data"))).removeRecursively();

    // Backup first, the verify after: its differences are the result.
    const Outcome written = run(QStringList { "write", "--password", "1234", in } + port);
    QCOMPARE(written.code, verdict);
    QCOMPARE(written.out, differences);
    QDir backups(path(QStringLiteral("data/vxconfig/backups")));
    const QStringList saved = backups.entryList({ "*.tml" });
    QCOMPARE(saved.size(), 1);
    // What the adapter held before: the factory's 60 and 30.
    QVERIFY(contents(backups.filePath(saved[0])).contains("<MaxCallTime>3c</MaxCallTime>"));

    // Password from standard input, then from the environment; what the adapter keeps.
    const Outcome verified = run(QStringList { "verify", "--password", "-", in } + port, "1234\n");
    QCOMPARE(verified.code, verdict);
    QCOMPARE(verified.out, differences);
    environment.insert(QStringLiteral("VXCONFIG_PASSWORD"), QStringLiteral("1234"));
    const QString out = put(QStringLiteral("out.tml"), "old");
    const Outcome read = run(QStringList { "read", "--quiet", "--force", out } + port);
    QCOMPARE(read.code, 0);
    QCOMPARE(read.err, QString());
    for (const QByteArray &value : kept)
        QVERIFY2(contents(out).contains(value), value);
    // A file that cannot be written is known before the adapter is read.
    const Outcome unwritable = run(QStringList { "read", path("none/out.tml") } + port);
    QCOMPARE(unwritable.code, 2);
    QVERIFY2(!unwritable.err.contains("Lesen"), qPrintable(unwritable.err));
}

void TestCli::refusals_data()
{
    QTest::addColumn<QStringList>("simulator"); // empty: nothing on the port
    QTest::addColumn<QStringList>("arguments"); // the port and the file follow
    QTest::addColumn<QByteArrayList>("edit"); // of the good file: from, to
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    const QStringList sim { "-v" };
    const QStringList verify { "verify", "--password", "1234" };
    const QStringList write { "write", "--password", "1234" };
    const QStringList read { "read", "--password", "1234" };
    const QByteArrayList asIs;
    QTest::newRow("wrong password")
        << (sim + QStringList { "--password", "4711" }) << verify << asIs << 4
        << "Der VX-Adapter hat das Passwort nicht angenommen.";
    QTest::newRow("silent adapter")
        << (sim + QStringList { "--silent-after", "0" }) << verify << asIs << 5
        << "Der VX-Adapter antwortet nicht (gewartet wurde auf: Login).";
    // Login and both times answered, then silence: no backup, so no write.
    QTest::newRow("silent before the backup is complete")
        << (sim + QStringList { "--silent-after", "3" }) << write << asIs << 5
        << "gewartet wurde auf: Rufnummer 1 von Master).\nOhne Sicherung wird nicht geschrieben";
    // Login, the backup's 41 and 8 commands answered.
    QTest::newRow("silent in the middle of a write")
        << (sim + QStringList { "--silent-after", "50" }) << write << asIs << 7
        << "teilweise geschriebene Konfiguration: 8 von 41 Werten wurden geschrieben, die übrigen "
           "sind die alten. Sicherung: ";
    QTest::newRow("request refused")
        << (sim + QStringList { "--nak-every", "2" }) << verify << asIs << 6
        << "Der VX-Adapter hat Maximale Zeit der Rufsignalisierung abgelehnt.";
    QTest::newRow("no such port") << QStringList() << verify << asIs << 3
                                  << "Die serielle Schnittstelle /dev/vx-none konnte nicht";
    // A port that fails with the simulator behind it is one held open here.
    QTest::newRow("port in use") << sim << verify << asIs << 3
                                 << " wird von einem anderen Programm benutzt.\n";
    QTest::newRow("read over a file") << sim << read << asIs << 2 << "gibt es schon; --force";
    QTest::newRow("read failed, file kept")
        << (sim + QStringList { "--silent-after", "0" }) << (read + QStringList { "--force" })
        << asIs << 5 << "gewartet wurde auf: Login";
    QTest::newRow("no XML") << sim << write << QByteArrayList { "<", "[" } << 2
                            << "konnte nicht gelesen werden.";
    QTest::newRow("value the adapter cannot take")
        << sim << write << QByteArrayList { ">44<", ">4a<" } << 2
        << "nicht übernehmen:\n  Teilnehmer 4, Rufnummer 1: 4a\n";
    QTest::newRow("times too close")
        << sim << write << QByteArrayList { ">46<", ">1a<" } << 2
        << "Die maximale Zeit der Rufsignalisierung (26) muss um mindestens 2 größer sein als "
           "die Zeit bis zur Rufweiterschaltung (25).";
    QTest::newRow("address missing") << sim << write << QByteArrayList { ">12D<", "><" } << 2
                                     << "Bei Teilnehmer 4 fehlt die Kelvo-Adresse.";
}

void TestCli::refusals()
{
    QFETCH(QStringList, simulator);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArrayList, edit);
    QFETCH(int, code);
    QFETCH(QString, message);
    QByteArray file = GoodFile;
    if (!edit.isEmpty())
        file.replace(edit[0], edit[1]);
    const QString in = put(QStringLiteral("refused.tml"), file);
    VxSimProcess sim;
    QVERIFY(simulator.isEmpty() || sim.start(simulator));
    const QString port = simulator.isEmpty() ? QStringLiteral("/dev/vx-none") : sim.portName();
    QSerialPort holder(port);
    QVERIFY(code != 3 || simulator.isEmpty() || holder.open(QIODevice::ReadWrite));

    const Outcome outcome = run(arguments << "--port" << port << in);
    QCOMPARE(outcome.code, code);
    QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    QCOMPARE(outcome.out, QString());
    // Whatever failed, the file is as it was, and no half-written one is left.
    QCOMPARE(contents(in), file);
    QCOMPARE(QDir(dir.path()).entryList({ "refused.tml*" }), QStringList { "refused.tml" });
    if (code == 2) {
        // Stopped, the simulator has logged every frame it got.
        QVERIFY(sim.stop());
        QVERIFY(!sim.standardError().contains("vxsim: rx"));
    }
}

void TestCli::stoppedBySignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// The command in flight ends, the adapter is logged out, and the script hears
// what it holds now.
void TestCli::stoppedBySignal()
{
    QFETCH(int, signal);
    VxSimProcess sim;
    QVERIFY(sim.start({ "-v", "--latency", "20" }));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QDir::current().absoluteFilePath(QStringLiteral("vxconfig-cli")),
        { "write", "--no-backup", "--password", "1234", "--port", sim.portName(),
            put(QStringLiteral("in.tml"), GoodFile) });
    QByteArray err;
    QVERIFY(QTest::qWaitFor([&] {
        cli.waitForReadyRead(10);
        return (err += cli.readAllStandardError()).contains("Rufnummer 2 von Teilnehmer 1");
    }));
    ::kill(pid_t(cli.processId()), signal);
    QVERIFY(cli.waitForFinished(RunLimitMs));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 128 + signal);
    err += cli.readAllStandardError();
    QVERIFY2(err.contains("teilweise geschriebene Konfiguration"), err);
    QVERIFY(sim.stop());
    QVERIFY(sim.standardError().trimmed().endsWith("vxsim: tx fe 01 20 21"));
    QVERIFY(sim.standardError().contains("vxsim: rx fe 01 00 01 \n"));
}

void TestCli::importMatchesWindow()
{
    const QString legacy = qEnvironmentVariable("VX_TEST_DATA") + QStringLiteral("/example.cvx");
    const QString byTool = path(QStringLiteral("tool.tml"));
    const QString byWindow = path(QStringLiteral("window.tml"));
    QCOMPARE(run({ "import", legacy, byTool }).code, 0);

    // The window opens the simulator's port, not whatever the machine has.
    VxSimProcess sim;
    QVERIFY(sim.start());
    qputenv("VXCONFIG_PORTS", sim.portName().toLocal8Bit());
    // Boxes get OK; the file dialogs get their names typed in.
    ModalAnswerer answerer(QMessageBox::Ok, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
        auto *name = child<QLineEdit>(*dialog, "fileNameEdit");
        QTest::keyClicks(name, dialog->acceptMode() == QFileDialog::AcceptOpen ? legacy : byWindow);
        QTest::keyClick(name, Qt::Key_Return);
    });
    MainWindow window;
    child<QAction>(window, "actionAlteEinstellungen_importieren")->trigger();
    child<QAction>(window, "actionEinstellungen_exportieren")->trigger();
    QVERIFY(contents(byTool).contains("<CallNumber1>204</CallNumber1>"));
    QCOMPARE(contents(byTool), contents(byWindow));
}

void TestCli::controlCharactersEscaped()
{
    // A value that would clear the terminal; its letters stay as they are.
    const QString legacy
        = put(QStringLiteral("escape.cvx"), "[Master]\nMasterNummer1=\x1b[2J\xc3\xa4\n");
    const Outcome outcome = run({ "import", legacy, path(QStringLiteral("escape.tml")) });
    QVERIFY2(outcome.err.contains(QStringLiteral("  Master, Rufnummer 1: \\x1b[2J\u00e4\n")),
        qPrintable(outcome.err));
}

void TestCli::passwordPromptRestoresEcho_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("signal"); // sent once the prompt is there; 0: none
    QTest::newRow("Enter") << QByteArray("1234\r") << 0;
    QTest::newRow("Ctrl+C") << QByteArray("\x03") << 0;
    QTest::newRow("SIGTERM") << QByteArray() << SIGTERM;
    QTest::newRow("SIGHUP") << QByteArray() << SIGHUP;
}

void TestCli::passwordPromptRestoresEcho()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, signal);
    int master = -1, terminal = -1;
    QVERIFY(::openpty(&master, &terminal, nullptr, nullptr, nullptr) == 0);
    QProcess process;
    process.setProcessEnvironment(environment);
    // The terminal is the tool's standard input and controlling terminal, so
    // Ctrl+C there raises SIGINT in it.
    process.setChildProcessModifier([terminal] {
        ::setsid();
        ::ioctl(terminal, TIOCSCTTY, 0);
        ::dup2(terminal, STDIN_FILENO);
    });
    process.start(QDir::current().absoluteFilePath(QStringLiteral("vxconfig-cli")),
        { "verify", "--password", "-", "--port", "/dev/vx-none", put("prompt.tml", GoodFile) });
    QByteArray prompt;
    QTRY_VERIFY((prompt += process.readAllStandardError()).contains("Masterpasswort: "));
    QCOMPARE(::write(master, typed.constData(), size_t(typed.size())), typed.size());
    if (signal)
        ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(RunLimitMs));
    termios after = {};
    QVERIFY(::tcgetattr(terminal, &after) == 0);
    ::close(master);
    ::close(terminal);
    QVERIFY(after.c_lflag & ECHO);
}

void TestCli::sheetWithoutDisplay()
{
    const QString in = put(QStringLiteral("sheet.tml"), GoodFile);
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(QLatin1String(name));

    const Outcome outcome = run({ "sheet", in, pdf });
    QCOMPARE(outcome.code, 0);
    QVERIFY(contents(pdf).startsWith("%PDF-"));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
