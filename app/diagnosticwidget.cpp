#include "diagnosticwidget.h"

#include "diagnostichighlighter.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>

DiagnosticWidget::DiagnosticWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    highlighter = new DiagnosticHighlighter(contentEdit->document());
    connect(buttonClear, &QPushButton::clicked, this, &DiagnosticWidget::clearContent);
}

// The adapter chats all day: only the new text is laid out and highlighted,
// so a message costs the same however long the history has grown.
void DiagnosticWidget::addContent(const QString &content)
{
    QString text = content;
    text.replace(QLatin1String("Notrufbefehl"), QLatin1String("Conciergebefehl"));
    if (!text.isEmpty()) {
        const bool tornLineEnd = endsWithCarriageReturn && text.startsWith(QLatin1Char('\n'));
        endsWithCarriageReturn = text.endsWith(QLatin1Char('\r'));

        QTextCursor cursor(contentEdit->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(tornLineEnd ? text.mid(1) : text);
    }

    QScrollBar *scrollBar = contentEdit->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void DiagnosticWidget::clearContent()
{
    endsWithCarriageReturn = false;
    contentEdit->clear();
}

void DiagnosticWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    else
        QWidget::changeEvent(event);
}
