#pragma once
// The output files OUT1.SG (growth stages and yield), OUT2.SG (daily growth),
// OUT3.SG (daily water balance), OUT4.SG (daily nitrogen) and OUT5.SG
// (season summary).
//
// Readers find the values by column:
//  - the line holding "Planting date" at column 10 has the sowing date
//    (10 characters) at column 28;
//  - the growth-stage row "PHYSIOLOGICAL MATURITY" has the stage name at
//    column 14, the maturity date in columns 1-6, and the above-ground dry
//    biomass in g/m2 as a whole number right-aligned in columns 38-45, with
//    columns 36-37 and 46 blank. A reader may take the 9 columns from 37 or
//    from 38: both hold just that number (g/m2 / 100 = t/ha).
// OUT1.SG to OUT4.SG carry both lines; OUT5.SG is a free-form summary.

#include "model.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace sorghumsim {

inline constexpr int kStageColumn = 14;    // where a stage name begins
inline constexpr int kBiomassColumn = 38;  // first of the 8 biomass columns
inline constexpr int kPlantingColumn = 10; // where "Planting date" begins

// One growth-stage row: date, day of year, stage name, biomass, LAI, days
// after planting, degree-days since planting.
std::string stageRow(const StageResult &s);

// The five files' lines (without line ends), in OUT1..OUT5 order.
std::vector<std::vector<std::string>> buildOutputs(const ModelInputs &in, const SeasonResult &r);

// Writes OUT1.SG ... OUT5.SG into `dir`: each to a temporary name first, then
// all renamed once every one is complete. On failure nothing named OUTn.SG is
// left and std::runtime_error says which file failed.
void writeOutputs(const std::string &dir, const std::vector<std::vector<std::string>> &files);

// Removes OUT1.SG ... OUT5.SG of earlier runs (any case of the names).
void removeOldOutputs(const std::string &dir);

} // namespace sorghumsim
