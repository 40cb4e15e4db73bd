#include "rosterheader.h"

#include <QEvent>
#include <QLabel>

namespace {

const char *const HeadingNames[EntryPanel::ColumnCount]
    = { "", "headingNumber1", "headingNumber2", "headingAddress", "", "headingOptions" };

} // namespace

RosterHeader::RosterHeader(QWidget *parent)
    : QWidget(parent)
{
    for (int column = 0; column < EntryPanel::ColumnCount; ++column) {
        if (*HeadingNames[column]) {
            m_headings[column] = new QLabel(this);
            m_headings[column]->setObjectName(QLatin1String(HeadingNames[column]));
        }
    }
}

void RosterHeader::follow(EntryPanel *panel)
{
    m_panel = panel;
    // The panel moves as the list scrolls and lays its rows out; its fields
    // move within it as its columns take their widths.
    panel->installEventFilter(this);
    for (int column = 0; column < EntryPanel::ColumnCount; ++column)
        panel->columnWidget(EntryPanel::Column(column))->installEventFilter(this);
    showHeadings();
}

void RosterHeader::showHeadings()
{
    for (int column = 0; column < EntryPanel::ColumnCount; ++column) {
        if (m_headings[column])
            m_headings[column]->setText(m_panel->heading(EntryPanel::Column(column)));
    }
    updateGeometry();
    placeHeadings();
}

QSize RosterHeader::sizeHint() const
{
    return minimumSizeHint();
}

QSize RosterHeader::minimumSizeHint() const
{
    // The width is the roster's; the list beside asks for it.
    return { 0, m_headings[EntryPanel::Number1Column]->sizeHint().height() };
}

void RosterHeader::resizeEvent(QResizeEvent *)
{
    placeHeadings();
}

bool RosterHeader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeHeadings();
    return QWidget::eventFilter(watched, event);
}

void RosterHeader::placeHeadings()
{
    if (!m_panel)
        return;
    // A heading stands over its column and those after it that have none.
    for (int column = 0; column < EntryPanel::ColumnCount; ++column) {
        QLabel *heading = m_headings[column];
        if (!heading)
            continue;
        int last = column;
        while (last + 1 < EntryPanel::ColumnCount && !m_headings[last + 1])
            ++last;
        const QWidget *first = m_panel->columnWidget(EntryPanel::Column(column));
        const QWidget *end = m_panel->columnWidget(EntryPanel::Column(last));
        const int left = mapFrom(window(), first->mapTo(window(), QPoint())).x();
        const int right = mapFrom(window(), end->mapTo(window(), QPoint(end->width(), 0))).x();
        heading->setGeometry(left, 0, right - left, height());
    }
}
