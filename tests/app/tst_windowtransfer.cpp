// Reading and writing through the window against the simulator: the input
// check's cursor, backup, changes shown and verify around a write, one progress
// window at a time, the adapter's state in the status bar, a read undone.

#include "backupstore.h"
#include "configurationdocument.h"
#include "configurationxml.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "progressdialog.h"
#include "testhome.h"
#include "vxsimprocess.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTest>

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

// The dialog of the run started last; earlier ones may still be open.
ProgressDialog *progressDialog(const MainWindow &window)
{
    const QList<ProgressDialog *> dialogs = window.findChildren<ProgressDialog *>();
    return dialogs.isEmpty() ? nullptr : dialogs.last();
}

} // namespace

class TestWindowTransfer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        window.reset();
        sim.reset();
    }

    void inputCheckPutsCursorThere_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, int entry, const char *field, const char *text,
                             const QString &message) {
            QTest::newRow(name) << entry << QString(field) << QString(text) << message;
        };
        row("master's number with a letter", 0, "numberEdit1", "12a",
            "Die Rufnummer 1 von Master darf nur Ziffern enthalten, höchstens 4.");
        row("address without switch setting", 8, "addressEdit", "A0",
            "Die Kelvo-Adresse von Teilnehmer 8 lässt sich mit den DIP-Schaltern nicht einstellen: "
            "erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum Beispiel B12.");
        row("address without number", 9, "numberEdit1", "",
            "Bei einem Teilnehmer wurde keine Rufnummer eingetragen.");
        row("the same address twice", 6, "addressEdit", "12B",
            "Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.");
    }

    void inputCheckPutsCursorThere()
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
        configuration.apply({ field == "addressEdit" ? ConfigurationField::BusAddress
                                                     : ConfigurationField::CallNumber1,
            entry, text });
        window->document()->restoreBackup(configuration);
        auto *editor = entryChild<QLineEdit>(*window, entry, qPrintable(field));

        ModalAnswerer answerer;
        click(*window, "buttonTransmit");
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Eingabefehler") });
        QCOMPARE(answerer.seen[0].text, message);
        QCOMPARE(window->focusWidget(), editor);
        QCOMPARE(editor->hasSelectedText(), field == QLatin1String("addressEdit") && entry == 6);
        // Scrolled to the field.
        QVERIFY(!editor->visibleRegion().isEmpty());
        QVERIFY(!progressDialog(*window));
    }

    // A write backs up what the adapter holds, then shows what it changes
    // there, the adapter's value first, and writes only when told to.
    void writeBacksUpShowsChangesAndVerifies()
    {
        open();
        child<QAction>(*window, "actionShowChangesBeforeWrite")->setChecked(true);
        const Configuration first = sample(QStringLiteral("0815"));
        window->document()->restoreBackup(first);
        const QString changes = QStringLiteral(
            "Schreiben ändert im VX-Adapter (bisher → neu):\n\n"
            "Maximale Zeit der Rufsignalisierung: 60 → 70\n"
            "Zeit bis zur Rufweiterschaltung: 30 → 25\nMaster, Rufnummer 1: (leer) → 0815\n");
        const QString same = QStringLiteral("Der VX-Adapter hält schon, was auf dem Bildschirm "
                                            "steht; Schreiben ändert nichts.\nTrotzdem schreiben?");
        for (const auto &[answer, text, state] :
            { std::tuple { "Abbrechen", changes, "Adapter: abweichend" },
                { "Schreiben", changes, "Adapter: wie Bildschirm" },
                { "Abbrechen", same, "Adapter: wie Bildschirm" } }) {
            ModalAnswerer answerer;
            answerer.press = QStringList { answer };
            run("buttonTransmit");
            QCOMPARE(answerer.titles().value(0), QStringLiteral("Änderungen vor dem Schreiben"));
            QCOMPARE(answerer.seen[0].text.left(text.size()), text);
            QCOMPARE(answerer.seen[0].defaultButton, QMessageBox::Cancel);
            QCOMPARE(adapterState(), QString(state));
        }

        // The next write saves exactly one backup: what the adapter held.
        child<QAction>(*window, "actionShowChangesBeforeWrite")->setChecked(false);
        const QStringList before = backups();
        window->document()->restoreBackup(sample(QStringLiteral("4711")));
        run("buttonTransmit");
        QCOMPARE(window->statusBar()->currentMessage(),
            QStringLiteral("Die Konfiguration wurde geschrieben und geprüft."));
        QCOMPARE(backups().size(), before.size() + 1);
        // Read through the port in use, with the screen unnamed.
        const BackupStore::Backup newest = BackupStore::list(backupFolder()).constFirst();
        QVERIFY(newest.origin == BackupStore::Origin({ sim->portName(), QString() }));
        QVERIFY(ConfigurationXml::load(newest.path)->changes
            == ConfigurationXml::fromXml(ConfigurationXml::toXml(first))->changes);
    }

    void verifyListsWhatTheAdapterKeptWrongly()
    {
        open({ QStringLiteral("--corrupt"), QStringLiteral("4:callnumber2") });
        window->document()->restoreBackup(sample(QStringLiteral("0815")));
        ModalAnswerer answerer;
        run("buttonTransmit");
        QTRY_COMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QStringLiteral("Prüfung"));
        QCOMPARE(answerer.seen[0].text.section(QLatin1Char('\n'), 2),
            QStringLiteral("Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301235"));
        // The screen keeps what the user wrote, the adapter holds what was read.
        QCOMPARE(
            window->document()->configuration().entries[4].callNumber2, QStringLiteral("0301234"));
        QCOMPARE(adapterState(), QStringLiteral("Adapter: abweichend"));
    }

    void oneProgressWindowAtATime()
    {
        open({ QStringLiteral("--latency"), QStringLiteral("100") });
        click(*window, "buttonTransmit");
        QTRY_VERIFY(progressDialog(*window));
        ProgressDialog *writing = progressDialog(*window);
        QCOMPARE(child<QLabel>(*writing, "processLabel")->text(),
            QStringLiteral("Sicherung: Rufweiterleitung"));

        // Reading or resetting now only brings the write's window forward.
        click(*window, "buttonRequest");
        ModalAnswerer answerer(QMessageBox::Yes);
        child<QAction>(*window, "actionZur_cksetzen")->trigger();
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(window->findChildren<ProgressDialog *>(), QList<ProgressDialog *> { writing });

        // Writing again starts afresh in a window of its own.
        click(*window, "buttonTransmit");
        QTRY_COMPARE(window->findChildren<ProgressDialog *>().size(), 1);
        QVERIFY(progressDialog(*window) != writing);
        progressDialog(*window)->reject();
    }

    void halfWayWrite_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("then");
        const QStringList slow { QStringLiteral("--latency"), QStringLiteral("20") };
        QTest::newRow("cancelled, written again") << slow << "Abgebrochen."
                                                  << "Erneut schreiben";
        QTest::newRow("closed, backup written back") << slow << "Abgebrochen."
                                                     << "Sicherung zurückschreiben";
        // Login, the backup's 41 and 6 commands answered.
        QTest::newRow("adapter falls silent")
            << QStringList { QStringLiteral("--silent-after"), QStringLiteral("48") }
            << "Der VX-Adapter antwortet nicht (gewartet wurde auf: Rufnummer 2 von Teilnehmer 1)."
            << "So lassen";
    }

    // One message tells what the adapter holds, and the way on from there.
    void halfWayWrite()
    {
        QFETCH(QStringList, simulator);
        QFETCH(QString, cause);
        QFETCH(QString, then);
        open(simulator);
        const Configuration screen = sample(QStringLiteral("0815"));
        window->document()->restoreBackup(screen);
        ModalAnswerer answerer;
        answerer.press = QStringList { QStringLiteral("Abbrechen und beenden"), then };
        click(*window, "buttonTransmit");
        // Into the write, past the backup.
        QTRY_VERIFY(progressDialog(*window) && progressDialog(*window)->currentProgress() > 45);
        if (then == "Erneut schreiben")
            progressDialog(*window)->reject();
        else if (then != "So lassen")
            window->close();
        QTRY_VERIFY(answerer.titles().contains("Teilweise geschrieben"));
        const QString text = answerer.seen[answerer.titles().indexOf("Teilweise geschrieben")].text;
        QVERIFY2(text.startsWith(cause
                     + "\n\nDer VX-Adapter hält jetzt eine teilweise "
                       "geschriebene Konfiguration: "),
            qPrintable(text));
        QVERIFY(text.contains("Sicherung: " + QDir::toNativeSeparators(backupFolder())));
        if (then == "So lassen") {
            QCOMPARE(adapterState(), QStringLiteral("Adapter: teilweise geschrieben"));
            return;
        }
        // The way on writes, and the verify finds all of it in the adapter.
        QTRY_VERIFY_WITH_TIMEOUT(window->statusBar()->currentMessage()
                == QStringLiteral("Die Konfiguration wurde geschrieben und geprüft."),
            20000);
        QVERIFY(window->isVisible());
        QCOMPARE(answerer.titles().first(),
            then == "Erneut schreiben" ? "Teilweise geschrieben" : "Schreiben läuft");
    }

    // Times that do not fit arrive as they are (30/30 became 32/30, marked as
    // the adapter's); one note says so, a write refuses them, undo takes it back.
    void readAsItIsAndUndone()
    {
        QTemporaryFile state;
        QVERIFY(state.open() && state.write(R"({"maxCallTime": 30, "callRedirectTime": 30})") > 0);
        state.close();
        open({ QStringLiteral("--state"), state.fileName() });
        const Configuration screen = sample(QStringLiteral("0815"));
        window->document()->restoreBackup(screen);
        ModalAnswerer answerer;
        run("buttonRequest"); // without a question: undo takes it back
        QTRY_COMPARE(answerer.titles(), QStringList { QStringLiteral("Konfiguration") });
        QVERIFY(answerer.seen[0].text.startsWith(
            QStringLiteral("Die maximale Zeit der Rufsignalisierung (30) muss um mindestens 2 "
                           "größer sein als die Zeit bis zur Rufweiterschaltung (30).")));
        QCOMPARE(adapterState(), QStringLiteral("Adapter: wie Bildschirm"));

        click(*window, "buttonTransmit");
        QCOMPARE(answerer.seen.value(1).title, QStringLiteral("Eingabefehler"));
        QCOMPARE(window->focusWidget(), child<QSpinBox>(*window, "spinMaxCall"));
        QVERIFY(!progressDialog(*window));

        child<QAction>(*window, "actionUndo")->trigger();
        QCOMPARE(window->document()->configuration(), screen);
        QCOMPARE(child<QSpinBox>(*window, "spinMaxCall")->value(), 70);
        QCOMPARE(adapterState(), QStringLiteral("Adapter: abweichend"));
    }

private:
    // A window logged in to vxsim started with the options.
    void open(const QStringList &options = {})
    {
        sim = std::make_unique<VxSimProcess>();
        QVERIFY(sim->start(options));
        qputenv("VXCONFIG_PORTS", sim->portName().toLocal8Bit());
        window = std::make_unique<MainWindow>();
        // Both switches on, and no list of changes unless a case asks for it.
        child<QAction>(*window, "actionBackupBeforeWrite")->setChecked(true);
        child<QAction>(*window, "actionVerifyAfterWrite")->setChecked(true);
        child<QAction>(*window, "actionShowChangesBeforeWrite")->setChecked(false);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        child<QLineEdit>(*window, "passwordEdit")->setText(QStringLiteral("1234"));
        click(*window, "buttonLogin");
        QTRY_VERIFY(window->isLoggedIn());
    }

    // Clicks the write or read button and waits until its progress window is gone.
    void run(const char *button)
    {
        click(*window, button);
        QTRY_VERIFY(progressDialog(*window));
        QTRY_VERIFY_WITH_TIMEOUT(
            !progressDialog(*window) || !progressDialog(*window)->isVisible(), 20000);
    }

    QString adapterState() const { return child<QLabel>(*window, "labelAdapterState")->text(); }

    TestHome home;
    std::unique_ptr<VxSimProcess> sim;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(TestWindowTransfer)
#include "tst_windowtransfer.moc"
