#include "attendeewidget.h"
#include "ui_attendeewidget.h"

#include "busaddressvalidator.h"
#include "configurationtext.h"
#include "kelvoaddress.h"

namespace {

// The switches at their smallest, in a window at its smallest, where the ten
// rows still fit. Their column is as wide as at the window's default size,
// where the rows give them the height to fill it: 60 x 36, more than three
// times the area of the 34 x 18 pixels they once had, so that the levers can
// be read and hit. Taller rows make them larger still.
const QSize SmallestSwitches(60, 27);

} // namespace

AttendeeWidget::AttendeeWidget(int attendee, QListWidgetItem *item, QWidget *parent)
    : EntryPanel(attendee, item, parent)
    , m_ui(std::make_unique<Ui::AttendeeWidget>())
{
    m_ui->setupUi(this);
    // The switches take the height the row has, their 5:3 block inside it.
    m_ui->addressLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    m_ui->addressLabel->setMinimumSize(SmallestSwitches);
    // Beside them, the field still shows a whole address.
    m_ui->addressEdit->setMinimumWidth(fieldWidth(m_ui->addressEdit, QStringLiteral("H27")));

    setFields({ m_ui->gridLayout_2, m_ui->attendeeLabel, m_ui->numberEdit1, m_ui->numberEdit2,
        m_ui->optionsButton, m_ui->featureWidget, m_ui->nightBox, m_ui->signalBox, m_ui->callBox,
        m_ui->priorityBox });
    watch(m_ui->addressEdit, ConfigurationField::BusAddress);
    watch(m_ui->featureBox, StatusBit::ExtendedFeatures);

    // Only the device or a settings file sets this flag, never the user.
    m_ui->signalBox->setEnabled(false);
    m_ui->addressEdit->setValidator(
        new BusAddressValidator(BusAddressValidator::ProgramRules, this));
    showEntryNames();

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
    setUnfolded(active);
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
