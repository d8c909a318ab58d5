#pragma once
// The weather-directory window, kept without behaviour: "OK" and "Cancel" close it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInWTHDIRForm.h"

namespace zarn {

class CeresInWTHDIRForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInWTHDIRForm();

    Ui::CeresInWTHDIRForm ui;

private slots:
    void on_CeresInWTHDIROKButton_clicked();
    void on_CeresInWTHDIRCancelButton_clicked();
};

} // namespace zarn
