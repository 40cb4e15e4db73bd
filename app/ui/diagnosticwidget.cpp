#include "diagnosticwidget.h"
#include "ui_diagnosticwidget.h"

#include "diagnostichighlighter.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QtMath>

namespace {

// When the oldest block goes, QTextEdit's layout moves every other one; so
// finished lines are gathered this many to a block, apart by line separators.
constexpr int LinesPerBlock = 20;
// That move costs the same however many go, so lines go a few hundred at once.
constexpr int LinesDroppedAtOnce = 500;
// However small the window, the pane shows this many lines of the adapter's.
constexpr int MinimumShownLines = 4;

} // namespace

DiagnosticWidget::DiagnosticWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DiagnosticWidget>())
{
    m_ui->setupUi(this);
    QTextEdit *edit = m_ui->contentEdit;
    edit->setMinimumHeight(MinimumShownLines * edit->fontMetrics().lineSpacing()
        + 2 * (edit->frameWidth() + qCeil(edit->document()->documentMargin())));
    m_highlighter = new DiagnosticHighlighter(m_ui->contentEdit->document());
    m_highlighter->setBackground(palette().color(QPalette::Base));
    connect(m_ui->buttonClear, &QPushButton::clicked, this, &DiagnosticWidget::clearContent);
}

DiagnosticWidget::~DiagnosticWidget() = default;

// The adapter chats all day: only the new text is laid out and highlighted,
// and the oldest lines go a block at a time, so a message costs the same
// however long the history has grown.
void DiagnosticWidget::addContent(const QString &content)
{
    QString text = content;
    text.replace(QLatin1String("Notrufbefehl"), QLatin1String("Conciergebefehl"));
    if (!text.isEmpty()) {
        const bool tornLineEnd = m_endsWithCarriageReturn && text.startsWith(QLatin1Char('\n'));
        m_endsWithCarriageReturn = text.endsWith(QLatin1Char('\r'));

        // New lines come in as blocks of their own, cheap to append, and are
        // gathered as soon as there are enough. Line ends as QTextDocument
        // reads them: CR LF, CR or LF.
        QTextCursor cursor(m_ui->contentEdit->document());
        cursor.movePosition(QTextCursor::End);
        qsizetype from = tornLineEnd ? 1 : 0;
        for (qsizetype i = from; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\r') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            else if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                continue;
            if (++m_looseLines < LinesPerBlock)
                continue;
            cursor.insertText(text.mid(from, i + 1 - from));
            from = i + 1;
            gatherLooseLines();
        }
        cursor.insertText(text.mid(from));
        dropOldestLines();
    }

    QScrollBar *scrollBar = m_ui->contentEdit->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void DiagnosticWidget::gatherLooseLines()
{
    QTextDocument *document = m_ui->contentEdit->document();
    // The last block is the line still being written.
    QTextCursor cursor(document->findBlockByNumber(document->blockCount() - 1 - m_looseLines));
    cursor.beginEditBlock();
    for (int line = 1; line < LinesPerBlock; ++line) {
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.deleteChar();
        cursor.insertText(QString(QChar::LineSeparator));
    }
    cursor.endEditBlock();
    m_looseLines -= LinesPerBlock;
}

void DiagnosticWidget::dropOldestLines()
{
    QTextDocument *document = m_ui->contentEdit->document();
    const int gathered = document->blockCount() - 1 - m_looseLines;
    const int excess = gathered * LinesPerBlock + m_looseLines + 1 - MaximumLines;
    if (excess <= 0)
        return;
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor,
        (excess + LinesDroppedAtOnce) / LinesPerBlock);
    cursor.removeSelectedText();
}

void DiagnosticWidget::clearContent()
{
    m_endsWithCarriageReturn = false;
    m_looseLines = 0;
    m_ui->contentEdit->clear();
}

void DiagnosticWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        return;
    }
    // The text view takes the pane's palette, but only after this event.
    if (event->type() == QEvent::PaletteChange)
        m_highlighter->setBackground(palette().color(QPalette::Base));
    QWidget::changeEvent(event);
}
