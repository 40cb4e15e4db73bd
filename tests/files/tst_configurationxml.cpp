// The XML configuration file (.tml): bytes in, values out, and back; saving
// that never loses the old file; names that are no regular file.

#include "changelines.h"
#include "configurationxml.h"
#include "legacysettings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

QByteArray contentsOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values behind the shipped golden file: numbers with and without gaps,
// addresses in every form a field can hold, all status bits set somewhere.
Configuration golden()
{
    Configuration c;
    c.maxCallTime = 75;
    c.callRedirectTime = 0;
    c.entries[0] = { "201", "", "", 0xff };
    const QStringList addresses { "A12", " 12A", "5C", "B 7", "", "I27", "", "", "" };
    for (int n = 1; n <= 9; ++n) {
        c.entries[n] = { n % 3 ? QStringLiteral("2%1").arg(n) : QString(),
            n % 2 ? QString() : QStringLiteral("3%1").arg(n), addresses.at(n - 1), byte(0x11 * n) };
    }
    c.entries[3].statusByte = 0xff;
    // XML cannot carry the control character; written, it would spoil the file.
    c.entries[7].callNumber1 = QStringLiteral("1<2&3>\u00014");
    return c;
}

} // namespace

class TestConfigurationXml : public QObject
{
    Q_OBJECT

private slots:
    void writesGoldenFile();
    void fromXml_data();
    void fromXml();
    void saveFailureKeepsOldFile();
    void pipeNeitherReadNorReplaced();

private:
    QTemporaryDir dir;
};

void TestConfigurationXml::writesGoldenFile()
{
    const QByteArray expected = contentsOf(qEnvironmentVariable("VX_TEST_DATA") + "/export.tml");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ConfigurationXml::toXml(golden()), expected);

    QFile old(dir.filePath("golden.tml"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(5000, 'x')) == 5000);
    old.close();
    QString error;
    QVERIFY(ConfigurationXml::save(dir.filePath("golden.tml"), golden(), &error));
    QCOMPARE(contentsOf(dir.filePath("golden.tml")), expected);
}

void TestConfigurationXml::fromXml_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("problems");

    const auto row = [](const char *name, const QByteArray &data, const QStringList &changes,
                         const QStringList &problems = {}) {
        QTest::newRow(name) << data << true << changes << problems;
    };
    const auto unreadable = [](const char *name, const QByteArray &data) {
        QTest::newRow(name) << data << false << QStringList() << QStringList();
    };

    row("every value",
        document("<General><MaxCallTime>3c</MaxCallTime><CallRedirectTime>1e</CallRedirectTime>"
                 "</General>"
            + attendee(0,
                "<CallNumber1>201</CallNumber1><CallNumber2></CallNumber2>"
                "<BusAddress></BusAddress><StatusByte>41</StatusByte>")
            + attendee(1,
                "<CallNumber1>204</CallNumber1><CallNumber2>205</CallNumber2>"
                "<BusAddress>12A</BusAddress><StatusByte>21</StatusByte>")),
        { "max=60", "redirect=30", "0.number1=201", "0.number2=", "0.status=0x41", "1.number1=204",
            "1.number2=205", "1.address=12A", "1.status=0x21" });
    row("root of another name",
        "<!DOCTYPE other><other><General><MaxCallTime>40</MaxCallTime></General>"
            + attendee(2, "<CallNumber2>77</CallNumber2>") + "</other>",
        { "max=64", "2.number2=77" });
    row("Attendee alone or with letters is the master",
        document("<Attendee><CallNumber1>5</CallNumber1><BusAddress>C3</BusAddress></Attendee>"
                 "<AttendeeX><CallNumber2>6</CallNumber2></AttendeeX>"),
        { "0.number1=5", "0.number2=6" });
    row("status bytes up to ff",
        document(attendee(2, "<StatusByte>1ff</StatusByte><StatusByte></StatusByte>")),
        { "2.status=0xff", "2.status=0x00" }, { "2.status:1ff", "2.status:" });
    row("times in hex, up to 99",
        document("<General><MaxCallTime>60</MaxCallTime><MaxCallTime>64</MaxCallTime>"
                 "<CallRedirectTime>x1</CallRedirectTime></General>"),
        { "max=96", "max=100", "redirect=0" }, { "max:64", "redirect:x1" });
    row("values in document order, repeats kept",
        document(attendee(5, "<CallNumber2>2</CallNumber2><CallNumber1>1</CallNumber1>")
            + attendee(5, "<CallNumber1>3</CallNumber1>")),
        { "5.number2=2", "5.number1=1", "5.number1=3" });
    row("text, comments, entities and nested text",
        document("text<!-- c --><?pi x?>"
            + attendee(7,
                "<!-- c --><CallNumber1>1<b>2</b><![CDATA[3]]>&#52;</CallNumber1>"
                "<CallNumber2>&lt;&amp;</CallNumber2>")),
        { "7.number1=1234", "7.number2=<&" }, { "7.number2:<&" });
    row("Attendee10, Attendee-1 and deeper elements ignored",
        document(attendee(10, "<CallNumber1>9</CallNumber1>")
            + attendee(-1, "<StatusByte>0</StatusByte>")
            + nested(1, attendee(8, "<CallNumber1>1</CallNumber1>"))
            + attendee(8, nested(1, "<CallNumber2>2</CallNumber2>"))),
        {});
    row("values the adapter cannot take",
        document(attendee(4,
            "<CallNumber1>12345</CallNumber1><CallNumber2>12345678901234567890123</CallNumber2>"
            "<BusAddress>Z99</BusAddress><BusAddress>A0</BusAddress><BusAddress>24I</BusAddress>")),
        { "4.number1=12345", "4.number2=12345678901234567890123", "4.address=Z99", "4.address=A0",
            "4.address=24I" },
        { "4.number1:12345", "4.number2:12345678901234567890123", "4.address:Z99",
            "4.address:A0" });
    row("64 levels deep",
        document(attendee(1, "<CallNumber1>1</CallNumber1>") + nested(63, QByteArray())),
        { "1.number1=1" });
    const QByteArray atLimit = document(attendee(1, "<CallNumber1>1</CallNumber1>"));
    row("1 MiB", padded(atLimit, 1024 * 1024), { "1.number1=1" });

    unreadable("empty", QByteArray());
    unreadable("cut short", atLimit.chopped(3));
    unreadable("one byte over 1 MiB", padded(atLimit, 1024 * 1024 + 1));
    unreadable("65 levels deep",
        document(attendee(1, "<CallNumber1>1</CallNumber1>") + nested(64, QByteArray())));
    QByteArray attributes = "<Attendee1><CallNumber1";
    for (int i = 0; i < 2000; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";
    unreadable("attribute flood", document(attributes + ">1</CallNumber1></Attendee1>"));
}

void TestConfigurationXml::fromXml()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, readable);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, problems);

    const std::optional<SettingsFileContents> read = ConfigurationXml::fromXml(data);
    QCOMPARE(bool(read), readable);
    if (!read)
        return;
    QCOMPARE(ChangeLines::changes(*read), changes);
    QCOMPARE(ChangeLines::problems(*read), problems);
}

// A disk that fills up while saving: the file size limit makes every write
// past 64 bytes fail, as a full disk would.
void TestConfigurationXml::saveFailureKeepsOldFile()
{
    const QString fileName = dir.filePath("kept.tml");
    QFile old(fileName);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier content") == 15);
    old.close();
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    rlimit limit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full { 64, limit.rlim_max };
    std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    QString error;
    const bool saved = ConfigurationXml::save(fileName, golden(), &error);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(contentsOf(fileName), QByteArray("earlier content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
}

// A pipe (or device) picked in a dialog: opening it to read would wait for a
// writer for good, and saving must not replace it by a file. The alarm ends
// the test instead of hanging it.
void TestConfigurationXml::pipeNeitherReadNorReplaced()
{
    const QString pipe = dir.filePath("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(pipe), 0600), 0);
    alarm(10);
    QVERIFY(!ConfigurationXml::load(pipe));
    QVERIFY(!LegacySettings::load(pipe));
    alarm(0);

    QString error;
    QVERIFY(!ConfigurationXml::save(pipe, golden(), &error));
    QCOMPARE(error, QStringLiteral("Das Ziel ist keine gewöhnliche Datei."));
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
}

QTEST_APPLESS_MAIN(TestConfigurationXml)
#include "tst_configurationxml.moc"
