#pragma once
// Table Defaults: the defaults the program remembers between runs.
//
// Every save appends one record; the last record is the current one. Startup
// reads it (startup.h) and every save writes one through the typed record
// below, so the list of fields lives here only.
//
// Integer fields are read with a check: a text that is no whole number, or a
// number that does not fit the 16-bit shared value it feeds, is refused with a
// message naming the file, table and field (a UserError), instead of being
// read as 0 or wrapped.

#include "shell/sharedstate.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <optional>

namespace zarn {

namespace db {
class Database;
}

// One record of table Defaults.
struct DefaultsRecord {
    QString sorghumVariety;
    QString harvestMethod;
    QString loadingMethod;
    QString transportation;
    QString unloadingMethod;
    QString crushingMethod;
    QString juiceExtraction;
    QString energyType;
    QString currencyName;
    QString currencyType; // currency symbol
    QString institute;
    QString inst; // institute short code
    QString site;
    QString shortSite;
    QString landName;
    QString systemConstraint;
    std::int16_t soil = 0;
    std::int16_t calculationsStored = 0;
    double moistBagasseEnergy = 0;
    double cropYield = 0;
    bool wizardOn = false;
    QString creationDate; // "d-mmmm-yy h:mm" of the save
    QString defaultPath;  // program directory at the save; history only
};

// The last (current) record of Defaults. UserError when the table is missing
// or empty, a field is missing, or an integer field holds a bad value.
DefaultsRecord readLastDefaults(const db::Database &database);

// Appends record to Defaults in one transaction. UserError (nothing written)
// when the table or a field is missing or refuses its value.
void appendDefaults(const db::Database &database, const DefaultsRecord &record);

// A value read from an integer field that feeds a 16-bit shared value: Null is
// 0, a fraction is rounded; a text that is no number, or a number outside
// -32768..32767, is a UserError naming file, table and field.
std::int16_t storedInt16(const QVariant &value, const QString &file, const QString &table,
                         const QString &field);

// VarietyNumber of the last Variety record whose VarietyName equals variety;
// current when none does (as startup looks it up).
std::int16_t varietyNumberOf(const db::Database &database, const QString &variety,
                             std::int16_t current);

// The texts of the default-modules window's lists.
struct DefaultsLists {
    QString sorghumVariety;
    QString harvestMethod;
    QString loadingMethod;
    QString transportation;
    QString unloadingMethod;
    QString crushingMethod;
    QString juiceExtraction;
    QString energyType;
    QString currencyName;
};

// The list texts the window shows for a record.
DefaultsLists listsOf(const DefaultsRecord &record);

// While the default-modules window is open it supplies its list texts to every
// save; an empty function (the window closed) makes saves take the texts of
// the last record, without changing any shared value.
void setDefaultsListsSource(std::function<DefaultsLists()> source);

// The texts a save writes now: the open window's, else the last record's.
DefaultsLists currentDefaultsLists(const db::Database &database);

// The entries of every list of the default-modules window, each in table order.
struct DefaultsChoices {
    QStringList varieties;        // VarietyName of Variety
    QStringList harvestMethods;   // Method of Harvest
    QStringList loadingMethods;   // Description of Load
    QStringList transports;       // Description of Transport
    QStringList unloadingMethods; // Description of Unload
    QStringList crushingMethods;  // Method of Crushing
    QStringList juiceExtractions; // Method of JuiceExtraction
    QStringList energyTypes;      // Description of Energy
    QStringList currencies;       // CurrencyName of Currency
};
DefaultsChoices readDefaultsChoices(const db::Database &database);

// Every value of one field of a table, in table order.
QStringList fieldTexts(const db::Database &database, const QString &table, const QString &field);

// The save time as stored in CreationDate: "d-mmmm-yy h:mm" with English month
// names and a 24-hour clock ("5-March-96 9:07").
QString creationDateText(const QDateTime &when);

// The record a save appends: shared values, the method texts of the lists and
// the save time.
DefaultsRecord defaultsToSave(const SharedState &state, const DefaultsLists &lists,
                              const QDateTime &when);

// The reference database of a program directory (found whatever its case).
QString referenceDatabase(const QString &systemPath);

// Appends one Defaults record built from the current shared values and the
// list texts (currentDefaultsLists). UserError when the database cannot be
// used; nothing is then written.
void SaveDefaultsRecord();

// "OK" of the system default window: takes the variety, methods, energy type
// and currency of the lists into the shared values, the currency's symbol
// (last match of Currency; unchanged when none) and the variety's number
// (as startup does), and saves the defaults. On a UserError nothing is saved
// and the shared values stay as they were.
void acceptSystemDefaults();

// The working year typed into the default-paths window: a whole number from 1
// to 9999, or nothing (the year then stays as it was).
std::optional<std::int16_t> yearOf(const QString &text);

} // namespace zarn
