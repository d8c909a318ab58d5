#pragma once
// The electricity variables of the calculation: a window with its caption only.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcElectricityVariablesForm.h"

namespace zarn {

class zarnCalcElectricityVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcElectricityVariablesForm();

    Ui::zarnCalcElectricityVariablesForm ui;
};

} // namespace zarn
