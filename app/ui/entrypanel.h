#pragma once

#include "configuration.h"

#include <QWidget>

class FoldButton;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidgetItem;

// One entry of the roster, the master's or an attendee's: one row with the
// entry's name, its two call numbers and, at its end, the summary of its
// options, which unfold below the row on demand. A view of the document: it
// shows the values it is given and reports what the user changes, and holds
// no value of its own.
class EntryPanel : public QWidget
{
    Q_OBJECT

public:
    // The columns of a row, laid out alike in every row, so that each stands
    // under the one heading above the roster.
    enum Column {
        NameColumn,
        Number1Column,
        Number2Column,
        SwitchesColumn,
        AddressColumn,
        OptionsColumn,
        ColumnCount
    };

    // item: the list row that hosts the panel, which it keeps as tall as its
    // minimum, folded or not; or none.
    EntryPanel(int entry, QListWidgetItem *item, QWidget *parent = nullptr);

    int entry() const { return m_entry; }

    // A field that shows its value already is left alone, so that typing
    // there keeps its cursor; bits without a box are not shown.
    virtual void showEntry(const ConfigurationEntry &entry);

    // The field that holds a value, for the cursor; null for values it has not.
    virtual QLineEdit *editor(ConfigurationField field) const;

    // The row's widget in column; null where the entry has none (the master's
    // switches and address).
    QWidget *columnWidget(Column column) const;
    // The heading over column, empty for none; the one over the switches
    // stands over the address too.
    QString heading(Column column) const;
    // The narrowest the column may be for this row's texts and longest values.
    int columnMinimum(Column column) const;
    // The widths every row's columns take at least: each the widest row's.
    void setColumnMinimums(const QList<int> &widths);

    bool isUnfolded() const;

public slots:
    // The option boxes below the row, or folded away into the summary.
    void setUnfolded(bool unfolded);

signals:
    // A value the user typed or ticked; an option comes as its bit alone.
    void edited(const ConfigurationChange &change);
    // After the row took its new height.
    void unfoldedChanged(bool unfolded);

protected:
    struct Fields
    {
        QGridLayout *row = nullptr; // the columns, the option boxes below them
        QLabel *title = nullptr;
        QLineEdit *number1 = nullptr;
        QLineEdit *number2 = nullptr;
        FoldButton *options = nullptr;
        QWidget *optionArea = nullptr; // holds every option box
        QCheckBox *redirectToMaster = nullptr;
        QCheckBox *signallingOff = nullptr;
        QCheckBox *callRedirect = nullptr;
        QCheckBox *secondNumberFirst = nullptr;
    };
    // Once the form is set up: gives the call numbers their validators, lays
    // the row out, reports the edits and starts folded.
    void setFields(const Fields &fields);
    void watch(QLineEdit *edit, ConfigurationField field);
    void watch(QCheckBox *box, byte bit);
    // text into edit, unless it holds it already.
    static void showText(QLineEdit *edit, const QString &text);
    // As wide as edit must be to show text whole.
    static int fieldWidth(const QLineEdit *edit, const QString &text);
    // Names the labelled fields, the boxes and the options' button for
    // screen readers after the entry and the texts shown ("Teilnehmer 4,
    // Rufnummer 2"), and says the call numbers' lengths; again after a
    // language change.
    void nameFields();

private:
    // The ticked boxes in the button, in their order on screen.
    void showOptionSummary();
    // "2 Optionen", for a row without room for their names.
    static QString briefSummary(qsizetype ticked);
    QList<QCheckBox *> optionBoxes() const;
    QLabel *caption(const QWidget *field) const;

    Fields m_fields;
    QListWidgetItem *m_listItem;
    Qt::FocusPolicy m_unfoldedFocus = Qt::StrongFocus;
    int m_entry;
};
