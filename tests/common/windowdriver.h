#pragma once

// Works the main window the way a user does, by the object names of its form
// and panels: fields, buttons and the progress dialog of a run.

#include "mainwindow.h"
#include "namedchild.h"
#include "progressdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class WindowDriver
{
public:
    explicit WindowDriver(MainWindow &window)
        : window(window)
    { }

    MainWindow &window;

    // Row 0 is the master panel, rows 1 to 9 the attendees.
    QLineEdit *edit(int entry, const char *name) const
    {
        auto *list = child<QListWidget>(window, "listWidget");
        return child<QLineEdit>(*list->itemWidget(list->item(entry)), name);
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
