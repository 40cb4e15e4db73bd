#include "diagnostichighlighter.h"
#include "diagnosticwidget.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>
#include <cmath>

namespace {

// As WCAG computes it from the relative luminance.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        double sum = 0;
        for (const auto &[v, weight] :
            { std::pair(c.redF(), 0.2126), { c.greenF(), 0.7152 }, { c.blueF(), 0.0722 } })
            sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        return sum;
    };
    const auto [darker, lighter] = std::minmax({ luminance(a), luminance(b) });
    return (lighter + 0.05) / (darker + 0.05);
}

// "0+10 blue, 10+4 red" for each line, be it a block or one of several in a
// block. Anything but the pane's bold solid colours reads "?", and so does a
// colour with less contrast than 4.5 to base.
QStringList lineSpans(const QTextDocument &document, const QColor &base = Qt::white)
{
    // By hue, which every shade of a colour keeps.
    const QHash<int, QString> names { { QColor(Qt::darkRed).hslHue(), "red" },
        { QColor(Qt::darkBlue).hslHue(), "blue" }, { QColor(Qt::darkGreen).hslHue(), "green" } };
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int start = 0;
        for (const QString &line : block.text().split(QChar::LineSeparator)) {
            const int end = start + int(line.size());
            QStringList spans;
            for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
                const QTextCharFormat &f = range.format;
                const bool pane
                    = f.fontWeight() == QFont::Bold && f.foreground().style() == Qt::SolidPattern;
                const int from = qMax(range.start, start);
                const int to = qMin(range.start + range.length, end);
                if (from < to)
                    spans << QStringLiteral("%1+%2 %3")
                                 .arg(from - start)
                                 .arg(to - from)
                                 .arg(pane && contrast(f.foreground().color(), base) >= 4.5
                                         ? names.value(f.foreground().color().hslHue(), "?")
                                         : "?");
            }
            lines << spans.join(QStringLiteral(", "));
            start = end + 1;
        }
    }
    return lines;
}

// One line alone in a document, as a text view holds it.
QString spansOf(const QString &line)
{
    QTextDocument document;
    document.documentLayout(); // without a layout, a document forgets the colours
    DiagnosticHighlighter highlighter(&document);
    document.setPlainText(line);
    return lineSpans(document).join(u'|');
}

QTextEdit *contentEdit(const DiagnosticWidget &pane)
{
    return pane.findChild<QTextEdit *>(QStringLiteral("contentEdit"));
}

QStringList shownLines(const DiagnosticWidget &pane)
{
    return contentEdit(pane)->toPlainText().split(u'\n');
}

} // namespace

// The expected colours are those the adapter's patterns give under QRegExp:
// leftmost match, '.' takes anything, '^' and '$' only at the ends of the line,
// \w and \b by QChar (letters, digits, marks and '_'), \s by QChar::isSpace.
class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void readableOnAnyBase_data();
    void readableOnAnyBase();
    void clearContent_data();
    void clearContent();
    void matchesWholeHistory_data();
    void matchesWholeHistory();
    void keepsNewestLines();
    void scrollsToNewestText();
    void retranslates();
};

void TestDiagnostics::colours_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("spans");

    // clang-format off
    QTest::newRow("call head, letter after colon") << "Ruf fuer Teilnehmer 12:Anruf" << "0+23 blue, 23+5 red";
    QTest::newRow("call head, space after colon") << "Ruf fuer Teilnehmer 12: Anruf" << "22+7 red";
    QTest::newRow("call head, three digits") << "Ruf fuer Teilnehmer 123:Anruf" << "23+6 red";
    QTest::newRow("house call, three characters") << "Hausruf 123:x" << "11+2 red";
    QTest::newRow("house call, space as character") << "Hausruf  :x" << "0+10 blue, 10+1 red";
    QTest::newRow("house call, colon as character") << "Hausruf 1::x" << "0+11 blue, 11+1 red";
    QTest::newRow("two heads in a line") << "Hausruf 1:Hausruf 2:Tuer" << "0+20 blue, 20+4 red";
    QTest::newRow("indented head") << "  Hausruf 1:Tuer" << "2+10 blue, 12+4 red";
    QTest::newRow("head glued to a word") << "XHausruf 1:Tuer" << "10+5 red";
    QTest::newRow("head in lower case") << "hausruf 1:Tuer" << "9+5 red";
    QTest::newRow("red from the first colon") << "Zeit: 12:30" << "4+7 red";
    QTest::newRow("colon at end only") << "Status:" << "";
    QTest::newRow("plain report") << "Teilnehmer 3 hat abgehoben" << "0+26 green";
    QTest::newRow("lines of one block, each on its own")
        << QStringLiteral("Hausruf 1:Tuer\u2028Ruf beendet.\u2028a b") << "0+10 blue, 10+4 red||0+3 green";
    // clang-format on

    // The serial link hands on Latin-1: every character it can deliver on a
    // line, against Qt 4's idea of word and space characters.
    for (char16_t code = 1; code < 256; ++code) {
        const QChar c(code);
        if (c == u'\n' || c == u'\r' || c == u':')
            continue;
        const bool word = c.isLetterOrNumber() || c.isMark() || c == u'_';
        const bool report = word || c.isSpace() || QStringLiteral("-!?").contains(c);
        QTest::addRow("head, then U+%04X", code) << QStringLiteral("Hausruf 1:") + c + u'x'
                                                 << (word ? "0+10 blue, 10+2 red" : "9+3 red");
        QTest::addRow("report with U+%04X", code)
            << QStringLiteral("Tür") + c << (report ? "0+4 green" : "");
    }
}

void TestDiagnostics::colours()
{
    QFETCH(QString, line);
    QFETCH(QString, spans);
    QCOMPARE(spansOf(line), spans);
}

void TestDiagnostics::readableOnAnyBase_data()
{
    QTest::addColumn<QColor>("base");
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("light grey") << QColor(0xe0, 0xe0, 0xe0);
    QTest::newRow("dark grey") << QColor(0x2d, 0x2d, 0x2d);
    QTest::newRow("black") << QColor(Qt::black);
}

// The colours keep their meaning in any scheme, also for text shown before
// the scheme changed.
void TestDiagnostics::readableOnAnyBase()
{
    QFETCH(QColor, base);

    DiagnosticWidget pane;
    pane.addContent("Ruf fuer Teilnehmer 12:Anruf\r\nTeilnehmer 3 hat abgehoben");
    QPalette palette = pane.palette();
    palette.setColor(QPalette::Base, base);
    pane.setPalette(palette);
    QCOMPARE(lineSpans(*contentEdit(pane)->document(), base),
        (QStringList { "0+23 blue, 23+5 red", "0+26 green" }));
}

void TestDiagnostics::clearContent_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after"); // if any: after a click on the clear button
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("firstLineSpans");

    using L = QStringList;
    // clang-format off
    QTest::newRow("only the new text") << L { "Hausruf 1:Tuer\r\n" } << L { "Hausruf 2:Tor" } << L { "Hausruf 2:Tor" } << "0+10 blue, 10+3 red";
    QTest::newRow("a CR before keeps the next LF") << L { "Hausruf 1:Tuer\r" } << L { "\nb" } << L { "", "b" } << "";
    QTest::newRow("no clearing: CR LF torn around an empty message") << L { "a\r", "", "\nb\rc" } << L {} << L { "a", "b", "c" } << "0+1 green";
    // clang-format on
}

void TestDiagnostics::clearContent()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, lines);
    QFETCH(QString, firstLineSpans);

    DiagnosticWidget pane;
    pane.show();
    for (const QString &message : std::as_const(before))
        pane.addContent(message);
    if (!after.isEmpty())
        QTest::mouseClick(
            pane.findChild<QPushButton *>(QStringLiteral("buttonClear")), Qt::LeftButton);
    for (const QString &message : std::as_const(after))
        pane.addContent(message);

    QCOMPARE(shownLines(pane), lines);
    QCOMPARE(lineSpans(*contentEdit(pane)->document()).first(), firstLineSpans);
}

void TestDiagnostics::matchesWholeHistory_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("longestMessage");

    QTest::newRow("single characters") << 1u << 18 << 1;
    QTest::newRow("short messages") << 2u << 80 << 8;
    QTest::newRow("up to three lines") << 4u << 600 << 70;
}

// Lines of every colour and line end, cut anywhere: shown and coloured exactly
// as the whole history set as plain text.
void TestDiagnostics::matchesWholeHistory()
{
    QFETCH(quint32, seed);
    QFETCH(int, lines);
    QFETCH(int, longestMessage);

    const QStringList reports = { "Hausruf 12:Teilnehmer 4", "Hausruf 3: besetzt",
        "Ruf fuer Teilnehmer 7:0301234567", "Notrufbefehl von Teilnehmer 2", "Störung auf dem Bus?",
        "Befehl empfangen: 17", "Ruf beendet.", "Status:", "" };
    const QStringList lineEnds = { "\r\n", "\r\n", "\n", "\r" };
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < lines; ++i)
        text += reports.at(random.bounded(reports.size()))
            + lineEnds.at(random.bounded(lineEnds.size()));

    DiagnosticWidget pane;
    QTextDocument whole;
    whole.documentLayout(); // as in a text view: without a layout, no colours
    DiagnosticHighlighter highlighter(&whole);
    QString history;
    for (qsizetype at = 0; at < text.size();) {
        const QString message = text.mid(at, random.bounded(1, longestMessage + 1));
        at += message.size();
        pane.addContent(message);
        history += QString(message).replace("Notrufbefehl", "Conciergebefehl");
        whole.setPlainText(history);
        QCOMPARE(contentEdit(pane)->toPlainText(), whole.toPlainText());
        QCOMPARE(lineSpans(*contentEdit(pane)->document()), lineSpans(whole));
    }
}

// Only the newest lines are kept, all of them up to the limit.
void TestDiagnostics::keepsNewestLines()
{
    DiagnosticWidget pane;
    const int total = DiagnosticWidget::MaximumLines + 100;
    QString message;
    for (int line = 1; line <= total; ++line) {
        message += QStringLiteral("Zeile %1\r\n").arg(line);
        if (line % 1000 == 0 || line == total)
            pane.addContent(std::exchange(message, {}));
    }

    const QStringList lines = shownLines(pane);
    QVERIFY(lines.size() <= DiagnosticWidget::MaximumLines);
    QVERIFY(lines.size() > DiagnosticWidget::MaximumLines * 49 / 50);
    const int first = total + 2 - int(lines.size());
    for (int i = 0; i < lines.size() - 1; ++i)
        QCOMPARE(lines.at(i), QStringLiteral("Zeile %1").arg(first + i));
    QCOMPARE(lines.last(), QString());
}

void TestDiagnostics::scrollsToNewestText()
{
    DiagnosticWidget pane;
    pane.resize(400, 300);
    pane.show();
    QTextEdit *edit = contentEdit(pane);
    const auto newestVisible = [edit] {
        return edit->viewport()->rect().contains(
            edit->cursorRect(QTextCursor(edit->document()->lastBlock())));
    };
    for (int line = 1; line <= 60; ++line) {
        pane.addContent(QStringLiteral("Ruf fuer Teilnehmer %1:Anruf\r\n").arg(line % 10));
        QVERIFY2(newestVisible(), qPrintable(QString::number(line)));
    }
    edit->verticalScrollBar()->setValue(0);
    QVERIFY(!newestVisible());
    pane.addContent(QStringLiteral(" weiter"));
    QVERIFY(newestVisible());
}

void TestDiagnostics::retranslates()
{
    DiagnosticWidget pane;
    const auto *clear = pane.findChild<QPushButton *>(QStringLiteral("buttonClear"));
    const auto texts = [&] { return QStringList { clear->text(), pane.windowTitle() }; };
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("translation/vxasoft_en_EN.qm")));
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(texts(), (QStringList { "&Clear history", "VX-Adapter diagnostics" }));
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(texts(), (QStringList { "Verlauf löschen", "VX-Adapter Diagnose" }));
}

QTEST_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
