#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>

// The coloured stretches of one line as "start+length colour", e.g.
// "0+10 blue, 10+4 red". Anything but the pane's bold solid colours reads "?".
inline QString highlightSpans(const QTextBlock &block)
{
    QStringList spans;
    const QList<QTextLayout::FormatRange> ranges = block.layout()->formats();
    for (const QTextLayout::FormatRange &range : ranges) {
        QString colour = QStringLiteral("?");
        const QBrush foreground = range.format.foreground();
        if (range.format.fontWeight() == QFont::Bold && foreground.style() == Qt::SolidPattern) {
            if (foreground.color() == QColor(Qt::darkRed))
                colour = QStringLiteral("red");
            else if (foreground.color() == QColor(Qt::darkBlue))
                colour = QStringLiteral("blue");
            else if (foreground.color() == QColor(Qt::darkGreen))
                colour = QStringLiteral("green");
        }
        spans << QStringLiteral("%1+%2 %3").arg(range.start).arg(range.length).arg(colour);
    }
    return spans.join(QStringLiteral(", "));
}
