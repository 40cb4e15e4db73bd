// Importing a settings file of the older program (.cvx) through the main
// window's menu and its file dialog.

#include "settingswindow.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using Lines = QList<std::pair<QByteArray, QByteArray>>;

// The example file that ships in the test data, line by line, so that a row can
// change or drop single keys.
const Lines exampleLines {
    { "[Master]", {} },
    { "Maxrufsignalisierung", "60" },
    { "Rufweiterschaltung", "30" },
    { "MasterNummer1", "201" },
    { "MasterNummer2", "" },
    { "MasterStatusByte", "01000001" },
    { "", {} },
    { "[Teilnehmer]", {} },
    { "Rufnummer1", "\"204;205;;;;;;;\"" },
    { "Rufnummer2", "\";206;;;;;;;\"" },
    { "KelvoAdresse", "\"A12;B3;;;;;;;\"" },
    { "Statusbytes",
        "\"00011001;00000100;00000000;00000000;00000000;00000000;00000000;00000000;00000000\"" },
};

// Replaces the value of each key given; a null value drops the line.
QByteArray legacyFile(const Lines &changes = {})
{
    QByteArray file;
    for (const auto &[key, value] : exampleLines) {
        QByteArray v = value;
        bool drop = false;
        for (const auto &[changedKey, changedValue] : changes) {
            if (changedKey == key) {
                v = changedValue;
                drop = changedValue.isNull();
            }
        }
        if (drop)
            continue;
        file += key;
        if (!key.isEmpty() && !key.startsWith('['))
            file += '=' + v;
        file += '\n';
    }
    return file;
}

// The fields of attendee n after an empty item and a status string of zeros:
// empty, switches at rest, the four option boxes clear (featureBox untouched).
QStringList cleared(int n)
{
    QStringList lines;
    for (const char *name : { "numberEdit1", "numberEdit2", "addressEdit" })
        lines << QStringLiteral("%1.%2=").arg(n).arg(name);
    lines << QStringLiteral("%1.addressLabel=A1").arg(n);
    for (const char *name : { "nightBox", "signalBox", "callBox", "priorityBox" })
        lines << QStringLiteral("%1.%2=0").arg(n).arg(name);
    return lines;
}

// What the example file does to the baseline.
QStringList exampleChanges()
{
    QStringList lines { "spinMaxCall=60", "spinRedirect=30", "0.numberEdit1=201",
        "0.numberEdit2=", "dialBox=1", "0.nightBox=1", "0.signalBox=0", "0.callBox=0",
        "0.priorityBox=0", "1.numberEdit1=204", "1.numberEdit2=", "1.addressEdit=A12",
        "1.addressLabel=A12", "1.priorityBox=1", "1.callBox=1", "1.signalBox=0", "1.nightBox=1",
        "2.numberEdit1=205", "2.numberEdit2=206", "2.addressEdit=B3", "2.addressLabel=B3",
        "2.priorityBox=0", "2.callBox=0", "2.signalBox=1", "2.nightBox=0" };
    for (int n = 3; n <= 9; ++n)
        lines << cleared(n);
    return lines;
}

// A comment line that brings the file to exactly size bytes.
QByteArray padded(const QByteArray &file, qsizetype size)
{
    return file + ';' + QByteArray(size - file.size() - 2, 'x') + '\n';
}

} // namespace

class TestLegacyImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shippedExample();

    void import_data();
    void import();

private:
    QTemporaryDir dir;
    std::unique_ptr<SettingsWindow> w;
};

void TestLegacyImport::init()
{
    QVERIFY(dir.isValid());
    w = std::make_unique<SettingsWindow>();
    QVERIFY(w->peer.isOpen());
    w->fillBaseline();
}

void TestLegacyImport::cleanup()
{
    w.reset();
}

void TestLegacyImport::shippedExample()
{
    const QString example = qEnvironmentVariable("VX_TEST_DATA") + "/example.cvx";
    QFile file(example);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), legacyFile());

    const QStringList expected = SettingsWindow::changed(w->snapshot(), exampleChanges());
    w->trigger("actionAlteEinstellungen_importieren", example);
    QCOMPARE(w->boxes, QStringList());
    QCOMPARE(w->snapshot(), expected);
}

void TestLegacyImport::import_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("changes"); // against the baseline
    QTest::addColumn<QStringList>("boxes");

    const QStringList none;
    const QStringList failed { SettingsTexts::importFailed };
    const QStringList example = exampleChanges();

    QTest::newRow("every status bit") << legacyFile(
        { { "MasterStatusByte", "11111111" }, { "Statusbytes", "\"11111111;11111111;10100010\"" } })
                                      << example
            + QStringList { "0.signalBox=1", "0.callBox=1", "0.priorityBox=1", "1.signalBox=1",
                  "2.nightBox=1", "2.callBox=1", "2.priorityBox=1" }
                                      << none;
    QTest::newRow("digits-first address")
        << legacyFile({ { "KelvoAdresse", "\"12A;3B;x;;;;;;\"" } })
        << example + QStringList { "1.addressEdit=12A", "2.addressEdit=3B", "3.addressEdit=x" }
        << none;
    QTest::newRow("items beyond the ninth")
        << legacyFile({ { "Rufnummer2", "\"1;2;3;4;5;6;7;8;9;10;11\"" } })
        << example
            + QStringList { "1.numberEdit2=1", "2.numberEdit2=2", "3.numberEdit2=3",
                  "4.numberEdit2=4", "5.numberEdit2=5", "6.numberEdit2=6", "7.numberEdit2=7",
                  "8.numberEdit2=8", "9.numberEdit2=9" }
        << none;
    QTest::newRow("short lists and status strings")
        << legacyFile({ { "Rufnummer1", "\"204\"" }, { "Statusbytes", "\"0001;1\"" } })
        << example
            + QStringList { "2.numberEdit1=", "1.callBox=0", "1.nightBox=0", "2.signalBox=0" }
        << none;
    QTest::newRow("unquoted list with commas")
        << legacyFile({ { "Rufnummer1", "204,205,,206" },
               { "Statusbytes", "00011001,\"00000100;00000001\"" } })
        << example + QStringList { "4.numberEdit1=206", "3.nightBox=1" } << none;
    // Unquoted, the first ";" starts a comment.
    QTest::newRow("unquoted semicolons") << legacyFile({ { "Rufnummer1", "204;205" } })
                                         << example + QStringList { "2.numberEdit1=" } << none;
    QTest::newRow("master number with comma")
        << legacyFile({ { "MasterNummer1", "20,1" } })
        << example + QStringList { "0.numberEdit1=20,1" } << none;
    QTest::newRow("text in UTF-8") << legacyFile({ { "MasterNummer2", "\"2\xc3\xa4\"" } })
                                   << example + QStringList { "0.numberEdit2=2\u00e4" } << none;
    QTest::newRow("time above 99") << legacyFile({ { "Maxrufsignalisierung", "150" } })
                                   << example + QStringList { "spinMaxCall=99" } << none;
    // The maximum is set first and checked against the redirect time still on
    // screen (40), so even a consistent pair is altered.
    QTest::newRow("times checked in file order")
        << legacyFile({ { "Maxrufsignalisierung", "30" }, { "Rufweiterschaltung", "10" } })
        << example + QStringList { "spinMaxCall=42", "spinRedirect=10" }
        << QStringList { SettingsTexts::callTimeOrder };
    QTest::newRow("time not decimal") << legacyFile({ { "Maxrufsignalisierung", "3c" } })
                                      << example + QStringList { "spinMaxCall=42" }
                                      << QStringList { SettingsTexts::callTimeOrder };
    QTest::newRow("missing master keys")
        << legacyFile({ { "Rufweiterschaltung", {} }, { "MasterNummer1", {} },
               { "MasterStatusByte", {} } })
        << example + QStringList { "spinRedirect=0", "0.numberEdit1=", "dialBox=0", "0.nightBox=0" }
        << none;
    QStringList allCleared { "spinMaxCall=70", "spinRedirect=0",
        "0.numberEdit1=", "0.numberEdit2=", "dialBox=0", "0.nightBox=0", "0.signalBox=0",
        "0.callBox=0", "0.priorityBox=0" };
    for (int n = 1; n <= 9; ++n)
        allCleared << cleared(n);
    QTest::newRow("master section alone")
        << QByteArray("[Master]\nMaxrufsignalisierung=70\n") << allCleared << none;
    QTest::newRow("attendee section alone")
        << legacyFile(
               { { "[Master]", {} }, { "Maxrufsignalisierung", {} }, { "Rufweiterschaltung", {} },
                   { "MasterNummer1", {} }, { "MasterNummer2", {} }, { "MasterStatusByte", {} } })
        << SettingsWindow::changed(example, allCleared.mid(0, 9))
            + QStringList { "spinMaxCall=42", "spinRedirect=0" }
        << QStringList { SettingsTexts::callTimeOrder };
    QTest::newRow("1 MiB") << padded(legacyFile(), 1024 * 1024) << example << none;

    QTest::newRow("no known section") << QByteArray("[Other]\nRufnummer1=204\n") << none << failed;
    QTest::newRow("empty file") << QByteArray() << none << failed;
    QTest::newRow("XML document") << QByteArray("<!DOCTYPE Vx-Configuration>\n<Vx-Configuration>\n"
                                                "</Vx-Configuration>\n")
                                  << none << failed;
    QTest::newRow("broken section header")
        << legacyFile({ { "[Teilnehmer]", {} } }).replace("[Master]", "[Master") << none << failed;
    QTest::newRow("one byte over 1 MiB") << padded(legacyFile(), 1024 * 1024 + 1) << none << failed;
}

void TestLegacyImport::import()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, boxes);

    // A new name each time: the settings class caches files by name.
    const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".cvx");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
    file.close();

    const QStringList expected = SettingsWindow::changed(w->snapshot(), changes);
    w->trigger("actionAlteEinstellungen_importieren", path);
    QCOMPARE(w->boxes, boxes);
    QCOMPARE(w->snapshot(), expected);
}

QTEST_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
