// The yield-to-products calculation: the mill's balance, the season's
// products, revenue and balance, and the reference data they read.
#include "cropmodel/numbers.h"
#include "processing/calculation.h"

#include "data/lookup.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::processing;

namespace {

// The worked example: 14 % sugar, 13 % fibre, 68 % moisture, 11.5 t/ha on 73 ha.
ProductInputs example73(double moistBagasseEnergy) {
    ProductInputs in;
    in.yieldPerHectare = 11.5;
    in.landArea = 73;
    in.sugarPercent = 14;
    in.fibrePercent = 13;
    in.moisturePercent = 68;
    in.steamBagasseRatio = 2;
    in.moistBagasseEnergy = moistBagasseEnergy;
    return in;
}

TEST(Products, SeventyThreeHectareExampleAndItsBagasseEnergyVariant) {
    struct Case {
        double energy;
        double gj, mwh, elecSteam;
    };
    // With 8 GJ/t the MWh are 681 x 8 x 2 x 0.3 / 3.6 = 908 exactly, which
    // plain double arithmetic would cut to 907.
    for (const Case &c : {Case{7, 2860, 794, 5432}, Case{8, 3268, 908, 6208}}) {
        SCOPED_TRACE(c.energy);
        const Products p = products(example73(c.energy));
        EXPECT_FALSE(p.noFreshWeight);
        EXPECT_EQ(p.landYield, 839);
        EXPECT_DOUBLE_EQ(p.freshWeight, 2621.875);
        EXPECT_EQ(p.bagasse, 681);
        EXPECT_EQ(p.electricityBagasse, 681);
        EXPECT_EQ(p.ethanolLitres, 213630);
        EXPECT_EQ(p.electricityGJ, c.gj);
        EXPECT_EQ(p.electricityMWh, c.mwh);
        EXPECT_EQ(p.electricitySteam, c.elecSteam);
        EXPECT_EQ(p.ethanolSteam, 865);
        EXPECT_EQ(p.ethanolBagasse, 409);
    }
}

TEST(Products, NoLandGivesNothingAndFullMoistureGivesNoProducts) {
    ProductInputs in = example73(7);
    in.landArea = 0;
    const Products none = products(in);
    EXPECT_EQ(none.landYield, 0);
    EXPECT_EQ(none.ethanolLitres, 0);
    EXPECT_EQ(none.electricityMWh, 0);

    in = example73(7);
    in.moisturePercent = 100; // would divide by zero
    const Products wet = products(in);
    EXPECT_TRUE(wet.noFreshWeight);
    EXPECT_EQ(wet.landYield, 839);
    EXPECT_EQ(wet.freshWeight, 0);
    EXPECT_EQ(wet.bagasse, 0);
    EXPECT_EQ(wet.ethanolLitres, 0);
    EXPECT_EQ(wet.electricityGJ, 0);
    EXPECT_EQ(wet.ethanolSteam, 0);
    EXPECT_TRUE(noFreshWeightText("Soggy", 100).contains("\"Soggy\""));
}

TEST(Mill, DailyBalanceAndRequirements) {
    const DailyBalance d = dailyBalance(100, 14, 13);
    EXPECT_DOUBLE_EQ(d.sugar, 108.64);
    EXPECT_DOUBLE_EQ(d.fibre, 104);
    EXPECT_DOUBLE_EQ(d.bagasseOut, 208);
    const MillRequirements m = millRequirements(100);
    EXPECT_DOUBLE_EQ(m.hourlyHPSteam, 33);
    EXPECT_DOUBLE_EQ(m.dailyHPSteam, 264);
    EXPECT_NEAR(m.dailySteamBagasse, 124.9248, 1e-9);
    EXPECT_NEAR(m.dailyBagasseGJ, 874.4736, 1e-9);
    EXPECT_DOUBLE_EQ(ethanolPerHectare(14, 11.5), 966.0000000000001);
}

TEST(Revenue, PricesTimesProductsLessTheProcessCosts) {
    RevenueInputs in;
    in.ethanolPrice = 0.55;
    in.electricityPrice = 0.08; // per kWh
    in.ethanolLitres = 213630;
    in.electricityMWh = 794;
    in.labourCostTotal = 21480;
    in.energyCostTotal = 13610;
    const Revenue r = revenue(in);
    EXPECT_DOUBLE_EQ(r.ethanol, 117496.5);
    EXPECT_DOUBLE_EQ(r.electricity, 63520);
    EXPECT_DOUBLE_EQ(r.gross, 181016.5);
    EXPECT_DOUBLE_EQ(r.balance, 181016.5 - 35090);
    EXPECT_EQ(moneyText("$", r.ethanol), "$ 117497");
    EXPECT_EQ(moneyText("$", 0), "$ ");
    EXPECT_EQ(moneyText("$", -35090), "$ -35090");
    EXPECT_EQ(currencyAmountText("$", 17100), "$  17100");
    EXPECT_EQ(currencyAmountText("$", 0), "$  0");
}

TEST(Numbers, WholePartsAndPlainNumbers) {
    EXPECT_EQ(wholePart(681.0 * 8 * 2 * 0.3 * 1000 / 3600), 908);
    EXPECT_EQ(wholePart(2860.2), 2860);
    EXPECT_EQ(wholePart(0.9999999), 0); // 7 nines are a true fraction
    for (const auto &[value, text] : {std::pair{966.0000000000001, "966"},
                                      {0.1 + 0.2, "0.3"},
                                      {33.0, "33"},
                                      {0.0, "0"},
                                      {-5.5, "-5.5"},
                                      {1234567.8, "1234568"},
                                      {1.5e7, "15000000"},
                                      {0.000125, "0.000125"}})
        EXPECT_EQ(cropmodel::PlainDecimal(value), QString::fromLatin1(text)) << value;
}

TEST(LandText, OnlyTextThatIsNoNumberBecomesZero) {
    for (const auto &[text, zero] : {std::pair{"", true},
                                     {"   ", true},
                                     {"abc", true},
                                     {"ha", true},
                                     {"0", false},
                                     {"0.", false},
                                     {"0.5", false},
                                     {"-", false},
                                     {".", false},
                                     {" 73", false}})
        EXPECT_EQ(landTextNeedsZero(QString::fromLatin1(text)), zero) << text;
}

class ReferenceData : public ::testing::Test {
protected:
    test::TempBundle bundle;
    db::Database open() { return db::Database::open(bundle.file("Sorghum.mdb")); }
    void exec(const QString &sql) {
        auto d = open();
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
};

TEST_F(ReferenceData, LookupsTakeTheLastMatchAndLeaveMissingOnesOut) {
    exec("INSERT INTO Crushing (Method, ProcessRate, LabourRequirements, LabourCost) "
         "VALUES ('Four-Roller Mill Tandem', 120, 25, 16000)");
    auto d = open();
    const auto crushing = findCrushing(d, "Four-Roller Mill Tandem");
    ASSERT_TRUE(crushing);
    EXPECT_EQ(crushing->processRate, 120);
    EXPECT_EQ(crushing->labourRequirements, 25);
    EXPECT_FALSE(findCrushing(d, "four-roller mill tandem")); // texts compare exactly
    const auto variety = findVariety(d, "Amberstalk");
    ASSERT_TRUE(variety);
    EXPECT_EQ(variety->sugarPercent, 14);
    EXPECT_EQ(variety->fibrePercent, 13);
    EXPECT_EQ(variety->moisturePercent, 65);
    const auto land = findLand(d, "Home Farm North");
    ASSERT_TRUE(land);
    EXPECT_EQ(land->area, 73);
    EXPECT_EQ(findHarvest(d, "Whole-Stalk Harvester")->personnelRequirements, 3);
    EXPECT_DOUBLE_EQ(*findEnergyCost(d, kEthanolDescription), 0.55);
    EXPECT_FALSE(findEnergyCost(d, "Moonlight"));
}

TEST_F(ReferenceData, SteamRatioIsTheMeanOfTheFirstTenSlots) {
    EXPECT_NEAR(steamBagasseRatioFromSlots(open()), 2.24, 1e-12);
    exec("DELETE FROM SteamConfiguration WHERE rowid > 9");
    try {
        steamBagasseRatioFromSlots(open());
        FAIL() << "nine slots accepted";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("SteamConfiguration")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("Sorghum.mdb")) << e.text().toStdString();
    }
}

} // namespace
