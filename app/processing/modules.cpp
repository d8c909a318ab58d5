#include "processing/modules.h"
#include "shell/defaults.h"

#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "data/lookup.h"
#include "shell/sharedstate.h"

namespace zarn::processing {

db::Database referenceDatabase() {
    return db::Database::open(zarn::referenceDatabase(shared().gSystemPath));
}

QStringList listEntries(const db::Database &db, const QString &table, const QString &field) {
    QStringList entries;
    db::Cursor c = db.openDynaset(table);
    if (!c.hasField(field))
        db::fail(QStringLiteral("The field %1 does not exist in table %2 of %3")
                     .arg(field, c.table(), db.path()));
    for (; !c.eof(); c.moveNext())
        entries << c.text(field);
    return entries;
}

QString currentDefault(const db::Database &db, const QString &field) {
    return db::openLastDefaults(db).text(field);
}

std::optional<VarietyData> varietyData(const db::Database &db, const QString &name) {
    const auto r =
        db::lastMatch(db, QStringLiteral("Variety"), QStringLiteral("VarietyName"), name);
    if (!r)
        return std::nullopt;
    VarietyData v;
    const char *fields[7] = {"SugarPercent",          "FibrePercent",    "AttachedLeavesPercent",
                             "DetachedLeavesPercent", "MoisturePercent", "PaniclePercent",
                             "RootsPercent"};
    for (size_t i = 0; i < 7; ++i)
        v.percentages[i] = r->text(QString::fromLatin1(fields[i]));
    v.waterUseEff = r->text(QStringLiteral("WaterUseEff"));
    v.waterUseEffUnits = r->text(QStringLiteral("WaterUseEffUnits"));
    return v;
}

double percentageTotal(const std::array<QString, 7> &texts) {
    double total = 0;
    for (const QString &t : texts)
        total += cropmodel::LeadingNumber(t);
    return total;
}

std::optional<HarvestData> harvestData(const db::Database &db, const QString &method) {
    const auto r = db::lastMatch(db, QStringLiteral("Harvest"), QStringLiteral("Method"), method);
    if (!r)
        return std::nullopt;
    HarvestData h;
    h.rate = r->text(QStringLiteral("RateOfHarvest"));
    h.personnel = r->text(QStringLiteral("PersonnelRequirements"));
    h.fuelUse = r->text(QStringLiteral("FuelUse"));
    h.lifeTime = r->text(QStringLiteral("LifeTime"));
    for (int i = 0; i < 4; ++i)
        h.persons[size_t(i)] = r->text(QStringLiteral("Person%1").arg(i + 1));
    return h;
}

std::optional<LoadData> loadData(const db::Database &db, const QString &description) {
    const auto r =
        db::lastMatch(db, QStringLiteral("Load"), QStringLiteral("Description"), description);
    if (!r)
        return std::nullopt;
    LoadData l;
    l.personnel = r->text(QStringLiteral("PersonnelRequired"));
    l.skillLevel = r->text(QStringLiteral("SkillLevel"));
    l.fuelUse = r->text(QStringLiteral("FuelUse"));
    l.lifeTime = r->text(QStringLiteral("LifeTime"));
    return l;
}

bool fuelUseNeedsWarning(const QString &fuelUse) {
    return cropmodel::LeadingNumber(fuelUse) > 150;
}

} // namespace zarn::processing
