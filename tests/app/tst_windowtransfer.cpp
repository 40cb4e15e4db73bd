// Reading and writing through the window against the simulator: the input
// check's cursor, the backup before and the verify after a write, one progress
// window at a time, and the question before a read replaces changes.

#include "configurationxml.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "vxsimprocess.h"
#include "windowdriver.h"

#include <QDir>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

QString backupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1String("/vxconfig/backups");
}

QStringList backups()
{
    return QDir(backupFolder()).entryList({ QStringLiteral("*.tml") }, QDir::Files, QDir::Name);
}

// Values of every kind, as the adapter keeps them.
Configuration sample(const QString &number)
{
    Configuration configuration;
    configuration.maxCallTime = 70;
    configuration.callRedirectTime = 25;
    configuration.entries[0] = { number, QStringLiteral("1203"), QString(), 0x41 };
    configuration.entries[4]
        = { QStringLiteral("44"), QStringLiteral("0301234"), QStringLiteral("D12"), 0x21 };
    return configuration;
}

} // namespace

class TestWindowTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void inputCheckPutsCursorThere_data();
    void inputCheckPutsCursorThere();
    void writeBacksUpAndVerifies();
    void verifyListsWhatTheAdapterKeptWrongly();
    void oneProgressWindowAtATime();
    void readAsksBeforeReplacingChanges();

private:
    // A window logged in to vxsim started with the options.
    void open(const QStringList &options = {});
    // Runs the write or read and waits until its progress window is gone.
    void run(void (WindowDriver::*click)() const);

    std::unique_ptr<VxSimProcess> sim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> driver;
};

void TestWindowTransfer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(backupFolder()).removeRecursively();
}

void TestWindowTransfer::cleanup()
{
    if (window)
        window->setWindowModified(false);
    driver.reset();
    window.reset();
    sim.reset();
}

void TestWindowTransfer::open(const QStringList &options)
{
    sim = std::make_unique<VxSimProcess>();
    QVERIFY(sim->start(options));
    qputenv("VXCONFIG_PORTS", sim->portName().toLocal8Bit());
    window = std::make_unique<MainWindow>();
    driver = std::make_unique<WindowDriver>(*window);
    // The switches are remembered; these runs want both on.
    child<QAction>(*window, "actionBackupBeforeWrite")->setChecked(true);
    child<QAction>(*window, "actionVerifyAfterWrite")->setChecked(true);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    driver->logIn();
    QTRY_VERIFY(window->isLoggedIn());
}

void TestWindowTransfer::run(void (WindowDriver::*click)() const)
{
    ((*driver).*click)();
    QTRY_VERIFY(driver->progressDialog());
    QTRY_VERIFY_WITH_TIMEOUT(
        !driver->progressDialog() || !driver->progressDialog()->isVisible(), 20000);
}

void TestWindowTransfer::inputCheckPutsCursorThere_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("master's number with a letter")
        << 0 << "numberEdit1"
        << "12a"
        << "Die Rufnummer 1 von Master darf nur Ziffern enthalten, höchstens 4.";
    QTest::newRow("address without switch setting")
        << 8 << "addressEdit"
        << "A0"
        << "Die Kelvo-Adresse von Teilnehmer 8 lässt sich mit den DIP-Schaltern nicht "
           "einstellen: erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum "
           "Beispiel B12.";
    QTest::newRow("address without number")
        << 9 << "numberEdit1"
        << ""
        << "Bei einem Teilnehmer wurde keine Rufnummer eingetragen.";
    QTest::newRow("the same address twice")
        << 6 << "addressEdit"
        << "12B"
        << "Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.";
}

void TestWindowTransfer::inputCheckPutsCursorThere()
{
    QFETCH(int, entry);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    open();
    window->resize(650, 446);
    Configuration configuration;
    configuration.entries[1] = { QStringLiteral("11"), QString(), QStringLiteral("B12"), 0 };
    configuration.entries[6] = { QStringLiteral("66"), QString(), QStringLiteral("F6"), 0 };
    configuration.entries[9] = { QStringLiteral("99"), QString(), QStringLiteral("I9"), 0 };
    window->setConfiguration(configuration);
    driver->edit(entry, field.toLatin1())->setText(text);

    ModalAnswerer answerer;
    driver->clickTransmit();
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Eingabefehler") });
    QCOMPARE(answerer.seen[0].text, message);
    QLineEdit *editor = driver->edit(entry, field.toLatin1());
    QCOMPARE(window->focusWidget(), editor);
    QCOMPARE(editor->hasSelectedText(), field == QLatin1String("addressEdit") && entry == 6);
    // Scrolled to the field.
    QVERIFY(!editor->visibleRegion().isEmpty());
    QVERIFY(!driver->progressDialog());
}

void TestWindowTransfer::writeBacksUpAndVerifies()
{
    open();
    const Configuration first = sample(QStringLiteral("0815"));
    window->setConfiguration(first);
    run(&WindowDriver::clickTransmit);
    QCOMPARE(window->statusBar()->currentMessage(),
        QStringLiteral("Die Konfiguration wurde geschrieben und geprüft."));
    QVERIFY(!window->isWindowModified());

    // The next write saves exactly one backup: what the adapter held.
    const QStringList before = backups();
    window->setConfiguration(sample(QStringLiteral("4711")));
    run(&WindowDriver::clickTransmit);
    const QStringList after = backups();
    QCOMPARE(after.size(), before.size() + 1);
    const QString newest = QDir(backupFolder()).filePath(after.last());
    const std::optional<SettingsFileContents> backup = ConfigurationXml::load(newest);
    QVERIFY(backup);
    Configuration held;
    for (const ConfigurationChange &change : backup->changes)
        held.apply(change);
    QCOMPARE(held, first);
}

void TestWindowTransfer::verifyListsWhatTheAdapterKeptWrongly()
{
    open({ QStringLiteral("--corrupt"), QStringLiteral("4:callnumber2") });
    window->setConfiguration(sample(QStringLiteral("0815")));
    ModalAnswerer answerer;
    run(&WindowDriver::clickTransmit);
    QTRY_COMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Prüfung"));
    QCOMPARE(answerer.seen[0].text.section(QLatin1Char('\n'), 2),
        QStringLiteral("Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301235"));
    // The screen keeps what the user wrote.
    QCOMPARE(window->callNumber(4, 2), QStringLiteral("0301234"));
}

void TestWindowTransfer::oneProgressWindowAtATime()
{
    open({ QStringLiteral("--latency"), QStringLiteral("100") });
    driver->clickTransmit();
    QTRY_VERIFY(driver->progressDialog());
    ProgressDialog *writing = driver->progressDialog();
    QCOMPARE(WindowDriver::processText(writing), QStringLiteral("Sicherung: Rufweiterleitung"));

    // Reading or resetting now only brings the write's window forward.
    driver->clickRequest();
    ModalAnswerer answerer(QMessageBox::Yes);
    child<QAction>(*window, "actionZur_cksetzen")->trigger();
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(window->findChildren<ProgressDialog *>(), QList<ProgressDialog *> { writing });

    // Writing again starts afresh in a window of its own.
    driver->clickTransmit();
    QTRY_COMPARE(window->findChildren<ProgressDialog *>().size(), 1);
    QVERIFY(driver->progressDialog() != writing);
    WindowDriver::cancel(driver->progressDialog());
}

void TestWindowTransfer::readAsksBeforeReplacingChanges()
{
    open();
    window->setCallNumber(2, QStringLiteral("222"), 1);
    {
        ModalAnswerer answerer(QMessageBox::Cancel);
        driver->clickRequest();
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Ungesicherte Änderungen") });
        QVERIFY(!driver->progressDialog());
    }
    ModalAnswerer answerer(QMessageBox::Discard);
    run(&WindowDriver::clickRequest);
    QCOMPARE(window->callNumber(2, 1), QString());
    QVERIFY(!window->isWindowModified());
}

QTEST_MAIN(TestWindowTransfer)
#include "tst_windowtransfer.moc"
