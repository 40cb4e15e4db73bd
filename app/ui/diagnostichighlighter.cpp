#include "diagnostichighlighter.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// As WCAG asks of normal text.
constexpr double minimumContrast = 4.5;
constexpr float lightnessStep = 0.025f;

// WCAG's relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear
        = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const auto [darker, lighter] = std::minmax({ luminance(a), luminance(b) });
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour's hue in a shade that reads on base: as it is on a light
// background, mirrored in lightness on a dark one, then moved away from the
// background until the contrast holds.
QColor readableShade(const QColor &colour, const QColor &base)
{
    const bool darkBase = contrast(base, Qt::white) > contrast(base, Qt::black);
    float hue, saturation, lightness;
    colour.getHslF(&hue, &saturation, &lightness);
    QColor shade = colour;
    if (darkBase) {
        lightness = 1.0f - lightness;
        shade = QColor::fromHslF(hue, saturation, lightness);
    }
    while (contrast(shade, base) < minimumContrast && lightness > 0.0f && lightness < 1.0f) {
        lightness = std::clamp(lightness + (darkBase ? lightnessStep : -lightnessStep), 0.0f, 1.0f);
        shade = QColor::fromHslF(hue, saturation, lightness);
    }
    return shade;
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
    rules = {
        { qRegExpLike(QStringLiteral("(:).+\\z")), Qt::darkRed, {} },
        { qRegExpLike(QStringLiteral("\\bHausruf .{1,2}:\\b")), Qt::darkBlue, {} },
        { qRegExpLike(QStringLiteral("\\bRuf fuer Teilnehmer .{1,2}:\\b")), Qt::darkBlue, {} },
        // A hyphen after \w cannot open a range in PCRE2, so it stands last.
        { qRegExpLike(QStringLiteral("^[\\s\\w!?-]+\\z")), Qt::darkGreen, {} },
    };
    setBackground(QGuiApplication::palette().color(QPalette::Base));
}

void DiagnosticHighlighter::setBackground(const QColor &base)
{
    bool changed = false;
    for (HighlightRule &rule : rules) {
        const QColor shade = readableShade(rule.colour, base);
        changed = changed || rule.format.foreground().color() != shade;
        rule.format.setFontWeight(QFont::Bold);
        rule.format.setForeground(shade);
    }
    // Colouring a long history again takes a while.
    if (changed)
        rehighlight();
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
