#include "shell/windows/MDIForm1.h"

#include "shell/windows/routes.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// Each menu entry and the window it opens.
const Route kRoutes[] = {
    {"mdiCalculate", "zarnCalculationForm"},
    {"mdiReports", "zarnReportOfYields"},
    {"mdiDefaults", "ZarnDefaultForm"},
    {"mdiCropInputs", "zarnModCropForm"},
    {"mdiHarvestModule", "zarnHarv"},
    {"mdiLoadingModule", "zarnModLoad"},
    {"mdiTransportModule", "zarnModTransportForm"},
    {"mdiUnloadingModule", "zarnModUnloadForm"},
    {"mdiStorageModule", "zarnModStorageForm"},
    {"mdiJuiceExtractionModule", "zarnModJuiceExtractForm"},
    {"mdiProcessEnergyModule", "zarnModProcessEnergyForm"},
    {"mdiFermentationModule", "zarnModFermentationForm"},
    {"mdiElectricityModule", "zarnModElecProdForm"},
    {"mdiBiogasModule", "zarnModBioGasForm"},
    {"mdiVariety", "resVarietyForm"},
    {"mdiCropManagement", "ResCropManagementForm"},
    {"mdiHarvestResource", "Harv"},
    {"mdiLoading", "ResLoad"},
    {"mdiTransport", "ResTransForm"},
    {"mdiUnloading", "ResUnlod"},
    {"mdiMillCrushing", "ResCrushing"},
    {"mdiJuiceEnergy", "ResJuiceExtForm"},
    {"mdiEnergy", "ResEnergyForm"},
    {"mdiEnergyConversions", "ResEnergyConversionForm"},
    {"mdiOccupations", "ResJob"},
    {"mdiInstitute", "ResInstituteForm"},
    {"mdiSite", "ResSiteForm"},
    {"mdiWeatherInput", "CeresWInForm"},
    {"mdiModifyCropManagement", "CERESInCropManageForm"},
    {"mdiModifyInitialSoil", "ceresinit"},
    {"mdiModifyWeather", "CeresWInSelect"},
    {"mdiModifyLeafData", "CeresInLeafForm"},
    {"mdiModifySGEXP", "CeresInSGEXPForm"},
    {"mdiRun", "CERESRunForm"},
    {"mdiTest", "ResEquipment"},
    {"mdiAnalyseOut1", "CeresOut1Form"},
    {"mdiAnalyseOut2", "CeresOut2Form"},
    {"mdiAnalyseOut3", "CeresOut3Form"},
    {"mdiAnalyseOut4", "CeresOut4Form"},
    {"mdiAnalyseOut5", "CeresOut5Form"},
};

} // namespace

MDIForm1::MDIForm1() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
    setCentralWidget(ui.mdiArea);
}

// "E&xit" goes back to the main menu and closes the frame.
void MDIForm1::on_mdiExit_triggered() {
    WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
    close();
}

ZARN_REGISTER_WINDOW(MDIForm1)

} // namespace zarn
