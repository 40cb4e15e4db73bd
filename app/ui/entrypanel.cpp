#include "entrypanel.h"

#include "configurationtext.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace {

byte bitIf(const QCheckBox *box, byte mask)
{
    return box->isChecked() ? mask : 0;
}

} // namespace

QString EntryPanel::callNumber(int index) const
{
    return (index == 1 ? m_fields.number1 : m_fields.number2)->text();
}

void EntryPanel::setCallNumber(int index, const QString &number)
{
    (index == 1 ? m_fields.number1 : m_fields.number2)->setText(number);
}

byte EntryPanel::statusByte() const
{
    return bitIf(m_fields.redirectToMaster, StatusBit::RedirectToMaster)
        | bitIf(m_fields.signallingOff, StatusBit::SignallingOff)
        | bitIf(m_fields.callRedirect, StatusBit::CallRedirect)
        | bitIf(m_fields.secondNumberFirst, StatusBit::SecondNumberFirst);
}

void EntryPanel::setStatusByte(byte status)
{
    m_fields.redirectToMaster->setChecked(status & StatusBit::RedirectToMaster);
    m_fields.secondNumberFirst->setChecked(status & StatusBit::SecondNumberFirst);
    m_fields.signallingOff->setChecked(status & StatusBit::SignallingOff);
    m_fields.callRedirect->setChecked(status & StatusBit::CallRedirect);
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

void EntryPanel::clearEntry()
{
    m_fields.number1->clear();
    m_fields.number2->clear();
    setStatusByte(0);
}

void EntryPanel::setFields(const Fields &fields)
{
    m_fields = fields;
    watch(fields.number1);
    watch(fields.number2);
    for (QCheckBox *box : { fields.redirectToMaster, fields.signallingOff, fields.callRedirect,
             fields.secondNumberFirst })
        watch(box);
}

void EntryPanel::watch(QLineEdit *edit)
{
    connect(edit, &QLineEdit::textChanged, this, &EntryPanel::edited);
}

void EntryPanel::watch(QCheckBox *box)
{
    connect(box, &QCheckBox::toggled, this, &EntryPanel::edited);
}

void EntryPanel::nameFields(int entry)
{
    for (const QLabel *caption : findChildren<QLabel *>()) {
        if (caption->buddy())
            caption->buddy()->setAccessibleName(
                ConfigurationText::listedName(entry, caption->text()));
    }
    // A box's text may run over two lines.
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setAccessibleName(ConfigurationText::listedName(entry, box->text().simplified()));
}

void EntryPanel::showPhoneIcon(QLabel *label)
{
    label->setPixmap(QIcon(QStringLiteral("images:edit-phone.svg"))
                         .pixmap(label->maximumSize(), label->devicePixelRatioF()));
}
