#include "entrypanel.h"

#include "callnumbervalidator.h"
#include "configurationtext.h"
#include "foldbutton.h"
#include "undokeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>

#include <algorithm>

namespace {

// Room the window has to spare goes to both call numbers alike and, a third
// as much each, to the switches and to the options' summary.
constexpr int ColumnStretch[EntryPanel::ColumnCount] = { 0, 3, 3, 1, 0, 1 };
// A call number 2 with an area code shows whole in a row at its narrowest;
// longer ones keep their end in sight.
constexpr int ShownNumber2Digits = 12;

} // namespace

EntryPanel::EntryPanel(int entry, QListWidgetItem *item, QWidget *parent)
    : QWidget(parent)
    , m_listItem(item)
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

QWidget *EntryPanel::columnWidget(Column column) const
{
    const QLayoutItem *item = m_fields.row->itemAtPosition(0, column);
    return item ? item->widget() : nullptr;
}

QString EntryPanel::heading(Column column) const
{
    switch (column) {
    case NameColumn:
    case AddressColumn:
        return QString();
    case SwitchesColumn:
        column = AddressColumn;
        break;
    case OptionsColumn:
        return tr("Optionen");
    default:
        break;
    }
    const QLabel *label = caption(columnWidget(column));
    return label ? label->text() : QString();
}

int EntryPanel::columnMinimum(Column column) const
{
    const QWidget *widget = columnWidget(column);
    if (!widget)
        return 0;
    // As the heading's label measures it.
    const int headingWidth = fontMetrics().size(0, heading(column)).width();
    int needed = 0;
    switch (column) {
    case Number1Column:
        needed = fieldWidth(m_fields.number1, QString(Configuration::CallNumber1Length, u'0'));
        break;
    case Number2Column:
        needed = fieldWidth(m_fields.number2, QString(ShownNumber2Digits, u'0'));
        break;
    case SwitchesColumn:
        // Its heading stands over the address too.
        needed = widget->minimumWidth();
        return qMax(needed,
            headingWidth - columnMinimum(AddressColumn) - m_fields.row->horizontalSpacing());
    case OptionsColumn: {
        // The brief summary at its longest: all boxes ticked, or none.
        const qsizetype boxes = optionBoxes().size();
        needed = std::max(m_fields.options->widthFor(briefSummary(boxes)),
            m_fields.options->widthFor(briefSummary(0)));
        break;
    }
    default:
        needed = qMax(widget->minimumWidth(), widget->minimumSizeHint().width());
        break;
    }
    return qMax(needed, headingWidth);
}

void EntryPanel::setColumnMinimums(const QList<int> &widths)
{
    for (int column = 0; column < ColumnCount; ++column)
        m_fields.row->setColumnMinimumWidth(column, widths.value(column));
}

bool EntryPanel::isUnfolded() const
{
    return m_fields.options->isChecked();
}

void EntryPanel::setUnfolded(bool unfolded)
{
    // The button's toggled() brings it here again.
    if (m_fields.options->isChecked() != unfolded) {
        m_fields.options->setChecked(unfolded);
        return;
    }
    // Folding works through the layout alone: an ignored size policy lets the
    // boxes shrink to nothing, and the list row follows the panel's minimum.
    if (unfolded)
        m_fields.optionArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    else
        m_fields.optionArea->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    // Folded boxes must not take the focus: a key would tick a box nobody sees.
    for (QCheckBox *box : optionBoxes())
        box->setFocusPolicy(unfolded ? m_unfoldedFocus : Qt::NoFocus);
    if (!unfolded && m_fields.optionArea->isAncestorOf(focusWidget()))
        m_fields.options->setFocus();

    if (m_listItem)
        m_listItem->setSizeHint(minimumSizeHint());
    emit unfoldedChanged(unfolded);
}

void EntryPanel::setFields(const Fields &fields)
{
    m_fields = fields;
    m_fields.number1->setValidator(new CallNumberValidator(Configuration::CallNumber1Length, this));
    m_fields.number2->setValidator(new CallNumberValidator(Configuration::CallNumber2Length, this));
    watch(fields.number1, ConfigurationField::CallNumber1);
    watch(fields.number2, ConfigurationField::CallNumber2);
    watch(fields.redirectToMaster, StatusBit::RedirectToMaster);
    watch(fields.signallingOff, StatusBit::SignallingOff);
    watch(fields.callRedirect, StatusBit::CallRedirect);
    watch(fields.secondNumberFirst, StatusBit::SecondNumberFirst);

    // The columns take their widths from the window, which gives every row
    // the same, and not from what the widgets would like: so they line up.
    for (int column = 0; column < ColumnCount; ++column) {
        m_fields.row->setColumnStretch(column, ColumnStretch[column]);
        if (QWidget *widget = columnWidget(Column(column))) {
            QSizePolicy policy = widget->sizePolicy();
            policy.setHorizontalPolicy(QSizePolicy::Ignored);
            widget->setSizePolicy(policy);
        }
    }
    // The captions stand once above the roster; here they only name the fields.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            label->hide();
    }
    m_fields.title->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_unfoldedFocus = optionBoxes().value(0)->focusPolicy();
    connect(m_fields.options, &QToolButton::toggled, this, &EntryPanel::setUnfolded);
    for (QCheckBox *box : optionBoxes())
        connect(box, &QCheckBox::toggled, this, &EntryPanel::showOptionSummary);
    showOptionSummary();
    setUnfolded(false);
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

int EntryPanel::fieldWidth(const QLineEdit *edit, const QString &text)
{
    // The field's narrowest holds one widest character; one pixel more for
    // the cursor behind the text.
    const QFontMetrics metrics(edit->font());
    return edit->minimumSizeHint().width() - metrics.maxWidth() + metrics.horizontalAdvance(text)
        + 1;
}

void EntryPanel::nameFields()
{
    for (const QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            label->buddy()->setAccessibleName(
                ConfigurationText::listedName(m_entry, label->text()));
    }
    // A box's text may run over two lines.
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setAccessibleName(ConfigurationText::listedName(m_entry, box->text().simplified()));
    m_fields.options->setAccessibleName(
        ConfigurationText::listedName(m_entry, heading(OptionsColumn)));
    // The validators stop at the limit without a word; the field says it.
    m_fields.number1->setToolTip(tr("Bis zu %1 Ziffern").arg(Configuration::CallNumber1Length));
    m_fields.number2->setToolTip(tr("Bis zu %1 Ziffern").arg(Configuration::CallNumber2Length));
    showOptionSummary();
}

void EntryPanel::showOptionSummary()
{
    QStringList ticked;
    for (const QCheckBox *box : optionBoxes()) {
        if (box->isChecked())
            ticked << box->text().simplified();
    }
    const QString summary = ticked.isEmpty() ? briefSummary(0) : ticked.join(QLatin1String(", "));
    m_fields.options->setSummary(summary, briefSummary(ticked.size()));
    m_fields.options->setToolTip(tr("Optionen: %1").arg(summary));
    m_fields.options->setAccessibleDescription(summary);
}

QString EntryPanel::briefSummary(qsizetype ticked)
{
    //: The summary of an entry's options when none is ticked
    return ticked == 0 ? tr("keine") : tr("%n Optionen", nullptr, int(ticked));
}

QList<QCheckBox *> EntryPanel::optionBoxes() const
{
    return m_fields.optionArea->findChildren<QCheckBox *>();
}

QLabel *EntryPanel::caption(const QWidget *field) const
{
    for (QLabel *label : findChildren<QLabel *>()) {
        if (field && label->buddy() == field)
            return label;
    }
    return nullptr;
}
