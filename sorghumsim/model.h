#pragma once
// The day-by-day simulation: phenology from thermal time and photoperiod, leaf
// area from plant density and the variety's development, biomass from
// intercepted radiation limited by the water the roots can supply, a layered
// soil water balance with runoff and two-stage soil evaporation, and a simple
// nitrogen balance. Every constant is named below and explained, with its
// source, in README.md.

#include "inputs.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace sorghumsim {

// ---- Constants ------------------------------------------------------------------

// Development (thermal time from the daily mean temperature)
inline constexpr double kBaseTemperature = 8.0;      // degC, no development below
inline constexpr double kOptimumTemperature = 34.0;  // degC, fastest development
inline constexpr double kCeilingTemperature = 44.0;  // degC, no development above
inline constexpr double kEmergenceDegreeDays = 50.0; // plus per cm of depth:
inline constexpr double kEmergencePerCm = 6.0;
inline constexpr double kInductionBaseDegreeDays = 100.0; // end of juvenile to floral initiation
inline constexpr double kInitiationToFlowering = 620.0;   // degree-days
inline constexpr double kFloweringToGrainFill = 130.0;    // lag before grain filling, degree-days
inline constexpr double kTwilightAngle = -6.0;   // sun elevation ending the photoperiod, degrees
inline constexpr double kDefaultLatitude = 45.0; // when the weather file gives none

// Leaf area
inline constexpr double kLeafAreaPerPlant = 0.62;         // m2, largest leaf area of one plant
inline constexpr double kCanopyLaiLimit = 40.0;           // crowding: LAI the canopy tends to
inline constexpr double kLeafMidpointAfterJuvenile = 250; // degree-days after P1 at half leaf area
inline constexpr double kLeafSpread = 105.0;              // degree-days, pace of leaf growth
inline constexpr double kLeafSenescence = 0.6;     // part of the flowering leaf area lost by age
inline constexpr double kDroughtSenescence = 0.05; // part of the leaf area lost a day without water
inline constexpr double kDeadCanopyLai = 0.1;      // green LAI below which grain filling stops

// Growth
inline constexpr double kExtinction = 0.55;            // light extinction coefficient
inline constexpr double kRadiationUseEfficiency = 2.5; // g dry matter per MJ of PAR
inline constexpr double kParFraction = 0.5;            // PAR part of solar radiation
inline constexpr double kRueFullTemperature = 20.0;    // degC, full efficiency from here on
inline constexpr double kInitialBiomass = 1.0;         // g/m2 above ground at emergence
inline constexpr double kRootShareAtEmergence = 0.30;  // part of the growth going to roots
inline constexpr double kRootShareLate = 0.10;         // ... at the end of leaf growth
inline constexpr double kRootShareDecline = 1000.0; // degree-days from emergence to kRootShareLate

// Water
inline constexpr double kRootDepthPerDegreeDay = 0.15; // cm
inline constexpr double kMaxRootDepth = 180.0;         // cm
inline constexpr double kUptakeFraction = 0.08;  // part of the extractable water roots take per day
inline constexpr double kLeafStressMargin = 1.5; // leaves slow down below 1.5 x demand
inline constexpr double kNetRadiationFraction = 0.6;
inline constexpr double kPriestleyTaylor = 1.26;
inline constexpr double kDefaultUsablePercent = 50.0; // automatic irrigation threshold
inline constexpr double kStage2Evaporation = 3.5;     // mm per square root of a day
inline constexpr double kEvaporationDepth = 15.0;     // cm of soil that dries by evaporation
inline constexpr double kAirDryDepth = 5.0;           // cm of it that can dry below the LL
inline constexpr double kInitialAbstraction = 0.2;    // part of the retention S before runoff
inline constexpr double kRunoffWetnessDepth =
    45.0; // cm of soil whose wetness sets the curve number

// Nitrogen
inline constexpr double kMineralisation = 0.5;   // kg N/ha/day
inline constexpr double kCriticalN = 3.4;        // percent N at 1 t/ha
inline constexpr double kCriticalNSlope = -0.37; // dilution exponent

inline constexpr int kMaxSeasonDays = 400; // from planting

// ---- Inputs and results --------------------------------------------------------------

struct ModelInputs {
    Experiment experiment;
    CropManagement management;
    Genetics genetics;
    SoilProfile soil;
    std::vector<InitialLayer> initial;
    Weather weather;
    std::vector<ScheduleEvent> irrigationEvents; // irrigation option 2
    std::vector<ScheduleEvent> fertiliserEvents; // nitrogen option 1
    std::vector<std::string> notes;              // said in the outputs
};

enum Stage {
    Sowing,
    Emergence,
    EndJuvenile,
    FloralInitiation,
    Flowering,
    GrainFilling,
    Maturity,
    StageCount
};
const char *stageName(int stage);      // "PHYSIOLOGICAL MATURITY", ...
const char *stageShortName(int stage); // "MATUR", ...

struct DayResult {
    Date date;
    int dap = -1;           // days after planting; -1 before planting
    int stage = -1;         // last stage reached; -1 before planting
    double degreeDays = 0;  // of the day
    double thermalTime = 0; // since planting
    double photoperiod = 0; // hours
    double lai = 0;
    double biomass = 0;     // g/m2 above ground
    double roots = 0;       // g/m2 of roots
    double waterStress = 1; // growth factor, 1 = none
    double leafStress = 1;  // leaf expansion factor, 1 = none
    double nitrogenStress = 1;
    // water balance, mm
    double rain = 0, irrigation = 0, runoff = 0, evaporation = 0, transpiration = 0, drainage = 0;
    double potentialEt = 0;
    double soilWater = 0;   // whole profile
    double extractable = 0; // in the root zone, above LL
    double rootDepth = 0;   // cm
    // nitrogen, kg N/ha
    double soilN = 0, fertiliser = 0, uptake = 0, cropN = 0, criticalN = 0;
};

struct StageResult {
    int stage = 0;
    Date date;
    int dap = 0;
    double thermalTime = 0;
    double biomass = 0;
    double lai = 0;
};

struct SeasonResult {
    Date start, planting;
    double latitude = 0;
    std::vector<DayResult> days;     // from the simulation start to maturity
    std::vector<StageResult> stages; // in order, Sowing to Maturity
    double maturityBiomass = 0;      // g/m2
    double maturityRoots = 0;        // g/m2
    double maxLai = 0;
    bool earlyMaturity = false; // grain filling ended when drought killed the leaves
};

// The season could not be simulated to maturity (weather missing or ended).
class SimulationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

SeasonResult simulate(const ModelInputs &in);

// Hours of photoperiod at `latitude` on day `doy`.
double photoperiodHours(double latitude, int doy);

} // namespace sorghumsim
