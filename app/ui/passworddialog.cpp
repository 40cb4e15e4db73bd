#include "passworddialog.h"
#include "ui_passworddialog.h"

#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

namespace {
const int PasswordLength = 4;
// Window managers set titles larger than the dialog's text, often in bold.
constexpr qreal TitleFontScale = 1.3;
// The window icon and up to three buttons share the title bar.
constexpr int TitleBarButtons = 4;
} // namespace

PasswordDialog::PasswordDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PasswordDialog>())
{
    m_ui->setupUi(this);

    // The adapter stores one byte per digit and its login field takes four
    // digits: anything else would set a password nobody can type.
    auto *digits = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(PasswordLength)), this);
    m_ui->passwordEdit->setValidator(digits);
    m_ui->confirmEdit->setValidator(digits);
    okButton()->setEnabled(false);
    fitTitle();

    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->confirmEdit, &QLineEdit::textChanged, this, &PasswordDialog::checkEqual);
    connect(m_ui->passwordEdit, &QLineEdit::textChanged, this, &PasswordDialog::passwordEdited);
}

PasswordDialog::~PasswordDialog() = default;

QString PasswordDialog::password() const
{
    return m_ui->confirmEdit->text();
}

void PasswordDialog::checkEqual(const QString &confirmation)
{
    m_confirmationChanged = true;
    const bool confirmed
        = confirmation.size() == PasswordLength && confirmation == m_ui->passwordEdit->text();
    m_ui->confirmEdit->setStyleSheet(confirmed ? QStringLiteral("background-color: green;")
                                               : QStringLiteral("background-color: red;"));
    okButton()->setEnabled(confirmed);
}

void PasswordDialog::passwordEdited()
{
    // Until the confirmation is touched it stays uncoloured; OK is off anyway
    // because an empty confirmation never counts.
    if (m_confirmationChanged)
        checkEqual(m_ui->confirmEdit->text());
}

void PasswordDialog::fitTitle()
{
    // The form is narrower than the title bar needs for the dialog's title.
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * TitleFontScale);
    const int title = QFontMetrics(titleFont).horizontalAdvance(windowTitle())
        + TitleBarButtons * style()->pixelMetric(QStyle::PM_TitleBarHeight);
    setMinimumWidth(qMax(minimumSizeHint().width(), title));
}

QPushButton *PasswordDialog::okButton() const
{
    return m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

void PasswordDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fitTitle();
    }
    QDialog::changeEvent(event);
}
