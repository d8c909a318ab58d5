#pragma once
// "Mill Process Variables": the mill's daily inputs and outputs as the last
// calculation left them in the shared values.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcMillProcessForm.h"

namespace zarn {

class zarnCalcMillProcessForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcMillProcessForm();
    void load() override;

    Ui::zarnCalcMillProcessForm ui;
};

} // namespace zarn
