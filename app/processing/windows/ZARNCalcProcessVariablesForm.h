#pragma once
// "Process Variables": the buttons that open the variable windows of the
// processing chain's steps.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNCalcProcessVariablesForm.h"

namespace zarn {

class ZARNCalcProcessVariablesForm : public ZarnWindow {
    Q_OBJECT
public:
    ZARNCalcProcessVariablesForm();

    Ui::ZARNCalcProcessVariablesForm ui;

private slots:
    void on_zarnCalcElectricityButton_clicked();
    void on_zarnCalcProcessEnergyButton_clicked();
    void on_zarnCalcMillButton_clicked();
    void on_zarnCalcTransportButton_clicked();
    void on_zarnCalcLoadLabel_clicked();
    void on_zarnCalcHarvestButton_clicked();
};

} // namespace zarn
