#include "masterwidget.h"
#include "ui_masterwidget.h"

#include "callnumbervalidator.h"

MasterWidget::MasterWidget(QWidget *parent)
    : EntryPanel(Configuration::Master, parent)
    , m_ui(std::make_unique<Ui::MasterWidget>())
{
    m_ui->setupUi(this);
    setFields({ m_ui->numberEdit1, m_ui->numberEdit2, m_ui->nightBox, m_ui->signalBox,
        m_ui->callBox, m_ui->priorityBox });

    // Only the device or a settings file sets this flag, never the user.
    m_ui->signalBox->setEnabled(false);

    m_ui->numberEdit1->setValidator(new CallNumberValidator(4, this));
    m_ui->numberEdit2->setValidator(new CallNumberValidator(22, this));

    m_ui->masterLabel->setStyleSheet(QStringLiteral("font-weight: bold;font-size: 16px;"));
    showPhoneIcon(m_ui->label_2);
    showPhoneIcon(m_ui->label_3);
    nameFields();
}

MasterWidget::~MasterWidget() = default;

void MasterWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        nameFields();
    }
    QWidget::changeEvent(event);
}
