// The settings files through the menu, the command line and drops: the file
// dialogs, what a file puts on screen (in its order, with the call-time check),
// the messages, and the question before unsaved changes are set aside.

#include "backupstore.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QMimeData>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString importFailed
    = QStringLiteral("Die zu importierenden Daten konnten nicht gelesen werden.");

// What the file dialogs and message boxes of one action showed.
struct Seen
{
    QStringList dialogs; // "title|filter|folder"
    QStringList boxes; // "title: text"
    QStringList backups; // "date|port|file" as listed
};

// Triggers the action (openPath: opens name as the command line and a drop
// do); a file dialog gets name typed in (or is cancelled when name is empty,
// or names no file to open), a question gets answer, anything else OK; the
// list of backups Enter, or without a name "Andere Datei…".
Seen trigger(MainWindow &window, const char *action, const QString &name,
    QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    Seen seen;
    ModalAnswerer answerer(answer, [&](QWidget *modal) {
        if (auto *list = modal->findChild<QTreeWidget *>(QStringLiteral("backupList"))) {
            for (const QTreeWidgetItem *row : list->findItems({}, Qt::MatchContains))
                seen.backups << row->text(0) + '|' + row->text(1) + '|' + row->text(2);
            auto *dialog = static_cast<QDialog *>(modal);
            QTimer::singleShot(0, dialog, [&name, dialog, list] {
                if (name.isEmpty())
                    dialog->findChild<QPushButton *>("otherFileButton")->click();
                else
                    QTest::keyClick(list, Qt::Key_Return);
                if (dialog->isVisible())
                    dialog->reject();
            });
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        seen.dialogs << dialog->windowTitle() + QLatin1Char('|') + dialog->nameFilters().join(';')
                + QLatin1Char('|') + dialog->directory().absolutePath();
        const bool opens = dialog->acceptMode() == QFileDialog::AcceptOpen;
        if (name.isEmpty() || (opens && !QFile::exists(name))
            || !QTest::qWaitForWindowActive(dialog)) {
            dialog->reject();
            return;
        }
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    if (qstrcmp(action, "openPath") == 0)
        window.openPath(name);
    else
        child<QAction>(window, action)->trigger();
    for (const ModalAnswerer::Seen &box : std::as_const(answerer.seen)) {
        if (box.className == QLatin1String("QMessageBox"))
            seen.boxes << box.title + QLatin1String(": ") + box.text;
    }
    return seen;
}

} // namespace

class TestWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A home of its own: test runs of other checkouts share ~/.qttest.
        qputenv("HOME", folder.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    void init()
    {
        peer = new PtyPeer(this);
        qputenv("VXCONFIG_PORTS", peer->portName().toLocal8Bit());
        window = new MainWindow;
    }

    void cleanup()
    {
        window->setWindowModified(false);
        delete window;
        delete peer;
    }

    void dialogs_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("dialog");

        const QString here = QDir::currentPath();
        const QString backups
            = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QLatin1String("/vxconfig/backups");
        QTest::newRow("open") << "actionEinstellungen_importieren"
                              << "Datei laden|Vx-Configuration (*.tml)|" + here;
        QTest::newRow("save") << "actionEinstellungen_exportieren"
                              << "Datei speichern|Vx-Configuration (*.tml)|" + here;
        QTest::newRow("import") << "actionAlteEinstellungen_importieren"
                                << "Alte Einstellungen importieren|VXA 2.0 Einstellung (*.cvx)|"
                + here;
        QTest::newRow("restore") << "actionSicherung_wiederherstellen"
                                 << "Sicherung wiederherstellen|Vx-Configuration (*.tml)|"
                + backups;
        QTest::newRow("pdf") << "actionAls_PDF_exportieren"
                             << "Als PDF exportieren|PDF-Dokument (*.pdf)|" + here;
    }

    void dialogs()
    {
        QFETCH(QString, action);
        QFETCH(QString, dialog);
        QDir().mkpath(dialog.section(QLatin1Char('|'), 2));

        window->setCallNumber(4, QStringLiteral("12"), 1);
        const Configuration before = window->configuration();
        window->setWindowModified(false); // no question first
        const Seen seen = trigger(*window, action.toLatin1(), QString());
        QCOMPARE(seen.dialogs, QStringList { dialog });
        QVERIFY(seen.boxes.isEmpty());
        QCOMPARE(window->configuration(), before);
    }

    void loadedInFileOrder_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Configuration>("expected");

        // On screen before: times 70 and 40, attendee 2 with extended functions.
        Configuration screen;
        screen.maxCallTime = 70;
        screen.callRedirectTime = 40;
        screen.entries[2] = { "21", "22", "B2", 0x20 };

        Configuration xml = screen;
        xml.maxCallTime = 42; // 0x14 is not above 40 on screen: raised to 42 first
        xml.callRedirectTime = 10;
        xml.entries[1] = { "12a4", "", "12A", 0x01 };
        // By name, as from the command line or a drop: XML by its content.
        QTest::newRow("xml")
            << "openPath"
            << "a"
            << QByteArray("<Vx-Configuration><General><MaxCallTime>14</MaxCallTime>"
                          "<CallRedirectTime>a</CallRedirectTime></General><Attendee1>"
                          "<CallNumber1>12a4</CallNumber1><BusAddress>12A</BusAddress>"
                          "<StatusByte>101</StatusByte></Attendee1></Vx-Configuration>")
            << QStringList { "Konfiguration: Die Maximale Rufsignalisierung muss größer als die "
                             "Rufweiterschaltung sein.",
                   "Importieren: Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie "
                   "stehen unverändert auf dem Bildschirm; korrigieren Sie sie vor dem "
                   "Schreiben:\n\n"
                   "Teilnehmer 1, Rufnummer 1: 12a4\nTeilnehmer 1, Optionen: 101" }
            << xml;

        Configuration legacy;
        legacy.maxCallTime = 60;
        legacy.callRedirectTime = 30;
        legacy.entries[0] = { "201", "", "", 0x41 };
        legacy.entries[1] = { "204", "", "A12", 0x19 };
        legacy.entries[2] = { "205", "206", "B3", 0x24 }; // extended functions kept
        QFile example(qEnvironmentVariable("VX_TEST_DATA") + QLatin1String("/example.cvx"));
        example.open(QIODevice::ReadOnly);
        const QByteArray older = example.readAll();
        QTest::newRow("older file") << "actionAlteEinstellungen_importieren"
                                    << "b.cvx" << older << QStringList() << legacy;

        QTest::newRow("older file by content") << "openPath"
                                               << "b" << older << QStringList() << legacy;
        // A .tml is XML whatever it holds.
        QTest::newRow("not XML") << "openPath"
                                 << "c.tml" << QByteArray("[Master]")
                                 << QStringList { "Importieren: " + importFailed } << screen;
    }

    void loadedInFileOrder()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, boxes);
        QFETCH(Configuration, expected);

        Configuration screen;
        screen.maxCallTime = 70;
        screen.callRedirectTime = 40;
        screen.entries[2] = { "21", "22", "B2", 0x20 };
        window->setConfiguration(screen);
        window->setWindowModified(false);

        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const Seen seen = trigger(*window, action.toLatin1(), file.fileName());
        QCOMPARE(seen.boxes, boxes);
        QCOMPARE(window->configuration(), expected);
    }

    void saveAndOpenAgain()
    {
        Configuration configuration;
        configuration.entries[0] = { "0815", "", "", 0x5d };
        configuration.entries[9] = { "9", "99", "24I", 0x3d };
        window->setConfiguration(configuration);
        QVERIFY(window->isWindowModified());

        // A save that fails says so and changes nothing.
        const QString nowhere = folder.filePath(QStringLiteral("missing/x.tml"));
        Seen seen = trigger(*window, "actionEinstellungen_exportieren", nowhere);
        QCOMPARE(seen.boxes.size(), 1);
        QVERIFY(seen.boxes[0].contains(nowhere));
        QVERIFY(window->isWindowModified());

        const QString saved = folder.filePath(QStringLiteral("site.tml"));
        seen = trigger(*window, "actionEinstellungen_exportieren", saved);
        QVERIFY(seen.boxes.isEmpty());
        QVERIFY(!window->isWindowModified());
        QVERIFY(window->windowTitle().startsWith(QLatin1String("site.tml[*] - ")));
        QVERIFY(window->statusBar()->currentMessage().contains(QLatin1String("site.tml")));

        window->resetConfiguration();
        seen = trigger(*window, "actionEinstellungen_importieren", saved, QMessageBox::Discard);
        QCOMPARE(seen.boxes.size(), 1); // the question only
        // Back as saved, but for the address, which a file holds letter first.
        configuration.entries[9].busAddress = QStringLiteral("I24");
        QCOMPARE(window->configuration(), configuration);
        QVERIFY(!window->isWindowModified());
    }

    void restoreFromTheList()
    {
        // Two backups and one of an older version, a second apart each.
        QVERIFY(QDir().mkpath(BackupStore::directory()));
        QVERIFY(QFile::copy(qEnvironmentVariable("VX_TEST_DATA") + "/export.tml",
            BackupStore::directory() + "/2026-06-01_11-59-58.tml"));
        const QDateTime noon(QDate(2026, 6, 1), QTime(12, 0));
        QString error;
        BackupStore::save(Configuration(), { "ttyS0", QString() }, &error, noon.addSecs(-1));
        Configuration adapter;
        adapter.entries[2] = { "21", "", "B2", 0x20 };
        BackupStore::save(adapter, { "ttyUSB0", folder.filePath("Süd.tml") }, &error, noon);

        const Seen seen = trigger(*window, "actionSicherung_wiederherstellen", "newest");
        QCOMPARE(seen.backups,
            QStringList({ "01.06.2026 12:00:00|ttyUSB0|Süd.tml",
                "01.06.2026 11:59:59|ttyS0|unbenannt", "01.06.2026 11:59:58|—|—" }));
        QCOMPARE(window->configuration(), adapter);
        QVERIFY(window->windowTitle().startsWith(QLatin1String("2026-06-01_12-00-00.tml[*]")));
    }

    void dropFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer"); // to the question about the changes on screen
        QTest::addColumn<bool>("opened");

        QTest::newRow("discard") << "export.tml" << int(QMessageBox::Discard) << true;
        QTest::newRow("cancel") << "export.tml" << int(QMessageBox::Cancel) << false;
        QTest::newRow("no settings file") << "export.pdf" << int(QMessageBox::Discard) << false;
    }

    void dropFile()
    {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(bool, opened);

        window->setCallNumber(5, QStringLiteral("4711"), 2);
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(qEnvironmentVariable("VX_TEST_DATA") + '/' + name) });
        QDragEnterEvent enter({ 9, 9 }, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        ModalAnswerer answerer { QMessageBox::StandardButton(answer) };
        QDropEvent drop({ 9, 9 }, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
        const bool takes = name.endsWith(QLatin1String(".tml"));
        QCOMPARE(QList<bool>({ enter.isAccepted(), drop.isAccepted() }), QList<bool>(2, takes));
        // The question comes once the drop has ended.
        QTRY_COMPARE(answerer.titles().value(0),
            takes ? QStringLiteral("Ungesicherte Änderungen") : QString());
        QTRY_COMPARE(window->callNumber(0, 1), opened ? QStringLiteral("201") : QString());
    }

    void changesAskFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saves");

        for (const char *action : { "actionBeenden", "actionEinstellungen_importieren",
                 "actionAlteEinstellungen_importieren" }) {
            QTest::addRow("%s, save", action) << action << int(QMessageBox::Save) << true << true;
            QTest::addRow("%s, discard", action)
                << action << int(QMessageBox::Discard) << true << false;
            QTest::addRow("%s, cancel", action)
                << action << int(QMessageBox::Cancel) << false << false;
        }
    }

    void changesAskFirst()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, saves);

        window->show();
        window->setCallNumber(5, QStringLiteral("4711"), 2);
        const QString target = folder.filePath(QStringLiteral("asked.tml"));
        QFile::remove(target);
        // The save dialog gets the name; an open dialog opens what it saved.
        const Seen seen
            = trigger(*window, action.toLatin1(), target, QMessageBox::StandardButton(answer));

        QVERIFY(seen.boxes.value(0).startsWith(QStringLiteral("Ungesicherte Änderungen: ")));
        QCOMPARE(QFile::exists(target), saves);
        const bool closing = action == QLatin1String("actionBeenden");
        QCOMPARE(closing ? !window->isVisible() : seen.dialogs.size() == 1 + int(saves), goesOn);
        QCOMPARE(window->callNumber(5, 2), QStringLiteral("4711"));
    }

private:
    QTemporaryDir folder;
    PtyPeer *peer = nullptr;
    MainWindow *window = nullptr;
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
