#pragma once

#include "entrypanel.h"

#include <memory>

namespace Ui {
class AttendeeWidget;
}

// One attendee's row in the roster list: call numbers, bus address (as DIP
// switches and as text) and the summary of the option boxes, which unfold
// below the row on demand.
class AttendeeWidget : public EntryPanel
{
    Q_OBJECT

public:
    AttendeeWidget(int attendee, QListWidgetItem *item, QWidget *parent = nullptr);
    ~AttendeeWidget() override;

    // The address as text and on the switches.
    void showEntry(const ConfigurationEntry &entry) override;
    QLineEdit *editor(ConfigurationField field) const override;

public slots:
    // Unfolds the option boxes, or folds them away.
    void ToggleFeatures(bool active);
    void updateDippAddress(const QString &name);
    void updateAddressText();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The title, and the fields' names for screen readers.
    void showEntryNames();

    std::unique_ptr<Ui::AttendeeWidget> m_ui;
};
