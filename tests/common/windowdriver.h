#pragma once

// Works the main window the way a user does, by the object names of its form
// and panels: fields, check boxes, buttons and the progress dialog of a run.

#include "attendeewidget.h"
#include "kelvoaddresslabel.h"
#include "mainwindow.h"
#include "progressdialog.h"

#include "namedchild.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class WindowDriver
{
public:
    explicit WindowDriver(MainWindow &window)
        : window(window)
    { }

    MainWindow &window;

    // Row 0 is the master panel, rows 1 to 9 the attendees.
    QWidget *panel(int entry) const
    {
        auto *list = child<QListWidget>(window, "listWidget");
        return list->itemWidget(list->item(entry));
    }
    QLineEdit *edit(int entry, const char *name) const
    {
        return child<QLineEdit>(*panel(entry), name);
    }
    QCheckBox *box(int entry, const char *name) const
    {
        return child<QCheckBox>(*panel(entry), name);
    }
    QString switches(int attendee) const
    {
        return child<KelvoAddressLabel>(*panel(attendee), "addressLabel")->getAddressName();
    }
    QSpinBox *maxCall() const { return child<QSpinBox>(window, "spinMaxCall"); }
    QSpinBox *redirect() const { return child<QSpinBox>(window, "spinRedirect"); }
    QCheckBox *dialBox() const { return child<QCheckBox>(window, "dialBox"); }

    // Typed key by key, so the validator and the DIP switches see it.
    void typeAddress(int attendee, const QString &text) const
    {
        QLineEdit *field = edit(attendee, "addressEdit");
        field->clear();
        QTest::keyClicks(field, text);
    }

    void logIn(const QString &password = QStringLiteral("1234")) const
    {
        child<QLineEdit>(window, "passwordEdit")->setText(password);
        QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    }
    void clickTransmit() const
    {
        QTest::mouseClick(child<QPushButton>(window, "buttonTransmit"), Qt::LeftButton);
    }
    void clickRequest() const
    {
        QTest::mouseClick(child<QPushButton>(window, "buttonRequest"), Qt::LeftButton);
    }

    // The dialog of the run started last; earlier ones may still be open.
    ProgressDialog *progressDialog() const
    {
        const QList<ProgressDialog *> dialogs = window.findChildren<ProgressDialog *>();
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }
    static QString processText(const ProgressDialog *dialog)
    {
        return child<QLabel>(*dialog, "processLabel")->text();
    }
    static void cancel(ProgressDialog *dialog)
    {
        auto *buttons = child<QDialogButtonBox>(*dialog, "buttonBox");
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    }
};
