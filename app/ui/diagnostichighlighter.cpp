#include "diagnostichighlighter.h"

#include <QFont>

namespace {

QTextCharFormat boldFormat(Qt::GlobalColor colour)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(QBrush(colour));
    return format;
}

// The adapter's texts were written against QRegExp: its '.' also takes line
// breaks, its '$' only holds at the very end and its \w and \b know umlauts.
QRegularExpression qRegExpLike(const QString &pattern)
{
    return QRegularExpression(pattern,
        QRegularExpression::DotMatchesEverythingOption
            | QRegularExpression::UseUnicodePropertiesOption);
}

} // namespace

DiagnosticHighlighter::DiagnosticHighlighter(QTextDocument *parent)
    : QSyntaxHighlighter(parent)
{
    const QTextCharFormat valueFormat = boldFormat(Qt::darkRed);
    const QTextCharFormat callFormat = boldFormat(Qt::darkBlue);
    const QTextCharFormat reportFormat = boldFormat(Qt::darkGreen);

    rules = {
        { qRegExpLike(QStringLiteral("(:).+\\z")), valueFormat },
        { qRegExpLike(QStringLiteral("\\bHausruf .{1,2}:\\b")), callFormat },
        { qRegExpLike(QStringLiteral("\\bRuf fuer Teilnehmer .{1,2}:\\b")), callFormat },
        // A hyphen after \w cannot open a range in PCRE2, so it stands last.
        { qRegExpLike(QStringLiteral("^[\\s\\w!?-]+\\z")), reportFormat },
    };
}

// The diagnostic pane keeps several lines in one block, apart by line
// separators; the rules hold for each line on its own.
void DiagnosticHighlighter::highlightBlock(const QString &text)
{
    qsizetype start = 0;
    for (const QString &line : text.split(QChar::LineSeparator)) {
        highlightLine(line, int(start));
        start += line.size() + 1;
    }
}

void DiagnosticHighlighter::highlightLine(const QString &line, int offset)
{
    for (const HighlightRule &rule : std::as_const(rules)) {
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(line);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(
                offset + int(match.capturedStart()), int(match.capturedLength()), rule.format);
        }
    }
}
