#pragma once

#include "backupstore.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// Lists the backups newest first with the port and the file each was taken
// with, so that an installer who serves several buildings finds the right one;
// any other file can be picked instead.
class BackupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BackupDialog(const QList<BackupStore::Backup> &backups, QWidget *parent = nullptr);

    // The backup chosen, or the other file picked.
    QString fileName() const { return m_fileName; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void openChosen();
    void pickOtherFile();

    QList<BackupStore::Backup> m_backups;
    QLabel *m_label = nullptr;
    QTreeWidget *m_list = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_other = nullptr;
    QString m_fileName;
};
