#pragma once

#include "configuration.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

// What the roster reads and writes on the master's and an attendee's panel:
// the two call numbers and the option boxes both panels have.
class EntryPanel : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    QString callNumber(int index) const;
    // Index 1 sets call number 1, any other index call number 2.
    void setCallNumber(int index, const QString &number);

    // The bits of the boxes this panel has; other bits read as 0 and are ignored.
    virtual byte statusByte() const;
    virtual void setStatusByte(byte status);

    // The field that holds a value, for the cursor; null for values it has not.
    virtual QLineEdit *editor(ConfigurationField field) const;

    // Empties the call numbers and clears the option boxes.
    virtual void clearEntry();

signals:
    // Any value changed, by the user or by the program.
    void edited();

protected:
    struct Fields
    {
        QLineEdit *number1 = nullptr;
        QLineEdit *number2 = nullptr;
        QCheckBox *redirectToMaster = nullptr;
        QCheckBox *signallingOff = nullptr;
        QCheckBox *callRedirect = nullptr;
        QCheckBox *secondNumberFirst = nullptr;
    };
    // Once the form is set up; also reports their edits.
    void setFields(const Fields &fields);
    void watch(QLineEdit *edit);
    void watch(QCheckBox *box);
    // Names the labelled fields and the boxes for screen readers after the
    // entry and the texts shown ("Teilnehmer 4, Rufnummer 2"); again after a
    // language change.
    void nameFields(int entry);
    // The phone beside a call number, sharp at the screen's scale.
    static void showPhoneIcon(QLabel *label);

private:
    Fields m_fields;
};
