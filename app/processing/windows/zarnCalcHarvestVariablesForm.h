#pragma once
// The harvest variables of the calculation: a window with its caption only.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcHarvestVariablesForm.h"

namespace zarn {

class zarnCalcHarvestVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcHarvestVariablesForm();

    Ui::zarnCalcHarvestVariablesForm ui;
};

} // namespace zarn
