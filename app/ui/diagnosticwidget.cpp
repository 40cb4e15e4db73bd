#include "diagnosticwidget.h"
#include "ui_diagnosticwidget.h"

#include "diagnostichighlighter.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>

DiagnosticWidget::DiagnosticWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DiagnosticWidget>())
{
    m_ui->setupUi(this);
    m_highlighter = new DiagnosticHighlighter(m_ui->contentEdit->document());
    connect(m_ui->buttonClear, &QPushButton::clicked, this, &DiagnosticWidget::clearContent);
}

DiagnosticWidget::~DiagnosticWidget() = default;

// The adapter chats all day: only the new text is laid out and highlighted,
// so a message costs the same however long the history has grown.
void DiagnosticWidget::addContent(const QString &content)
{
    QString text = content;
    text.replace(QLatin1String("Notrufbefehl"), QLatin1String("Conciergebefehl"));
    if (!text.isEmpty()) {
        const bool tornLineEnd = m_endsWithCarriageReturn && text.startsWith(QLatin1Char('\n'));
        m_endsWithCarriageReturn = text.endsWith(QLatin1Char('\r'));

        QTextCursor cursor(m_ui->contentEdit->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(tornLineEnd ? text.mid(1) : text);
    }

    QScrollBar *scrollBar = m_ui->contentEdit->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void DiagnosticWidget::clearContent()
{
    m_endsWithCarriageReturn = false;
    m_ui->contentEdit->clear();
}

void DiagnosticWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    else
        QWidget::changeEvent(event);
}
