#include "diagnostichighlighter.h"
#include "highlightspans.h"

#include <QTest>
#include <QTextDocument>

// The expected stretches are those the adapter's patterns give under QRegExp:
// leftmost match, '.' takes anything, '^' and '$' only at the ends of the line,
// \w and \b by QChar (letters, digits, marks and '_'), \s by QChar::isSpace.
class TestDiagnosticHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void latin1Characters_data();
    void latin1Characters();

private:
    static QString spansOf(const QString &line);
};

QString TestDiagnosticHighlighter::spansOf(const QString &line)
{
    QTextDocument document;
    // As in a text view: without a layout the document forgets the colours.
    document.documentLayout();
    DiagnosticHighlighter highlighter(&document);
    document.setPlainText(line);
    return lineSpans(document).join(u'|');
}

void TestDiagnosticHighlighter::colours_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("spans");

    // clang-format off
    QTest::newRow("call head, letter after colon") << "Ruf fuer Teilnehmer 12:Anruf" << "0+23 blue, 23+5 red";
    QTest::newRow("call head, digit after colon") << "Ruf fuer Teilnehmer 1:2" << "0+22 blue, 22+1 red";
    QTest::newRow("call head, space after colon") << "Ruf fuer Teilnehmer 12: Anruf" << "22+7 red";
    QTest::newRow("call head, three digits") << "Ruf fuer Teilnehmer 123:Anruf" << "23+6 red";
    QTest::newRow("house call, one character") << "Hausruf 5:Tuer" << "0+10 blue, 10+4 red";
    QTest::newRow("house call, two characters") << "Hausruf 15:Tuer 2" << "0+11 blue, 11+6 red";
    QTest::newRow("house call, three characters") << "Hausruf 123:x" << "11+2 red";
    QTest::newRow("house call, space as character") << "Hausruf  :x" << "0+10 blue, 10+1 red";
    QTest::newRow("house call, colon as character") << "Hausruf 1::x" << "0+11 blue, 11+1 red";
    QTest::newRow("house call, umlaut after colon") << "Hausruf 1:Ärger" << "0+10 blue, 10+5 red";
    QTest::newRow("house call, hyphen after colon") << "Hausruf 1:-" << "9+2 red";
    QTest::newRow("two heads in a line") << "Hausruf 1:Hausruf 2:Tuer" << "0+20 blue, 20+4 red";
    QTest::newRow("indented head") << "  Hausruf 1:Tuer" << "2+10 blue, 12+4 red";
    QTest::newRow("head glued to a word") << "XHausruf 1:Tuer" << "10+5 red";
    QTest::newRow("head in lower case") << "hausruf 1:Tuer" << "9+5 red";
    QTest::newRow("red from the first colon") << "Zeit: 12:30" << "4+7 red";
    QTest::newRow("colon at end only") << "Status:" << "";
    QTest::newRow("plain report") << "Teilnehmer 3 hat abgehoben" << "0+26 green";
    QTest::newRow("umlauts and question mark") << "Störung auf dem Bus?" << "0+20 green";
    QTest::newRow("hyphen, exclamation mark, tab") << "Wahl ohne Warten - aktiv!\t" << "0+26 green";
    QTest::newRow("blanks only") << "   " << "0+3 green";
    QTest::newRow("full stop") << "Ruf beendet." << "";
    QTest::newRow("lines of one block, each on its own")
        << QStringLiteral("Hausruf 1:Tuer\u2028Ruf beendet.\u2028a b") << "0+10 blue, 10+4 red||0+3 green";
    // clang-format on
}

void TestDiagnosticHighlighter::colours()
{
    QFETCH(QString, line);
    QFETCH(QString, spans);
    QCOMPARE(spansOf(line), spans);
}

// The serial link hands on Latin-1, so every character it can deliver on a
// line is checked against Qt 4's idea of word and space characters.
void TestDiagnosticHighlighter::latin1Characters_data()
{
    QTest::addColumn<QChar>("character");
    for (int code = 1; code < 256; ++code) {
        if (code != '\n' && code != '\r' && code != ':')
            QTest::addRow("U+%04X", code) << QChar(code);
    }
}

void TestDiagnosticHighlighter::latin1Characters()
{
    QFETCH(QChar, character);
    const bool word = character.isLetterOrNumber() || character.isMark() || character == u'_';
    const bool report = word || character.isSpace() || QStringLiteral("-!?").contains(character);

    QCOMPARE(spansOf(QStringLiteral("Hausruf 1:") + character + u'x'),
        word ? QStringLiteral("0+10 blue, 10+2 red") : QStringLiteral("9+3 red"));
    QCOMPARE(spansOf(QStringLiteral("Tür") + character),
        report ? QStringLiteral("0+4 green") : QString());
}

QTEST_MAIN(TestDiagnosticHighlighter)
#include "tst_diagnostichighlighter.moc"
