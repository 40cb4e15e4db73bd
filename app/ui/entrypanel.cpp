#include "entrypanel.h"

#include "configurationtext.h"
#include "undokeys.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

EntryPanel::EntryPanel(int entry, QWidget *parent)
    : QWidget(parent)
    , m_entry(entry)
{ }

void EntryPanel::showEntry(const ConfigurationEntry &entry)
{
    showText(m_fields.number1, entry.callNumber1);
    showText(m_fields.number2, entry.callNumber2);
    m_fields.redirectToMaster->setChecked(entry.statusByte & StatusBit::RedirectToMaster);
    m_fields.secondNumberFirst->setChecked(entry.statusByte & StatusBit::SecondNumberFirst);
    m_fields.signallingOff->setChecked(entry.statusByte & StatusBit::SignallingOff);
    m_fields.callRedirect->setChecked(entry.statusByte & StatusBit::CallRedirect);
}

QLineEdit *EntryPanel::editor(ConfigurationField field) const
{
    switch (field) {
    case ConfigurationField::CallNumber1:
        return m_fields.number1;
    case ConfigurationField::CallNumber2:
        return m_fields.number2;
    default:
        return nullptr;
    }
}

void EntryPanel::setFields(const Fields &fields)
{
    m_fields = fields;
    watch(fields.number1, ConfigurationField::CallNumber1);
    watch(fields.number2, ConfigurationField::CallNumber2);
    watch(fields.redirectToMaster, StatusBit::RedirectToMaster);
    watch(fields.signallingOff, StatusBit::SignallingOff);
    watch(fields.callRedirect, StatusBit::CallRedirect);
    watch(fields.secondNumberFirst, StatusBit::SecondNumberFirst);
}

void EntryPanel::watch(QLineEdit *edit, ConfigurationField field)
{
    // textEdited: the user's typing only, not what showEntry() puts in.
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
        emit edited({ field, m_entry, text });
    });
    leaveUndoKeysToWindow(edit);
}

void EntryPanel::watch(QCheckBox *box, byte bit)
{
    connect(box, &QCheckBox::clicked, this, [this, bit](bool checked) {
        emit edited({ ConfigurationField::StatusByte, m_entry, QString(), checked ? bit : 0, bit });
    });
}

void EntryPanel::showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void EntryPanel::nameFields()
{
    for (const QLabel *caption : findChildren<QLabel *>()) {
        if (caption->buddy())
            caption->buddy()->setAccessibleName(
                ConfigurationText::listedName(m_entry, caption->text()));
    }
    // A box's text may run over two lines.
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setAccessibleName(ConfigurationText::listedName(m_entry, box->text().simplified()));
}

void EntryPanel::showPhoneIcon(QLabel *label)
{
    label->setPixmap(QIcon(QStringLiteral("images:edit-phone.svg"))
                         .pixmap(label->maximumSize(), label->devicePixelRatioF()));
}
