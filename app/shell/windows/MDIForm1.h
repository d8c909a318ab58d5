#pragma once
// The older multiple-document frame. Nothing in the program opens it; its menu
// opens the same windows as the main working window's menus.
#include "shell/windows/zarnwindow.h"
#include "ui_MDIForm1.h"

namespace zarn {

class MDIForm1 : public ZarnMainWindow {
    Q_OBJECT
public:
    MDIForm1();

    Ui::MDIForm1 ui;

private slots:
    void on_mdiExit_triggered();
    void on_mdiCalculate_triggered();
    void on_mdiReports_triggered();
    void on_mdiDefaults_triggered();
    void on_mdiCropInputs_triggered();
    void on_mdiHarvestModule_triggered();
    void on_mdiLoadingModule_triggered();
    void on_mdiTransportModule_triggered();
    void on_mdiUnloadingModule_triggered();
    void on_mdiStorageModule_triggered();
    void on_mdiJuiceExtractionModule_triggered();
    void on_mdiProcessEnergyModule_triggered();
    void on_mdiFermentationModule_triggered();
    void on_mdiElectricityModule_triggered();
    void on_mdiBiogasModule_triggered();
    void on_mdiVariety_triggered();
    void on_mdiCropManagement_triggered();
    void on_mdiHarvestResource_triggered();
    void on_mdiLoading_triggered();
    void on_mdiTransport_triggered();
    void on_mdiUnloading_triggered();
    void on_mdiMillCrushing_triggered();
    void on_mdiJuiceEnergy_triggered();
    void on_mdiEnergy_triggered();
    void on_mdiEnergyConversions_triggered();
    void on_mdiOccupations_triggered();
    void on_mdiInstitute_triggered();
    void on_mdiSite_triggered();
    void on_mdiWeatherInput_triggered();
    void on_mdiModifyCropManagement_triggered();
    void on_mdiModifyInitialSoil_triggered();
    void on_mdiModifyWeather_triggered();
    void on_mdiModifyLeafData_triggered();
    void on_mdiModifySGEXP_triggered();
    void on_mdiRun_triggered();
    void on_mdiTest_triggered();
    void on_mdiAnalyseOut1_triggered();
    void on_mdiAnalyseOut2_triggered();
    void on_mdiAnalyseOut3_triggered();
    void on_mdiAnalyseOut4_triggered();
    void on_mdiAnalyseOut5_triggered();
};

} // namespace zarn
