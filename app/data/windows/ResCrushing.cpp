#include "data/windows/ResCrushing.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResCrushing::ResCrushing() {
    ui.setupUi(this);
    bind(QStringLiteral("Crushing"), ui.ResCrushRecordsData,
         {
             {"ResCrushMethod", "Method"},
             {"ResCrushProcessRate", "ProcessRate"},
             {"ResCrushElecRate", "ElectricityUsageRate"},
             {"ResCrushElecCost", "ElectricityUseCost"},
             {"ResCrushElecCurrency", "ElectricityUsageCurrency"},
             {"ResCrushHPSRate", "HighPressureSteamRate"},
             {"ResCrushHPSCost", "HighPressureSteamCost"},
             {"ResCrushHPSCurrency", "HighPressureSteamCurrency"},
             {"ResCrushLPSRate", "LowPressureSteamRate"},
             {"ResCrushLPSCurrency", "LowPressureSteamCurrency"},
         });
}

ZARN_REGISTER_WINDOW(ResCrushing)

} // namespace zarn
