#pragma once

#include <QToolButton>

// The button at the end of a roster row that unfolds the entry's option boxes
// below the row and folds them away again: an arrow that points the way it
// goes, and a one-line summary of what the boxes hold. Where the row has no
// room for the whole summary, the brief one stands instead (the number of
// ticked boxes); the tooltip has the whole.
class FoldButton : public QToolButton
{
    Q_OBJECT

public:
    explicit FoldButton(QWidget *parent = nullptr);

    // whole becomes the button's text.
    void setSummary(const QString &whole, const QString &brief);
    QString briefSummary() const { return m_brief; }

    // As wide as the button must be to show summary whole.
    int widthFor(const QString &summary) const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_brief;
};
