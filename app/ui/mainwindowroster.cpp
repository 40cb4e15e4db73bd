// MainWindow: the roster of the master station and attendees 1 to 9, and the
// two times: the views of the document's configuration.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attendeewidget.h"
#include "configurationdocument.h"
#include "inputcheck.h"
#include "masterwidget.h"

#include <QLineEdit>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QScrollBar>

#include <algorithm>

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

void MainWindow::showValue(int entry, ConfigurationField field)
{
    const Configuration &shown = document()->configuration();
    if (field == ConfigurationField::MaxCallTime || field == ConfigurationField::CallRedirectTime) {
        // Only where it differs, so that a time being typed in the other box
        // stays; valueChanged() then finds the document's value and stops.
        for (const auto &[spin, value] : { std::pair { ui->spinMaxCall, shown.maxCallTime },
                 { ui->spinRedirect, shown.callRedirectTime } }) {
            if (spin->value() != value)
                spin->setValue(value);
        }
        return;
    }
    panel(entry)->showEntry(shown.entries[entry]);
    if (entry == Configuration::Master)
        ui->dialBox->setChecked(shown.entries[entry].statusByte & StatusBit::DialWithoutWaiting);
}

void MainWindow::showConfiguration()
{
    showValue(Configuration::Master, ConfigurationField::MaxCallTime);
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry)
        showValue(entry, ConfigurationField::StatusByte);
}

void MainWindow::timeEdited(ConfigurationField field, int value)
{
    const bool maxCall = field == ConfigurationField::MaxCallTime;
    Configuration edited = document()->configuration();
    (maxCall ? edited.maxCallTime : edited.callRedirectTime) = value;
    if (edited == document()->configuration())
        return;
    if (!callTimesFit(edited)) {
        // Corrected as the rule has it, the other time as it is; within the
        // range that may still not fit, which the check before a write finds.
        value = maxCall ? qMin(edited.callRedirectTime + MinimumCallTimeGap, Configuration::MaxTime)
                        : qMax(edited.maxCallTime - MinimumCallTimeGap, 0);
        // Not from inside the spin box, which may still be stepping; one box
        // for any number of corrections before it comes.
        if (!std::exchange(callTimeBoxDue, true)) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    callTimeBoxDue = false;
                    QMessageBox::information(this, tr("Konfiguration"), messageCallTimeOrder);
                },
                Qt::QueuedConnection);
        }
    }
    document()->edit({ field, Configuration::Master, QString(), value });
    // The spin box still shows what was refused when the document kept its value.
    showValue(Configuration::Master, field);
}

bool MainWindow::finishTyping()
{
    ui->spinMaxCall->interpretText();
    ui->spinRedirect->interpretText();
    return !callTimeBoxDue;
}
