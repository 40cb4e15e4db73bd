#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours the adapter's own text lines: call heads blue, what follows a colon
// red, plain report lines green; in shades that read on the pane's background.
class DiagnosticHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    // Shades for the application palette's base colour, until setBackground().
    explicit DiagnosticHighlighter(QTextDocument *parent);

    // Picks the shades for this background, with a contrast of at least 4.5:1
    // (lighter ones on a dark background), and colours the text again.
    void setBackground(const QColor &base);

protected:
    void highlightBlock(const QString &text) override;

private:
    void highlightLine(const QString &line, int offset);

    struct HighlightRule
    {
        QRegularExpression pattern;
        // The meaning: Qt's dark shade of red, blue or green.
        Qt::GlobalColor colour;
        QTextCharFormat format;
    };

    // Applied in order; a later rule wins where matches overlap.
    QList<HighlightRule> rules;
};
