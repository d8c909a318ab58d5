// Land management costs: the arithmetic, the machine values looked up for it
// and the land records of a stored calculation.
#include "data/landcosts.h"

#include "cropmodel/numbers.h"
#include "data/database.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::db;
using cropmodel::FormatNumber;

namespace {

class LandCostsTest : public ::testing::Test {
protected:
    test::TempBundle bundle;
    Database db = Database::open(bundle.file(QStringLiteral("Sorghum.mdb")));

    MachineValues machine(const QString &type, EquipmentMatch match) const {
        MachineValues m;
        LookupMachine(db, type, match, m);
        return m;
    }
};

TEST(LandCostArithmetic, PloughRateLabourAndTotals) {
    struct Case {
        const char *what;
        double speed, width, passes, persons, rate1, rate2;
        double ploughRate, total;
    };
    // Fuel: 9 l/h at 0.85 a litre throughout.
    const Case cases[] = {
        {"one person", 6, 5, 1, 1, 480, 999, 1.0 / 3, 9 * 0.85 / 3 + 480.0 / 176 / 3},
        {"two persons", 6, 5, 1, 2, 440, 264, 1.0 / 3, 9 * 0.85 / 3 + 4.0 / 3},
        {"two passes", 6, 5, 2, 1, 176, 0, 1.0 / 3, 2 * (9 * 0.85 / 3 + 1.0 / 3)},
        {"no persons", 6, 5, 1, 0, 480, 480, 1.0 / 3, 9 * 0.85 / 3},
        {"three persons", 6, 5, 1, 3, 480, 480, 1.0 / 3, 9 * 0.85 / 3},
        {"width 0", 6, 0, 1, 1, 176, 0, 1, 9 * 0.85 + 1},
        {"speed 0", 0, 5, 1, 1, 176, 0, 1, 9 * 0.85 + 1},
        {"no passes", 6, 5, 0, 1, 176, 0, 1.0 / 3, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MachineValues m;
        m.litresPerHour = 9;
        m.fuelCost = 0.85;
        m.persons = c.persons;
        m.person1Rate = c.rate1;
        m.person2Rate = c.rate2;
        const PloughingCost p = PreparationCost(m, c.speed, c.width, c.passes);
        EXPECT_DOUBLE_EQ(p.ploughRate, c.ploughRate);
        EXPECT_NEAR(p.total, c.total, 1e-12);
    }
}

TEST(LandCostArithmetic, PlantingCostAndSowingRate) {
    MachineValues m;
    m.litresPerHour = 6;
    m.fuelCost = 0.85;
    m.persons = 2;
    m.person1Rate = 440;
    m.person2Rate = 264;
    m.operationRate = 4;
    PlantingCost p = PlantingCostOf(m, 10, 3.2);
    EXPECT_DOUBLE_EQ(p.sowingRate, 2.5);
    EXPECT_DOUBLE_EQ(p.fuel, 12.75);
    EXPECT_DOUBLE_EQ(p.labour, 10);
    EXPECT_DOUBLE_EQ(p.seed, 32);
    EXPECT_DOUBLE_EQ(p.total, 54.75);
    // An operation rate of 0 counts as 1: the sowing rate is the seed quantity.
    m.operationRate = 0;
    p = PlantingCostOf(m, 10, 3.2);
    EXPECT_DOUBLE_EQ(p.sowingRate, 10);
}

TEST(LandCostArithmetic, SummaryTotalText) {
    EXPECT_EQ(SummaryTotalText(0), "0.00");
    EXPECT_EQ(SummaryTotalText(22760), "22760.");
    EXPECT_EQ(SummaryTotalText(189.7509), "189.75");
    EXPECT_EQ(SummaryTotalText(0.959), ".96");
}

// The costs of the bundled equipment, looked up as the windows do.
TEST_F(LandCostsTest, PreparationCostsOfTheBundledEquipment) {
    struct Case {
        const char *type;
        const char *total;
    };
    const Case cases[] = {
        {"Disc Plough", "3.459"},
        {"Mouldboard Plough", "5.171"},
        {"Haulage Truck 20 t", "0.959"}, // the last equipment: shown after loading
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        const MachineValues m = machine(c.type, EquipmentMatch::First);
        const PloughingCost p = PreparationCost(m, m.operationRate, 5, 1);
        EXPECT_EQ(FormatNumber(p.total, kCostPattern), c.total);
    }
}

TEST_F(LandCostsTest, PlantingCostOfTheBundledRowPlanter) {
    const MachineValues m = machine(QStringLiteral("Row Planter"), EquipmentMatch::Last);
    EXPECT_EQ(m.persons, 2);
    EXPECT_EQ(m.person1Rate, 440); // the first occupation of skill 2
    EXPECT_EQ(m.person2Rate, 264); // the first of skill 1
    EXPECT_EQ(FormatNumber(PlantingCostOf(m, 10, 3.2).total, kCostPattern), "54.750");
}

// The occupation scan ends after its second match, a record matching both
// skills counting twice; values not found keep what they were.
TEST_F(LandCostsTest, MachineLookupKeepsWhatItDoesNotFind) {
    MachineValues m;
    m.skill1 = m.skill2 = 3;
    m.fuelType = QStringLiteral("Diesel");
    m.fuelCost = 99;
    m.person1Rate = m.person2Rate = 1;
    m.operationRate = 7;
    LookupMachine(db, QStringLiteral("No Such Machine"), EquipmentMatch::First, m);
    EXPECT_EQ(m.operationRate, 7);
    EXPECT_EQ(m.fuelCost, 0.85);
    EXPECT_EQ(m.person1Rate, 620); // OC04 matches both skills: the scan ends there
    EXPECT_EQ(m.person2Rate, 620);

    m.fuelType = QStringLiteral("Peat");
    m.skill1 = m.skill2 = 9;
    LookupMachine(db, QStringLiteral("No Such Machine"), EquipmentMatch::Last, m);
    EXPECT_EQ(m.fuelCost, 0.85);
    EXPECT_EQ(m.person1Rate, 620);
}

TEST_F(LandCostsTest, FirstAndLastEquipmentOfATypeAndOperationRateZero) {
    {
        Cursor c = db.openTable(QStringLiteral("Equipment"));
        c.addNew();
        c.setValue(QStringLiteral("Type"), QStringLiteral("Disc Plough"));
        c.setValue(QStringLiteral("OperationRate1"), 0);
        c.setValue(QStringLiteral("LitresPerHr"), 3);
        c.update();
    }
    EXPECT_EQ(machine(QStringLiteral("Disc Plough"), EquipmentMatch::First).operationRate, 6);
    const MachineValues last = machine(QStringLiteral("Disc Plough"), EquipmentMatch::Last);
    EXPECT_EQ(last.operationRate, 1);
    EXPECT_EQ(last.litresPerHour, 3);
}

TEST_F(LandCostsTest, LandRecordsOfTheCurrentCalculationOnly) {
    EXPECT_EQ(ReadLandCost(db, 1, kLandPreparationRecord), QString("1700"));
    EXPECT_FALSE(ReadLandCost(db, 2, kLandPreparationRecord).has_value());
    EXPECT_FALSE(WriteLandCost(db, 2, kLandPreparationRecord, 5));

    ASSERT_TRUE(WriteLandCost(db, 1, kLandPreparationRecord, 3.459));
    EXPECT_EQ(ReadLandCost(db, 1, kLandPreparationRecord), QString("3.459"));
    EXPECT_EQ(ReadLandCost(db, 1, kLandRentRecord), QString("13140"));
    // Stored as a number, as the economics window stores it.
    Cursor c = db.openTable(QStringLiteral("Calculation"));
    for (; !c.eof(); c.moveNext())
        if (c.text(QStringLiteral("ProcessName")) == kLandPreparationRecord)
            break;
    EXPECT_EQ(c.number(QStringLiteral("SubTotCost")), 3.459);
}

TEST_F(LandCostsTest, DefaultLandNameIsCut) {
    StoreDefaultLandName(db, QString(40, u'x'));
    EXPECT_EQ(openLastDefaults(db).text(QStringLiteral("LandName")), QString(35, u'x'));
}

} // namespace
