#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class MasterWidget;
}

// The master station's row in the roster list: call numbers and the option
// check boxes, always shown.
class MasterWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MasterWidget(QWidget *parent = nullptr);
    ~MasterWidget() override;

    // The roster reads and writes the values straight from the form's widgets.
    Ui::MasterWidget *form() { return m_ui.get(); }
    const Ui::MasterWidget *form() const { return m_ui.get(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::MasterWidget> m_ui;
};
