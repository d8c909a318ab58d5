#pragma once
// The equipment window's own saving (table Equipment of Sorghum.mdb): an entry
// typed into the window is appended as a new record, or written over every
// record of the same type.
//
// Texts are cut to their stored widths (type, model and fuel type 25,
// manufacturer 35, description 60, capital cost units 3 characters); numbers
// are the leading number of what was typed (text that is no number stores 0).

#include <QString>

namespace zarn::db {

// The entry as typed into the window's fields.
struct EquipmentEntry {
    QString type; // the "name" of the equipment
    QString model;
    QString manufacturer;
    QString description;
    QString capitalCostUnits;
    QString fuelType;
    QString personnelRequired;
    QString skill1;
    QString skill2;
    QString annualInterest;
    QString power;
    QString capitalCost;
    QString lifetime;
    QString litresPerHa;
    QString litresPerHr;
    QString litresPerKm;
};

// Appends the entry as the last record; returns its rowid.
qint64 appendEquipment(const QString &databasePath, const EquipmentEntry &entry);

// Writes the entry over every record whose Type, trimmed and upper-cased,
// equals the entry's type cut to 25 characters, trimmed and upper-cased; the
// other records stay as they are. All or none are written. Returns how many
// records were written (0 when none matched).
int updateEquipmentOfType(const QString &databasePath, const EquipmentEntry &entry);

} // namespace zarn::db
