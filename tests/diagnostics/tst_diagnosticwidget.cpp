#include "diagnostichighlighter.h"
#include "diagnosticwidget.h"
#include "highlightspans.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>

namespace {

QTextEdit *contentEdit(const DiagnosticWidget &pane)
{
    return pane.findChild<QTextEdit *>(QStringLiteral("contentEdit"));
}

QStringList blockTexts(const QTextDocument *document)
{
    QStringList texts;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The straightforward way: the whole history set anew on every message.
class ResetDocument
{
public:
    // As in a text view: without a layout the document forgets the colours.
    ResetDocument() { document.documentLayout(); }

    void addContent(QString content)
    {
        history
            += content.replace(QStringLiteral("Notrufbefehl"), QStringLiteral("Conciergebefehl"));
        document.setPlainText(history);
    }

    QTextDocument document;

private:
    DiagnosticHighlighter highlighter { &document };
    QString history;
};

// Lines of every colour, in every line ending the adapter may use.
QString adapterText(QRandomGenerator &random, int lines)
{
    static const QStringList reports = {
        QStringLiteral("Hausruf 12:Teilnehmer 4"),
        QStringLiteral("Hausruf 3: besetzt"),
        QStringLiteral("Ruf fuer Teilnehmer 7:0301234567"),
        QStringLiteral("Ruf fuer Teilnehmer 123:Anruf"),
        QStringLiteral("Notrufbefehl von Teilnehmer 2"),
        QStringLiteral("Störung auf dem Bus?"),
        QStringLiteral("Wahl ohne Warten - aktiv!"),
        QStringLiteral("Befehl empfangen: 17"),
        QStringLiteral("Ruf beendet."),
        QStringLiteral("Status:"),
        QString(),
    };
    static const QStringList lineEnds = { QStringLiteral("\r\n"), QStringLiteral("\r\n"),
        QStringLiteral("\n"), QStringLiteral("\r") };
    QString text;
    for (int i = 0; i < lines; ++i)
        text += reports.at(random.bounded(reports.size()))
            + lineEnds.at(random.bounded(lineEnds.size()));
    return text;
}

} // namespace

class TestDiagnosticWidget : public QObject
{
    Q_OBJECT

private slots:
    void addContent_data();
    void addContent();
    void clearContent_data();
    void clearContent();
    void matchesResetHistory_data();
    void matchesResetHistory();
    void scrollsToNewestText();
    void retranslates();
};

void TestDiagnosticWidget::addContent_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("firstLineSpans");

    QTest::newRow("pieces joined")
        << QStringList { "Ruf fuer Teil", "nehmer 1", "2:Anruf\r\n" }
        << QStringList { "Ruf fuer Teilnehmer 12:Anruf", "" } << "0+23 blue, 23+5 red";
    QTest::newRow("green line turns red when its colon arrives")
        << QStringList { "Befehl empfangen", ": 17\r\n" }
        << QStringList { "Befehl empfangen: 17", "" } << "16+4 red";
    QTest::newRow("Notrufbefehl replaced")
        << QStringList { "Notrufbefehl von Teilnehmer 3\r\n" }
        << QStringList { "Conciergebefehl von Teilnehmer 3", "" } << "0+32 green";
    QTest::newRow("every Notrufbefehl replaced")
        << QStringList { "Notrufbefehl:Notrufbefehl" }
        << QStringList { "Conciergebefehl:Conciergebefehl" } << "15+16 red";
    QTest::newRow("CR LF torn between batches")
        << QStringList { "Hausruf 1:Tuer\r", "\nTeilnehmer 2 hat abgehoben\r\n" }
        << QStringList { "Hausruf 1:Tuer", "Teilnehmer 2 hat abgehoben", "" }
        << "0+10 blue, 10+4 red";
    QTest::newRow("CR LF torn around an empty batch")
        << QStringList { "a\r", "", "\nb" } << QStringList { "a", "b" } << "0+1 green";
    QTest::newRow("blank lines kept")
        << QStringList { "a\r\n\r\n", "\nb" } << QStringList { "a", "", "", "b" } << "0+1 green";
    QTest::newRow("lone CR ends a line")
        << QStringList { "a\rb", "\r", "\r\n" } << QStringList { "a", "b", "", "" } << "0+1 green";
}

void TestDiagnosticWidget::addContent()
{
    QFETCH(QStringList, messages);
    QFETCH(QStringList, lines);
    QFETCH(QString, firstLineSpans);

    DiagnosticWidget pane;
    for (const QString &message : std::as_const(messages))
        pane.addContent(message);

    const QTextDocument *document = contentEdit(pane)->document();
    QCOMPARE(blockTexts(document), lines);
    QCOMPARE(highlightSpans(document->firstBlock()), firstLineSpans);
}

void TestDiagnosticWidget::clearContent_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("firstLineSpans");

    QTest::newRow("nothing after clearing") << QStringList { "Hausruf 1:Tuer\r\n", "Teilnehmer 2" }
                                            << QStringList {} << QStringList { "" } << "";
    QTest::newRow("only the new text")
        << QStringList { "Hausruf 1:Tuer\r\n", "Teilnehmer 2" }
        << QStringList { "Ruf fuer Teilnehmer 12:Anruf\r\n" }
        << QStringList { "Ruf fuer Teilnehmer 12:Anruf", "" } << "0+23 blue, 23+5 red";
    QTest::newRow("CR before clearing does not swallow the next LF")
        << QStringList { "Hausruf 1:Tuer\r" } << QStringList { "\nTeilnehmer 2" }
        << QStringList { "", "Teilnehmer 2" } << "";
}

void TestDiagnosticWidget::clearContent()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, lines);
    QFETCH(QString, firstLineSpans);

    DiagnosticWidget pane;
    pane.show();
    for (const QString &message : std::as_const(before))
        pane.addContent(message);
    QTest::mouseClick(pane.findChild<QPushButton *>(QStringLiteral("buttonClear")), Qt::LeftButton);
    for (const QString &message : std::as_const(after))
        pane.addContent(message);

    const QTextDocument *document = contentEdit(pane)->document();
    QCOMPARE(blockTexts(document), lines);
    QCOMPARE(highlightSpans(document->firstBlock()), firstLineSpans);
}

void TestDiagnosticWidget::matchesResetHistory_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("longestBatch");

    QTest::newRow("single characters") << 1u << 18 << 1;
    QTest::newRow("short batches") << 2u << 80 << 8;
    QTest::newRow("about a line") << 3u << 360 << 40;
    QTest::newRow("up to three lines") << 4u << 600 << 70;
}

// Appending must show exactly what setting the whole history would show: the
// same lines and the same colours on the same characters.
void TestDiagnosticWidget::matchesResetHistory()
{
    QFETCH(quint32, seed);
    QFETCH(int, lines);
    QFETCH(int, longestBatch);

    QRandomGenerator random(seed);
    const QString text = adapterText(random, lines);
    DiagnosticWidget pane;
    const QTextDocument *shown = contentEdit(pane)->document();
    ResetDocument reference;

    int messages = 0;
    for (qsizetype at = 0; at < text.size(); ++messages) {
        const QString batch = text.mid(at, random.bounded(1, longestBatch + 1));
        at += batch.size();
        pane.addContent(batch);
        reference.addContent(batch);

        QCOMPARE(shown->toPlainText(), reference.document.toPlainText());
        QCOMPARE(shown->blockCount(), reference.document.blockCount());
        QTextBlock expected = reference.document.begin();
        for (QTextBlock block = shown->begin(); block.isValid(); block = block.next()) {
            QVERIFY2(block.layout()->formats() == expected.layout()->formats(),
                qPrintable(
                    QStringLiteral("message %1, line %2: \"%3\" shows %4, not %5")
                        .arg(messages)
                        .arg(block.blockNumber())
                        .arg(block.text(), highlightSpans(block), highlightSpans(expected))));
            expected = expected.next();
        }
    }
    QVERIFY2(messages >= 300, qPrintable(QString::number(messages)));
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
        end.movePosition(QTextCursor::StartOfBlock);
        return edit->viewport()->rect().contains(edit->cursorRect(end));
    };

    for (int line = 1; line <= 60; ++line) {
        pane.addContent(QStringLiteral("Ruf fuer Teilnehmer %1:Anruf\r\nZeile %1").arg(line % 10));
        QVERIFY2(newestVisible(), qPrintable(QStringLiteral("after line %1").arg(line)));
    }
    QVERIFY(edit->verticalScrollBar()->maximum() > 0);

    edit->verticalScrollBar()->setValue(0);
    QVERIFY(!newestVisible());
    pane.addContent(QStringLiteral(" weiter\r\n"));
    QVERIFY(newestVisible());
}

class EnglishTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DiagnosticWidget") != 0)
            return {};
        const QString source = QString::fromUtf8(sourceText);
        if (source == QStringLiteral("VX-Adapter Diagnose"))
            return QStringLiteral("VX-Adapter diagnostics");
        if (source == QStringLiteral("Verlauf löschen"))
            return QStringLiteral("Clear history");
        return {};
    }
};

void TestDiagnosticWidget::retranslates()
{
    DiagnosticWidget pane;
    const QPushButton *clear = pane.findChild<QPushButton *>(QStringLiteral("buttonClear"));
    QCOMPARE(clear->text(), QStringLiteral("Verlauf löschen"));

    EnglishTranslator english;
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents();
    const QString englishButton = clear->text();
    const QString englishTitle = pane.windowTitle();
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents();

    QCOMPARE(englishButton, QStringLiteral("Clear history"));
    QCOMPARE(englishTitle, QStringLiteral("VX-Adapter diagnostics"));
    QCOMPARE(clear->text(), QStringLiteral("Verlauf löschen"));
    QCOMPARE(pane.windowTitle(), QStringLiteral("VX-Adapter Diagnose"));
}

QTEST_MAIN(TestDiagnosticWidget)
#include "tst_diagnosticwidget.moc"
