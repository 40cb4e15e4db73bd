// MainWindow: the roster of the master station and attendees 1 to 9, and the
// configuration it shows.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attendeewidget.h"
#include "kelvoaddress.h"
#include "masterwidget.h"

#include <QLineEdit>
#include <QListWidgetItem>
#include <QScrollBar>

#include <algorithm>

void MainWindow::addMasterPanel()
{
    auto *item = new QListWidgetItem;
    masterWidget = new MasterWidget;
    item->setSizeHint(masterWidget->sizeHint());
    ui->listWidget->addItem(item);
    ui->listWidget->setItemWidget(item, masterWidget);
    connect(masterWidget, &EntryPanel::edited, this, &MainWindow::configurationEdited);
}

void MainWindow::addAttendeePanel(int attendee)
{
    auto *item = new QListWidgetItem;
    auto *panel = new AttendeeWidget(attendee, item);
    ui->listWidget->addItem(item);
    ui->listWidget->setItemWidget(item, panel);
    attendees.insert(attendee, panel);
    connect(panel, &EntryPanel::edited, this, &MainWindow::configurationEdited);
}

void MainWindow::focusRosterFirst()
{
    // The panels joined the window's focus chain behind the column on the
    // right, each in the order of its form; the chain is a ring, so starting
    // in the roster makes Tab follow the reading order.
    panel(Configuration::Master)->editor(ConfigurationField::CallNumber1)->setFocus();
}

void MainWindow::showInRoster(QWidget *field)
{
    QWidget *viewport = ui->listWidget->viewport();
    if (!field || !viewport->isAncestorOf(field))
        return;
    // The whole row where it fits, so that its title shows; at least the field.
    QWidget *row = field;
    while (row->parentWidget() != viewport)
        row = row->parentWidget();
    ui->listWidget->scrollToItem(ui->listWidget->itemAt(row->geometry().center()));
    QScrollBar *bar = ui->listWidget->verticalScrollBar();
    const int top = field->mapTo(viewport, QPoint()).y();
    if (top < 0)
        bar->setValue(bar->value() + top);
    else if (top + field->height() > viewport->height())
        bar->setValue(bar->value() + top + field->height() - viewport->height());
}

void MainWindow::fitRosterWidth()
{
    // The list lays every row out as wide as the widest; a narrower list would
    // cut text off at the side or scroll it away.
    QListWidget *list = ui->listWidget;
    int widest = 0;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        widest = std::max({ widest, item->sizeHint().width(),
            list->itemWidget(item)->minimumSizeHint().width() });
    }
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(widest + scrollBar + 2 * list->frameWidth());
}

EntryPanel *MainWindow::panel(int entry) const
{
    if (entry == Configuration::Master)
        return masterWidget;
    return attendees.value(entry);
}

byte MainWindow::statusByte(int entry) const
{
    const EntryPanel *p = panel(entry);
    if (!p)
        return 0;
    const byte dial = entry == Configuration::Master && ui->dialBox->isChecked()
        ? StatusBit::DialWithoutWaiting
        : 0;
    return p->statusByte() | dial;
}

void MainWindow::setStatusByte(int entry, byte status)
{
    EntryPanel *p = panel(entry);
    if (!p)
        return;
    p->setStatusByte(status);
    if (entry == Configuration::Master)
        ui->dialBox->setChecked(status & StatusBit::DialWithoutWaiting);
}

QString MainWindow::callNumber(int entry, int index) const
{
    const EntryPanel *p = panel(entry);
    return p ? p->callNumber(index) : QString();
}

void MainWindow::setCallNumber(int entry, const QString &number, int index)
{
    if (EntryPanel *p = panel(entry))
        p->setCallNumber(index, number);
}

QString MainWindow::busAddress(int entry) const
{
    const AttendeeWidget *p = entry == Configuration::Master ? nullptr : attendees.value(entry);
    return p ? KelvoAddress::letterFirst(p->busAddressText()) : QString();
}

void MainWindow::setBusAddress(int entry, const QString &address)
{
    if (AttendeeWidget *p = entry == Configuration::Master ? nullptr : attendees.value(entry))
        p->setBusAddress(address);
}

void MainWindow::resetConfiguration()
{
    ui->spinMaxCall->setValue(60);
    ui->spinRedirect->setValue(30);
    ui->dialBox->setChecked(false);
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry)
        panel(entry)->clearEntry();
}

Configuration MainWindow::configuration() const
{
    Configuration configuration;
    configuration.maxCallTime = ui->spinMaxCall->value();
    configuration.callRedirectTime = ui->spinRedirect->value();
    for (int n = Configuration::Master; n <= Configuration::LastAttendee; ++n) {
        ConfigurationEntry &entry = configuration.entries[n];
        entry.callNumber1 = callNumber(n, 1);
        entry.callNumber2 = callNumber(n, 2);
        if (n != Configuration::Master)
            entry.busAddress = attendees.value(n)->busAddressText();
        entry.statusByte = statusByte(n);
    }
    return configuration;
}

void MainWindow::setConfiguration(const Configuration &configuration)
{
    // In the order that keeps the two times valid all along, so that a valid
    // pair never trips the call-time check against what is on screen.
    if (configuration.maxCallTime > ui->spinRedirect->value() + 1) {
        ui->spinMaxCall->setValue(configuration.maxCallTime);
        ui->spinRedirect->setValue(configuration.callRedirectTime);
    } else {
        ui->spinRedirect->setValue(configuration.callRedirectTime);
        ui->spinMaxCall->setValue(configuration.maxCallTime);
    }
    for (int n = Configuration::Master; n <= Configuration::LastAttendee; ++n) {
        const ConfigurationEntry &entry = configuration.entries[n];
        setCallNumber(n, entry.callNumber1, 1);
        setCallNumber(n, entry.callNumber2, 2);
        setBusAddress(n, entry.busAddress);
        setStatusByte(n, entry.statusByte);
    }
}

void MainWindow::applyChange(const ConfigurationChange &change)
{
    // Each time set like a user edit: the call-time check may run, and open its
    // box, against the other time as it stands at that moment.
    switch (change.field) {
    case ConfigurationField::MaxCallTime:
        ui->spinMaxCall->setValue(change.number);
        break;
    case ConfigurationField::CallRedirectTime:
        ui->spinRedirect->setValue(change.number);
        break;
    case ConfigurationField::CallNumber1:
        setCallNumber(change.entry, change.text, 1);
        break;
    case ConfigurationField::CallNumber2:
        setCallNumber(change.entry, change.text, 2);
        break;
    case ConfigurationField::StatusByte:
        // The bits the change does not carry keep their boxes.
        setStatusByte(change.entry,
            byte((statusByte(change.entry) & ~change.bits) | (change.number & change.bits)));
        break;
    case ConfigurationField::BusAddress:
        setBusAddress(change.entry, change.text);
        break;
    }
}
