#pragma once
// The yield-to-products calculation: the mill's daily balance from the
// crushing method and the variety, the season's products for a land area, and
// the revenue and balance. Pure functions over plain inputs; the calculation
// window feeds them from the shared values and the reference database and
// shows what they return.

#include "data/database.h"

#include <QString>
#include <optional>
#include <vector>

namespace zarn::processing {

// --- fixed coefficients of the processing chain ---
inline constexpr double kYieldScaling = 100;             // gYieldPerHectare = gCeresYield / 100
inline constexpr double kDayFactor = 8;                  // daily amount = hourly rate x 8
inline constexpr double kSugarRecovery = 0.97;           // sugar recovered per unit of sugar
inline constexpr double kBagassePerFibre = 2.0;          // daily bagasse out per tonne of fibre
inline constexpr double kHPSteamPerTonneCrushed = 0.33;  // t of HP steam per t crushed
inline constexpr double kBagassePerHPSteam = 0.4732;     // t of bagasse burnt per t of HP steam
inline constexpr double kRequirementsBagasseEnergy = 7;  // GJ per t of bagasse (mill panels)
inline constexpr double kBagasseMoisture = 50;           // % moisture of bagasse
inline constexpr double kEthanolPerTonneSugar = 600;     // litres of ethanol per t of sugar
inline constexpr double kElectricitySteamFactor = 1.755; // steam for electricity divisor
inline constexpr double kElectricalConversion = 0.3;     // electricity per GJ of raised steam
inline constexpr double kMWhPerGJ = 1000.0 / 3600.0;     // GJ to MWh
inline constexpr double kDefaultMoistBagasseEnergy = 7;  // GJ per t of moist bagasse
inline constexpr int kSteamRatioUnits = 10;              // combustion slots averaged for the ratio

// Descriptions of the two products' prices in table Energy.
inline const QString kEthanolDescription = QStringLiteral("Ethanol (anhydrous C2H5-OH)");
inline const QString kElectricityDescription = QStringLiteral("Electricity");

// The message that sends the user to run the crop model when its results
// cannot be read.
inline const QString kNoYieldDataText =
    QStringLiteral("No Yield Data Available- You Must Run Crop Model First");

// Pattern of the money amounts of the revenue panels (whole number, no separators).
inline const QString kMoneyPattern = QStringLiteral("########");

// The whole part of a computed, normally positive, result: the fraction is
// dropped after rounding to 9 significant digits, so a result that is whole in
// exact arithmetic stays that number (681 x 8 x 2 x 0.3 / 3.6 gives 908).
double wholePart(double value);

// gCurrencyType, a blank and the amount in whole units ("$ 117497"; 0 shows
// as "$ ", a negative amount as "$ -500").
QString moneyText(const QString &currency, double amount);

// gCurrencyType, a blank and the amount with one leading blank when it is not
// negative ("$  150", "$ -5").
QString currencyAmountText(const QString &currency, double amount);

// --- the mill ---

// The daily balance of the variety's crush.
struct DailyBalance {
    double sugar = 0;      // gDailySugar, t per day
    double fibre = 0;      // gDailyFibre
    double bagasseOut = 0; // gDailyBagasseOut
};
DailyBalance dailyBalance(double crushRate, double sugarPercent, double fibrePercent);

// The mill's steam requirements of the crushing rate.
struct MillRequirements {
    double hourlyHPSteam = 0;     // HP steam panel (t/h)
    double dailyHPSteam = 0;      // gDailyHPSteam
    double dailySteamBagasse = 0; // gDailySteamBagasse, also the bagasse panel
    double dailyBagasseGJ = 0;    // energy of that bagasse at 7 GJ/t
};
MillRequirements millRequirements(double crushRate);

// --- the season's products for a land area ---

struct ProductInputs {
    double yieldPerHectare = 0; // gYieldPerHectare
    double landArea = 0;        // ha
    double sugarPercent = 0;
    double fibrePercent = 0;
    double moisturePercent = 0;
    double steamBagasseRatio = 0;                           // gSteamBagasseRatio
    double moistBagasseEnergy = kDefaultMoistBagasseEnergy; // GJ per t of moist bagasse
};

struct Products {
    // True when the variety's moisture leaves no dry matter to carry the yield
    // (100 % or more): every product is then 0.
    bool noFreshWeight = false;
    double landYield = 0;          // total dry yield, t (whole)
    double freshWeight = 0;        // F, t (not shown)
    double bagasse = 0;            // B, t (whole)
    double ethanolLitres = 0;      // whole
    double electricitySteam = 0;   // t of steam for electricity (whole)
    double electricityBagasse = 0; // = B
    double electricityGJ = 0;      // whole
    double electricityMWh = 0;     // whole
    double ethanolSteam = 0;       // t (whole)
    double ethanolBagasse = 0;     // t (whole)
};
Products products(const ProductInputs &in);

// The ethanol estimate per hectare shown when the land field is clicked:
// sugar share x yield per hectare x 600, not cut to a whole number.
double ethanolPerHectare(double sugarPercent, double yieldPerHectare);

// --- revenue and balance ---

struct RevenueInputs {
    double ethanolPrice = 0;     // per litre
    double electricityPrice = 0; // per kWh
    double ethanolLitres = 0;
    double electricityMWh = 0;
    double labourCostTotal = 0; // gLabourCostTotal
    double energyCostTotal = 0; // gEnergyCostTotal
};
struct Revenue {
    double ethanol = 0;
    double electricity = 0;
    double gross = 0;
    double balance = 0;
};
Revenue revenue(const RevenueInputs &in);

// --- the land-area field ---

// True when the land-area text does not begin like a number (empty, blanks or
// text) and is to be replaced by "0". A number being typed ("0.", "-", ".")
// stays as it is.
bool landTextNeedsZero(const QString &text);

// --- reference data read by the calculation ---

struct CrushingValues {
    double processRate = 0;
    int labourRequirements = 0;
    double labourCost = 0;
};
struct HarvestValues {
    int personnelRequirements = 0;
    double personnelCost = 0;
};
struct VarietyValues {
    double sugarPercent = 0;
    double fibrePercent = 0;
    double moisturePercent = 0;
};
struct LandValues {
    QString name;
    double area = 0;
};

// The last record of the method, variety or plot, or nothing when none matches.
// A missing table or field is a UserError naming the file, table and field.
std::optional<CrushingValues> findCrushing(const db::Database &db, const QString &method);
std::optional<HarvestValues> findHarvest(const db::Database &db, const QString &method);
std::optional<VarietyValues> findVariety(const db::Database &db, const QString &varietyName);
std::optional<LandValues> findLand(const db::Database &db, const QString &landName);
// Cost of the Energy record with this description.
std::optional<double> findEnergyCost(const db::Database &db, const QString &description);

// The steam-to-bagasse ratio estimated from the combustion slots: the mean
// Efficiency1 of the first 10 records of SteamConfiguration. Fewer records is
// a UserError naming the file and the table.
double steamBagasseRatioFromSlots(const db::Database &db);

// The text the user sees when the variety's moisture leaves no dry matter.
QString noFreshWeightText(const QString &varietyName, double moisturePercent);

} // namespace zarn::processing
