#include "progressdialog.h"
#include "ui_progressdialog.h"

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ProgressDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ui->progressBar->setValue(0);
    m_ui->processLabel->clear();
}

ProgressDialog::~ProgressDialog() = default;

int ProgressDialog::currentProgress() const
{
    return m_ui->progressBar->value();
}

void ProgressDialog::setProgressRange(int minimum, int maximum)
{
    m_ui->progressBar->setMinimum(minimum);
    m_ui->progressBar->setMaximum(maximum);
}

void ProgressDialog::setCurrentProcess(const QString &process)
{
    m_ui->processLabel->setText(process);
}

void ProgressDialog::setCurrentProgress(int progress)
{
    m_ui->progressBar->setValue(progress);
}

void ProgressDialog::changeEvent(QEvent *event)
{
    // The form's texts include the "<process>" placeholder, which stays until
    // the next step names its item.
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
