#include "shell/windows/ZARNMainProcessingMenuForm.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
void showCropModelNotAvailable() {
    showMessage(QStringLiteral("Not Currently Available"), QStringLiteral("Crop Model Information"),
                MsgIcon::Exclamation, MsgButtons::Ok);
}
} // namespace

ZARNMainProcessingMenuForm::ZARNMainProcessingMenuForm() {
    ui.setupUi(this);
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
    close();
    WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
}

void ZARNMainProcessingMenuForm::on_mnuExit_triggered() {
    close();
}

// Navigation: each control opens its window by name.
void ZARNMainProcessingMenuForm::on_ZarnDefaultButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZarnDefaultForm"));
}
void ZARNMainProcessingMenuForm::on_mnuDefaults_triggered() {
    WindowRegistry::show(QStringLiteral("ZarnDefaultForm"));
}
void ZARNMainProcessingMenuForm::on_ZarnProcessModButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNProcessModulesButtonsForm"));
}
void ZARNMainProcessingMenuForm::on_mnuCropInputs_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModCropForm"));
}
void ZARNMainProcessingMenuForm::on_mnuHarvestModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnHarv"));
}
void ZARNMainProcessingMenuForm::on_mnuLoadingModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModLoad"));
}
void ZARNMainProcessingMenuForm::on_mnuTransportModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModTransportForm"));
}
void ZARNMainProcessingMenuForm::on_mnuUnloadingModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModUnloadForm"));
}
void ZARNMainProcessingMenuForm::on_mnuStorageModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModStorageForm"));
}
void ZARNMainProcessingMenuForm::on_mnuJuiceExtractionModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModJuiceExtractForm"));
}
void ZARNMainProcessingMenuForm::on_mnuProcessEnergyModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModProcessEnergyForm"));
}
void ZARNMainProcessingMenuForm::on_mnuFermentationModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModFermentationForm"));
}
void ZARNMainProcessingMenuForm::on_mnuElectricityModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModElecProdForm"));
}
void ZARNMainProcessingMenuForm::on_mnuBiogasModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModBioGasForm"));
}
void ZARNMainProcessingMenuForm::on_ZarnCalculateButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalculationForm"));
}
void ZARNMainProcessingMenuForm::on_mnuCalculate_triggered() {
    WindowRegistry::show(QStringLiteral("zarnCalculationForm"));
}
void ZARNMainProcessingMenuForm::on_ZarnReportButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnReportOfYields"));
}
void ZARNMainProcessingMenuForm::on_mnuReports_triggered() {
    WindowRegistry::show(QStringLiteral("zarnReportOfYields"));
}
void ZARNMainProcessingMenuForm::on_ResVarietyButton_clicked() {
    WindowRegistry::show(QStringLiteral("resVarietyForm"));
}
void ZARNMainProcessingMenuForm::on_mnuVariety_triggered() {
    WindowRegistry::show(QStringLiteral("resVarietyForm"));
}
void ZARNMainProcessingMenuForm::on_ResCropManageButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResCropManagementForm"));
}
void ZARNMainProcessingMenuForm::on_mnuCropManagement_triggered() {
    WindowRegistry::show(QStringLiteral("ResCropManagementForm"));
}
void ZARNMainProcessingMenuForm::on_ResHarvestResButton_clicked() {
    WindowRegistry::show(QStringLiteral("Harv"));
}
void ZARNMainProcessingMenuForm::on_mnuHarvestResource_triggered() {
    WindowRegistry::show(QStringLiteral("Harv"));
}
void ZARNMainProcessingMenuForm::on_ResLoadingButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResLoad"));
}
void ZARNMainProcessingMenuForm::on_mnuLoading_triggered() {
    WindowRegistry::show(QStringLiteral("ResLoad"));
}
void ZARNMainProcessingMenuForm::on_ResTransportButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResTransForm"));
}
void ZARNMainProcessingMenuForm::on_mnuTransport_triggered() {
    WindowRegistry::show(QStringLiteral("ResTransForm"));
}
void ZARNMainProcessingMenuForm::on_ResUnloadingButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResUnlod"));
}
void ZARNMainProcessingMenuForm::on_mnuUnloading_triggered() {
    WindowRegistry::show(QStringLiteral("ResUnlod"));
}
void ZARNMainProcessingMenuForm::on_ResMillCrushingOpr_clicked() {
    WindowRegistry::show(QStringLiteral("ResCrushing"));
}
void ZARNMainProcessingMenuForm::on_mnuMillCrushing_triggered() {
    WindowRegistry::show(QStringLiteral("ResCrushing"));
}
void ZARNMainProcessingMenuForm::on_ResJuiceButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResJuiceExtForm"));
}
void ZARNMainProcessingMenuForm::on_mnuJuiceEnergy_triggered() {
    WindowRegistry::show(QStringLiteral("ResJuiceExtForm"));
}
void ZARNMainProcessingMenuForm::on_ResEnergyButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResEnergyForm"));
}
void ZARNMainProcessingMenuForm::on_mnuEnergy_triggered() {
    WindowRegistry::show(QStringLiteral("ResEnergyForm"));
}
void ZARNMainProcessingMenuForm::on_ResEnergyConvButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResEnergyConversionForm"));
}
void ZARNMainProcessingMenuForm::on_mnuEnergyConversions_triggered() {
    WindowRegistry::show(QStringLiteral("ResEnergyConversionForm"));
}
void ZARNMainProcessingMenuForm::on_ResJobButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResJob"));
}
void ZARNMainProcessingMenuForm::on_mnuOccupations_triggered() {
    WindowRegistry::show(QStringLiteral("ResJob"));
}
void ZARNMainProcessingMenuForm::on_ResInstituteButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResInstituteForm"));
}
void ZARNMainProcessingMenuForm::on_mnuInstitute_triggered() {
    WindowRegistry::show(QStringLiteral("ResInstituteForm"));
}
void ZARNMainProcessingMenuForm::on_ResSiteButton_clicked() {
    WindowRegistry::show(QStringLiteral("ResSiteForm"));
}
void ZARNMainProcessingMenuForm::on_mnuSite_triggered() {
    WindowRegistry::show(QStringLiteral("ResSiteForm"));
}
void ZARNMainProcessingMenuForm::on_Option3D16_clicked() {
    WindowRegistry::show(QStringLiteral("ceresoil"));
}
void ZARNMainProcessingMenuForm::on_mnuSoilProfiles_triggered() {
    WindowRegistry::show(QStringLiteral("ceresoil"));
}
void ZARNMainProcessingMenuForm::on_mnuSoilInitial_triggered() {
    WindowRegistry::show(QStringLiteral("ceresinit"));
}
void ZARNMainProcessingMenuForm::on_mnuSoilLoad_triggered() {
    WindowRegistry::show(QStringLiteral("LoadSoils"));
}
void ZARNMainProcessingMenuForm::on_ResWeatherButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresWInInitialForm"));
}
void ZARNMainProcessingMenuForm::on_mnuWeatherImport_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInInitialForm"));
}
void ZARNMainProcessingMenuForm::on_mnuWeatherInput_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInForm"));
}
void ZARNMainProcessingMenuForm::on_mnuWeatherSelect_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInSelect"));
}
void ZARNMainProcessingMenuForm::on_CPMCERESButton_clicked() {
    WindowRegistry::show(QStringLiteral("CPMCERESForm"));
}
void ZARNMainProcessingMenuForm::on_mnuModifyCropManagement_triggered() {
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}
void ZARNMainProcessingMenuForm::on_mnuModifyInitialSoil_triggered() {
    WindowRegistry::show(QStringLiteral("ceresinit"));
}
void ZARNMainProcessingMenuForm::on_mnuModifyWeather_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInSelect"));
}
void ZARNMainProcessingMenuForm::on_mnuModifyLeafData_triggered() {
    WindowRegistry::show(QStringLiteral("CeresInLeafForm"));
}
void ZARNMainProcessingMenuForm::on_mnuModifySGEXP_triggered() {
    WindowRegistry::show(QStringLiteral("CeresInSGEXPForm"));
}
void ZARNMainProcessingMenuForm::on_mnuAnalyseOut1_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut1Form"));
}
void ZARNMainProcessingMenuForm::on_mnuAnalyseOut2_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut2Form"));
}
void ZARNMainProcessingMenuForm::on_mnuAnalyseOut3_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut3Form"));
}
void ZARNMainProcessingMenuForm::on_mnuAnalyseOut4_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut4Form"));
}
void ZARNMainProcessingMenuForm::on_mnuAnalyseOut5_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut5Form"));
}
void ZARNMainProcessingMenuForm::on_mnuRun_triggered() {
    WindowRegistry::show(QStringLiteral("CERESRunForm"));
}
void ZARNMainProcessingMenuForm::on_mnutest_triggered() {
    WindowRegistry::show(QStringLiteral("ResEquipment"));
}

// The other crop models are not built.
void ZARNMainProcessingMenuForm::on_CPMICASAButton_clicked() {
    showCropModelNotAvailable();
}
void ZARNMainProcessingMenuForm::on_CPMKSUButton_clicked() {
    showCropModelNotAvailable();
}
void ZARNMainProcessingMenuForm::on_CPMCaneButton_clicked() {
    showCropModelNotAvailable();
}
void ZARNMainProcessingMenuForm::on_mnuSorghumIcasa_triggered() {
    showCropModelNotAvailable();
}
void ZARNMainProcessingMenuForm::on_mnuSorkamKsu_triggered() {
    showCropModelNotAvailable();
}
void ZARNMainProcessingMenuForm::on_mnuSugarcaneIcasa_triggered() {
    showCropModelNotAvailable();
}

ZARN_REGISTER_WINDOW(ZARNMainProcessingMenuForm)

} // namespace zarn
