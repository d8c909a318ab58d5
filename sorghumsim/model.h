#pragma once
// The day-by-day simulation: phenology from thermal time and photoperiod, leaf
// area from plant density, biomass from intercepted radiation, a bucket soil
// water balance and a simple nitrogen balance. Every constant is named below
// and explained in README.md.

#include "inputs.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace sorghumsim {

// ---- Constants ------------------------------------------------------------------

inline constexpr double kBaseTemperature = 8.0;      // degC, no development below
inline constexpr double kOptimumTemperature = 34.0;  // degC, fastest development
inline constexpr double kCeilingTemperature = 44.0;  // degC, no development above
inline constexpr double kEmergenceDegreeDays = 50.0; // plus per cm of depth:
inline constexpr double kEmergencePerCm = 6.0;
inline constexpr double kInductionBaseDegreeDays = 100.0; // end of juvenile to floral initiation
inline constexpr double kInitiationToFlowering = 550.0;   // degree-days
inline constexpr double kTwilightAngle = -6.0;   // sun elevation ending the photoperiod, degrees
inline constexpr double kDefaultLatitude = 45.0; // when the weather file gives none

inline constexpr double kLeafAreaPerPlant = 0.6; // m2, largest leaf area of one plant alone
inline constexpr double kCanopyLaiLimit = 10.0;  // LAI that crowding tends to
inline constexpr double kLeafMidpoint = 450.0;   // degree-days from emergence at half leaf area
inline constexpr double kLeafSpread = 90.0;      // degree-days, steepness of leaf growth
inline constexpr double kLeafSenescence = 0.6;   // part of the leaf area lost by maturity
inline constexpr double kExtinction = 0.6;       // light extinction coefficient
inline constexpr double kRadiationUseEfficiency = 3.2; // g dry matter per MJ of PAR
inline constexpr double kParFraction = 0.5;            // PAR part of solar radiation
inline constexpr double kRueFullTemperature = 20.0;    // degC, full efficiency from here on
inline constexpr double kInitialBiomass = 1.0;         // g/m2 at emergence

inline constexpr double kRootDepthPerDegreeDay = 0.15; // cm
inline constexpr double kMaxRootDepth = 180.0;         // cm
inline constexpr double kUptakeFraction = 0.08;  // part of the extractable water roots take per day
inline constexpr double kLeafStressMargin = 1.5; // leaves need this much more supply than demand
inline constexpr double kNetRadiationFraction = 0.6;
inline constexpr double kPriestleyTaylor = 1.26;
inline constexpr double kDefaultUsablePercent = 50.0; // automatic irrigation threshold

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

enum Stage { Sowing, Emergence, EndJuvenile, FloralInitiation, Flowering, Maturity, StageCount };
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
    double waterStress = 1; // growth factor, 1 = none
    double nitrogenStress = 1;
    // water balance, mm
    double rain = 0, irrigation = 0, evaporation = 0, transpiration = 0, drainage = 0;
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
    double maxLai = 0;
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
