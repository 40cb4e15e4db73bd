#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ProgressDialog;
}

// Shows which item a transfer is working on and how far it has come.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);
    ~ProgressDialog() override;

    int currentProgress() const;
    void setProgressRange(int minimum, int maximum);

public slots:
    void setCurrentProcess(const QString &process);
    void setCurrentProgress(int progress);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::ProgressDialog> m_ui;
};
