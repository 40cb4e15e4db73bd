#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PasswordDialog;
}

class QPushButton;

// Asks twice for a new four-digit master password; OK stays disabled until
// both entries agree.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordDialog(QWidget *parent = nullptr);
    ~PasswordDialog() override;

    QString password() const;

public slots:
    void checkEqual(const QString &confirmation);

protected:
    void changeEvent(QEvent *event) override;

private:
    void passwordEdited();
    void fitTitle();
    QPushButton *okButton() const;

    std::unique_ptr<Ui::PasswordDialog> m_ui;
    bool m_confirmationChanged = false;
};
