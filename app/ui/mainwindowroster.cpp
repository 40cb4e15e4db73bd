// MainWindow: the roster of the master station and attendees 1 to 9. The
// configuration has no model of its own; these accessors are the only way
// into the panels' widgets.

#include "mainwindow.h"
#include "ui_attendeewidget.h"
#include "ui_mainwindow.h"
#include "ui_masterwidget.h"

#include "attendeewidget.h"
#include "masterwidget.h"

#include <QListWidgetItem>

namespace {

// Status byte bits; a set bit is a checked box.
constexpr byte RedirectToMaster = 0x01;
constexpr byte SignallingOff = 0x04;
constexpr byte CallRedirect = 0x08;
constexpr byte SecondNumberFirst = 0x10;
constexpr byte ExtendedFeatures = 0x20; // attendees only
constexpr byte DialWithoutWaiting = 0x40; // master only: dialBox of the window

byte bitIf(bool checked, byte mask)
{
    return checked ? mask : 0;
}

} // namespace

void MainWindow::addMasterPanel()
{
    auto *item = new QListWidgetItem;
    masterWidget = new MasterWidget;
    item->setSizeHint(masterWidget->sizeHint());
    ui->listWidget->addItem(item);
    ui->listWidget->setItemWidget(item, masterWidget);
}

void MainWindow::addAttendeePanel(int attendee)
{
    auto *item = new QListWidgetItem;
    auto *panel = new AttendeeWidget(attendee, item);
    ui->listWidget->addItem(item);
    ui->listWidget->setItemWidget(item, panel);
    attendees.insert(attendee, panel);
}

byte MainWindow::statusByte(int entry) const
{
    if (entry == 0) {
        const Ui::MasterWidget *m = masterWidget->form();
        return bitIf(ui->dialBox->isChecked(), DialWithoutWaiting)
            | bitIf(m->nightBox->isChecked(), RedirectToMaster)
            | bitIf(m->signalBox->isChecked(), SignallingOff)
            | bitIf(m->callBox->isChecked(), CallRedirect)
            | bitIf(m->priorityBox->isChecked(), SecondNumberFirst);
    }
    const AttendeeWidget *panel = attendees.value(entry);
    if (!panel)
        return 0;
    const Ui::AttendeeWidget *a = panel->form();
    return bitIf(a->nightBox->isChecked(), RedirectToMaster)
        | bitIf(a->signalBox->isChecked(), SignallingOff)
        | bitIf(a->callBox->isChecked(), CallRedirect)
        | bitIf(a->priorityBox->isChecked(), SecondNumberFirst)
        | bitIf(a->featureBox->isChecked(), ExtendedFeatures);
}

void MainWindow::setStatusByte(int entry, byte status)
{
    if (entry == 0) {
        Ui::MasterWidget *m = masterWidget->form();
        m->nightBox->setChecked(status & RedirectToMaster);
        m->priorityBox->setChecked(status & SecondNumberFirst);
        m->signalBox->setChecked(status & SignallingOff);
        m->callBox->setChecked(status & CallRedirect);
        ui->dialBox->setChecked(status & DialWithoutWaiting);
        return;
    }
    AttendeeWidget *panel = attendees.value(entry);
    if (!panel)
        return;
    Ui::AttendeeWidget *a = panel->form();
    // First, because it unfolds or folds the boxes set next.
    a->featureBox->setChecked(status & ExtendedFeatures);
    a->nightBox->setChecked(status & RedirectToMaster);
    a->priorityBox->setChecked(status & SecondNumberFirst);
    a->signalBox->setChecked(status & SignallingOff);
    a->callBox->setChecked(status & CallRedirect);
}

QString MainWindow::callNumber(int entry, int index) const
{
    if (entry == 0) {
        const Ui::MasterWidget *m = masterWidget->form();
        return (index == 1 ? m->numberEdit1 : m->numberEdit2)->text();
    }
    const AttendeeWidget *panel = attendees.value(entry);
    if (!panel)
        return QString();
    const Ui::AttendeeWidget *a = panel->form();
    return (index == 1 ? a->numberEdit1 : a->numberEdit2)->text();
}

void MainWindow::setCallNumber(int entry, const QString &number, int index)
{
    if (entry == 0) {
        Ui::MasterWidget *m = masterWidget->form();
        (index == 1 ? m->numberEdit1 : m->numberEdit2)->setText(number);
        return;
    }
    AttendeeWidget *panel = attendees.value(entry);
    if (!panel)
        return;
    Ui::AttendeeWidget *a = panel->form();
    (index == 1 ? a->numberEdit1 : a->numberEdit2)->setText(number);
}

QString MainWindow::busAddress(int entry) const
{
    const AttendeeWidget *panel = entry == 0 ? nullptr : attendees.value(entry);
    if (!panel)
        return QString();

    QString address = panel->form()->addressEdit->text();
    // Typed digits first (12B): the adapter and the file want the letter first.
    if (!address.isEmpty() && address.front().isDigit())
        address = address.back() + address.chopped(1);
    address.remove(QLatin1Char(' '));
    return address;
}

void MainWindow::setBusAddress(int entry, const QString &address)
{
    AttendeeWidget *panel = entry == 0 ? nullptr : attendees.value(entry);
    if (!panel)
        return;
    panel->form()->addressEdit->setText(address);
    panel->updateDippAddress(address);
}

void MainWindow::resetConfiguration()
{
    ui->spinMaxCall->setValue(60);
    ui->spinRedirect->setValue(30);
    ui->dialBox->setChecked(false);

    Ui::MasterWidget *m = masterWidget->form();
    m->numberEdit1->clear();
    m->numberEdit2->clear();
    for (QCheckBox *box : { m->nightBox, m->signalBox, m->callBox, m->priorityBox })
        box->setChecked(false);

    for (AttendeeWidget *panel : std::as_const(attendees)) {
        Ui::AttendeeWidget *a = panel->form();
        a->numberEdit1->clear();
        a->numberEdit2->clear();
        a->addressEdit->clear();
        a->addressLabel->setAddressName(QStringLiteral("A1"));
        // featureBox keeps its state: it only folds the options away.
        for (QCheckBox *box : { a->nightBox, a->signalBox, a->callBox, a->priorityBox })
            box->setChecked(false);
    }
}
