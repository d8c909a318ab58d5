#pragma once
// "Model Setup": the process modules of the chain, one option button each.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNProcessModulesButtonsForm.h"

namespace zarn {

class ZARNProcessModulesButtonsForm : public ZarnWindow {
    Q_OBJECT
public:
    ZARNProcessModulesButtonsForm();
    void load() override;

    Ui::ZARNProcessModulesButtonsForm ui;

private slots:
    void on_APMExitButton_clicked();
    void on_zarnPMCropInputsButton_clicked();
    void on_zarnPMHarvestButton_clicked();
    void on_ZARNPMLoadingButton_clicked();
    void on_ZARNPMTransportButton_clicked();
    void on_ZARNPMUnloadingButton_clicked();
    void on_ZARNPMStorageButton_clicked();
    void on_ZARNPMJuiceButton_clicked();
    void on_ZARNPMProcessEnergyButton_clicked();
    void on_ZARNPMFermentationButton_clicked();
    void on_ZARNPMElectricityButton_clicked();
    void on_ZARNPMBiogasButton_clicked();
    void on_ZARNPMCalcButton_clicked();
};

} // namespace zarn
