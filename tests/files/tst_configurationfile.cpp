// Saving and loading the XML configuration (.tml) through the main window's
// menu, its file dialogs and message boxes.

#include "settingswindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

class TestConfigurationFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exportWritesGoldenFile();
    void exportThenImportRestoresScreen();
    void exportDropsCharactersXmlCannotCarry();
    void exportFailureIsReported();

    void import_data();
    void import();

    void dialogs_data();
    void dialogs();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    void writeFile(const QString &name, const QByteArray &contents) const;
    QByteArray readFile(const QString &name) const;

    QTemporaryDir dir;
    std::unique_ptr<SettingsWindow> w;
};

void TestConfigurationFile::init()
{
    QVERIFY(dir.isValid());
    w = std::make_unique<SettingsWindow>();
    QVERIFY(w->peer.isOpen());
    w->fillBaseline();
}

void TestConfigurationFile::cleanup()
{
    w.reset();
}

void TestConfigurationFile::writeFile(const QString &name, const QByteArray &contents) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

QByteArray TestConfigurationFile::readFile(const QString &name) const
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestConfigurationFile::exportWritesGoldenFile()
{
    MainWindow &window = *w->window;
    w->spin("spinRedirect")->setValue(0);
    w->spin("spinMaxCall")->setValue(75);
    window.setCallNumber(0, QStringLiteral("201"), 1);
    window.setCallNumber(0, QString(), 2);
    window.setStatusByte(0, 0xff);
    const QStringList addresses { "A12", " 12A", "5C", "B 7", "", "I27", "", "", "" };
    for (int n = 1; n <= 9; ++n) {
        window.setCallNumber(n, n % 3 ? QStringLiteral("2%1").arg(n) : QString(), 1);
        window.setCallNumber(n, n % 2 ? QString() : QStringLiteral("3%1").arg(n), 2);
        window.setBusAddress(n, addresses.at(n - 1));
        window.setStatusByte(n, byte(0x11 * n));
    }
    window.setStatusByte(3, 0xff);
    // Not a call number, but nothing stops an import from putting it there.
    window.setCallNumber(7, QStringLiteral("1<2&3>4"), 1);

    w->trigger("actionEinstellungen_exportieren", path("saved.tml"));

    QCOMPARE(w->boxes, QStringList());
    const QByteArray golden = readFile(qEnvironmentVariable("VX_TEST_DATA") + "/export.tml");
    QVERIFY(!golden.isEmpty());
    QCOMPARE(readFile(path("saved.tml")), golden);
}

void TestConfigurationFile::exportThenImportRestoresScreen()
{
    const QStringList saved = w->snapshot();
    w->trigger("actionEinstellungen_exportieren", path("roundtrip.tml"));
    QCOMPARE(w->boxes, QStringList());

    // Loading into the unchanged screen sets every value to what it already is.
    w->trigger("actionEinstellungen_importieren", path("roundtrip.tml"));
    QCOMPARE(w->boxes, QStringList());
    QCOMPARE(w->snapshot(), saved);

    w->window->resetConfiguration();
    w->window->setStatusByte(2, 0x20);
    w->window->setCallNumber(5, QStringLiteral("999"), 2);
    w->window->setBusAddress(9, QStringLiteral("12C"));
    QVERIFY(w->snapshot() != saved);

    w->trigger("actionEinstellungen_importieren", path("roundtrip.tml"));
    QCOMPARE(w->boxes, QStringList());
    QCOMPARE(w->snapshot(), saved);
}

void TestConfigurationFile::exportDropsCharactersXmlCannotCarry()
{
    w->window->setCallNumber(4, QStringLiteral("12\u000134"), 1);
    w->trigger("actionEinstellungen_exportieren", path("control.tml"));
    QCOMPARE(w->boxes, QStringList());

    w->window->setCallNumber(4, QString(), 1);
    w->trigger("actionEinstellungen_importieren", path("control.tml"));
    QCOMPARE(w->boxes, QStringList());
    QCOMPARE(w->window->callNumber(4, 1), QStringLiteral("1234"));
}

void TestConfigurationFile::exportFailureIsReported()
{
    writeFile("kept.tml", "earlier content");
    const QString target = path("missing/folder/new.tml");
    w->trigger("actionEinstellungen_exportieren", target);

    QCOMPARE(w->boxes.size(), 1);
    QVERIFY2(w->boxes.first().startsWith("Datei speichern: "), qPrintable(w->boxes.first()));
    QVERIFY2(
        w->boxes.first().contains(QDir::toNativeSeparators(target)), qPrintable(w->boxes.first()));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(readFile(path("kept.tml")), QByteArray("earlier content"));
}

namespace {

QByteArray attendee(int n, const QByteArray &leaves)
{
    const QByteArray name = "Attendee" + QByteArray::number(n);
    return "<" + name + ">" + leaves + "</" + name + ">";
}

QByteArray document(const QByteArray &body)
{
    return "<!DOCTYPE Vx-Configuration>\n<Vx-Configuration>\n" + body + "\n</Vx-Configuration>\n";
}

QByteArray nested(int depth, const QByteArray &inner)
{
    return QByteArray("<x>").repeated(depth) + inner + QByteArray("</x>").repeated(depth);
}

// A document of exactly size bytes: the data, then blanks after the root.
QByteArray padded(const QByteArray &data, qsizetype size)
{
    return data + QByteArray(size - data.size(), ' ');
}

} // namespace

void TestConfigurationFile::import_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("changes"); // against the baseline
    QTest::addColumn<QStringList>("boxes");

    const QStringList none;
    const QStringList failed { SettingsTexts::importFailed };

    QTest::newRow("every value") << document(
        "<General><MaxCallTime>3c</MaxCallTime><CallRedirectTime>1e</CallRedirectTime></General>"
        + attendee(0,
            "<CallNumber1>201</CallNumber1><CallNumber2></CallNumber2>"
            "<BusAddress></BusAddress><StatusByte>41</StatusByte>")
        + attendee(1,
            "<CallNumber1>204</CallNumber1><CallNumber2>205</CallNumber2>"
            "<BusAddress>12A</BusAddress><StatusByte>21</StatusByte>"))
                                 << QStringList { "spinMaxCall=60", "spinRedirect=30",
                                        "0.numberEdit1=201", "0.numberEdit2=", "0.signalBox=0",
                                        "0.callBox=0", "0.priorityBox=0", "1.numberEdit1=204",
                                        "1.numberEdit2=205", "1.addressEdit=12A",
                                        "1.addressLabel=A12", "1.signalBox=0", "1.callBox=0",
                                        "1.priorityBox=0" }
                                 << none;
    QTest::newRow("root of another name")
        << QByteArray("<!DOCTYPE other><other><General><MaxCallTime>40</MaxCallTime></General>"
               + attendee(2, "<CallNumber2>77</CallNumber2>") + "</other>")
        << QStringList { "spinMaxCall=64", "2.numberEdit2=77" } << none;
    QTest::newRow("Attendee alone is the master")
        << document("<Attendee><CallNumber1>5</CallNumber1><BusAddress>C3</BusAddress></Attendee>")
        << QStringList { "0.numberEdit1=5" } << none;
    QTest::newRow("Attendee with letters is the master")
        << document("<AttendeeX><CallNumber2>6</CallNumber2></AttendeeX>")
        << QStringList { "0.numberEdit2=6" } << none;
    QTest::newRow("Attendee10 and Attendee-1 ignored")
        << document(attendee(10, "<CallNumber1>9</CallNumber1><StatusByte>0</StatusByte>")
               + attendee(-1, "<CallNumber1>9</CallNumber1><StatusByte>0</StatusByte>"))
        << none << none;
    QTest::newRow("StatusByte 1ff") << document(
        attendee(2, "<StatusByte>1ff</StatusByte>") + attendee(0, "<StatusByte>1ff</StatusByte>"))
                                    << QStringList { "2.featureBox=1" } << none;
    QTest::newRow("decimal time read as hex")
        << document("<General><MaxCallTime>60</MaxCallTime></General>")
        << QStringList { "spinMaxCall=96" } << none;
    QTest::newRow("time above 99") << document("<General><MaxCallTime>ff</MaxCallTime></General>")
                                   << QStringList { "spinMaxCall=99" } << none;
    QTest::newRow("time not a number")
        << document("<General><CallRedirectTime>x1</CallRedirectTime></General>")
        << QStringList { "spinRedirect=0" } << none;
    // The maximum comes first and is checked against the redirect time on
    // screen (40): 20 is raised to 42 before the file's redirect time applies.
    QTest::newRow("times corrected in file order")
        << document("<General><MaxCallTime>14</MaxCallTime>"
                    "<CallRedirectTime>a</CallRedirectTime></General>")
        << QStringList { "spinMaxCall=42", "spinRedirect=10" }
        << QStringList { SettingsTexts::callTimeOrder };
    QTest::newRow("elements missing") << document(attendee(4, "<CallNumber2>8</CallNumber2>"))
                                      << QStringList { "4.numberEdit2=8" } << none;
    QTest::newRow("later occurrence wins") << document(
        attendee(5, "<CallNumber1>1</CallNumber1>") + attendee(5, "<CallNumber1>2</CallNumber1>"))
                                           << QStringList { "5.numberEdit1=2" } << none;
    QTest::newRow("master bus address ignored")
        << document(attendee(0, "<BusAddress>B2</BusAddress>")) << none << none;
    QTest::newRow("text, comments, entities and nested text")
        << document("text<!-- c --><?pi x?>"
               + attendee(7,
                   "<!-- c --><CallNumber1>1<b>2</b><![CDATA[3]]>&#52;</CallNumber1>"
                   "<CallNumber2>&lt;&amp;</CallNumber2>"))
        << QStringList { "7.numberEdit1=1234", "7.numberEdit2=<&" } << none;
    QTest::newRow("deeper elements not looked at")
        << document(nested(1, attendee(8, "<CallNumber1>1</CallNumber1>"))
               + attendee(8, nested(1, "<CallNumber2>2</CallNumber2>")))
        << none << none;
    QTest::newRow("attributes ignored")
        << document("<Attendee9 a=\"1\"><CallNumber1 b='2'>93</CallNumber1></Attendee9>")
        << QStringList { "9.numberEdit1=93" } << none;
    QTest::newRow("64 levels deep")
        << document(attendee(1, "<CallNumber1>1</CallNumber1>") + nested(63, QByteArray()))
        << QStringList { "1.numberEdit1=1" } << none;
    const QByteArray atLimit = document(attendee(1, "<CallNumber1>1</CallNumber1>"));
    QTest::newRow("1 MiB") << padded(atLimit, 1024 * 1024) << QStringList { "1.numberEdit1=1" }
                           << none;

    QTest::newRow("not XML") << QByteArray("[Master]\nMaxrufsignalisierung=60\n") << none << failed;
    QTest::newRow("empty file") << QByteArray() << none << failed;
    QTest::newRow("cut short") << document(attendee(1, "<CallNumber1>1</CallNumber1>")).chopped(3)
                               << none << failed;
    QTest::newRow("one byte over 1 MiB") << padded(atLimit, 1024 * 1024 + 1) << none << failed;
    QTest::newRow("65 levels deep")
        << document(attendee(1, "<CallNumber1>1</CallNumber1>") + nested(64, QByteArray())) << none
        << failed;
    QByteArray attributes = "<Attendee1><CallNumber1";
    for (int i = 0; i < 2000; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";
    attributes += ">1</CallNumber1></Attendee1>";
    QTest::newRow("attribute flood") << document(attributes) << none << failed;
}

void TestConfigurationFile::import()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, boxes);

    writeFile("import.tml", contents);
    const QStringList expected = SettingsWindow::changed(w->snapshot(), changes);
    w->trigger("actionEinstellungen_importieren", path("import.tml"));
    QCOMPARE(w->boxes, boxes);
    QCOMPARE(w->snapshot(), expected);
}

void TestConfigurationFile::dialogs_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");

    QTest::newRow("save") << "actionEinstellungen_exportieren"
                          << "Datei speichern"
                          << "Vx-Configuration (*.tml)";
    QTest::newRow("open") << "actionEinstellungen_importieren"
                          << "Datei laden"
                          << "Vx-Configuration (*.tml)";
    QTest::newRow("legacy") << "actionAlteEinstellungen_importieren"
                            << "Alte Einstellungen importieren"
                            << "VXA 2.0 Einstellung (*.cvx)";
}

// Each dialog starts in the working directory with its one filter; cancelling
// it changes nothing and writes nothing.
void TestConfigurationFile::dialogs()
{
    QFETCH(QString, action);
    QFETCH(QString, title);
    QFETCH(QString, filter);

    const QStringList before = w->snapshot();
    const QStringList files = QDir::current().entryList(QDir::Files);
    w->trigger(action.toLatin1().constData(), QString());

    QVERIFY(w->dialog.seen);
    QCOMPARE(w->dialog.title, title);
    QCOMPARE(w->dialog.filters, QStringList { filter });
    QCOMPARE(w->dialog.directory, QDir::currentPath());
    QCOMPARE(w->boxes, QStringList());
    QCOMPARE(w->snapshot(), before);
    QCOMPARE(QDir::current().entryList(QDir::Files), files);
}

QTEST_MAIN(TestConfigurationFile)
#include "tst_configurationfile.moc"
