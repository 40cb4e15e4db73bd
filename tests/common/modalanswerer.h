#pragma once

// Answers the modal dialogs that the code under test opens with the toolkit's
// static functions, and records what they said. Construct one before the call
// that opens a box; it polls QApplication::activeModalWidget() from the event
// loop, which keeps running inside the box's own exec().

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

class ModalAnswerer : public QObject
{
public:
    struct Seen
    {
        QString className;
        QString title;
        QString text;
        QMessageBox::StandardButton defaultButton; // what Enter presses
    };

    // For a QMessageBox, the button to press; any other dialog is handed to
    // the handler, or rejected when there is none.
    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok,
        std::function<void(QWidget *)> handler = {})
        : button(button)
        , handler(std::move(handler))
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer.start();
    }

    QList<Seen> seen;
    // Buttons of boxes to press by their text, before the standard one.
    QStringList press;

    QStringList titles() const
    {
        QStringList list;
        for (const Seen &s : seen)
            list << s.title;
        return list;
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last)
            return;
        last = modal;
        auto *box = qobject_cast<QMessageBox *>(modal);
        seen << Seen { QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
            box ? box->text() : QString(),
            box ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton };
        const QList<QAbstractButton *> named = box ? box->buttons() : QList<QAbstractButton *>();
        const auto pressed = std::find_if(named.begin(), named.end(),
            [this](QAbstractButton *b) { return press.contains(b->text()); });
        if (pressed != named.end())
            (*pressed)->click();
        else if (box && box->button(button))
            box->button(button)->click();
        else if (handler && !box)
            handler(modal);
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    }

    QTimer timer;
    QPointer<QWidget> last;
    QMessageBox::StandardButton button;
    std::function<void(QWidget *)> handler;
};
