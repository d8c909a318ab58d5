#include "shell/windows/ZARNProcessModulesButtonsForm.h"

#include "shell/windows/widgets3d.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

ZARNProcessModulesButtonsForm::ZARNProcessModulesButtonsForm() {
    ui.setupUi(this);
}

void ZARNProcessModulesButtonsForm::load() {
    show();
    ui.APMExitButton->setFocus();
    ui.ZARNProcessModButtonFrame->setVisible(true);
}

// "OK" closes the window and clears the "Setup" choice of the main working window.
void ZARNProcessModulesButtonsForm::on_APMExitButton_clicked() {
    close();
    if (QWidget *main = WindowRegistry::find(QStringLiteral("ZARNMainProcessingMenuForm")))
        if (auto *setup = main->findChild<OptionButton3D *>(QStringLiteral("ZarnProcessModButton")))
            setup->setUnselected();
}

// Each module opens its window.
void ZARNProcessModulesButtonsForm::on_zarnPMCropInputsButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModCropForm"));
}
void ZARNProcessModulesButtonsForm::on_zarnPMHarvestButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnHarv"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMLoadingButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModLoad"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMTransportButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModTransportForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMUnloadingButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModUnloadForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMStorageButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModStorageForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMJuiceButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModJuiceExtractForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMProcessEnergyButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModProcessEnergyForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMFermentationButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModFermentationForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMElectricityButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModElecProdForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMBiogasButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnModBioGasForm"));
}
void ZARNProcessModulesButtonsForm::on_ZARNPMCalcButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcValues"));
}

ZARN_REGISTER_WINDOW(ZARNProcessModulesButtonsForm)

} // namespace zarn
