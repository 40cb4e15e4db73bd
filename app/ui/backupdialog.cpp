#include "backupdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column { When, Port, File, ColumnCount };
// Room for a dozen backups and a long file name without scrolling.
const QSize InitialSize(640, 360);
} // namespace

BackupDialog::BackupDialog(const QList<BackupStore::Backup> &backups, QWidget *parent)
    : QDialog(parent)
    , m_backups(backups)
    , m_label(new QLabel(this))
    , m_list(new QTreeWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("BackupDialog"));
    m_label->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setColumnCount(ColumnCount);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    for (qsizetype row = 0; row < m_backups.size(); ++row)
        new QTreeWidgetItem(m_list);

    m_open = m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_open->setObjectName(QStringLiteral("openButton"));
    m_other = m_buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_other->setObjectName(QStringLiteral("otherFileButton"));
    m_other->setAutoDefault(false);
    m_open->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);

    connect(m_list, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem *current) { m_open->setEnabled(current); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &BackupDialog::openChosen);
    connect(m_open, &QPushButton::clicked, this, &BackupDialog::openChosen);
    connect(m_other, &QPushButton::clicked, this, &BackupDialog::pickOtherFile);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_open->setEnabled(false);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    retranslate();
    resize(sizeHint().expandedTo(InitialSize));
}

void BackupDialog::retranslate()
{
    setWindowTitle(tr("Sicherung wiederherstellen"));
    m_label->setText(m_backups.isEmpty()
            ? tr("Es gibt noch keine Sicherung.")
            : tr("Vor jedem Schreiben und Zurücksetzen wird gesichert, was der VX-Adapter "
                 "enthielt. Die neueste Sicherung steht oben:"));
    m_list->setHeaderLabels(
        { tr("Gesichert am"), tr("Schnittstelle"), tr("Datei auf dem Bildschirm") });
    // Older versions did not record where a backup came from.
    const QString unknown = QStringLiteral("\u2014");
    for (int row = 0; row < m_backups.size(); ++row) {
        const BackupStore::Backup &backup = m_backups.at(row);
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        item->setText(When, backup.when.toString(tr("dd.MM.yyyy HH:mm:ss")));
        item->setToolTip(When, QDir::toNativeSeparators(backup.path));
        if (!backup.origin) {
            item->setText(Port, unknown);
            item->setText(File, unknown);
            continue;
        }
        item->setText(Port, backup.origin->port.isEmpty() ? unknown : backup.origin->port);
        const QString file = backup.origin->file;
        item->setText(File, file.isEmpty() ? tr("unbenannt") : QFileInfo(file).fileName());
        item->setToolTip(File, QDir::toNativeSeparators(file));
    }
    for (int column = 0; column < ColumnCount; ++column)
        m_list->resizeColumnToContents(column);
    m_open->setText(tr("Öffnen"));
    m_other->setText(tr("Andere Datei…"));
}

void BackupDialog::openChosen()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0)
        return;
    m_fileName = m_backups.at(row).path;
    accept();
}

void BackupDialog::pickOtherFile()
{
    const QString name = QFileDialog::getOpenFileName(this, tr("Sicherung wiederherstellen"),
        BackupStore::directory(), tr("Vx-Configuration (*.tml)"));
    if (name.isEmpty())
        return;
    m_fileName = name;
    accept();
}

void BackupDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
