#pragma once

#include "entrypanel.h"

#include <memory>

namespace Ui {
class MasterWidget;
}

// The master station's row in the roster list: call numbers and the summary of
// the option boxes, which unfold below the row on demand; no bus address. Its
// "Wahl ohne warten" box sits in the window.
class MasterWidget : public EntryPanel
{
    Q_OBJECT

public:
    explicit MasterWidget(QWidget *parent = nullptr);
    ~MasterWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::MasterWidget> m_ui;
};
