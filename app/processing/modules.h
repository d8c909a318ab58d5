#pragma once
// What the module windows of the processing chain read: the entries of their
// lists, the current defaults, and the reference data of a chosen method.
// Nothing here writes to the database. Values come as the database holds them
// (a missing value is an empty text).

#include "data/database.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zarn::processing {

// Sorghum.mdb of the program directory (gSystemPath), opened for one action.
db::Database referenceDatabase();

// Every value of field in table, in table order, duplicates included.
QStringList listEntries(const db::Database &db, const QString &table, const QString &field);

// A field of the current defaults (the last Defaults record).
QString currentDefault(const db::Database &db, const QString &field);

// A variety's composition and water use, as the crop window shows them.
struct VarietyData {
    // Sugar, fibre, attached leaves, detached leaves, moisture, panicle, roots (%).
    std::array<QString, 7> percentages;
    QString waterUseEff;
    QString waterUseEffUnits;
};
// The last Variety record whose VarietyName equals name.
std::optional<VarietyData> varietyData(const db::Database &db, const QString &name);

// The crop window's total: the plain sum of the numeric values of the seven
// percentage texts (a text that is no number counts as 0).
double percentageTotal(const std::array<QString, 7> &texts);

struct HarvestData {
    QString rate, personnel, fuelUse, lifeTime;
    std::array<QString, 4> persons; // Person1..Person4, occupation names as stored
};
// The last Harvest record whose Method equals method.
std::optional<HarvestData> harvestData(const db::Database &db, const QString &method);

struct LoadData {
    QString personnel, skillLevel, fuelUse, lifeTime;
};
// The last Load record whose Description equals description.
std::optional<LoadData> loadData(const db::Database &db, const QString &description);

// The loading window warns when the fuel use typed or shown exceeds 150.
bool fuelUseNeedsWarning(const QString &fuelUse);
inline const QString kFuelUseWarningText =
    QStringLiteral("Fuel Use must be less than 150 Do you want to continue?");
inline const QString kFuelUseWarningTitle = QStringLiteral("Fuel Use Msg");

} // namespace zarn::processing
