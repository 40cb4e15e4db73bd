#include "masterwidget.h"
#include "ui_masterwidget.h"

MasterWidget::MasterWidget(QWidget *parent)
    : EntryPanel(Configuration::Master, nullptr, parent)
    , m_ui(std::make_unique<Ui::MasterWidget>())
{
    m_ui->setupUi(this);
    setFields({ m_ui->gridLayout_2, m_ui->masterLabel, m_ui->numberEdit1, m_ui->numberEdit2,
        m_ui->optionsButton, m_ui->featureWidget, m_ui->nightBox, m_ui->signalBox, m_ui->callBox,
        m_ui->priorityBox });

    // Only the device or a settings file sets this flag, never the user.
    m_ui->signalBox->setEnabled(false);
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
