#include "data/equipment.h"

#include "cropmodel/numbers.h"
#include "data/database.h"

namespace zarn::db {

namespace {

const QString kTable = QStringLiteral("Equipment");

void store(Cursor &c, const EquipmentEntry &e) {
    using cropmodel::LeadingNumber;
    c.setValue(QStringLiteral("Type"), e.type.left(25));
    c.setValue(QStringLiteral("Model"), e.model.left(25));
    c.setValue(QStringLiteral("Manufacturer"), e.manufacturer.left(35));
    c.setValue(QStringLiteral("Description"), e.description.left(60));
    c.setValue(QStringLiteral("Capital Cost Units"), e.capitalCostUnits.left(3));
    c.setValue(QStringLiteral("Fuel Type"), e.fuelType.left(25));
    c.setValue(QStringLiteral("Personnal Required"), LeadingNumber(e.personnelRequired));
    c.setValue(QStringLiteral("Personnal Skill"), LeadingNumber(e.skill1));
    c.setValue(QStringLiteral("PersonnalSkill2"), LeadingNumber(e.skill2));
    c.setValue(QStringLiteral("AnnualInterest"), LeadingNumber(e.annualInterest));
    c.setValue(QStringLiteral("PowerRating"), LeadingNumber(e.power));
    c.setValue(QStringLiteral("Capital Cost"), LeadingNumber(e.capitalCost));
    c.setValue(QStringLiteral("Lifetime"), LeadingNumber(e.lifetime));
    c.setValue(QStringLiteral("LitresPerHa"), LeadingNumber(e.litresPerHa));
    c.setValue(QStringLiteral("LitresPerHr"), LeadingNumber(e.litresPerHr));
    c.setValue(QStringLiteral("LitresPerKm"), LeadingNumber(e.litresPerKm));
}

} // namespace

qint64 appendEquipment(const QString &databasePath, const EquipmentEntry &entry) {
    Database db = Database::open(databasePath);
    Cursor c = db.openTable(kTable);
    c.moveLast();
    c.addNew();
    store(c, entry);
    c.update();
    return c.rowid();
}

int updateEquipmentOfType(const QString &databasePath, const EquipmentEntry &entry) {
    Database db = Database::open(databasePath);
    Cursor c = db.openTable(kTable);
    const QString wanted = entry.type.left(25).trimmed().toUpper();
    int written = 0;
    Transaction t(db);
    for (c.moveFirst(); !c.eof(); c.moveNext()) {
        if (c.text(QStringLiteral("Type")).trimmed().toUpper() != wanted)
            continue;
        c.edit();
        store(c, entry);
        c.update();
        ++written;
    }
    t.commit();
    return written;
}

} // namespace zarn::db
