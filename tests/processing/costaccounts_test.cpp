// The stored process-cost calculations: creating one, finding its steps,
// saving and adding steps, and its cost totals.
#include "processing/costaccounts.h"

#include "support/fixtures.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::processing;

namespace {

class CostAccounts : public ::testing::Test {
protected:
    test::TempBundle bundle; // holds the sample calculation 1, fourteen steps
    db::Database open() { return db::Database::open(bundle.file("Sorghum.mdb")); }
};

TEST_F(CostAccounts, CreatingAppendsTheFourteenStepsAndRecordsTheNumber) {
    EXPECT_EQ(newCalculationName(3), "New Calc  3");
    auto d = open();
    const int before = recordCount(d);
    ASSERT_EQ(before, 14);
    const int landRent = createCalculation(d, 2, newCalculationName(2), "01/04/2026 10:00:00");
    EXPECT_EQ(landRent, before); // the new calculation's own first step
    ASSERT_EQ(recordCount(d), before + 14);
    for (int k = 0; k < 14; ++k) {
        const auto r = recordAt(d, before + k);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->processName, standardSteps()[k]);
        EXPECT_EQ(r->number, 2);
        EXPECT_EQ(r->name, "New Calc  2");
        EXPECT_EQ(r->date, "01/04/2026 10:00:00");
        EXPECT_EQ(r->energy1, " ");
        EXPECT_EQ(r->duration, 0);
        EXPECT_EQ(r->subTotCost, 0);
    }
    EXPECT_EQ(db::openLastDefaults(d).integer("CalculationsStored"), 2);
    EXPECT_EQ(findStep(d, 2, kLandRentStep), before);
    EXPECT_EQ(findStep(d, 1, kLandRentStep), 0);
    EXPECT_EQ(findStep(d, 2, kElectricityProductionStep), before + 13);
    EXPECT_FALSE(findStep(d, 3, kLandRentStep));
    EXPECT_FALSE(recordAt(d, before + 14));
}

TEST_F(CostAccounts, TotalsCountOnlyTheCalculationAndEveryEnergy) {
    auto d = open();
    const CostTotals sample = costTotals(d, 1);
    EXPECT_DOUBLE_EQ(sample.labour, 21480);
    EXPECT_DOUBLE_EQ(sample.energy, 13610);

    createCalculation(d, 2, newCalculationName(2), "x");
    ProcessRecord r;
    r.name = "New Calc  2";
    r.number = 2;
    r.processName = "Irrigation";
    r.duration = 10;
    r.labourReqd = 3;
    r.labourCost = 5;
    r.energy1Cost = 7;
    r.energy2Cost = 2;
    r.energy3Cost = 1;
    const int added = appendStep(d, r);
    EXPECT_EQ(added, 28);
    const CostTotals second = costTotals(d, 2);
    EXPECT_DOUBLE_EQ(second.labour, 150);
    EXPECT_DOUBLE_EQ(second.energy, 100);
    EXPECT_DOUBLE_EQ(second.sum(), 250);
    EXPECT_DOUBLE_EQ(costTotals(d, 1).labour, 21480); // untouched by calculation 2
    EXPECT_DOUBLE_EQ(costTotals(d, 7).sum(), 0);
}

TEST_F(CostAccounts, UpdatingWritesTheStepAndKeepsItsCalculation) {
    auto d = open();
    ProcessRecord r = *recordAt(d, 3);
    ASSERT_EQ(r.processName, "Harvest");
    r.name = "Another";
    r.number = 9;
    r.duration = 21;
    r.energy2 = "Coal";
    r.subTotCost = 1234.5;
    updateStep(d, 3, r);
    const ProcessRecord back = *recordAt(d, 3);
    EXPECT_EQ(back.name, "Sample season");
    EXPECT_EQ(back.number, 1);
    EXPECT_EQ(back.duration, 21);
    EXPECT_EQ(back.energy2, "Coal");
    EXPECT_EQ(back.subTotCost, 1234.5);
    QSqlQuery q(d.connection());
    ASSERT_TRUE(q.exec("SELECT SubTotCost FROM Calculation WHERE rowid = 4") && q.next());
    EXPECT_EQ(q.value(0).toString(), "1234.5"); // a number, no currency
}

TEST_F(CostAccounts, MoneyTextsAndStoredSubTotals) {
    EXPECT_EQ(amountOfMoneyText("$  150", "$"), 150);
    EXPECT_EQ(amountOfMoneyText("R$ -5", "R$"), -5);
    EXPECT_EQ(amountOfMoneyText("0", "$"), 0);
    EXPECT_EQ(amountOfMoneyText("abc", "$"), 0);
    // A sub-total stored as a shown money text (as the land-cost windows keep it).
    auto d = open();
    QSqlQuery q(d.connection());
    ASSERT_TRUE(q.exec("UPDATE Calculation SET SubTotCost = '$ 180' WHERE rowid = 1"));
    EXPECT_EQ(recordAt(d, 0)->subTotCost, 180);
}

} // namespace
