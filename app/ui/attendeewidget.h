#pragma once

#include "entrypanel.h"

#include <memory>

namespace Ui {
class AttendeeWidget;
}

class QCheckBox;
class QListWidgetItem;

// One attendee's row in the roster list: call numbers, bus address (as text
// and as DIP switches) and the option check boxes, which fold away until the
// user asks for the extended functions.
class AttendeeWidget : public EntryPanel
{
    Q_OBJECT

public:
    AttendeeWidget(int attendee, QListWidgetItem *item, QWidget *parent = nullptr);
    ~AttendeeWidget() override;

    // As typed, either order (12B or B12).
    QString busAddressText() const;
    // Puts the text into the field and moves the switches to it.
    void setBusAddress(const QString &address);

    // With the extended-functions bit; it is set first, as it folds the others.
    byte statusByte() const override;
    void setStatusByte(byte status) override;
    QLineEdit *editor(ConfigurationField field) const override;
    // Also empties the address; the extended functions keep their state.
    void clearEntry() override;

public slots:
    void ToggleFeatures(bool active);
    void updateDippAddress(const QString &name);
    void updateAddressText();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The title, and the fields' names for screen readers.
    void showEntryNames();
    QList<QCheckBox *> optionBoxes() const;
    // While folded, a line that names the ticked options.
    void showOptionSummary();

    std::unique_ptr<Ui::AttendeeWidget> m_ui;
    int m_attendeeNumber;
    QListWidgetItem *m_listItem;
    Qt::FocusPolicy m_unfoldedFocus = Qt::StrongFocus;
};
