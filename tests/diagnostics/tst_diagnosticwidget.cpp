#include "diagnostichighlighter.h"
#include "diagnosticwidget.h"
#include "highlightspans.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

namespace {

QTextEdit *contentEdit(const DiagnosticWidget &pane)
{
    return pane.findChild<QTextEdit *>(QStringLiteral("contentEdit"));
}

QStringList shownLines(const DiagnosticWidget &pane)
{
    return contentEdit(pane)->toPlainText().split(u'\n');
}

// Lines of every colour, in every line ending the adapter may use.
QString adapterText(QRandomGenerator &random, int lines)
{
    static const QStringList reports = { "Hausruf 12:Teilnehmer 4", "Hausruf 3: besetzt",
        "Ruf fuer Teilnehmer 7:0301234567", "Notrufbefehl von Teilnehmer 2", "Störung auf dem Bus?",
        "Befehl empfangen: 17", "Ruf beendet.", "Status:", "" };
    static const QStringList lineEnds = { "\r\n", "\r\n", "\n", "\r" };
    QString text;
    for (int i = 0; i < lines; ++i)
        text += reports.at(random.bounded(reports.size()))
            + lineEnds.at(random.bounded(lineEnds.size()));
    return text;
}

class EnglishTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "DiagnosticWidget") != 0)
            return {};
        return QString::fromUtf8(source) == QStringLiteral("Verlauf löschen")
            ? QStringLiteral("Clear history")
            : QStringLiteral("VX-Adapter diagnostics");
    }
};

} // namespace

class TestDiagnosticWidget : public QObject
{
    Q_OBJECT

private slots:
    void addContent_data();
    void addContent();
    void matchesWholeHistory_data();
    void matchesWholeHistory();
    void keepsNewestLines();
    void scrollsToNewestText();
    void retranslates();
};

void TestDiagnosticWidget::addContent_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after"); // if any: after a click on the clear button
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("firstLineSpans");

    QTest::newRow("pieces joined")
        << QStringList { "Ruf fuer Teil", "nehmer 1", "2:Anruf\r\n" } << QStringList {}
        << QStringList { "Ruf fuer Teilnehmer 12:Anruf", "" } << "0+23 blue, 23+5 red";
    QTest::newRow("every Notrufbefehl replaced")
        << QStringList { "Notrufbefehl:Notrufbefehl" } << QStringList {}
        << QStringList { "Conciergebefehl:Conciergebefehl" } << "15+16 red";
    QTest::newRow("CR LF torn around an empty batch")
        << QStringList { "a\r", "", "\nb\rc" } << QStringList {} << QStringList { "a", "b", "c" }
        << "0+1 green";
    QTest::newRow("only the new text after clearing")
        << QStringList { "Hausruf 1:Tuer\r\n" } << QStringList { "Hausruf 2:Tor" }
        << QStringList { "Hausruf 2:Tor" } << "0+10 blue, 10+3 red";
    QTest::newRow("a CR before clearing keeps the next LF")
        << QStringList { "Hausruf 1:Tuer\r" } << QStringList { "\nb" } << QStringList { "", "b" }
        << "";
}

void TestDiagnosticWidget::addContent()
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

void TestDiagnosticWidget::matchesWholeHistory_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("longestBatch");

    QTest::newRow("single characters") << 1u << 18 << 1;
    QTest::newRow("short batches") << 2u << 80 << 8;
    QTest::newRow("up to three lines") << 4u << 600 << 70;
}

// Appending must show exactly what setting the whole history as plain text
// would show: the same lines and the same colours on the same characters.
void TestDiagnosticWidget::matchesWholeHistory()
{
    QFETCH(quint32, seed);
    QFETCH(int, lines);
    QFETCH(int, longestBatch);

    QRandomGenerator random(seed);
    const QString text = adapterText(random, lines);
    DiagnosticWidget pane;
    QTextDocument whole;
    whole.documentLayout();
    DiagnosticHighlighter highlighter(&whole);
    QString history;

    for (qsizetype at = 0; at < text.size();) {
        const QString batch = text.mid(at, random.bounded(1, longestBatch + 1));
        at += batch.size();
        pane.addContent(batch);
        history += QString(batch).replace("Notrufbefehl", "Conciergebefehl");
        whole.setPlainText(history);
        QCOMPARE(contentEdit(pane)->toPlainText(), whole.toPlainText());
        QCOMPARE(lineSpans(*contentEdit(pane)->document()), lineSpans(whole));
    }
}

void TestDiagnosticWidget::keepsNewestLines()
{
    DiagnosticWidget pane;
    const int total = DiagnosticWidget::MaximumLines + 100;
    QString batch;
    for (int line = 1; line <= total; ++line) {
        batch += QStringLiteral("Zeile %1\r\n").arg(line);
        if (line % 1000 == 0 || line == total)
            pane.addContent(std::exchange(batch, {}));
    }

    const QStringList lines = shownLines(pane);
    QVERIFY2(
        lines.size() <= DiagnosticWidget::MaximumLines, qPrintable(QString::number(lines.size())));
    QVERIFY(lines.size() > DiagnosticWidget::MaximumLines * 49 / 50);
    const int first = total + 1 - int(lines.size()) + 1;
    for (int i = 0; i < lines.size() - 1; ++i)
        QCOMPARE(lines.at(i), QStringLiteral("Zeile %1").arg(first + i));
    QCOMPARE(lines.last(), QString());
}

void TestDiagnosticWidget::scrollsToNewestText()
{
    DiagnosticWidget pane;
    pane.resize(400, 300);
    pane.show();
    QTextEdit *edit = contentEdit(pane);
    const auto newestVisible = [edit] {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        return edit->viewport()->rect().contains(edit->cursorRect(end));
    };

    for (int line = 1; line <= 60; ++line) {
        pane.addContent(QStringLiteral("Ruf fuer Teilnehmer %1:Anruf\r\n").arg(line % 10));
        QVERIFY2(newestVisible(), qPrintable(QStringLiteral("after line %1").arg(line)));
    }
    edit->verticalScrollBar()->setValue(0);
    QVERIFY(!newestVisible());
    pane.addContent(QStringLiteral(" weiter"));
    QVERIFY(newestVisible());
}

void TestDiagnosticWidget::retranslates()
{
    DiagnosticWidget pane;
    const QPushButton *clear = pane.findChild<QPushButton *>(QStringLiteral("buttonClear"));
    EnglishTranslator english;
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents();
    const QStringList englishTexts { clear->text(), pane.windowTitle() };
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents();

    QCOMPARE(englishTexts, (QStringList { "Clear history", "VX-Adapter diagnostics" }));
    QCOMPARE(clear->text(), QStringLiteral("Verlauf löschen"));
    QCOMPARE(pane.windowTitle(), QStringLiteral("VX-Adapter Diagnose"));
}

QTEST_MAIN(TestDiagnosticWidget)
#include "tst_diagnosticwidget.moc"
