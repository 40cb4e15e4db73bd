// The site sheet as a technician gets it: a PDF, read back as text with
// pdftotext and rendered as a picture with pdftoppm.

#include "resourcepaths.h"
#include "sitesheet.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// The master's second number has all 22 digits and a master-only option;
// attendee 2 is typed number first, 4 carries that master-only bit, 6 cannot
// be set with the switches, 8 and 9 have nothing but an option or a second
// number, 7 has nothing.
const ConfigurationEntry entries[Configuration::EntryCount] = {
    { "10", "0049301234567890123456", "", 0x49 },
    { "11", "0171234501", "A1", 0x00 },
    { "12", "", "12B", 0x10 },
    { "13", "0301234503", "C5", 0x21 },
    { "14", "", "E13", 0x48 },
    { "15", "0891234505", "I27", 0x0d },
    { "16", "", "A28", 0x00 },
    { "", "", "", 0x00 },
    { "", "", "", 0x01 },
    { "", "39", "", 0x00 },
};
// The addresses as the sheet prints them.
const char *const shown[] = { "", "A1", "B12", "C5", "E13", "I27", "A28", "", "", "" };

SiteSheet exampleSheet()
{
    Configuration configuration;
    configuration.maxCallTime = 45;
    configuration.callRedirectTime = 20;
    std::copy(std::begin(entries), std::end(entries), configuration.entries.begin());
    return SiteSheet(configuration, "/some/where/anlage.tml", QDate(2026, 12, 7));
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                     : QString();
}

} // namespace

class TestSiteSheet : public QObject
{
    Q_OBJECT

private slots:
    void pdfText_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("attendee");
        // The master's text of its redirect option, the option only the master
        // has, the rows beside a drawing of the switches, the note for an address
        // they cannot set, the line of attendees without values, page and date;
        // the options of the status bits 0x04 and 0x08.
        QTest::addColumn<QStringList>("words");

        QTest::newRow("German") << QString("vxasoft_de_DE") << QString("Teilnehmer %1")
                                << QStringList { "Alle Teilnehmer auf Master umleiten",
                                       "Wahl ohne warten", "oben Mitte unten", "nicht einstellbar",
                                       "Ohne Eintrag: Teilnehmer 7", "Seite 2 von 2",
                                       "Stand: 07.12.2026", "Rufsignalisierung AUS",
                                       "Rufweiterschaltung" };
        QTest::newRow("English") << QString("vxasoft_en_EN") << QString("Attendee %1")
                                 << QStringList { "Redirect all attendees to master",
                                        "Dial without waiting", "up middle down", "cannot be set",
                                        "No entry: attendee 7", "Page 2 of 2",
                                        "As of 7 December 2026", "Call signalling OFF",
                                        "Call forwarding" };
    }

    void pdfText()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, attendee);
        QFETCH(QStringList, words);
        const QString masterText = words[0], masterOnly = words[1], rowNames = words[2],
                      unsettable = words[3], emptyLine = words[4], signallingOff = words[7],
                      callRedirect = words[8];
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");

        QTranslator translator;
        QVERIFY(translator.load(catalogue, ResourcePaths::translationDirectory()));
        QCoreApplication::installTranslator(&translator);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        QVERIFY(exampleSheet().writePdf(pdf));
        QCoreApplication::removeTranslator(&translator);
        // In the order of painting, so each entry's values follow its heading.
        const QString text = run("pdftotext", { "-raw", "-enc", "UTF-8", pdf, "-" });

        for (const QString &expected : words.mid(4) + QStringList { "anlage.tml", "45 s", "20 s" })
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(!text.contains("/some/where"));
        QCOMPARE(text.count('\f'), 2); // pages

        auto heading = [&](int entry) { return entry == 0 ? "Master" : attendee.arg(entry); };
        const QList<int> drawn { 0, 1, 2, 3, 4, 5, 6, 8, 9 };
        QList<qsizetype> starts;
        for (int entry : drawn) {
            starts << text.indexOf(heading(entry), starts.isEmpty() ? 0 : starts.last() + 1);
            QVERIFY2(starts.last() >= 0, qPrintable(heading(entry)));
        }
        starts << text.size();
        for (int i = 0; i < drawn.size(); ++i) {
            const int entry = drawn[i];
            // Only up to a page break: an entry is never split across pages.
            const QString block
                = text.mid(starts[i], starts[i + 1] - starts[i]).section('\f', 0, 0).simplified();
            const ConfigurationEntry &values = entries[entry];
            for (const QString &value :
                { values.callNumber1, values.callNumber2, QString(shown[entry]) }) {
                // On its own, not as part of a longer number or address.
                const QRegularExpression alone("(?<![0-9A-Z])" + value + "(?![0-9])");
                QVERIFY2(value.isEmpty() || block.contains(alone), qPrintable(block));
            }
            QCOMPARE(block.contains(masterText), entry == 0);
            QCOMPARE(block.contains(masterOnly), entry == 0);
            QCOMPARE(block.contains(unsettable), entry == 6);
            QCOMPARE(block.contains(rowNames), entry >= 1 && entry <= 5);
            QCOMPARE(block.contains(signallingOff), bool(values.statusByte & 0x04));
            QCOMPARE(block.contains(callRedirect), bool(values.statusByte & 0x08));
        }
        // An attendee without any value appears only in the common line.
        QCOMPARE(text.count(heading(7)), emptyLine.count(heading(7)));
    }

    void firstPage()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        const QString base = QCoreApplication::applicationDirPath() + "/site-sheet"; // to look at
        QVERIFY(exampleSheet().writePdf(base + ".pdf"));
        run("pdftoppm", { "-png", "-r", "110", "-singlefile", base + ".pdf", base });
        const QImage page(base + ".png");
        QVERIFY(!page.isNull());
        QCOMPARE(qRound(297.0 * page.width() / page.height()), 210);
    }

    void unwritable()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!exampleSheet().writePdf(dir.filePath("no/x.pdf"), &error) && !error.isEmpty());
    }

    void withPdfSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("without") << QString("v1.2/sheet") << QString("v1.2/sheet.pdf");
        QTest::newRow("upper case") << QString("SHEET.PDF") << QString("SHEET.PDF");
    }

    void withPdfSuffix()
    {
        QFETCH(QString, path);
        QFETCH(QString, result);
        QCOMPARE(SiteSheet::withPdfSuffix(path), result);
    }
};

int main(int argc, char *argv[])
{
    // A QGuiApplication only: the sheet must be written without widgets.
    QGuiApplication app(argc, argv);
    TestSiteSheet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sitesheet.moc"
