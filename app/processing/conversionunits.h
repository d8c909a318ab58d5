#pragma once
// The energy-conversion units of the process-energy windows: catalogue units
// (table EnergyConversion) copied into working slots (table SteamConfiguration)
// and saved as the combustion or gasifier configuration.
//
// SteamConfiguration holds 20 records used as slots in table order: records 1
// to 10 are combustion slots 1 to 10, records 11 to 20 gasifier slots 1 to 10.
// Slots are updated in place, never added or deleted. The saved configurations
// (SteamElectricConfiguration, GasifierElectricConfiguration) hold 10 records,
// record k for slot k.
//
// Every function opens nothing itself: it works on the Database it is given and
// writes in one transaction, so a failure (a UserError naming the file, table
// and what is missing or refused) leaves every table as it was.

#include "data/database.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zarn::processing {

enum class UnitKind { Combustion, Gasifier };

inline constexpr int kSlotsPerKind = 10;
inline constexpr int kSlotRecords = 20;

// The catalogue's type text of the kind: "Combustion" or "Gasifier".
QString unitType(UnitKind kind);
// The saved configuration of the kind.
QString savedConfigurationTable(UnitKind kind);
// Title of the messages about the units of the kind (the window's caption).
QString unitWindowTitle(UnitKind kind);

// One column of a unit's data as the "Unit Data" fields show it: efficiency n,
// input n and output n with their rate, units, cost units and cost.
struct UnitColumn {
    QString efficiency;
    QString input, inputRate, inputUnits, inputCostUnits, inputCost;
    QString output, outputRate, outputUnits, outputCostUnits, outputCost;
    bool operator==(const UnitColumn &) const = default;
};
using UnitColumns = std::array<UnitColumn, 3>;

// Descriptions of the catalogue's units of the kind, in table order (duplicates
// included). A catalogue without such a unit is a UserError naming the table.
QStringList catalogueUnits(const db::Database &db, UnitKind kind);

// "Combustion" / "Gasification": every slot of the kind receives the last
// catalogue unit of the kind's type, with UpdatedRecord "No". A catalogue
// without such a unit, or a SteamConfiguration with fewer than 20 records, is a
// UserError and nothing is written.
void fillSlots(const db::Database &db, UnitKind kind);

// Choosing a unit for slot (1..10): the last catalogue record with that
// description is copied into the slot, and its columns are returned for
// display. Nothing is written and nothing returned when no record has that
// description.
std::optional<UnitColumns> chooseUnit(const db::Database &db, UnitKind kind, int slot,
                                      const QString &description);

// The slot's columns as stored.
UnitColumns slotColumns(const db::Database &db, UnitKind kind, int slot);

// "Current " (the gasifier's "Select this Gasifier Configuration"): stores the
// three efficiencies and the three output rates in the slot.
void storeColumns(const db::Database &db, UnitKind kind, int slot,
                  const std::array<double, 3> &efficiencies,
                  const std::array<double, 3> &outputRates);

// "Select " of column 2 or 3: stores the columns as storeColumns() does, then
// exchanges the eleven fields of `column` (input name, rate, units, cost, cost
// units, output name, rate, units, cost, cost units, efficiency) with those of
// column 1 in the slot. Returns the slot's columns afterwards.
UnitColumns selectColumn(const db::Database &db, UnitKind kind, int slot, int column,
                         const std::array<double, 3> &efficiencies,
                         const std::array<double, 3> &outputRates);

// Totals of a saved combustion configuration: bagasse burnt and HP steam
// raised, t/h, by the used slots fed by "Bagasse".
struct CombustionTotals {
    double bagasse = 0;
    double steam = 0;
    double potentialElectricity() const { return steam * 0.33; }
    double processSteam() const { return steam - steam * 0.33; }
    // Steam raised per tonne of bagasse; 0.4 when no bagasse is burnt.
    double steamBagasseRatio() const { return bagasse == 0 ? 0.4 : steam / bagasse; }
};

// Totals of a saved gasifier configuration: bagasse in, HP steam (third
// output) and electricity (first and second outputs) of the used slots fed by
// "Bagasse".
struct GasifierTotals {
    double bagasse = 0;
    double steam = 0;
    double electricity = 0;
    double totalEnergy() const { return electricity + steam; }
};

// "Save this Configuration": slots 1..quantity are copied into the saved
// configuration, the other records become unused ("Unused", " " in text fields,
// 0 in numbers; in the gasifier configuration MaintenanceCostUnits and
// CapitalCostCurrency empty). A SteamConfiguration with fewer than 20 records
// or a saved configuration with fewer than 10 is a UserError; nothing is
// written then.
CombustionTotals saveCombustionConfiguration(const db::Database &db, double quantity);
GasifierTotals saveGasifierConfiguration(const db::Database &db, double quantity);

// Output rate n after efficiency n changed: combustion input rate n ×
// efficiency n (tonnes of steam per tonne); gasifier input rate 1 × efficiency
// n / 100 (a percentage of its one input).
inline double combustionOutputRate(double inputRate, double efficiency) {
    return inputRate * efficiency;
}
inline double gasifierOutputRate(double inputRate1, double efficiency) {
    return inputRate1 * efficiency / 100;
}

// How many unit lists a quantity shows: list k + 1 shows when the quantity is
// greater than k (k = 0..9).
int shownUnitLists(double quantity);

} // namespace zarn::processing
