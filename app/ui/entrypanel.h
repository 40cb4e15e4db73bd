#pragma once

#include "configuration.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

// One entry of the roster, the master's or an attendee's: the two call
// numbers and the option boxes both panels have. A view of the document: it
// shows the values it is given and reports what the user changes, and holds
// no value of its own.
class EntryPanel : public QWidget
{
    Q_OBJECT

public:
    explicit EntryPanel(int entry, QWidget *parent = nullptr);

    int entry() const { return m_entry; }

    // A field that shows its value already is left alone, so that typing
    // there keeps its cursor; bits without a box are not shown.
    virtual void showEntry(const ConfigurationEntry &entry);

    // The field that holds a value, for the cursor; null for values it has not.
    virtual QLineEdit *editor(ConfigurationField field) const;

signals:
    // A value the user typed or ticked; an option comes as its bit alone.
    void edited(const ConfigurationChange &change);

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
    void watch(QLineEdit *edit, ConfigurationField field);
    void watch(QCheckBox *box, byte bit);
    // text into edit, unless it holds it already.
    static void showText(QLineEdit *edit, const QString &text);
    // Names the labelled fields and the boxes for screen readers after the
    // entry and the texts shown ("Teilnehmer 4, Rufnummer 2"); again after a
    // language change.
    void nameFields();
    // The phone beside a call number, sharp at the screen's scale.
    static void showPhoneIcon(QLabel *label);

private:
    Fields m_fields;
    int m_entry;
};
