// The main window as a user meets it: each kind of field as a view of the
// document, the title, languages, ports, the Help menu, --help and --version.

#include "backupstore.h"
#include "configurationdocument.h"
#include "languageapplication.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "portcombobox.h"
#include "ptypeer.h"
#include "testhome.h"
#include "vxversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QUndoStack>

namespace {

const QString germanTitle = QStringLiteral("unbenannt[*] - VX-Adapter Software  -  Version 3.1.0");

void speak(MainWindow &window, const char *action)
{
    child<QAction>(window, action)->trigger();
    QCoreApplication::processEvents();
}

// The times, then each entry that differs from the defaults:
// "60/30 4:1/0301/12B/8" (call numbers, address, options in hex).
QString values(const Configuration &c)
{
    QString text = QStringLiteral("%1/%2").arg(c.maxCallTime).arg(c.callRedirectTime);
    for (int n = 0; n < Configuration::EntryCount; ++n) {
        const ConfigurationEntry &e = c.entries[n];
        if (e != ConfigurationEntry())
            text += QStringLiteral(" %1:%2/%3/%4/%5")
                        .arg(n)
                        .arg(e.callNumber1, e.callNumber2, e.busAddress)
                        .arg(e.statusByte, 0, 16);
    }
    return text;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    TestHome home;
    // A pseudo-terminal as the adapter's port keeps the port warning away.
    PtyPeer port;
    QStringList opened; // by the desktop

public slots:
    void openUrl(const QUrl &url) { opened << url.toLocalFile(); }

private slots:
    void initTestCase()
    {
        qputenv("VXCONFIG_PORTS", port.portName().toLocal8Bit());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void init() { TestHome::forget(); }

    void helpMenu_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("box"); // its title, then texts it shows
        QTest::addColumn<QStringList>("opened");

        const QString readme = QDir::current().filePath(QStringLiteral("README.md")); // the build's
        QTest::newRow("about") << "actionUeberVxconfig"
                               << QStringList { "Über vxconfig", "Software " VXCONFIG_VERSION,
                                      "GPL-3.0-or-later", QString::fromLatin1(qVersion()),
                                      BackupStore::directory(), readme }
                               << QStringList();
        QTest::newRow("manual") << "actionHandbuch" << QStringList() << QStringList(readme);
    }

    void helpMenu()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, box);
        QFETCH(QStringList, opened);

        this->opened.clear();
        MainWindow window;
        ModalAnswerer answerer;
        child<QAction>(window, action.toLatin1())->trigger();
        QCOMPARE(this->opened, opened);
        QStringList shown = answerer.titles();
        for (const QString &text : box.mid(1))
            shown << (answerer.seen.value(0).text.contains(text) ? text : "missing");
        QCOMPARE(shown, box);
    }

    // No window can open: any application object for one aborts on this platform.
    void helpAndVersionWithoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("output");

        QTest::newRow("version") << QStringList { "--version", "a.tml" }
                                 << QStringList { "vxconfig " VXCONFIG_VERSION "\n" };
        // In German, the toolkit's texts too.
        QTest::newRow("help") << QStringList { "a.tml", "-h" }
                              << QStringList { "Richtet einen VX-Adapter", "[file]",
                                     "Zeigt Versionsinformation an." };
    }

    void helpAndVersionWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, output);

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        process.setProcessEnvironment(environment);
        process.start(QDir::current().absoluteFilePath(QStringLiteral("vxconfig")), arguments);
        QVERIFY(process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0);
        const QString printed = QString::fromUtf8(process.readAllStandardOutput());
        for (const QString &text : output)
            QVERIFY2(printed.contains(text), qPrintable(printed));
    }

    void edits_data()
    {
        QTest::addColumn<QString>("times"); // before
        QTest::addColumn<QString>("field"); // "4:callBox": of attendee 4's panel
        QTest::addColumn<QString>("keys"); // typed (a time confirmed with Enter); none: a click
        QTest::addColumn<int>("boxes"); // of the call-time rule
        QTest::addColumn<QString>("after");

        const auto row = [](const char *name, const char *times, const char *field,
                             const char *keys, int boxes, const char *after) {
            QTest::newRow(name) << times << field << keys << boxes << after;
        };
        // The rule judges a time once it is typed: it once came at the 4 of a 45.
        row("typed 45", "60/30", "spinMaxCall", "45", 0, "45/30");
        row("typed 31 over 30, corrected", "60/30", "spinMaxCall", "31", 1, "32/30");
        row("typed 59 under 60, corrected", "60/30", "spinRedirect", "59", 1, "60/58");
        row("stepped down to 31, corrected", "32/30", "spinMaxCall", "down", 1, "32/30");
        row("98 leaves no time that fits", "99/98", "spinMaxCall", "50", 1, "99/98");
        row("call number", "60/30", "4:numberEdit2", "0301", 0, "60/30 4:/0301//0");
        row("address digits first", "60/30", "4:addressEdit", "12b", 0, "60/30 4://12B/0");
        row("switches", "60/30", "3:addressLabel", "down", 0, "60/30 3://A19/0");
        row("option folded away", "60/30", "4:callBox", "", 0, "60/30 4:///8");
        row("extended functions", "60/30", "2:featureBox", "", 0, "60/30 2:///20");
        row("Wahl ohne warten", "60/30", "dialBox", "", 0, "60/30 0:///40");
    }

    // Each kind of field as the user changes it: the value goes to the
    // document as one step, the title's * follows, and Ctrl+Z in the field
    // takes the step back.
    void edits()
    {
        QFETCH(QString, times);
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(int, boxes);
        QFETCH(QString, after);

        MainWindow window;
        ConfigurationDocument *document = window.document();
        Configuration before;
        before.maxCallTime = times.section('/', 0, 0).toInt();
        before.callRedirectTime = times.section('/', 1).toInt();
        document->open(QStringLiteral("before.tml"), before);
        document->undoStack()->clear();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QByteArray name = field.section(':', -1).toLatin1();
        QWidget *widget = field.contains(':')
            ? entryChild(window, field.section(':', 0, 0).toInt(), name)
            : child<QWidget>(window, name);
        widget->setFocus();

        ModalAnswerer answerer;
        if (keys.isEmpty()) {
            static_cast<QAbstractButton *>(widget)->click();
        } else if (keys == "down") {
            QTest::keyClick(widget, Qt::Key_Down);
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->selectAll();
            QTest::keyClicks(spin, keys);
            QTest::keyClick(spin, Qt::Key_Return);
        } else {
            QTest::keyClicks(widget, keys);
        }
        QCoreApplication::processEvents();
        QTRY_COMPARE(answerer.titles(), QStringList(boxes, QStringLiteral("Konfiguration")));
        QCOMPARE(values(document->configuration()), after);
        QCOMPARE(window.isWindowModified(), after != times);

        window.activateWindow(); // again after a box, as a window manager does
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(values(document->configuration()), times);
        QVERIFY(!window.isWindowModified());
    }

    void languages()
    {
        // Where the program is started from does not matter.
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });

        MainWindow window;
        // The catalogues took effect once their language change event came.
        QCoreApplication::processEvents();
        QVERIFY(!child<QPushButton>(window, "buttonTransmit")->icon().isNull());
        Configuration values;
        values.entries[7] = { QStringLiteral("1234"), QString(), QStringLiteral("12B"), 0x01 };
        window.document()->restoreBackup(values);
        auto *roster = child<QListWidget>(window, "listWidget");
        const QWidget &master = *roster->itemWidget(roster->item(0));
        const QWidget &attendee = *roster->itemWidget(roster->item(7));
        const auto texts = [&] {
            return QStringList { child<QMenu>(window, "menuDatei")->title(),
                child<QPushButton>(window, "buttonTransmit")->text(), window.windowTitle(),
                child<QLabel>(attendee, "attendeeLabel")->text(),
                child<QToolButton>(attendee, "optionsButton")->text(),
                child<QSpinBox>(window, "spinRedirect")->text(),
                child<QCheckBox>(master, "nightBox")->text() };
        };
        const QStringList german { "&Datei", "&Schreiben", germanTitle, "Teilnehmer 7",
            "Auf Master umleiten", "30 s", "Alle Teilnehmer auf Master umleiten" };
        QCOMPARE(texts(), german);
        QCOMPARE(entryChild<QLineEdit>(window, 7, "addressEdit")->text(), QStringLiteral("12B"));

        // Any number of switches leaves one version suffix in the title, the
        // values on screen as they were, and the catalogues of one language.
        const auto catalogues = [] { return qApp->findChildren<QTranslator *>().size(); };
        const qsizetype installed = catalogues();
        for (int i = 0; i < 3; ++i) {
            speak(window, "actionEnglisch");
            QCOMPARE(texts(),
                QStringList({ "&File", "&Write",
                    "untitled[*] - VX-Adapter Software  -  Version 3.1.0", "Attendee 7",
                    "Redirect to master", "30 s", "Redirect all attendees to master" }));
            speak(window, "actionDeutsch");
            QCOMPARE(texts(), german);
        }
        QCOMPARE(catalogues(), installed);
        QCOMPARE(window.document()->configuration(), values);

        speak(window, "actionEnglisch");
        ModalAnswerer answerer;
        window.loginClicked(); // empty password
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Password") });
        QCOMPARE(answerer.seen[0].text, QStringLiteral("No password or password too short."));
        speak(window, "actionDeutsch");
    }

    void withoutCataloguesEverythingStaysGerman()
    {
        QTemporaryDir empty;
        const QByteArray previous = qgetenv("VXCONFIG_DATA_DIR");
        qputenv("VXCONFIG_DATA_DIR", empty.path().toLocal8Bit());

        ModalAnswerer answerer;
        {
            MainWindow window;
            speak(window, "actionEnglisch");
            // An earlier window's German catalogue may still lend its mnemonic.
            QCOMPARE(child<QMenu>(window, "menuDatei")->title().remove(QLatin1Char('&')),
                QStringLiteral("Datei"));
            QCOMPARE(child<QLabel>(window, "loginLabel")->text(), QStringLiteral("Ausgeloggt"));
            QCOMPARE(window.windowTitle(), germanTitle);
            // Nor is the manual there, which the program says.
            child<QAction>(window, "actionHandbuch")->trigger();
        }
        qputenv("VXCONFIG_DATA_DIR", previous);
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Handbuch") });
        QVERIFY(answerer.seen[0].text.contains(empty.filePath(QStringLiteral("README.md"))));
    }

    void ports()
    {
        // No port at all: the warning names none, and the window opens all the same.
        const QByteArray saved = qgetenv("VXCONFIG_PORTS");
        const auto restore = qScopeGuard([&] {
            PortComboBox::setEnumerator(nullptr);
            qputenv("VXCONFIG_PORTS", saved);
        });
        {
            qunsetenv("VXCONFIG_PORTS");
            PortComboBox::setEnumerator([] { return QStringList(); });
            ModalAnswerer answerer;
            MainWindow window;
            QCOMPARE(child<QComboBox>(window, "comboPort")->count(), 0);
            QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Serielle Schnittstelle") });
            QCOMPARE(answerer.seen[0].text,
                QStringLiteral("Die serielle Schnittstelle \nkonnte nicht geöffnet werden."));
        }

        static QStringList enumerated { QStringLiteral("ttyS0") };
        PortComboBox::setEnumerator([] { return enumerated; });
        qputenv("VXCONFIG_PORTS", saved + ":/dev/null-adapter");

        MainWindow window;
        auto *combo = child<PortComboBox>(window, "comboPort");
        QStringList expected { QString::fromLocal8Bit(saved), QStringLiteral("/dev/null-adapter"),
            QStringLiteral("ttyS0") };
        auto entries = [combo] {
            QStringList list;
            for (int i = 0; i < combo->count(); ++i)
                list << combo->itemText(i);
            return list;
        };
        QCOMPARE(entries(), expected);
        QCOMPARE(combo->currentText(), QString::fromLocal8Bit(saved));

        // A path typed and confirmed with Enter becomes an entry and is opened.
        ModalAnswerer answerer;
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("/dev/vx-typed"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("/dev/vx-typed"));
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Serielle Schnittstelle") });
        QVERIFY(answerer.seen[0].text.contains(QLatin1String("/dev/vx-typed")));

        // A new adapter appears when the list is opened; the choice stays and is
        // not opened again.
        enumerated << QStringLiteral("ttyUSB0");
        combo->refresh();
        QCOMPARE(
            entries(), expected << QStringLiteral("ttyUSB0") << QStringLiteral("/dev/vx-typed"));
        QCOMPARE(combo->currentText(), QStringLiteral("/dev/vx-typed"));
        QCOMPARE(answerer.seen.size(), 1);

        // The port chosen last comes first next time, unless the environment
        // names one; a path never enumerated is listed again.
        combo->setCurrentIndex(combo->findText(QString::fromLocal8Bit(saved)));
        qunsetenv("VXCONFIG_PORTS");
        MainWindow next;
        QCOMPARE(child<QComboBox>(next, "comboPort")->currentText(), QString::fromLocal8Bit(saved));
    }
};

int main(int argc, char **argv)
{
    LanguageApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
