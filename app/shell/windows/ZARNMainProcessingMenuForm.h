#pragma once
// The main working window "Tarnwick (ZARN)": every other window is reached from
// its three groups of option buttons and its menu bar.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNMainProcessingMenuForm.h"

namespace zarn {

class ZARNMainProcessingMenuForm : public ZarnMainWindow {
    Q_OBJECT
public:
    ZARNMainProcessingMenuForm();
    void load() override;

    Ui::ZARNMainProcessingMenuForm ui;

private slots:
    void on_ZARNButton_clicked();
    void on_ResourcesButton_clicked();
    void on_CERESButton_clicked();
    void on_ExitButton_clicked();
    void on_mnuExit_triggered();
    void on_ZarnDefaultButton_clicked();
    void on_mnuDefaults_triggered();
    void on_ZarnProcessModButton_clicked();
    void on_mnuCropInputs_triggered();
    void on_mnuHarvestModule_triggered();
    void on_mnuLoadingModule_triggered();
    void on_mnuTransportModule_triggered();
    void on_mnuUnloadingModule_triggered();
    void on_mnuStorageModule_triggered();
    void on_mnuJuiceExtractionModule_triggered();
    void on_mnuProcessEnergyModule_triggered();
    void on_mnuFermentationModule_triggered();
    void on_mnuElectricityModule_triggered();
    void on_mnuBiogasModule_triggered();
    void on_ZarnCalculateButton_clicked();
    void on_mnuCalculate_triggered();
    void on_ZarnReportButton_clicked();
    void on_mnuReports_triggered();
    void on_ResVarietyButton_clicked();
    void on_mnuVariety_triggered();
    void on_ResCropManageButton_clicked();
    void on_mnuCropManagement_triggered();
    void on_ResHarvestResButton_clicked();
    void on_mnuHarvestResource_triggered();
    void on_ResLoadingButton_clicked();
    void on_mnuLoading_triggered();
    void on_ResTransportButton_clicked();
    void on_mnuTransport_triggered();
    void on_ResUnloadingButton_clicked();
    void on_mnuUnloading_triggered();
    void on_ResMillCrushingOpr_clicked();
    void on_mnuMillCrushing_triggered();
    void on_ResJuiceButton_clicked();
    void on_mnuJuiceEnergy_triggered();
    void on_ResEnergyButton_clicked();
    void on_mnuEnergy_triggered();
    void on_ResEnergyConvButton_clicked();
    void on_mnuEnergyConversions_triggered();
    void on_ResJobButton_clicked();
    void on_mnuOccupations_triggered();
    void on_ResInstituteButton_clicked();
    void on_mnuInstitute_triggered();
    void on_ResSiteButton_clicked();
    void on_mnuSite_triggered();
    void on_Option3D16_clicked();
    void on_mnuSoilProfiles_triggered();
    void on_mnuSoilInitial_triggered();
    void on_mnuSoilLoad_triggered();
    void on_ResWeatherButton_clicked();
    void on_mnuWeatherImport_triggered();
    void on_mnuWeatherInput_triggered();
    void on_mnuWeatherSelect_triggered();
    void on_CPMCERESButton_clicked();
    void on_mnuModifyCropManagement_triggered();
    void on_mnuModifyInitialSoil_triggered();
    void on_mnuModifyWeather_triggered();
    void on_mnuModifyLeafData_triggered();
    void on_mnuModifySGEXP_triggered();
    void on_mnuAnalyseOut1_triggered();
    void on_mnuAnalyseOut2_triggered();
    void on_mnuAnalyseOut3_triggered();
    void on_mnuAnalyseOut4_triggered();
    void on_mnuAnalyseOut5_triggered();
    void on_mnuRun_triggered();
    void on_mnutest_triggered();
    void on_CPMICASAButton_clicked();
    void on_CPMKSUButton_clicked();
    void on_CPMCaneButton_clicked();
    void on_mnuSorghumIcasa_triggered();
    void on_mnuSorkamKsu_triggered();
    void on_mnuSugarcaneIcasa_triggered();
};

} // namespace zarn
