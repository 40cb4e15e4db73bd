#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours the adapter's own text lines: call heads blue, what follows a colon
// red, plain report lines green.
class DiagnosticHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit DiagnosticHighlighter(QTextDocument *parent);

protected:
    void highlightBlock(const QString &text) override;

private:
    void highlightLine(const QString &line, int offset);

    struct HighlightRule
    {
        QRegularExpression pattern;
        QTextCharFormat format;
    };

    // Applied in order; a later rule wins where matches overlap.
    QList<HighlightRule> rules;
};
