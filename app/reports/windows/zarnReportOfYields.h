#pragma once
// The yields report: the yields of the crop-model runs since startup on the
// yields chart, with "Load Yield" (redraw) and "Reset" (clear the list).
#include "shell/windows/zarnwindow.h"
#include "ui_zarnReportOfYields.h"

namespace zarn {

class zarnReportOfYields : public ZarnWindow {
    Q_OBJECT
public:
    zarnReportOfYields();
    void load() override;

    Ui::zarnReportOfYields ui;

private slots:
    void on_RepYieldLoadButton_clicked();
    void on_RepYieldResetButton_clicked();
    void on_RepYieldOKButton_clicked();
    void on_RepYieldCancelButton_clicked();
};

} // namespace zarn
