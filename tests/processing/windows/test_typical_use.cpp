// The typical use on the bundled data, as a new user goes: main menu, crop
// models, run the model, "Calculate", then "Economics", the cost totals and
// "OK" back to the balance.
#include "calc_fixture.h"

#include "cropmodel/numbers.h"

#include <QAction>

using namespace zarn;
using namespace zarn::test;

namespace {

class TypicalUse : public CalcTest {
protected:
    void SetUp() override {
        CalcTest::SetUp();
        resetSharedState(); // the main menu's load reads the defaults itself
    }
    static double amount(const QString &money) { // "$ 123" -> 123
        return cropmodel::LeadingNumber(money.mid(money.indexOf(u' ')));
    }
};

TEST_F(TypicalUse, ModelRunCalculationAndEconomicsGiveABalance) {
    open("ZARNMainMenu");
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    const QString main = "ZARNMainProcessingMenuForm";
    ASSERT_TRUE(isOpen(main));
    press(main, "CERESButton");
    press(main, "CPMCERESButton");
    press("CPMCERESForm", "CERESRunBtn");
    ASSERT_TRUE(isOpen("CERESRunForm"));
    press("CERESRunForm", "CERESRunOKButtom");
    ASSERT_GT(shared().gCropYield, 0);

    WindowRegistry::find(main)->findChild<QAction *>("mnuCalculate")->trigger();
    flush();
    const QString calc = "zarnCalculationForm";
    ASSERT_TRUE(isOpen(calc));
    EXPECT_EQ(text(calc, "zarnCalcLandUsed"), "73");
    EXPECT_EQ(text(calc, "zarnCalcCrushRate"), "100");
    EXPECT_GT(text(calc, "zarnCalcEtOH").toDouble(), 0);
    EXPECT_GT(text(calc, "zarnCalcMWatt").toDouble(), 0);
    const double gross = amount(text(calc, "zarnCalcGrossRevLbl"));
    EXPECT_GT(gross, 0);
    EXPECT_EQ(text(calc, "zarnCalcBalanceLbl"), text(calc, "zarnCalcGrossRevLbl"));

    press(calc, "zarnCalcValueButton");
    press("zarnCalcValues", "zarnCalcValuesCalculateTotalProcessCostsButton");
    EXPECT_EQ(text("zarnCalcValues", "zarnCalcValueCalcResult"), "$  35090");
    press("zarnCalcValues", "zarnCalcValuesOKButton");
    ASSERT_TRUE(isOpen(calc));
    EXPECT_EQ(amount(text(calc, "zarnCalcBalanceLbl")), gross - 35090);
    EXPECT_EQ(text(calc, "zarnCalcEnergy"), "$  13610");
    EXPECT_EQ(text(calc, "zarnCalcManpowerCost"), "$  21480");
    std::printf("typical use: yield %s odt/ha, %s l ethanol, %s MWh, gross %s, balance %s\n",
                qPrintable(text(calc, "zarnCalcYieldTonnes")), qPrintable(text(calc, "zarnCalcEtOH")),
                qPrintable(text(calc, "zarnCalcMWatt")),
                qPrintable(text(calc, "zarnCalcGrossRevLbl")),
                qPrintable(text(calc, "zarnCalcBalanceLbl")));
}

} // namespace
