#pragma once
// "ZARN System Setup Form": the wizard's first step, shown instead of going
// straight to the main working window when the wizard is on.
#include "shell/windows/zarnwindow.h"
#include "ui_ZarnSetupSystemForm.h"

namespace zarn {

class ZarnSetupSystemForm : public ZarnWindow {
    Q_OBJECT
public:
    ZarnSetupSystemForm();
    void load() override;

    Ui::ZarnSetupSystemForm ui;

private slots:
    void on_ZarnSetupSystemNewButton_clicked();
    void on_ZarnSetSysTotalButton_clicked();
    void on_ZarnSetSysElectricButton_clicked();
    void on_ZarnSetSysEthanolButton_clicked();
    void on_ZarnSetSysLandButton_clicked();
    void on_ZarnSetSysOKButton_clicked();
    void on_ZarnSetSysCancelButton_clicked();
};

} // namespace zarn
