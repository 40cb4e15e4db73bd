#include "passworddialog.h"
#include "ui_passworddialog.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
const int PasswordLength = 4;
}

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

QPushButton *PasswordDialog::okButton() const
{
    return m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

void PasswordDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
