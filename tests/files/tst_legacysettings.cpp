// The older program's settings file (.cvx): what its import puts on screen,
// in which order, and which of its values the adapter cannot take.

#include "changelines.h"
#include "legacysettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Lines = QList<std::pair<QByteArray, QByteArray>>;

QString exampleName()
{
    return qEnvironmentVariable("VX_TEST_DATA") + "/example.cvx";
}

// The shipped example with the value of each key given replaced; a null value
// drops the key's line.
QByteArray legacyFile(const Lines &changes = {})
{
    QFile example(exampleName());
    if (!example.open(QIODevice::ReadOnly))
        qFatal("no example file");
    QByteArray file;
    for (QByteArray line : example.readAll().split('\n')) {
        for (const auto &[key, value] : changes) {
            if (line.startsWith(key + '='))
                line = value.isNull() ? QByteArray() : key + '=' + value;
        }
        if (!line.isNull())
            file += line + '\n';
    }
    return file;
}

// What the example brings, in the order the window takes it: the times, the
// master, then attendee by attendee. The status strings carry all options but
// extended functions (0x20).
QStringList exampleChanges()
{
    QStringList lines { "max=60", "redirect=30", "0.number1=201",
        "0.number2=", "0.status=0x41/0x5d" };
    const QStringList numbers1 { "204", "205" }, numbers2 { "", "206" }, addresses { "A12", "B3" },
        status { "0x19", "0x04" };
    for (int n = 1; n <= 9; ++n) {
        const QString entry = QString::number(n) + '.';
        lines << entry + "number1=" + numbers1.value(n - 1)
              << entry + "number2=" + numbers2.value(n - 1)
              << entry + "address=" + addresses.value(n - 1)
              << entry + "status=" + status.value(n - 1, "0x00") + "/0x1d";
    }
    return lines;
}

// A comment line that brings the file to exactly size bytes.
QByteArray padded(const QByteArray &file, qsizetype size)
{
    return file + ';' + QByteArray(size - file.size() - 2, 'x') + '\n';
}

} // namespace

class TestLegacySettings : public QObject
{
    Q_OBJECT

private slots:
    void shippedExample();
    void load_data();
    void load();

private:
    std::optional<SettingsFileContents> loaded(const QByteArray &contents);

    QTemporaryDir dir;
    int files = 0;
};

std::optional<SettingsFileContents> TestLegacySettings::loaded(const QByteArray &contents)
{
    // A new name each time: the settings class caches files by name.
    const QString name = dir.filePath(QString::number(++files) + ".cvx");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    file.close();
    return LegacySettings::load(name);
}

void TestLegacySettings::shippedExample()
{
    const std::optional<SettingsFileContents> read = LegacySettings::load(exampleName());
    QVERIFY(read);
    QCOMPARE(ChangeLines::changes(*read), exampleChanges());
    QCOMPARE(ChangeLines::problems(*read), QStringList());
}

void TestLegacySettings::load_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QStringList>("changes"); // those that differ from the example's
    QTest::addColumn<QStringList>("problems");

    const auto row = [](const char *name, const QByteArray &contents, const QStringList &changes,
                         const QStringList &problems = {}) {
        QTest::newRow(name) << contents << true << changes << problems;
    };
    const auto unreadable = [](const char *name, const QByteArray &contents) {
        QTest::newRow(name) << contents << false << QStringList() << QStringList();
    };

    row("every status bit",
        legacyFile({ { "MasterStatusByte", "11111111" },
            { "Statusbytes", "\"11111111;01011101;10100010\"" } }),
        { "0.status=0x5d/0x5d", "1.status=0x1d/0x1d", "2.status=0x1d/0x1d" });
    row("digits-first address and what is none",
        legacyFile({ { "KelvoAdresse", "\"12A;3B;x;A0;J1;;;;\"" } }),
        { "1.address=12A", "2.address=3B", "3.address=x", "4.address=A0", "5.address=J1" },
        { "3.address:x", "4.address:A0", "5.address:J1" });
    row("items beyond the ninth", legacyFile({ { "Rufnummer2", "\";206;;;;;;;9;10\"" } }),
        { "9.number2=9" });
    row("short lists and status strings",
        legacyFile({ { "Rufnummer1", "\"204\"" }, { "Statusbytes", "\"0001;1\"" } }),
        { "1.status=0x10/0x1d", "2.number1=", "2.status=0x00/0x1d" },
        { "1.status:0001", "2.status:1" });
    row("unquoted list with commas",
        legacyFile({ { "Rufnummer1", "204,205,,206" },
            { "Statusbytes", "00011001,\"00000100;00000001\"" } }),
        { "3.status=0x01/0x1d", "4.number1=206" });
    row("master number with comma and umlaut",
        legacyFile({ { "MasterNummer1", "20,1" }, { "MasterNummer2", "\"2\xc3\xa4\"" } }),
        { "0.number1=20,1", "0.number2=2\u00e4" }, { "0.number1:20,1", "0.number2:2\u00e4" });
    row("call numbers too long",
        legacyFile({ { "Rufnummer1", "\"12345;1234\"" }, { "Rufnummer2", QByteArray(23, '1') } }),
        { "1.number1=12345", "1.number2=" + QString(23, '1'), "2.number1=1234", "2.number2=" },
        { "1.number1:12345", "1.number2:" + QString(23, '1') });
    row("times out of range or not decimal",
        legacyFile({ { "Maxrufsignalisierung", "150" }, { "Rufweiterschaltung", "3c" } }),
        { "max=150", "redirect=0" }, { "max:150", "redirect:3c" });
    row("missing master keys",
        legacyFile(
            { { "Rufweiterschaltung", {} }, { "MasterNummer1", {} }, { "MasterStatusByte", {} } }),
        { "redirect=0", "0.number1=", "0.status=0x00/0x5d" });
    row("1 MiB", padded(legacyFile(), 1024 * 1024), {});
    row("UTF-8 byte-order mark", "\xef\xbb\xbf" + legacyFile(), {});

    unreadable("no known section", "[Other]\nRufnummer1=204\n");
    unreadable("empty file", QByteArray());
    unreadable("one byte over 1 MiB", padded(legacyFile(), 1024 * 1024 + 1));
}

void TestLegacySettings::load()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, readable);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, problems);

    const std::optional<SettingsFileContents> read = loaded(contents);
    QCOMPARE(bool(read), readable);
    if (!read)
        return;
    const QStringList lines = ChangeLines::changes(*read);
    const QStringList example = exampleChanges();
    QCOMPARE(lines.size(), example.size());
    QStringList differing;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i) != example.at(i))
            differing << lines.at(i);
    }
    QCOMPARE(differing, changes);
    QCOMPARE(ChangeLines::problems(*read), problems);
}

QTEST_APPLESS_MAIN(TestLegacySettings)
#include "tst_legacysettings.moc"
