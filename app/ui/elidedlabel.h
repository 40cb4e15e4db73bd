#pragma once

#include <QLabel>

// A one-line label that ends in "…" where its text does not fit, instead of
// widening its layout; text() keeps the whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
