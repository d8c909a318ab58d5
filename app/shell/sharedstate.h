#pragma once
// The values every window of ZARN shares for the life of the process.
//
// One plain record, read and written directly by any window (no accessors, no
// change notification). Nothing here is saved by itself: what must survive a
// restart goes to table Defaults. Texts start empty, numbers at 0.
//
// "integer" members are 16-bit signed, as the windows and the database store them.

#include <QString>
#include <array>
#include <cstdint>

namespace zarn {

struct SharedState {
    // --- paths (trailing "/") and drives (always empty on this platform) ---
    QString gSystemPath;   // program directory
    QString gDatabasePath; // gSystemPath + "Sorghum.mdb"
    QString gSystemDrive;  // drive of gSystemPath; no drives here, so ""
    QString gCeresPath;    // crop-model directory, gSystemPath + "WINCERES/" at startup
    QString gCeresDrive;   // drive of the crop-model directory; "" until chosen

    // --- current defaults (last Defaults record) ---
    QString gWizardOn;         // "YES" or "NO"
    QString gSystemConstraint; // "ETOH", "ELEC", "LAND", "TOTAL" or as stored
    QString gSorghumVariety;
    std::int16_t gVarietyNumber = 0;
    QString gHarvestMethod;
    QString gLoadingMethod;
    QString gCrushingMethod;
    QString gEnergyType;
    QString gCurrencyName;
    QString gCurrencyType; // currency symbol shown before money amounts
    QString gInstitute;
    QString gInst; // institute short code
    QString gSite;
    QString gShortSite;
    QString gLandName;
    std::int16_t gSoil = 0;
    std::int16_t gCurrentYear = 0;
    double gMoistBagasseEnergy = 0; // GJ per tonne of moist bagasse
    std::int16_t gCalculationsStored = 0;

    // --- crop-model runs and the yields chart ---
    static constexpr int kYieldPositions = 100;
    float gCropYield = 0;                            // yield of the last run
    std::array<float, kYieldPositions> gYieldList{}; // positions 1..100 are [0]..[99]
    std::int16_t gYieldCount = 0;                    // entries in use, 0..100
    std::int16_t gCeresRunCount = 0;                 // runs since the crop-model window opened

    // --- site windows ---
    QString gSiteFormMode; // "NEW", "EDIT" or blank
    QString gSiteCaller;   // "SETUP" or blank
    QString gSiteEdited;   // site last created or edited

    // --- crop-model input editors ---
    QString gExperimentRequest;             // mode word + chosen experiment list line
    std::int16_t gExperimentFieldError = 0; // 1 when the last fitting flagged a field
    QString gExperimentLine1;               // the three SGEXP.DIR lines of the last fitting
    QString gExperimentLine2;
    QString gExperimentLine3;
    std::int16_t gIrrigationOption = 0;      // 1..4, CROPMAN.sg8 field 6
    float gIrrigationEfficiency = 0;         // CROPMAN.sg8 field 8
    float gIrrigationSoilDepth = 0;          // CROPMAN.sg8 field 9
    float gIrrigationUsable = 0;             // CROPMAN.sg8 field 10
    float gNitrogenOption = 0;               // 0 or 1, CROPMAN.sg8 field 7
    std::int16_t gIrrigationRecordCount = 0; // events added in the open schedule window
    std::int16_t gFertiliserRecordCount = 0;

    // --- weather import ---
    std::int16_t gWeatherYear = 0; // starting year of the station file
    QString gWeatherYearChange;    // "YES" when the preview met a change of year

    // --- land management costs ---
    double gLandRentCost = 0;
    double gLandPrepCost = 0;
    double gCropManagementCost = 0;

    // --- yield-to-products calculation ---
    double gCeresYield = 0;      // yield read from OUT1.SG
    double gYieldPerHectare = 0; // gCeresYield / 100
    double gCrushRate = 0;       // ProcessRate of the crushing method
    std::int16_t gSugarPercent = 0;
    std::int16_t gFibrePercent = 0;
    std::int16_t gMoisturePercent = 0;
    double gDailySugar = 0;
    double gDailyFibre = 0;
    double gDailyBagasseOut = 0;
    double gDailyHPSteam = 0;
    double gDailySteamBagasse = 0;
    double gSteamBagasseRatio = 0; // steam per unit of bagasse of the configured units

    // --- process energy and cost accounting ---
    std::int16_t gSelectedUnit = 0; // 1..10, slot last chosen in a configuration window
    double gLabourCostTotal = 0;
    double gEnergyCostTotal = 0;
};

// The one instance, shared by every window.
SharedState &shared();

// Puts every member back to its process-start value (tests use this).
void resetSharedState();

} // namespace zarn
