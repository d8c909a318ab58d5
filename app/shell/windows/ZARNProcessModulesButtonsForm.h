#pragma once
// "Model Setup": the process modules of the chain, one option button each.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNProcessModulesButtonsForm.h"

namespace zarn {

class ZARNProcessModulesButtonsForm : public ZarnWindow {
    Q_OBJECT
public:
    ZARNProcessModulesButtonsForm();
    void load() override;

    Ui::ZARNProcessModulesButtonsForm ui;

private slots:
    void on_APMExitButton_clicked();
};

} // namespace zarn
