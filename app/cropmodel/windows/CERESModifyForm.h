#pragma once
// The crop-model modify window: opens the experiment directory, crop
// management, leaf data and weather windows.
#include "shell/windows/zarnwindow.h"
#include "ui_CERESModifyForm.h"

namespace zarn {

class CERESModifyForm : public ZarnWindow {
    Q_OBJECT
public:
    CERESModifyForm();
    void load() override;

    Ui::CERESModifyForm ui;

private slots:
    void on_CERESModifySGEXPButton_clicked();
    void on_CERESModifyCropManagementButton_clicked();
    void on_CERESModifyLeafDataButton_clicked();
    void on_CERESModifyWeatherButton_clicked();
    void on_CERESModifyOKButton_clicked();
};

} // namespace zarn
