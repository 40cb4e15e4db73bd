#include "attendeewidget.h"
#include "ui_attendeewidget.h"

#include "busaddressvalidator.h"
#include "callnumbervalidator.h"
#include "configurationtext.h"
#include "kelvoaddress.h"

#include <QListWidgetItem>

namespace {

// Between the bold title and the summary of the folded options.
constexpr int SummaryIndent = 12;

} // namespace

AttendeeWidget::AttendeeWidget(int attendee, QListWidgetItem *item, QWidget *parent)
    : EntryPanel(attendee, parent)
    , m_ui(std::make_unique<Ui::AttendeeWidget>())
    , m_listItem(item)
{
    m_ui->setupUi(this);
    setFields({ m_ui->numberEdit1, m_ui->numberEdit2, m_ui->nightBox, m_ui->signalBox,
        m_ui->callBox, m_ui->priorityBox });
    watch(m_ui->addressEdit, ConfigurationField::BusAddress);
    watch(m_ui->featureBox, StatusBit::ExtendedFeatures);

    // Only the device or a settings file sets this flag, never the user.
    m_ui->signalBox->setEnabled(false);

    m_ui->numberEdit1->setValidator(new CallNumberValidator(4, this));
    m_ui->numberEdit2->setValidator(new CallNumberValidator(22, this));
    m_ui->addressEdit->setValidator(
        new BusAddressValidator(BusAddressValidator::ProgramRules, this));

    showEntryNames();
    m_ui->attendeeLabel->setStyleSheet(QStringLiteral("font-weight: bold;font-size: 16px;"));
    showPhoneIcon(m_ui->label_4);
    showPhoneIcon(m_ui->label_5);

    // The list's rows are as tall as their panels' minimum; at that, the
    // switches are still large enough to read and to hit.
    m_ui->addressLabel->setMinimumSize(m_ui->addressLabel->sizeHint());
    // Beside them, the field still shows a whole address.
    const QFontMetrics metrics(m_ui->addressEdit->font());
    m_ui->addressEdit->setMinimumWidth(m_ui->addressEdit->minimumSizeHint().width()
        - metrics.maxWidth() + metrics.horizontalAdvance(QStringLiteral("H27")));
    m_ui->summaryLabel->setContentsMargins(SummaryIndent, 0, 0, 0);
    m_unfoldedFocus = m_ui->featureBox->focusPolicy();
    ToggleFeatures(false);

    connect(m_ui->featureBox, &QCheckBox::toggled, this, &AttendeeWidget::ToggleFeatures);
    for (QCheckBox *box : optionBoxes())
        connect(box, &QCheckBox::toggled, this, &AttendeeWidget::showOptionSummary);
    connect(m_ui->addressEdit, &QLineEdit::textEdited, this, &AttendeeWidget::updateDippAddress);
    connect(m_ui->addressLabel, &KelvoAddressLabel::addressChanged, this,
        &AttendeeWidget::updateAddressText);
}

AttendeeWidget::~AttendeeWidget() = default;

void AttendeeWidget::showEntry(const ConfigurationEntry &entry)
{
    m_ui->featureBox->setChecked(entry.statusByte & StatusBit::ExtendedFeatures);
    EntryPanel::showEntry(entry);
    if (m_ui->addressEdit->text() != entry.busAddress) {
        m_ui->addressEdit->setText(entry.busAddress);
        updateDippAddress(entry.busAddress);
    }
}

QLineEdit *AttendeeWidget::editor(ConfigurationField field) const
{
    return field == ConfigurationField::BusAddress ? m_ui->addressEdit : EntryPanel::editor(field);
}

void AttendeeWidget::ToggleFeatures(bool active)
{
    // Folding works through the layout alone: an ignored size policy lets the
    // check boxes shrink to nothing, and the list row follows the panel's
    // minimum height.
    if (active)
        m_ui->featureWidget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    else
        m_ui->featureWidget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    // Folded boxes must not take the focus: a key would tick a box nobody sees.
    for (QCheckBox *box : optionBoxes())
        box->setFocusPolicy(active ? m_unfoldedFocus : Qt::NoFocus);
    if (!active && m_ui->featureWidget->isAncestorOf(focusWidget()))
        m_ui->featureBox->setFocus();
    showOptionSummary();

    if (m_listItem)
        m_listItem->setSizeHint(minimumSizeHint());
}

void AttendeeWidget::updateDippAddress(const QString &name)
{
    if (name == m_ui->addressLabel->getAddressName())
        return;

    // Anything short of a complete address (a lone letter or number, or a
    // trailing extra character) shows the switches' rest position.
    const QRegularExpressionMatch match = KelvoAddress::pattern().match(name);
    m_ui->addressLabel->setAddressName(match.hasMatch() ? match.captured(0) : QStringLiteral("A1"));
}

void AttendeeWidget::updateAddressText()
{
    // setText() neither runs the validator nor emits textEdited(), so the
    // switches can reach numbers (25 to 27) that cannot be typed; the user
    // set them, so the address goes to the document as typed would.
    const QString address = m_ui->addressLabel->getAddressName();
    m_ui->addressEdit->setText(address);
    emit edited({ ConfigurationField::BusAddress, entry(), address });
}

void AttendeeWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        showEntryNames();
        showOptionSummary();
    }
    QWidget::changeEvent(event);
}

void AttendeeWidget::showEntryNames()
{
    m_ui->attendeeLabel->setText(tr("Teilnehmer %1").arg(entry()));
    nameFields();
    m_ui->addressLabel->setAccessibleName(
        ConfigurationText::listedName(entry(), tr("DIP-Schalter")));
}

QList<QCheckBox *> AttendeeWidget::optionBoxes() const
{
    return { m_ui->signalBox, m_ui->priorityBox, m_ui->nightBox, m_ui->callBox };
}

void AttendeeWidget::showOptionSummary()
{
    // Options a file or the adapter set stay in sight while folded away; the
    // extended-functions box itself is a stored bit and is left alone.
    QStringList ticked;
    if (!m_ui->featureBox->isChecked()) {
        for (const QCheckBox *box : optionBoxes()) {
            if (box->isChecked())
                ticked << box->text();
        }
    }
    const QString summary
        = ticked.isEmpty() ? QString() : tr("Optionen: %1").arg(ticked.join(QLatin1String(", ")));
    m_ui->summaryLabel->setText(summary);
    m_ui->summaryLabel->setToolTip(summary);
}
