#include "data/windows/resVarietyForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

resVarietyForm::resVarietyForm() {
    ui.setupUi(this);
    bind(QStringLiteral("Variety"), ui.ResVarRecordsData,
         {
             {"ResVarietyRecordData", "VarietyName"},
             {"ResVarietyNumber", "VarietyNumber"},
             {"ResVarSugar", "SugarPercent"},
             {"ResVarFibre", "FibrePercent"},
             {"ResVarMoisture", "MoisturePercent"},
             {"ResVarPanicle", "PaniclePercent"},
             {"ResVarRoots", "RootsPercent"},
             {"ResVarAttached", "AttachedLeavesPercent"},
             {"ResVarDetached", "DetachedLeavesPercent"},
             {"ResVarSeedRate", "SeedRate"},
             {"ResVarSeedCost", "SeedCost"},
             {"ResVarNitrogen", "NitrogenRate"},
             {"ResVarPhosphorusRate", "PhosphorusRate"},
             {"ResVarPotassiumRate", "PotassiumRate"},
             {"ResVarPesticideRate", "PesticideRate"},
             {"ResVarWaterUseEff", "WaterUseEff"},
             {"ResVarWaterUseEffUnits", "WaterUseEffUnits"},
             {"ResVarEmergeToJuvenile", "DegDaysEmergeToJuvenile"},
             {"ResVarFloralToMaturity", "DegDaysFloraToMaturity"},
             {"ResVarSpeedOfDevelopment", "SpeedOfDevelopment"},
             {"ResVarOptimalPhotoperiod", "OptimalPotoperiod"},
         });
}

ZARN_REGISTER_WINDOW(resVarietyForm)

} // namespace zarn
