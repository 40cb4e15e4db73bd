#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class AttendeeWidget;
}

class QListWidgetItem;

// One attendee's row in the roster list: call numbers, bus address (as text
// and as DIP switches) and the option check boxes, which fold away until the
// user asks for the extended functions.
class AttendeeWidget : public QWidget
{
    Q_OBJECT

public:
    AttendeeWidget(int attendee, QListWidgetItem *item, QWidget *parent = nullptr);
    ~AttendeeWidget() override;

    // The roster reads and writes the values straight from the form's widgets.
    Ui::AttendeeWidget *form() { return m_ui.get(); }
    const Ui::AttendeeWidget *form() const { return m_ui.get(); }

public slots:
    void ToggleFeatures(bool active);
    void updateDippAddress(const QString &name);
    void updateAddressText();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showAttendeeNumber();

    std::unique_ptr<Ui::AttendeeWidget> m_ui;
    int m_attendeeNumber;
    QListWidgetItem *m_listItem;
};
