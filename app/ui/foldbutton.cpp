#include "foldbutton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

FoldButton::FoldButton(QWidget *parent)
    : QToolButton(parent)
{
    setCheckable(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setArrowType(Qt::RightArrow);
    // Reached by Tab like the fields around it, and by a click.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::toggled, this,
        [this](bool unfolded) { setArrowType(unfolded ? Qt::DownArrow : Qt::RightArrow); });
}

void FoldButton::setSummary(const QString &whole, const QString &brief)
{
    m_brief = brief;
    setText(whole);
    update();
}

int FoldButton::widthFor(const QString &summary) const
{
    // QToolButton's size hint holds its whole text with a blank either side.
    const QFontMetrics metrics = fontMetrics();
    return QToolButton::sizeHint().width() - metrics.size(Qt::TextShowMnemonic, text()).width()
        + metrics.size(Qt::TextShowMnemonic, summary).width();
}

QSize FoldButton::minimumSizeHint() const
{
    return { widthFor(m_brief), QToolButton::minimumSizeHint().height() };
}

void FoldButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (width() < widthFor(text())) {
        const int room = width() - widthFor(QString());
        option.text = fontMetrics().elidedText(m_brief, Qt::ElideRight, room);
    }
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
