#include "shell/windows/MDIForm1.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

MDIForm1::MDIForm1() {
    ui.setupUi(this);
    setCentralWidget(ui.mdiArea);
}

// "E&xit" goes back to the main menu and closes the frame.
void MDIForm1::on_mdiExit_triggered() {
    WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
    close();
}

void MDIForm1::on_mdiCalculate_triggered() {
    WindowRegistry::show(QStringLiteral("zarnCalculationForm"));
}
void MDIForm1::on_mdiReports_triggered() {
    WindowRegistry::show(QStringLiteral("zarnReportOfYields"));
}
void MDIForm1::on_mdiDefaults_triggered() {
    WindowRegistry::show(QStringLiteral("ZarnDefaultForm"));
}
void MDIForm1::on_mdiCropInputs_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModCropForm"));
}
void MDIForm1::on_mdiHarvestModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnHarv"));
}
void MDIForm1::on_mdiLoadingModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModLoad"));
}
void MDIForm1::on_mdiTransportModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModTransportForm"));
}
void MDIForm1::on_mdiUnloadingModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModUnloadForm"));
}
void MDIForm1::on_mdiStorageModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModStorageForm"));
}
void MDIForm1::on_mdiJuiceExtractionModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModJuiceExtractForm"));
}
void MDIForm1::on_mdiProcessEnergyModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModProcessEnergyForm"));
}
void MDIForm1::on_mdiFermentationModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModFermentationForm"));
}
void MDIForm1::on_mdiElectricityModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModElecProdForm"));
}
void MDIForm1::on_mdiBiogasModule_triggered() {
    WindowRegistry::show(QStringLiteral("zarnModBioGasForm"));
}
void MDIForm1::on_mdiVariety_triggered() {
    WindowRegistry::show(QStringLiteral("resVarietyForm"));
}
void MDIForm1::on_mdiCropManagement_triggered() {
    WindowRegistry::show(QStringLiteral("ResCropManagementForm"));
}
void MDIForm1::on_mdiHarvestResource_triggered() {
    WindowRegistry::show(QStringLiteral("Harv"));
}
void MDIForm1::on_mdiLoading_triggered() {
    WindowRegistry::show(QStringLiteral("ResLoad"));
}
void MDIForm1::on_mdiTransport_triggered() {
    WindowRegistry::show(QStringLiteral("ResTransForm"));
}
void MDIForm1::on_mdiUnloading_triggered() {
    WindowRegistry::show(QStringLiteral("ResUnlod"));
}
void MDIForm1::on_mdiMillCrushing_triggered() {
    WindowRegistry::show(QStringLiteral("ResCrushing"));
}
void MDIForm1::on_mdiJuiceEnergy_triggered() {
    WindowRegistry::show(QStringLiteral("ResJuiceExtForm"));
}
void MDIForm1::on_mdiEnergy_triggered() {
    WindowRegistry::show(QStringLiteral("ResEnergyForm"));
}
void MDIForm1::on_mdiEnergyConversions_triggered() {
    WindowRegistry::show(QStringLiteral("ResEnergyConversionForm"));
}
void MDIForm1::on_mdiOccupations_triggered() {
    WindowRegistry::show(QStringLiteral("ResJob"));
}
void MDIForm1::on_mdiInstitute_triggered() {
    WindowRegistry::show(QStringLiteral("ResInstituteForm"));
}
void MDIForm1::on_mdiSite_triggered() {
    WindowRegistry::show(QStringLiteral("ResSiteForm"));
}
void MDIForm1::on_mdiWeatherInput_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInForm"));
}
void MDIForm1::on_mdiModifyCropManagement_triggered() {
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}
void MDIForm1::on_mdiModifyInitialSoil_triggered() {
    WindowRegistry::show(QStringLiteral("ceresinit"));
}
void MDIForm1::on_mdiModifyWeather_triggered() {
    WindowRegistry::show(QStringLiteral("CeresWInSelect"));
}
void MDIForm1::on_mdiModifyLeafData_triggered() {
    WindowRegistry::show(QStringLiteral("CeresInLeafForm"));
}
void MDIForm1::on_mdiModifySGEXP_triggered() {
    WindowRegistry::show(QStringLiteral("CeresInSGEXPForm"));
}
void MDIForm1::on_mdiRun_triggered() {
    WindowRegistry::show(QStringLiteral("CERESRunForm"));
}
void MDIForm1::on_mdiTest_triggered() {
    WindowRegistry::show(QStringLiteral("ResEquipment"));
}
void MDIForm1::on_mdiAnalyseOut1_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut1Form"));
}
void MDIForm1::on_mdiAnalyseOut2_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut2Form"));
}
void MDIForm1::on_mdiAnalyseOut3_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut3Form"));
}
void MDIForm1::on_mdiAnalyseOut4_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut4Form"));
}
void MDIForm1::on_mdiAnalyseOut5_triggered() {
    WindowRegistry::show(QStringLiteral("CeresOut5Form"));
}

ZARN_REGISTER_WINDOW(MDIForm1)

} // namespace zarn
