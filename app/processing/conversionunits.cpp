#include "processing/conversionunits.h"

#include "data/lookup.h"
#include "shell/usererror.h"

#include <cmath>

namespace zarn::processing {

namespace {

const QString kCatalogue = QStringLiteral("EnergyConversion");
const QString kSlots = QStringLiteral("SteamConfiguration");
const QString kBagasse = QStringLiteral("Bagasse");

QString f(const char *name) {
    return QString::fromLatin1(name);
}

// The five fields of input or output n: name, rate, units, cost units, cost.
QStringList ioFields(const char *io, int n) {
    const QString base = f(io) + QString::number(n);
    return {base, base + f("Rate"), base + f("Units"), base + f("CostUnits"), base + f("Cost")};
}

// The fields a slot takes over from a catalogue record (besides the
// maintenance rate, which goes into MaintenanceCostRateType).
QStringList unitFields() {
    QStringList fields{f("Description"), f("EnergyTypes"), f("Efficiency1"), f("Efficiency2"),
                       f("Efficiency3")};
    for (int n = 1; n <= 3; ++n)
        fields << ioFields("EnergyInput", n) << ioFields("EnergyOutput", n);
    fields << f("MaintenanceCost") << f("MaintenanceCostUnits") << f("CapitalCost")
           << f("CapitalCostCurrency") << f("EnergyInputMaxRate");
    return fields;
}

// The 13 fields of a saved combustion unit (its first input and output only).
QStringList combustionSavedFields() {
    return QStringList{f("Description"), f("EnergyTypes"), f("Efficiency1")}
           << ioFields("EnergyInput", 1) << ioFields("EnergyOutput", 1);
}

// The fields of a saved gasifier unit (one input, three outputs).
QStringList gasifierSavedFields() {
    QStringList fields{f("Description"), f("EnergyTypes"), f("Efficiency1"), f("Efficiency2"),
                       f("Efficiency3")};
    fields << ioFields("EnergyInput", 1);
    for (int n = 1; n <= 3; ++n)
        fields << ioFields("EnergyOutput", n);
    fields << f("MaintenanceCost") << f("MaintenanceCostUnits") << f("CapitalCost")
           << f("CapitalCostCurrency") << f("EnergyInputMaxRate") << f("FuelMix");
    return fields;
}

int slotOffset(UnitKind kind) {
    return kind == UnitKind::Combustion ? 0 : kSlotsPerKind;
}

[[noreturn]] void shortage(UnitKind kind, const QString &text) {
    throw UserError(unitWindowTitle(kind), text);
}

// Opens SteamConfiguration after checking that it holds every slot.
db::Cursor openSlots(const db::Database &db, UnitKind kind) {
    db::Cursor slotTable = db.openDynaset(kSlots);
    if (slotTable.recordCount() < kSlotRecords)
        shortage(kind,
                 QStringLiteral("The table %1 of %2 holds %3 records; it needs %4 (records 1 to 10 "
                                "for the combustion units, 11 to 20 for the gasifiers). Nothing "
                                "was written.")
                     .arg(slotTable.table(), db.path())
                     .arg(slotTable.recordCount())
                     .arg(kSlotRecords));
    return slotTable;
}

void checkSlot(UnitKind kind, int slot) {
    if (slot < 1 || slot > kSlotsPerKind)
        shortage(kind, QStringLiteral("There is no unit %1; the units are numbered 1 to %2.")
                           .arg(slot)
                           .arg(kSlotsPerKind));
}

// Positions the slot cursor on slot (1..10) of the kind.
void moveToSlot(db::Cursor &slotTable, UnitKind kind, int slot) {
    slotTable.moveTo(slotOffset(kind) + slot - 1);
}

// Copies a catalogue record into the current slot record (edit pending).
void copyUnit(db::Cursor &slot, const db::Record &unit) {
    for (const QString &field : unitFields())
        slot.setValue(field, unit.value(field));
    slot.setValue(f("MaintenanceCostRateType"), unit.value(f("MaintenanceCostRate")));
    // The fuel mix travels with the unit so that a saved gasifier keeps its own.
    if (slot.hasField(f("FuelMix")) && unit.hasField(f("FuelMix")))
        slot.setValue(f("FuelMix"), unit.value(f("FuelMix")));
}

UnitColumns columnsOf(const db::Cursor &slot) {
    UnitColumns columns;
    for (int n = 1; n <= 3; ++n) {
        UnitColumn &c = columns[size_t(n - 1)];
        const QStringList in = ioFields("EnergyInput", n);
        const QStringList out = ioFields("EnergyOutput", n);
        c.efficiency = slot.text(f("Efficiency") + QString::number(n));
        c.input = slot.text(in[0]);
        c.inputRate = slot.text(in[1]);
        c.inputUnits = slot.text(in[2]);
        c.inputCostUnits = slot.text(in[3]);
        c.inputCost = slot.text(in[4]);
        c.output = slot.text(out[0]);
        c.outputRate = slot.text(out[1]);
        c.outputUnits = slot.text(out[2]);
        c.outputCostUnits = slot.text(out[3]);
        c.outputCost = slot.text(out[4]);
    }
    return columns;
}

UnitColumns columnsOf(const db::Record &unit) {
    UnitColumns columns;
    for (int n = 1; n <= 3; ++n) {
        UnitColumn &c = columns[size_t(n - 1)];
        const QStringList in = ioFields("EnergyInput", n);
        const QStringList out = ioFields("EnergyOutput", n);
        c.efficiency = unit.text(f("Efficiency") + QString::number(n));
        c.input = unit.text(in[0]);
        c.inputRate = unit.text(in[1]);
        c.inputUnits = unit.text(in[2]);
        c.inputCostUnits = unit.text(in[3]);
        c.inputCost = unit.text(in[4]);
        c.output = unit.text(out[0]);
        c.outputRate = unit.text(out[1]);
        c.outputUnits = unit.text(out[2]);
        c.outputCostUnits = unit.text(out[3]);
        c.outputCost = unit.text(out[4]);
    }
    return columns;
}

void setColumns(db::Cursor &slot, const std::array<double, 3> &efficiencies,
                const std::array<double, 3> &outputRates) {
    for (int n = 1; n <= 3; ++n) {
        slot.setValue(f("Efficiency") + QString::number(n), efficiencies[size_t(n - 1)]);
        slot.setValue(f("EnergyOutput") + QString::number(n) + f("Rate"),
                      outputRates[size_t(n - 1)]);
    }
}

// Writes an unused saved record: "Unused", blanks in texts, 0 in numbers.
void writeUnused(db::Cursor &saved, const QStringList &fields, const QStringList &emptyTexts) {
    for (const QString &field : fields) {
        if (field.compare(f("Description"), Qt::CaseInsensitive) == 0)
            saved.setValue(field, f("Unused"));
        else if (saved.fieldKind(field) != db::FieldKind::Text)
            saved.setValue(field, 0.0);
        else if (emptyTexts.contains(field))
            saved.setValue(field, QString(""));
        else
            saved.setValue(field, f(" "));
    }
}

// The shared walk of both saves: slot k into saved record k, or unused.
// `add` sees each used slot (edit pending, values copied).
template <class Add>
void saveSlots(const db::Database &db, UnitKind kind, double quantity, const QStringList &fields,
               const QStringList &emptyTexts, Add &&add) {
    db::Cursor slotTable = openSlots(db, kind);
    db::Cursor saved = db.openDynaset(savedConfigurationTable(kind));
    if (saved.recordCount() < kSlotsPerKind)
        shortage(kind, QStringLiteral("The table %1 of %2 holds %3 records; it needs %4, one for "
                                      "each unit. Nothing was written.")
                           .arg(saved.table(), db.path())
                           .arg(saved.recordCount())
                           .arg(kSlotsPerKind));
    db::Transaction transaction(db);
    for (int k = 1; k <= kSlotsPerKind; ++k) {
        moveToSlot(slotTable, kind, k);
        saved.moveTo(k - 1);
        saved.edit();
        if (k > quantity) {
            writeUnused(saved, fields, emptyTexts);
        } else {
            for (const QString &field : fields)
                saved.setValue(field, slotTable.value(field));
            add(slotTable);
        }
        saved.update();
    }
    transaction.commit();
}

} // namespace

QString unitType(UnitKind kind) {
    return kind == UnitKind::Combustion ? f("Combustion") : f("Gasifier");
}

QString savedConfigurationTable(UnitKind kind) {
    return kind == UnitKind::Combustion ? f("SteamElectricConfiguration")
                                        : f("GasifierElectricConfiguration");
}

QString unitWindowTitle(UnitKind kind) {
    return kind == UnitKind::Combustion ? f("ZARN Process Energy HP Steam Configuration")
                                        : f("ZARN Gasifier Configuration");
}

QStringList catalogueUnits(const db::Database &db, UnitKind kind) {
    QStringList units;
    for (const db::Record &r : db::allMatches(db, kCatalogue, f("EnergyTypes"), unitType(kind)))
        units << r.text(f("Description"));
    if (units.isEmpty())
        shortage(kind, QStringLiteral("The table %1 of %2 holds no unit of type \"%3\".")
                           .arg(kCatalogue, db.path(), unitType(kind)));
    return units;
}

void fillSlots(const db::Database &db, UnitKind kind) {
    // The last catalogue unit of the kind's type, found by its type for both
    // kinds, so a catalogue ending with another type never fills these slotTable.
    const auto unit = db::lastMatch(db, kCatalogue, f("EnergyTypes"), unitType(kind));
    if (!unit)
        shortage(kind, QStringLiteral("The table %1 of %2 holds no unit of type \"%3\". Nothing "
                                      "was written.")
                           .arg(kCatalogue, db.path(), unitType(kind)));
    db::Cursor slotTable = openSlots(db, kind);
    db::Transaction transaction(db);
    for (int k = 1; k <= kSlotsPerKind; ++k) {
        moveToSlot(slotTable, kind, k);
        slotTable.edit();
        copyUnit(slotTable, *unit);
        slotTable.setValue(f("UpdatedRecord"), f("No"));
        slotTable.update();
    }
    transaction.commit();
}

std::optional<UnitColumns> chooseUnit(const db::Database &db, UnitKind kind, int slot,
                                      const QString &description) {
    checkSlot(kind, slot);
    const auto unit = db::lastMatch(db, kCatalogue, f("Description"), description);
    if (!unit)
        return std::nullopt;
    db::Cursor slotTable = openSlots(db, kind);
    moveToSlot(slotTable, kind, slot);
    slotTable.edit();
    copyUnit(slotTable, *unit);
    slotTable.update();
    return columnsOf(*unit);
}

UnitColumns slotColumns(const db::Database &db, UnitKind kind, int slot) {
    checkSlot(kind, slot);
    db::Cursor slotTable = openSlots(db, kind);
    moveToSlot(slotTable, kind, slot);
    return columnsOf(slotTable);
}

void storeColumns(const db::Database &db, UnitKind kind, int slot,
                  const std::array<double, 3> &efficiencies,
                  const std::array<double, 3> &outputRates) {
    checkSlot(kind, slot);
    db::Cursor slotTable = openSlots(db, kind);
    moveToSlot(slotTable, kind, slot);
    slotTable.edit();
    setColumns(slotTable, efficiencies, outputRates);
    slotTable.update();
}

UnitColumns selectColumn(const db::Database &db, UnitKind kind, int slot, int column,
                         const std::array<double, 3> &efficiencies,
                         const std::array<double, 3> &outputRates) {
    checkSlot(kind, slot);
    if (column < 2 || column > 3)
        shortage(kind,
                 QStringLiteral("There is no column %1 to exchange with column 1.").arg(column));
    db::Cursor slotTable = openSlots(db, kind);
    moveToSlot(slotTable, kind, slot);
    slotTable.edit();
    setColumns(slotTable, efficiencies, outputRates);
    QStringList first = ioFields("EnergyInput", 1) + ioFields("EnergyOutput", 1);
    first << f("Efficiency1");
    QStringList other = ioFields("EnergyInput", column) + ioFields("EnergyOutput", column);
    other << f("Efficiency") + QString::number(column);
    for (qsizetype i = 0; i < first.size(); ++i) {
        const QVariant a = slotTable.value(first[i]);
        const QVariant b = slotTable.value(other[i]);
        slotTable.setValue(first[i], b);
        slotTable.setValue(other[i], a);
    }
    slotTable.update();
    return columnsOf(slotTable);
}

CombustionTotals saveCombustionConfiguration(const db::Database &db, double quantity) {
    CombustionTotals totals;
    saveSlots(db, UnitKind::Combustion, quantity, combustionSavedFields(), {},
              [&](const db::Cursor &slot) {
                  if (slot.text(f("EnergyInput1")) == kBagasse) {
                      totals.bagasse += slot.number(f("EnergyInput1Rate"));
                      totals.steam += slot.number(f("EnergyOutput1Rate"));
                  }
              });
    return totals;
}

GasifierTotals saveGasifierConfiguration(const db::Database &db, double quantity) {
    GasifierTotals totals;
    saveSlots(db, UnitKind::Gasifier, quantity, gasifierSavedFields(),
              {f("MaintenanceCostUnits"), f("CapitalCostCurrency")}, [&](const db::Cursor &slot) {
                  if (slot.text(f("EnergyInput1")) == kBagasse) {
                      totals.bagasse += slot.number(f("EnergyInput1Rate"));
                      totals.steam += slot.number(f("EnergyOutput3Rate"));
                      totals.electricity +=
                          slot.number(f("EnergyOutput1Rate")) + slot.number(f("EnergyOutput2Rate"));
                  }
              });
    return totals;
}

int shownUnitLists(double quantity) {
    int shown = 0;
    for (int k = 0; k < kSlotsPerKind; ++k)
        if (quantity > k)
            ++shown;
    return shown;
}

} // namespace zarn::processing
