#pragma once
// The loading variables of the calculation: a window with its caption only.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcLoadingVariablesForm.h"

namespace zarn {

class zarnCalcLoadingVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcLoadingVariablesForm();

    Ui::zarnCalcLoadingVariablesForm ui;
};

} // namespace zarn
