#pragma once
// The transport variables of the calculation: a window with its caption only.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcTransportVariablesForm.h"

namespace zarn {

class zarnCalcTransportVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcTransportVariablesForm();

    Ui::zarnCalcTransportVariablesForm ui;
};

} // namespace zarn
