#include "shell/windows/ZARNProcessModulesButtonsForm.h"

#include "shell/windows/routes.h"
#include "shell/windows/widgets3d.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// Each module button and the window it opens.
const Route kRoutes[] = {
    {"zarnPMCropInputsButton", "zarnModCropForm"},
    {"zarnPMHarvestButton", "zarnHarv"},
    {"ZARNPMLoadingButton", "zarnModLoad"},
    {"ZARNPMTransportButton", "zarnModTransportForm"},
    {"ZARNPMUnloadingButton", "zarnModUnloadForm"},
    {"ZARNPMStorageButton", "zarnModStorageForm"},
    {"ZARNPMJuiceButton", "zarnModJuiceExtractForm"},
    {"ZARNPMProcessEnergyButton", "zarnModProcessEnergyForm"},
    {"ZARNPMFermentationButton", "zarnModFermentationForm"},
    {"ZARNPMElectricityButton", "zarnModElecProdForm"},
    {"ZARNPMBiogasButton", "zarnModBioGasForm"},
    {"ZARNPMCalcButton", "zarnCalcValues"},
};

} // namespace

ZARNProcessModulesButtonsForm::ZARNProcessModulesButtonsForm() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
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

ZARN_REGISTER_WINDOW(ZARNProcessModulesButtonsForm)

} // namespace zarn
