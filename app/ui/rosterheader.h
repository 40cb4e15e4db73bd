#pragma once

#include "entrypanel.h"

#include <QPointer>

class QLabel;

// The column headings above the roster, once for all rows: each stands over
// the columns of one row's panel, wherever the list lays that row out, and
// says what the panel's captions say.
class RosterHeader : public QWidget
{
    Q_OBJECT

public:
    explicit RosterHeader(QWidget *parent = nullptr);

    // A row with every column; the others line up with it.
    void follow(EntryPanel *panel);
    // The panel's captions again, after a change of language.
    void showHeadings();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeHeadings();

    QPointer<EntryPanel> m_panel;
    QLabel *m_headings[EntryPanel::ColumnCount] = {};
};
