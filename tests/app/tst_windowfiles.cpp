// The settings files through the menu, the command line and drops: the file
// dialogs, what a file puts on screen (as it is, in its order), saving, the
// messages, the question before changes are set aside, what is remembered.

#include "backupstore.h"
#include "configurationdocument.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"
#include "testhome.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
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
    QStringList dialogs; // "title|filter|folder", and "|name" when one is offered
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
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        seen.dialogs << dialog->windowTitle() + QLatin1Char('|') + dialog->nameFilters().join(';')
                + QLatin1Char('|') + dialog->directory().absolutePath()
                + (edit->text().isEmpty() ? QString() : '|' + edit->text());
        const bool opens = dialog->acceptMode() == QFileDialog::AcceptOpen;
        if (name.isEmpty() || (opens && !QFile::exists(name))
            || !QTest::qWaitForWindowActive(dialog)) {
            dialog->reject();
            return;
        }
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

// Opened from screen.tml: times 70 and 40, attendee 2 with extended functions.
Configuration screenBefore()
{
    Configuration screen;
    screen.maxCallTime = 70;
    screen.callRedirectTime = 40;
    screen.entries[2] = { "21", "22", "B2", 0x20 };
    return screen;
}

} // namespace

class TestWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(folder.path())); }

    void init()
    {
        TestHome::forget();
        peer = new PtyPeer(this);
        qputenv("VXCONFIG_PORTS", peer->portName().toLocal8Bit());
        window = new MainWindow;
    }

    void cleanup()
    {
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
        // Unnamed, "speichern" asks for a name.
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

        const Seen seen = trigger(*window, action.toLatin1(), QString());
        QCOMPARE(seen.dialogs, QStringList { dialog });
        QVERIFY(seen.boxes.isEmpty());
        QCOMPARE(window->document()->configuration(), Configuration());
    }

    void loadedInFileOrder_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Configuration>("expected");
        QTest::addColumn<QString>("title"); // the file the window names

        const Configuration screen = screenBefore();

        // The times as they are, also when they do not fit: once, 20 became 42
        // against the 40 on screen.
        Configuration xml = screen;
        xml.maxCallTime = 20;
        xml.callRedirectTime = 19;
        xml.entries[1] = { "12a4", "", "12A", 0x01 };
        // By name, as from the command line or a drop: XML by its content.
        QTest::newRow("xml")
            << "openPath"
            << "a"
            << QByteArray("<Vx-Configuration><General><MaxCallTime>14</MaxCallTime>"
                          "<CallRedirectTime>13</CallRedirectTime></General><Attendee1>"
                          "<CallNumber1>12a4</CallNumber1><BusAddress>12A</BusAddress>"
                          "<StatusByte>101</StatusByte></Attendee1></Vx-Configuration>")
            << QStringList { "Importieren: Diese Werte der Datei kann der VX-Adapter nicht "
                             "übernehmen. Sie stehen unverändert auf dem Bildschirm; korrigieren "
                             "Sie sie vor dem Schreiben:\n\n"
                             "Teilnehmer 1, Rufnummer 1: 12a4\nTeilnehmer 1, Optionen: 101\n\n"
                             "Die maximale Zeit der Rufsignalisierung (20) muss um mindestens 2 "
                             "größer sein als die Zeit bis zur Rufweiterschaltung (19)." }
            << xml << "a";

        Configuration legacy;
        legacy.maxCallTime = 60;
        legacy.callRedirectTime = 30;
        legacy.entries[0] = { "201", "", "", 0x41 };
        legacy.entries[1] = { "204", "", "A12", 0x19 };
        legacy.entries[2] = { "205", "206", "B3", 0x24 }; // extended functions kept
        QFile example(qEnvironmentVariable("VX_TEST_DATA") + QLatin1String("/example.cvx"));
        example.open(QIODevice::ReadOnly);
        const QByteArray older = example.readAll();
        // No file to save into.
        QTest::newRow("older file") << "actionAlteEinstellungen_importieren"
                                    << "b.cvx" << older << QStringList() << legacy << "unbenannt";

        QTest::newRow("older file by content")
            << "openPath"
            << "b" << older << QStringList() << legacy << "unbenannt";
        // A .tml is XML whatever it holds.
        QTest::newRow("not XML") << "openPath"
                                 << "c.tml" << QByteArray("[Master]")
                                 << QStringList { "Importieren: " + importFailed } << screen
                                 << "screen.tml";
    }

    void loadedInFileOrder()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, boxes);
        QFETCH(Configuration, expected);
        QFETCH(QString, title);

        window->document()->open(folder.filePath("screen.tml"), screenBefore());

        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const Seen seen = trigger(*window, action.toLatin1(), file.fileName());
        QCOMPARE(seen.boxes, boxes);
        QCOMPARE(window->document()->configuration(), expected);
        QCOMPARE(window->windowTitle().section(QLatin1Char('['), 0, 0), title);
        // An opened file is what the file holds.
        QCOMPARE(window->isWindowModified(), title == QLatin1String("unbenannt"));
    }

    void saveWithAndWithoutDialog()
    {
        Configuration configuration;
        configuration.entries[0] = { "0815", "", "", 0x5d };
        configuration.entries[9] = { "9", "99", "24I", 0x3d };
        ConfigurationDocument *document = window->document();
        document->restoreBackup(configuration);
        QVERIFY(window->isWindowModified());

        // A save that fails says so and changes nothing.
        const QString nowhere = folder.filePath(QStringLiteral("missing/x.tml"));
        Seen seen = trigger(*window, "actionEinstellungen_exportieren", nowhere);
        QCOMPARE(seen.boxes.size(), 1);
        QVERIFY(seen.boxes[0].contains(nowhere));
        QVERIFY(window->isWindowModified());

        // Without a suffix the name gets .tml, which the open dialog shows.
        seen = trigger(*window, "actionEinstellungen_exportieren", folder.filePath("site"));
        QVERIFY(seen.boxes.isEmpty());
        QVERIFY(!window->isWindowModified());
        QVERIFY(window->windowTitle().startsWith(QLatin1String("site.tml[*] - ")));
        QVERIFY(window->statusBar()->currentMessage().contains(QLatin1String("site.tml")));

        // Named, "speichern" saves without a dialog, and "Speichern unter"
        // offers the name.
        document->edit({ ConfigurationField::CallNumber2, 9, QStringLiteral("98") });
        QVERIFY(trigger(*window, "actionEinstellungen_exportieren", QString()).dialogs.isEmpty());
        QVERIFY(!window->isWindowModified());
        QFile site(folder.filePath("site.tml"));
        QVERIFY(site.open(QIODevice::ReadOnly) && site.readAll().contains("<CallNumber2>98<"));
        QCOMPARE(trigger(*window, "actionSaveAs", QString()).dialogs,
            QStringList {
                "Datei speichern|Vx-Configuration (*.tml)|" + folder.path() + "|site.tml" });
    }

    // The language, the switches, the window's size, the folders and the
    // files last opened or saved are there again in the next window.
    void rememberedForNextTime()
    {
        window->show();
        window->resize(800, 500);
        child<QAction>(*window, "actionEnglisch")->trigger();
        child<QAction>(*window, "actionShowChangesBeforeWrite")->setChecked(false);
        const QString kept
            = QDir(home.dir.path()).filePath("kept.tml"); // not in the current folder
        trigger(*window, "actionSaveAs", kept);
        window->close();
        delete window;
        window = new MainWindow;
        QCOMPARE(window->size(), QSize(800, 500));
        QVERIFY(child<QAction>(*window, "actionEnglisch")->isChecked());
        QVERIFY(!child<QAction>(*window, "actionShowChangesBeforeWrite")->isChecked());
        QCOMPARE(trigger(*window, "actionSaveAs", QString()).dialogs.value(0).section('|', 2),
            home.dir.path());
        auto *recent = child<QMenu>(*window, "menuRecentFiles");
        child<QAction>(*recent, "actionRecentFile1")->trigger();
        QVERIFY(window->windowTitle().startsWith(QLatin1String("kept.tml[*]")));
        // A file gone is left out.
        QVERIFY(QFile::remove(kept));
        emit recent->aboutToShow();
        QVERIFY(recent->actions().isEmpty() && !recent->isEnabled());
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
        QCOMPARE(window->document()->configuration(), adapter);
        // To check and write: the backup is no file to save into.
        QVERIFY(window->windowTitle().startsWith(QLatin1String("unbenannt[*]")));
        QVERIFY(window->isWindowModified());
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

        window->document()->edit({ ConfigurationField::CallNumber2, 5, QStringLiteral("4711") });
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
        QTRY_COMPARE(window->document()->configuration().entries[0].callNumber1,
            opened ? QStringLiteral("201") : QString());
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
        window->document()->edit({ ConfigurationField::CallNumber2, 5, QStringLiteral("4711") });
        const QString target = folder.filePath(QStringLiteral("asked.tml"));
        QFile::remove(target);
        // The save dialog gets the name; an open dialog opens what it saved.
        const Seen seen
            = trigger(*window, action.toLatin1(), target, QMessageBox::StandardButton(answer));

        QVERIFY(seen.boxes.value(0).startsWith(QStringLiteral("Ungesicherte Änderungen: ")));
        QCOMPARE(QFile::exists(target), saves);
        const bool closing = action == QLatin1String("actionBeenden");
        QCOMPARE(closing ? !window->isVisible() : seen.dialogs.size() == 1 + int(saves), goesOn);
        QCOMPARE(
            window->document()->configuration().entries[5].callNumber2, QStringLiteral("4711"));
    }

private:
    TestHome home;
    QTemporaryDir folder;
    PtyPeer *peer = nullptr;
    MainWindow *window = nullptr;
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
