// What the module windows read: variety composition, harvest and loading data,
// and the loading window's fuel-use limit.
#include "processing/modules.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::processing;

TEST(Modules, CropTotalIsThePlainSumOfTheSevenTexts) {
    EXPECT_DOUBLE_EQ(percentageTotal({"14", "13", "5", "3", "60", "2", "3"}), 100);
    EXPECT_DOUBLE_EQ(percentageTotal({"14.5", "x", "", "3", "60", "2", "30"}), 109.5);
}

TEST(Modules, FuelUseWarnsAbove150Only) {
    const std::pair<const char *, bool> cases[] = {
        {"150", false}, {"150.5", true}, {"151 l/h", true}, {"x", false}, {"", false}};
    for (const auto &[text, warns] : cases)
        EXPECT_EQ(fuelUseNeedsWarning(text), warns) << text;
}

TEST(Modules, LookupsTakeTheLastMatchAndGiveNothingWithout) {
    test::TempBundle bundle;
    auto d = db::Database::open(bundle.file("Sorghum.mdb"));
    {
        auto c = d.openDynaset("Harvest");
        c.addNew();
        c.setValue("Method", "Hand Cutting");
        c.setValue("RateOfHarvest", 2.5);
        c.setValue("Person1", "Cane Cutter");
        c.setValue("Person4", "Not An Occupation");
        c.update();
    }
    const auto h = harvestData(d, "Hand Cutting");
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->rate, "2.5");
    EXPECT_EQ(h->persons[0], "Cane Cutter");
    EXPECT_EQ(h->persons[1], "") << "a missing value shows empty";
    EXPECT_EQ(h->persons[3], "Not An Occupation");
    EXPECT_FALSE(harvestData(d, "hand cutting").has_value());
    EXPECT_FALSE(varietyData(d, "No Such Variety").has_value());
    EXPECT_FALSE(loadData(d, "No Such Loader").has_value());

    const QStringList methods = listEntries(d, "Harvest", "Method");
    EXPECT_EQ(methods.last(), "Hand Cutting");
    EXPECT_EQ(currentDefault(d, "HarvestMethod"), "Whole-Stalk Harvester");
}
