// MainWindow: the roster of the master station and attendees 1 to 9, and the
// two times: the views of the document's configuration.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attendeewidget.h"
#include "configurationdocument.h"
#include "inputcheck.h"
#include "masterwidget.h"

#include <QApplication>
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

void MainWindow::setupRoster()
{
    addMasterPanel();
    for (int attendee = Configuration::FirstAttendee; attendee <= Configuration::LastAttendee;
         ++attendee)
        addAttendeePanel(attendee);
    ui->rosterHeader->follow(panel(Configuration::FirstAttendee));
    // The rows take their heights from the list's height and, once laid out
    // at the list's width, from the switches' width.
    ui->listWidget->viewport()->installEventFilter(this);
    panel(Configuration::FirstAttendee)
        ->columnWidget(EntryPanel::SwitchesColumn)
        ->installEventFilter(this);
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
        connect(panel(entry), &EntryPanel::unfoldedChanged, this, [this, entry](bool unfolded) {
            fitRosterRows();
            // The boxes below the row in sight, and the row's title with them.
            if (unfolded)
                ui->listWidget->scrollToItem(ui->listWidget->item(entry));
        });
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The list's viewport, or the first attendee's switches.
    if (event->type() == QEvent::Resize)
        fitRosterRows();
    return QMainWindow::eventFilter(watched, event);
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

void MainWindow::fitRoster()
{
    // Every row's columns as wide as the widest row needs them, so that they
    // line up under the headings.
    QList<int> widths(EntryPanel::ColumnCount, 0);
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
        for (int column = 0; column < EntryPanel::ColumnCount; ++column)
            widths[column]
                = std::max(widths[column], panel(entry)->columnMinimum(EntryPanel::Column(column)));
    }
    int widest = 0;
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
        panel(entry)->setColumnMinimums(widths);
        widest = std::max(widest, panel(entry)->minimumSizeHint().width());
    }
    // The list lays every row out as wide as the widest; a narrower list would
    // cut text off at the side or scroll it away.
    QListWidget *list = ui->listWidget;
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(widest + scrollBar + 2 * list->frameWidth());
    fitRosterRows();
}

void MainWindow::fitRosterRows()
{
    QListWidget *list = ui->listWidget;
    int spare = list->viewport()->height();
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry)
        spare -= panel(entry)->minimumSizeHint().height();
    // The attendees' rows share what the list has to spare, but take no more
    // than their switches fill at their width (every row's as wide as the
    // first attendee's): the rows stay in sight where they fit, and none
    // scrolls for it.
    const QWidget *switches
        = panel(Configuration::FirstAttendee)->columnWidget(EntryPanel::SwitchesColumn);
    const int grow
        = std::clamp(switches->heightForWidth(switches->width()) - switches->minimumHeight(), 0,
            std::max(0, spare / Configuration::LastAttendee));
    int lowest = list->viewport()->height();
    for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
        const QSize minimum = panel(entry)->minimumSizeHint();
        int height = minimum.height();
        if (entry != Configuration::Master) {
            height += grow;
            lowest = std::min(lowest, height);
        }
        list->item(entry)->setSizeHint({ minimum.width(), height });
    }
    // One notch of the wheel moves about one row.
    list->verticalScrollBar()->setSingleStep(
        std::max(1, lowest / QApplication::wheelScrollLines()));
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
