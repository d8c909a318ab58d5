#pragma once
// The crop-model window: the hub from which the model's inputs are changed,
// the model is run and its outputs are viewed.
#include "shell/windows/zarnwindow.h"
#include "ui_CPMCERESForm.h"

namespace zarn {

class CPMCERESForm : public ZarnWindow {
    Q_OBJECT
public:
    CPMCERESForm();
    void load() override;

    Ui::CPMCERESForm ui;

private slots:
    void on_CERESRunBtn_clicked();
    void on_CPMCERESExitButton_clicked();
};

} // namespace zarn
