#pragma once
// The process energy variables of the calculation: a window with its caption only.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcProcessEnergyVariablesForm.h"

namespace zarn {

class zarnCalcProcessEnergyVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcProcessEnergyVariablesForm();

    Ui::zarnCalcProcessEnergyVariablesForm ui;
};

} // namespace zarn
