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

    // The extended functions first, as they fold the other options; the
    // address as text and on the switches.
    void showEntry(const ConfigurationEntry &entry) override;
    QLineEdit *editor(ConfigurationField field) const override;

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
    QListWidgetItem *m_listItem;
    Qt::FocusPolicy m_unfoldedFocus = Qt::StrongFocus;
};
