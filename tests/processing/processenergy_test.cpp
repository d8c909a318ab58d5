// The process-energy window's requirements, its toggle, and the plain number
// form the processing windows show.
#include "cropmodel/numbers.h"
#include "processing/processenergy.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::processing;

TEST(ProcessEnergy, RequirementsFollowTheLastMatchingCrushingMethod) {
    test::TempBundle bundle;
    auto d = db::Database::open(bundle.file("Sorghum.mdb"));
    {
        auto c = d.openDynaset("Crushing");
        c.addNew();
        c.setValue("Method", "Six-Roller Mill Tandem");
        c.setValue("ProcessRate", 120);
        c.update();
    }
    const MillRequirements r = millRequirements(d, "Six-Roller Mill Tandem", 5);
    EXPECT_DOUBLE_EQ(r.crushRate, 120);
    EXPECT_NEAR(r.hpSteam(), 39.6, 1e-9);
    EXPECT_NEAR(r.bagasse(), 39.6 * 0.4732, 1e-9);
    EXPECT_NEAR(r.bagasseEnergy(), 39.6 * 0.4732 * 7, 1e-9);
    EXPECT_DOUBLE_EQ(millRequirements(d, "No such mill", 5).crushRate, 5) << "none keeps the rate";
}

TEST(ProcessEnergy, ToggleAlternatesAndNeverReturnsToTheDesignCaption) {
    const QString design = "Combustion before Gasification   (Toggle)";
    const QString once = toggledCaption(design);
    EXPECT_EQ(once, "Gasification before Combustion  (toggle)");
    EXPECT_EQ(toggledCaption(once), "Combustion before Gasification  (Toggle)");
    EXPECT_EQ(toggledCaption(toggledCaption(once)), once);
}

TEST(ProcessEnergy, PlainDecimalHasSevenSignificantDigitsAndNoExponent) {
    const std::pair<double, const char *> cases[] = {{966.0000000000001, "966"},
                                                     {0.1 + 0.2, "0.3"},
                                                     {15.972, "15.972"},
                                                     {0, "0"},
                                                     {-0.0, "0"},
                                                     {12345678, "12345680"},
                                                     {0.000012345678, "0.00001234568"},
                                                     {-2.5, "-2.5"},
                                                     {48.400000000000006, "48.4"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(cropmodel::PlainDecimal(value), text) << value;
}
