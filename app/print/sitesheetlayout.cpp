#include "sitesheetlayout.h"

#include "configurationtext.h"

#include "dipswitchdrawing.h"
#include "kelvoaddress.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

constexpr qreal pointsPerInch = 72.0;
constexpr qreal unbounded = 1.0e6;

constexpr qreal titleSize = 18.0;
constexpr qreal nameSize = 12.5;
constexpr qreal addressSize = 17.0;
constexpr qreal numberSize = 10.5;
constexpr qreal textSize = 9.5;
constexpr qreal captionSize = 8.0;

// Columns: station with its address, call numbers and options, and the
// switches at the right edge; the options take what the page leaves.
constexpr qreal nameWidth = 118.0;
constexpr qreal labelWidth = 72.0;
constexpr qreal rowNameWidth = 36.0;
constexpr qreal columnGap = 8.0;
constexpr qreal bulletIndent = 9.0;
// Glyph widths do not scale quite linearly with the font size.
constexpr qreal shrinkMargin = 0.97;
// One switch position: 9 mm, large enough to read at arm's length.
constexpr qreal cellSize = 26.0;
constexpr int switchCount = KelvoAddress::SwitchCount;
constexpr int rowCount = 3;
constexpr qreal switchesWidth = rowNameWidth + columnGap + switchCount * cellSize;
constexpr qreal switchNumberHeight = 15.0;

constexpr qreal infoLabelWidth = 190.0;
constexpr qreal blockPadding = 8.0;
constexpr qreal lineGap = 3.0;
constexpr qreal sectionGap = 10.0;
constexpr qreal footerHeight = 20.0;

constexpr qreal thickRule = 1.0;
constexpr qreal thinRule = 0.5;
const QColor captionColor(0x55, 0x55, 0x55);
const QColor ruleColor(0xaa, 0xaa, 0xaa);

QString entryName(int entry)
{
    return entry == Configuration::Master ? SiteSheetLayout::tr("Master")
                                          : SiteSheetLayout::tr("Teilnehmer %1").arg(entry);
}

QString orDash(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("–") : value;
}

} // namespace

SiteSheetLayout::SiteSheetLayout(const Configuration &configuration, const QString &fileName,
    QDate date, const QPaintDevice &device)
    : m_configuration(configuration)
    , m_fileName(fileName)
    , m_date(date)
    , m_device(device)
    , m_scale(device.logicalDpiY() / pointsPerInch)
    , m_page(device.width() / m_scale, device.height() / m_scale)
{ }

QString SiteSheetLayout::title()
{
    return tr("Anlagenblatt VX-Adapter");
}

bool SiteSheetLayout::isEmptyAttendee(int entry) const
{
    const ConfigurationEntry &values = m_configuration.entries[entry];
    return entry != Configuration::Master && values.callNumber1.isEmpty()
        && values.callNumber2.isEmpty() && values.busAddress.isEmpty()
        && (values.statusByte & Configuration::statusMask(entry)) == 0;
}

QList<SiteSheetLayout::Page> SiteSheetLayout::pages() const
{
    Page blocks;
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
        if (!isEmptyAttendee(entry))
            blocks << entry;
    }
    if (blocks.size() < Configuration::EntryCount)
        blocks << EmptyAttendees;

    const qreal bottom = m_page.height() - footerHeight;
    QList<Page> pages { {} };
    qreal y = header(nullptr, 0.0) + columnHeadings(nullptr, 0.0);
    for (int b : blocks) {
        const qreal height = block(nullptr, b, y);
        // A block too tall for any page still gets one of its own.
        if (y + height > bottom && !pages.last().isEmpty()) {
            pages << Page();
            y = columnHeadings(nullptr, 0.0);
        }
        pages.last() << b;
        y += height;
    }
    return pages;
}

void SiteSheetLayout::paintPage(
    QPainter &painter, const Page &blocks, int page, int pageCount) const
{
    qreal y = page == 0 ? header(&painter, 0.0) : 0.0;
    y += columnHeadings(&painter, y);
    for (int b : blocks)
        y += block(&painter, b, y);
    footer(painter, page, pageCount);
}

qreal SiteSheetLayout::header(QPainter *painter, qreal top) const
{
    const qreal width = m_page.width();
    const qreal titleHeight
        = text(painter, { 0, top, width, unbounded }, font(titleSize, true), title());
    //: Date format of the sheet, see QDate::toString()
    const QString date = m_date.toString(tr("dd.MM.yyyy"));
    text(painter, { 0, top, width, titleHeight }, font(textSize), tr("Stand: %1").arg(date),
        Qt::AlignRight | Qt::AlignBottom, captionColor);

    QList<std::pair<QString, QString>> facts;
    if (!m_fileName.isEmpty())
        facts.append({ tr("Datei"), QFileInfo(m_fileName).fileName() });
    facts.append(
        { tr("Maximale Zeit der Rufsignalisierung"), tr("%1 s").arg(m_configuration.maxCallTime) });
    facts.append({ tr("Zeit bis zur Rufweiterschaltung"),
        tr("%1 s").arg(m_configuration.callRedirectTime) });

    qreal y = top + titleHeight + sectionGap;
    for (const auto &[label, value] : facts) {
        text(painter, { 0, y, infoLabelWidth, unbounded }, font(textSize), label, 0, captionColor);
        y += lineGap
            + text(painter, { infoLabelWidth, y, width - infoLabelWidth, unbounded },
                font(textSize, true), value);
    }
    return y + sectionGap - top;
}

qreal SiteSheetLayout::columnHeadings(QPainter *painter, qreal top) const
{
    const QFont caption = font(captionSize, true);
    const qreal height = text(painter, { 0, top, nameWidth - columnGap, unbounded }, caption,
        tr("Station, Kelvo-Adresse"), 0, captionColor);
    text(painter, { nameWidth, top, labelWidth * 2, unbounded }, caption,
        tr("Rufnummern und Optionen"), 0, captionColor);
    text(painter, { m_page.width() - switchesWidth, top, switchesWidth, unbounded }, caption,
        tr("DIP-Schalter"), Qt::AlignRight, captionColor);
    const qreal ruleY = top + height + lineGap;
    if (painter)
        rule(*painter, ruleY, thickRule, Qt::black);
    return ruleY + thickRule - top;
}

qreal SiteSheetLayout::block(QPainter *painter, int block, qreal top) const
{
    const qreal height = block == EmptyAttendees ? emptyAttendeesLine(painter, top)
                                                 : entryBlock(painter, block, top);
    if (painter && block != EmptyAttendees)
        rule(*painter, top + height, thinRule, ruleColor);
    return height;
}

qreal SiteSheetLayout::entryBlock(QPainter *painter, int entry, qreal top) const
{
    const qreal y = top + blockPadding;
    qreal nameHeight = text(painter, { 0, y, nameWidth - columnGap, unbounded },
        font(nameSize, true), entryName(entry));
    qreal height = details(painter, entry, y);

    if (entry != Configuration::Master) {
        const QString address
            = KelvoAddress::letterFirst(m_configuration.entries[entry].busAddress);
        const QRectF addressArea(0, y + nameHeight + lineGap, nameWidth - columnGap, unbounded);
        if (address.isEmpty()) {
            nameHeight += lineGap
                + text(painter, addressArea, font(addressSize), orDash(address), 0, captionColor);
        } else {
            nameHeight += lineGap + text(painter, addressArea, font(addressSize, true), address);
            height = std::max(
                height, switches(painter, { m_page.width() - switchesWidth, y }, address));
        }
    }
    return std::max(height, nameHeight) + 2 * blockPadding;
}

qreal SiteSheetLayout::details(QPainter *painter, int entry, qreal top) const
{
    const ConfigurationEntry &values = m_configuration.entries[entry];
    const qreal left = nameWidth;
    const qreal valueLeft = left + labelWidth;
    const qreal valueWidth = m_page.width() - switchesWidth - columnGap - valueLeft;

    const std::pair<QString, QString> numbers[] = {
        { tr("Rufnummer 1"), values.callNumber1 },
        { tr("Rufnummer 2"), values.callNumber2 },
    };
    qreal y = top;
    for (const auto &[label, number] : numbers) {
        // Up to 22 digits: a long number shrinks rather than break in two.
        QFont numberFont = font(numberSize, true);
        const qreal natural
            = QFontMetricsF(numberFont, &m_device).horizontalAdvance(number) / m_scale;
        if (natural > valueWidth)
            numberFont.setPointSizeF(numberSize * shrinkMargin * valueWidth / natural);
        const qreal height
            = text(painter, { valueLeft, y, valueWidth, unbounded }, numberFont, orDash(number));
        // The label sits on the number's baseline.
        const qreal baselineShift = ascent(numberFont) - ascent(font(textSize));
        text(painter, { left, y + baselineShift, labelWidth, unbounded }, font(textSize), label, 0,
            captionColor);
        y += height + lineGap;
    }

    QStringList chosen;
    for (const byte bit : ConfigurationText::optionBits(entry)) {
        if (values.statusByte & bit)
            chosen << ConfigurationText::optionName(entry, bit);
    }
    text(painter, { left, y, labelWidth, unbounded }, font(textSize), tr("Optionen"), 0,
        captionColor);
    if (chosen.isEmpty()) {
        const QRectF none(valueLeft, y, valueWidth, unbounded);
        return y - top + text(painter, none, font(textSize), tr("keine"), 0, captionColor);
    }
    for (const QString &option : std::as_const(chosen)) {
        text(painter, { valueLeft, y, bulletIndent, unbounded }, font(textSize),
            QStringLiteral("•"));
        y += text(painter, { valueLeft + bulletIndent, y, valueWidth - bulletIndent, unbounded },
            font(textSize), option);
    }
    return y - top;
}

qreal SiteSheetLayout::switches(
    QPainter *painter, const QPointF &topLeft, const QString &address) const
{
    if (!KelvoAddress::fitsSwitches(address)) {
        return text(painter, { topLeft, QSizeF(switchesWidth, unbounded) }, font(textSize),
            tr("Mit den DIP-Schaltern nicht einstellbar: Buchstabe A bis I und Nummer 1 bis 27."),
            0, Qt::darkRed);
    }
    const qreal cellsLeft = topLeft.x() + rowNameWidth + columnGap;
    const qreal cellsTop = topLeft.y() + switchNumberHeight;
    for (int i = 0; i < switchCount; ++i) {
        text(painter, { cellsLeft + i * cellSize, topLeft.y(), cellSize, switchNumberHeight },
            font(textSize, true), QString::number(i + 1), Qt::AlignHCenter | Qt::AlignTop);
    }
    for (int row = 0; row < rowCount; ++row) {
        text(painter, { topLeft.x(), cellsTop + row * cellSize, rowNameWidth, cellSize },
            font(textSize), DipSwitchDrawing::rowName(row), Qt::AlignRight | Qt::AlignVCenter,
            captionColor);
    }
    if (painter) {
        // In points, so that the drawing's lines and margins come out as on a screen.
        painter->save();
        painter->scale(m_scale, m_scale);
        DipSwitchDrawing::paint(*painter,
            { cellsLeft, cellsTop, switchCount * cellSize, rowCount * cellSize },
            KelvoAddress::convertName(address));
        painter->restore();
    }
    return switchNumberHeight + rowCount * cellSize;
}

qreal SiteSheetLayout::emptyAttendeesLine(QPainter *painter, qreal top) const
{
    QStringList numbers;
    for (int entry = Configuration::FirstAttendee; entry <= Configuration::LastAttendee; ++entry) {
        if (isEmptyAttendee(entry))
            numbers << QString::number(entry);
    }
    return text(painter, { 0, top + blockPadding, m_page.width(), unbounded }, font(textSize),
               tr("Ohne Eintrag: Teilnehmer %1", nullptr, int(numbers.size()))
                   .arg(numbers.join(QStringLiteral(", "))))
        + 2 * blockPadding;
}

void SiteSheetLayout::footer(QPainter &painter, int page, int pageCount) const
{
    const qreal top = m_page.height() - footerHeight;
    rule(painter, top + lineGap, thinRule, ruleColor);
    const QRectF area(0, top + 2 * lineGap, m_page.width(), footerHeight - 2 * lineGap);
    const QString name = m_fileName.isEmpty()
        ? title()
        : tr("%1 – %2").arg(title(), QFileInfo(m_fileName).fileName());
    text(&painter, area, font(captionSize), name, 0, captionColor);
    text(&painter, area, font(captionSize), tr("Seite %1 von %2").arg(page + 1).arg(pageCount),
        Qt::AlignRight, captionColor);
}

qreal SiteSheetLayout::text(QPainter *painter, const QRectF &area, const QFont &font,
    const QString &content, int flags, const QColor &color) const
{
    const QRectF target = toDevice(area);
    flags |= Qt::TextWordWrap;
    if (painter) {
        painter->setFont(font);
        painter->setPen(color);
        painter->drawText(target, flags, content);
    }
    return QFontMetricsF(font, &m_device).boundingRect(target, flags, content).height() / m_scale;
}

void SiteSheetLayout::rule(QPainter &painter, qreal y, qreal width, const QColor &color) const
{
    const QRectF line = toDevice({ 0, y, m_page.width(), 0 });
    painter.setPen(QPen(color, width * m_scale));
    painter.drawLine(QLineF(line.topLeft(), line.topRight()));
}

qreal SiteSheetLayout::ascent(const QFont &font) const
{
    return QFontMetricsF(font, &m_device).ascent() / m_scale;
}

QFont SiteSheetLayout::font(qreal pointSize, bool bold) const
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QRectF SiteSheetLayout::toDevice(const QRectF &area) const
{
    return { area.topLeft() * m_scale, area.size() * m_scale };
}
