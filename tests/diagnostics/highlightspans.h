#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// The coloured stretches of every line of a document as "start+length colour",
// e.g. "0+10 blue, 10+4 red", one entry per line, whether the lines stand in
// blocks of their own or several to a block. Anything but the pane's bold
// solid colours reads "?".
inline QStringList lineSpans(const QTextDocument &document)
{
    const auto colour = [](const QTextCharFormat &format) {
        const QBrush foreground = format.foreground();
        if (format.fontWeight() != QFont::Bold || foreground.style() != Qt::SolidPattern)
            return QStringLiteral("?");
        const QColor c = foreground.color();
        return c == QColor(Qt::darkRed)  ? QStringLiteral("red")
            : c == QColor(Qt::darkBlue)  ? QStringLiteral("blue")
            : c == QColor(Qt::darkGreen) ? QStringLiteral("green")
                                         : QStringLiteral("?");
    };
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int start = 0;
        for (const QString &line : block.text().split(QChar::LineSeparator)) {
            const int end = start + int(line.size());
            QStringList spans;
            for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
                const int from = qMax(range.start, start);
                const int to = qMin(range.start + range.length, end);
                if (from < to)
                    spans << QStringLiteral("%1+%2 %3")
                                 .arg(from - start)
                                 .arg(to - from)
                                 .arg(colour(range.format));
            }
            lines << spans.join(QStringLiteral(", "));
            start = end + 1;
        }
    }
    return lines;
}
