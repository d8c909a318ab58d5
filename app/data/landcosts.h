#pragma once
// Land management costs per hectare: the land rent, the land preparation
// (ploughing) cost and the crop planting and maintenance cost, and the three
// land records of a stored calculation (table Calculation) that keep them.
//
// The arithmetic takes the values as the windows read them; the lookups take
// them from tables Equipment, Energy and Occupation of Sorghum.mdb.

#include "data/database.h"

#include <QString>
#include <optional>

namespace zarn::db {

// The ProcessName of the three land records.
inline const QString kLandRentRecord = QStringLiteral("Land Rent");
inline const QString kLandPreparationRecord = QStringLiteral("Land Preparation");
inline const QString kCropManagementRecord = QStringLiteral("Crop Management");

// Hours a month that a monthly labour rate (LabourCostRate) pays for.
inline constexpr double kLabourHoursPerMonth = 176;

// ---- arithmetic ------------------------------------------------------------

// Hours to plough one hectare: 10000 / (speed km/h x 1000 x width m); 1 when
// the speed or the width is 0.
double PloughRate(double speedKmPerHour, double widthMetres);

// Labour cost of one working hour: person 1's monthly rate / 176 for one
// person, both persons' rates / 176 for two; 0 for any other number of persons.
double LabourRatePerHour(double persons, double person1Rate, double person2Rate);

// The values of a machine that the cost windows use.
struct MachineValues {
    double operationRate = 0; // OperationRate1 (plough speed, sowing operation rate)
    double litresPerHour = 0;
    double persons = 0; // Personnal Required
    double skill1 = 0;  // Personnal Skill
    double skill2 = 0;  // PersonnalSkill2
    QString fuelType;
    double fuelCost = 0;    // Cost of the fuel (table Energy)
    double person1Rate = 0; // LabourCostRate of person 1's skill (table Occupation)
    double person2Rate = 0;
};

// Ploughing cost per hectare for `passes` passes of the machine.
struct PloughingCost {
    double ploughRate = 0; // hours per hectare
    double fuel = 0;       // one pass
    double labour = 0;     // one pass
    double total = 0;      // (fuel + labour) x passes
};
PloughingCost PreparationCost(const MachineValues &machine, double speedKmPerHour,
                              double widthMetres, double passes);

// Planting cost per hectare with a sowing unit.
struct PlantingCost {
    double sowingRate = 0; // seed quantity / operation rate (the operation rate 0 counts as 1)
    double fuel = 0;
    double labour = 0;
    double seed = 0;
    double total = 0;
};
PlantingCost PlantingCostOf(const MachineValues &machine, double seedQuantity,
                            double seedCostPerKg);

// The patterns the windows show the costs with.
inline const QString kCostPattern = QStringLiteral("#####0.000");
inline const QString kSummaryTotalPattern = QStringLiteral("######.##");

// The summary's total: "######.##", except that 0 shows "0.00".
QString SummaryTotalText(double total);

// ---- lookups ---------------------------------------------------------------

// Which Equipment record of a type supplies the machine's values: the
// preparation window takes the first, the planting window the last.
enum class EquipmentMatch { First, Last };

// Updates `machine` from the Equipment record of `type`, the Energy record of
// its fuel type (the first) and the Occupation records of its two skills
// (from the first record; each record whose SkillRate equals a skill gives
// that person's LabourCostRate, and the scan ends after the second such match,
// a record matching both skills counting twice). A value whose record is not
// found keeps its previous value. With EquipmentMatch::Last an operation rate
// of 0 becomes 1.
// Returns whether an Equipment record of the type was found.
bool LookupMachine(const Database &db, const QString &type, EquipmentMatch match,
                   MachineValues &machine);

// ---- land records of a calculation -------------------------------------------

// SubTotCost, as stored, of the first record of table Calculation whose Number
// is `calculation` and whose ProcessName is `processName`; nothing when there
// is no such record.
std::optional<QString> ReadLandCost(const Database &db, int calculation,
                                    const QString &processName);

// Stores `cost` as SubTotCost of that record; false (nothing written) when
// there is no such record.
bool WriteLandCost(const Database &db, int calculation, const QString &processName, double cost);

// What a cost window says when the current calculation holds no land record
// of `processName`.
QString NoLandRecordText(int calculation, const QString &processName);

// ---- land records (table Land) -------------------------------------------------

// A land record as the land cost window types it (numbers as typed; stored
// as their leading number).
struct LandEntry {
    QString name;
    QString site;
    QString shortSite;
    QString area;
    QString areaUnit;
    QString remarks;
    QString purchase;
    QString purchaseUnit;
    QString rental;
    QString rentalUnit;
    QString opportunity;
    QString opportunityUnit;
};

// Appends a Land record: the name and the site cut to 35 characters, the
// short site to 2, the remarks to 60. Returns its rowid.
qint64 AppendLand(const Database &db, const LandEntry &land);

// Stores the entry over the first Land record whose Name equals its name, the
// name and the remarks whole. False (nothing written) when there is none.
bool UpdateLandByName(const Database &db, const LandEntry &land);

// Sets LandName of the last Defaults record to the first 35 characters of `name`.
void StoreDefaultLandName(const Database &db, const QString &name);

} // namespace zarn::db
