// The main window as a user meets it: the call-time rule, the title, languages
// with the real catalogues, the roster, the Help menu, --help and --version.

#include "backupstore.h"
#include "entrypanel.h"
#include "languageapplication.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "portcombobox.h"
#include "ptypeer.h"
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
#include <QTranslator>

namespace {

const QString germanTitle = QStringLiteral("unbenannt[*] - VX-Adapter Software  -  Version 3.1.0");

void speak(MainWindow &window, const char *action)
{
    child<QAction>(window, action)->trigger();
    QCoreApplication::processEvents();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

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

    void callTimeRule_data()
    {
        QTest::addColumn<int>("maxCall");
        QTest::addColumn<int>("redirect");
        QTest::addColumn<bool>("editMaxCall");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("finalMaxCall");
        QTest::addColumn<int>("finalRedirect");

        QTest::newRow("max 31 over 30 corrected to 32") << 60 << 30 << true << 31 << 1 << 32 << 30;
        QTest::newRow("max 32 over 30 accepted") << 60 << 30 << true << 32 << 0 << 32 << 30;
        QTest::newRow("redirect 59 under 60 corrected to 58")
            << 60 << 30 << false << 59 << 1 << 60 << 58;
        QTest::newRow("redirect 58 under 60 accepted") << 60 << 30 << false << 58 << 0 << 60 << 58;
        QTest::newRow("redirect 98 leaves no valid max") << 99 << 98 << true << 50 << 2 << 99 << 98;
        QTest::newRow("max 1 leaves no valid redirect") << 1 << 0 << false << 5 << 2 << 1 << 0;
    }

    void callTimeRule()
    {
        QFETCH(int, maxCall);
        QFETCH(int, redirect);
        QFETCH(bool, editMaxCall);
        QFETCH(int, value);
        QFETCH(int, boxes);
        QFETCH(int, finalMaxCall);
        QFETCH(int, finalRedirect);

        MainWindow window;
        auto *spinMaxCall = child<QSpinBox>(window, "spinMaxCall");
        auto *spinRedirect = child<QSpinBox>(window, "spinRedirect");
        {
            const QSignalBlocker a(spinMaxCall);
            const QSignalBlocker b(spinRedirect);
            spinMaxCall->setValue(maxCall);
            spinRedirect->setValue(redirect);
        }

        ModalAnswerer answerer;
        (editMaxCall ? spinMaxCall : spinRedirect)->setValue(value);

        QCOMPARE(answerer.seen.size(), boxes);
        for (const auto &seen : answerer.seen) {
            QCOMPARE(seen.title, QStringLiteral("Konfiguration"));
            QCOMPARE(seen.text,
                QStringLiteral("Die Maximale Rufsignalisierung muss größer als die "
                               "Rufweiterschaltung sein."));
        }
        QCOMPARE(spinMaxCall->value(), finalMaxCall);
        QCOMPARE(spinRedirect->value(), finalRedirect);
    }

    void changesAreTracked()
    {
        MainWindow window;
        QCOMPARE(window.configuration(), Configuration());
        QVERIFY(!window.isWindowModified());
        // A value typed and typed back is no change; the times count as well.
        auto *number = child<QLineEdit>(*window.findChildren<EntryPanel *>().at(3), "numberEdit1");
        QTest::keyClicks(number, QStringLiteral("42"));
        QVERIFY(window.isWindowModified());
        QTest::keyClicks(number, QStringLiteral("\b\b"));
        QVERIFY(!window.isWindowModified());
        child<QSpinBox>(window, "spinMaxCall")->setValue(61);
        QVERIFY(window.isWindowModified());

        // A whole configuration is set without tripping the call-time check when
        // its own two times agree.
        Configuration configuration;
        configuration.maxCallTime = 20;
        configuration.callRedirectTime = 10;
        configuration.entries[7]
            = { QStringLiteral("12"), QStringLiteral("034"), QStringLiteral("12B"), 0x21 };
        ModalAnswerer answerer;
        window.setConfiguration(configuration);
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(window.configuration(), configuration);
        QCOMPARE(window.busAddress(7), QStringLiteral("B12"));
    }

    void languages()
    {
        // Where the program is started from does not matter.
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });

        MainWindow window;
        QVERIFY(!child<QPushButton>(window, "buttonTransmit")->icon().isNull());
        Configuration values;
        values.entries[7] = { QStringLiteral("1234"), QString(), QStringLiteral("12B"), 0x01 };
        window.setConfiguration(values);
        auto *roster = child<QListWidget>(window, "listWidget");
        const QWidget &master = *roster->itemWidget(roster->item(0));
        const QWidget &attendee = *roster->itemWidget(roster->item(7));
        const auto texts = [&] {
            return QStringList { child<QMenu>(window, "menuDatei")->title(),
                child<QPushButton>(window, "buttonTransmit")->text(), window.windowTitle(),
                child<QLabel>(attendee, "attendeeLabel")->text(),
                child<QLabel>(attendee, "summaryLabel")->text(),
                child<QCheckBox>(master, "nightBox")->text() };
        };
        const QStringList german { "&Datei", "&Schreiben", germanTitle, "Teilnehmer 7",
            "Optionen: Auf Master umleiten", "Alle Teilnehmer auf Master umleiten" };
        QCOMPARE(texts(), german);

        // Any number of switches leaves one version suffix in the title, the
        // values on screen as they were, and the catalogues of one language.
        const auto catalogues = [] { return qApp->findChildren<QTranslator *>().size(); };
        const qsizetype installed = catalogues();
        for (int i = 0; i < 3; ++i) {
            speak(window, "actionEnglisch");
            QCOMPARE(texts(),
                QStringList({ "&File", "&Write",
                    "untitled[*] - VX-Adapter Software  -  Version 3.1.0", "Attendee 7",
                    "Options: Redirect to master", "Redirect all attendees to master" }));
            speak(window, "actionDeutsch");
            QCOMPARE(texts(), german);
        }
        QCOMPARE(catalogues(), installed);
        QCOMPARE(window.configuration(), values);

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

    void statusByteRoundTrip_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::addColumn<bool>("dialBox");

        QTest::newRow("attendee 3 all bits") << 3 << 0xFF << 0x3D << false;
        QTest::newRow("master all bits") << 0 << 0xFF << 0x5D << true;
        QTest::newRow("attendee 1 unused bits") << 1 << 0xC2 << 0x00 << false;
        QTest::newRow("master dial only") << 0 << 0x40 << 0x40 << true;
        QTest::newRow("master feature bit ignored") << 0 << 0x20 << 0x00 << false;
        QTest::newRow("no entry 10") << 10 << 0xFF << 0x00 << false;
    }

    void statusByteRoundTrip()
    {
        QFETCH(int, entry);
        QFETCH(int, written);
        QFETCH(int, read);
        QFETCH(bool, dialBox);

        MainWindow window;
        window.setStatusByte(entry, byte(written));
        QCOMPARE(int(window.statusByte(entry)), read);
        QCOMPARE(child<QCheckBox>(window, "dialBox")->isChecked(), dialBox);
    }

    void resetConfigurationKeepsCallTimeRule()
    {
        MainWindow window;
        Configuration configuration;
        configuration.maxCallTime = 72;
        configuration.callRedirectTime = 70;
        configuration.entries[0] = { QStringLiteral("0815"), QString(), QString(), 0x5D };
        configuration.entries[2].statusByte = 0x3D;
        configuration.entries[5] = { QString(), QStringLiteral("4711"), QStringLiteral("D3"), 0 };
        window.setConfiguration(configuration);

        ModalAnswerer answerer;
        window.resetConfiguration();

        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Konfiguration") });
        // The extended options stay unfolded: only their flag survives.
        Configuration expected;
        expected.maxCallTime = 72;
        expected.entries[2].statusByte = 0x20;
        QCOMPARE(window.configuration(), expected);
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
    }
};

int main(int argc, char **argv)
{
    LanguageApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
