// The equipment window's own saving: append a new record, or write over every
// record of the same type.
#include "data/equipment.h"

#include "data/database.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;

namespace {

class EquipmentTest : public ::testing::Test {
protected:
    test::TempBundle bundle;
    QString file() const { return bundle.file(QStringLiteral("Sorghum.mdb")); }

    // Every record as "Type|Manufacturer|PowerRating|Capital Cost Units".
    QStringList records() const {
        auto d = db::Database::open(file());
        QStringList rows;
        for (auto c = d.openTable(QStringLiteral("Equipment")); !c.eof(); c.moveNext())
            rows << QStringList{c.text(QStringLiteral("Type")),
                                c.text(QStringLiteral("Manufacturer")),
                                c.text(QStringLiteral("PowerRating")),
                                c.text(QStringLiteral("Capital Cost Units"))}
                        .join('|');
        return rows;
    }
    static db::EquipmentEntry entry(const QString &type) {
        db::EquipmentEntry e;
        e.type = type;
        e.manufacturer = QStringLiteral("Fenwick");
        e.power = QStringLiteral("88");
        e.capitalCostUnits = QStringLiteral("$");
        return e;
    }
};

TEST_F(EquipmentTest, AppendCutsTextsAndTakesLeadingNumbers) {
    db::EquipmentEntry e;
    e.type = QString(30, 'T');
    e.model = QString(30, 'M');
    e.manufacturer = QString(40, 'F');
    e.description = QString(70, 'D');
    e.capitalCostUnits = QStringLiteral("US$$");
    e.fuelType = QString(30, 'U');
    e.power = QStringLiteral("75 kW");
    e.capitalCost = QStringLiteral("not a number");
    e.lifetime = QStringLiteral(" 12.5");
    const int before = records().size();
    const qint64 id = db::appendEquipment(file(), e);

    auto d = db::Database::open(file());
    auto c = d.openTable(QStringLiteral("Equipment"));
    ASSERT_EQ(c.recordCount(), before + 1);
    c.moveLast();
    EXPECT_EQ(c.rowid(), id);
    EXPECT_EQ(c.text(QStringLiteral("Type")), QString(25, 'T'));
    EXPECT_EQ(c.text(QStringLiteral("Model")), QString(25, 'M'));
    EXPECT_EQ(c.text(QStringLiteral("Manufacturer")), QString(35, 'F'));
    EXPECT_EQ(c.text(QStringLiteral("Description")), QString(60, 'D'));
    EXPECT_EQ(c.text(QStringLiteral("Capital Cost Units")), QStringLiteral("US$"));
    EXPECT_EQ(c.text(QStringLiteral("Fuel Type")), QString(25, 'U'));
    EXPECT_EQ(c.number(QStringLiteral("PowerRating")), 75);
    EXPECT_EQ(c.number(QStringLiteral("Capital Cost")), 0);
    EXPECT_EQ(c.number(QStringLiteral("Lifetime")), 12.5);
    EXPECT_EQ(c.value(QStringLiteral("LitresPerKm")).toDouble(), 0) << "an empty field stores 0";
}

TEST_F(EquipmentTest, EditSaveWritesEveryRecordOfTheTypeAndNoneWithoutMatch) {
    db::appendEquipment(file(), entry(QStringLiteral("Tine Cultivator")));
    db::appendEquipment(file(), entry(QStringLiteral("Other Machine")));
    db::appendEquipment(file(), entry(QStringLiteral("TINE CULTIVATOR  ")));
    QStringList expected = records();

    db::EquipmentEntry e = entry(QStringLiteral("  tine cultivator"));
    e.manufacturer = QStringLiteral("Ashgrove");
    e.power = QStringLiteral("120");
    EXPECT_EQ(db::updateEquipmentOfType(file(), e), 2);
    for (QString &row : expected)
        if (row.section('|', 0, 0).trimmed().toUpper() == "TINE CULTIVATOR")
            row = "  tine cultivator|Ashgrove|120|$";
    EXPECT_EQ(records(), expected);

    EXPECT_EQ(db::updateEquipmentOfType(file(), entry(QStringLiteral("No Such Machine"))), 0);
    EXPECT_EQ(records(), expected);

    // The name is compared as stored: cut to 25 characters.
    db::appendEquipment(file(), entry(QString(25, 'L')));
    EXPECT_EQ(db::updateEquipmentOfType(file(), entry(QString(25, 'L') + "onger")), 1);
}

} // namespace
