#include "shell/windows/ZARNMainProcessingMenuForm.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/routes.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// Each button or menu entry and the window it opens.
const Route kRoutes[] = {
    {"ZarnDefaultButton", "ZarnDefaultForm"},
    {"mnuDefaults", "ZarnDefaultForm"},
    {"ZarnProcessModButton", "ZARNProcessModulesButtonsForm"},
    {"mnuCropInputs", "zarnModCropForm"},
    {"mnuHarvestModule", "zarnHarv"},
    {"mnuLoadingModule", "zarnModLoad"},
    {"mnuTransportModule", "zarnModTransportForm"},
    {"mnuUnloadingModule", "zarnModUnloadForm"},
    {"mnuStorageModule", "zarnModStorageForm"},
    {"mnuJuiceExtractionModule", "zarnModJuiceExtractForm"},
    {"mnuProcessEnergyModule", "zarnModProcessEnergyForm"},
    {"mnuFermentationModule", "zarnModFermentationForm"},
    {"mnuElectricityModule", "zarnModElecProdForm"},
    {"mnuBiogasModule", "zarnModBioGasForm"},
    {"ZarnCalculateButton", "zarnCalculationForm"},
    {"mnuCalculate", "zarnCalculationForm"},
    {"ZarnReportButton", "zarnReportOfYields"},
    {"mnuReports", "zarnReportOfYields"},
    {"ResVarietyButton", "resVarietyForm"},
    {"mnuVariety", "resVarietyForm"},
    {"ResCropManageButton", "ResCropManagementForm"},
    {"mnuCropManagement", "ResCropManagementForm"},
    {"ResHarvestResButton", "Harv"},
    {"mnuHarvestResource", "Harv"},
    {"ResLoadingButton", "ResLoad"},
    {"mnuLoading", "ResLoad"},
    {"ResTransportButton", "ResTransForm"},
    {"mnuTransport", "ResTransForm"},
    {"ResUnloadingButton", "ResUnlod"},
    {"mnuUnloading", "ResUnlod"},
    {"ResMillCrushingOpr", "ResCrushing"},
    {"mnuMillCrushing", "ResCrushing"},
    {"ResJuiceButton", "ResJuiceExtForm"},
    {"mnuJuiceEnergy", "ResJuiceExtForm"},
    {"ResEnergyButton", "ResEnergyForm"},
    {"mnuEnergy", "ResEnergyForm"},
    {"ResEnergyConvButton", "ResEnergyConversionForm"},
    {"mnuEnergyConversions", "ResEnergyConversionForm"},
    {"ResJobButton", "ResJob"},
    {"mnuOccupations", "ResJob"},
    {"ResInstituteButton", "ResInstituteForm"},
    {"mnuInstitute", "ResInstituteForm"},
    {"ResSiteButton", "ResSiteForm"},
    {"mnuSite", "ResSiteForm"},
    {"Option3D16", "ceresoil"},
    {"mnuSoilProfiles", "ceresoil"},
    {"mnuSoilInitial", "ceresinit"},
    {"mnuSoilLoad", "LoadSoils"},
    {"ResWeatherButton", "CeresWInInitialForm"},
    {"mnuWeatherImport", "CeresWInInitialForm"},
    {"mnuWeatherInput", "CeresWInForm"},
    {"mnuWeatherSelect", "CeresWInSelect"},
    {"CPMCERESButton", "CPMCERESForm"},
    {"mnuModifyCropManagement", "CERESInCropManageForm"},
    {"mnuModifyInitialSoil", "ceresinit"},
    {"mnuModifyWeather", "CeresWInSelect"},
    {"mnuModifyLeafData", "CeresInLeafForm"},
    {"mnuModifySGEXP", "CeresInSGEXPForm"},
    {"mnuAnalyseOut1", "CeresOut1Form"},
    {"mnuAnalyseOut2", "CeresOut2Form"},
    {"mnuAnalyseOut3", "CeresOut3Form"},
    {"mnuAnalyseOut4", "CeresOut4Form"},
    {"mnuAnalyseOut5", "CeresOut5Form"},
    {"mnuRun", "CERESRunForm"},
    {"mnutest", "ResEquipment"},
};

// The other crop models are not built.
const char *const kCropModelsNotAvailable[] = {"CPMICASAButton", "CPMKSUButton",
                                               "CPMCaneButton",  "mnuSorghumIcasa",
                                               "mnuSorkamKsu",   "mnuSugarcaneIcasa"};

void showCropModelNotAvailable() {
    showMessage(QStringLiteral("Not Currently Available"), QStringLiteral("Crop Model Information"),
                MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace

ZARNMainProcessingMenuForm::ZARNMainProcessingMenuForm() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
    for (const char *control : kCropModelsNotAvailable)
        onActivated(this, control, showCropModelNotAvailable);
}

void ZARNMainProcessingMenuForm::load() {
    show();
    ui.ZARNFrame->hide();
    ui.ResourcesFrame->hide();
    ui.CERESFrame->hide();
    ui.ZARNMMSiteUsed->setText(shared().gSite);
    ui.ZARNMMInstitute->setText(shared().gInstitute);
}

// At most one group of option buttons shows at a time.
void ZARNMainProcessingMenuForm::on_ZARNButton_clicked() {
    ui.ZARNFrame->show();
    ui.ResourcesFrame->hide();
    ui.CERESFrame->hide();
}

void ZARNMainProcessingMenuForm::on_ResourcesButton_clicked() {
    ui.ZARNFrame->hide();
    ui.ResourcesFrame->show();
    ui.CERESFrame->hide();
}

void ZARNMainProcessingMenuForm::on_CERESButton_clicked() {
    ui.ZARNFrame->hide();
    ui.ResourcesFrame->hide();
    ui.CERESFrame->show();
}

// "Exit" goes back to a freshly loaded main menu; the menu's "E&xit" only
// closes this window.
void ZARNMainProcessingMenuForm::on_ExitButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
    close();
}

void ZARNMainProcessingMenuForm::on_mnuExit_triggered() {
    close();
}

ZARN_REGISTER_WINDOW(ZARNMainProcessingMenuForm)

} // namespace zarn
