#pragma once
// Process cost accounting: the stored calculations of table Calculation, one
// record per step of the production chain, all records of one calculation
// sharing its Number.
//
// Records are reached by their position in table order (0-based; records are
// only ever appended, so a position stays valid). Every search reads the table
// from its first record, as the economics window pages through it.

#include "data/database.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zarn::processing {

// The fourteen standard steps of a new calculation, in creation order.
const QStringList &standardSteps();

inline const QString kLandRentStep = QStringLiteral("Land Rent");
inline const QString kCropManagementStep = QStringLiteral("Crop Management");
inline const QString kElectricityProductionStep = QStringLiteral("Electricity Production");

// One record of table Calculation.
struct ProcessRecord {
    QString name;
    int number = 0;
    QString date;
    QString processName;
    double processRate = 0;
    double duration = 0;
    double labourReqd = 0;
    double labourCost = 0;
    QString energy1;
    QString energy2;
    QString energy3;
    double energy1Cost = 0;
    double energy2Cost = 0;
    double energy3Cost = 0;
    double subTotCost = 0; // a stored text that is no number reads as 0
};

// "New Calc", a blank and the number with its leading blank ("New Calc  3").
QString newCalculationName(int number);

// The current date and time as the window shows and stores them.
QString calculationTimestamp();

// The record at a position; nothing when the table has no such record.
std::optional<ProcessRecord> recordAt(const db::Database &db, int position);

// Number of records in table Calculation.
int recordCount(const db::Database &db);

// Position of the first record (table order) whose Number is `number` and
// whose ProcessName is `processName`; nothing when none is.
std::optional<int> findStep(const db::Database &db, int number, const QString &processName);

// Appends the fourteen standard steps of calculation `number` (named `name`,
// dated `date`, every number 0, energy names " ") and stores `number` as
// CalculationsStored of the last Defaults record, all in one transaction.
// Returns the position of the new calculation's "Land Rent" record.
int createCalculation(const db::Database &db, int number, const QString &name, const QString &date);

// Writes the step's own fields (Date, ProcessName, rates, labour, energies,
// costs, SubTotCost) into the record at `position`; Name and Number stay.
void updateStep(const db::Database &db, int position, const ProcessRecord &values);

// Appends a record with every field of `values`; returns its position.
int appendStep(const db::Database &db, const ProcessRecord &values);

// The cost totals of one calculation: every record whose Number is `number`,
// labour = Duration x LabourReqd x LabourCost,
// energy = Duration x (Energy1Cost + Energy2Cost + Energy3Cost).
struct CostTotals {
    double labour = 0;
    double energy = 0;
    double sum() const { return labour + energy; }
};
CostTotals costTotals(const db::Database &db, int number);

// The number of a shown money text: the text after a leading currency symbol
// (when it starts with `currency`), read as LeadingNumber ("$  150" gives 150).
double amountOfMoneyText(const QString &text, const QString &currency);

} // namespace zarn::processing
