// The calculation window: the load, the land-area recalculation, revenue and
// balance, the error trap, and the small windows reached from it.
#include "calc_fixture.h"

#include "processing/calculation.h"
#include "shell/messages.h"

#include <QApplication>
#include <QTest>

using namespace zarn;
using namespace zarn::test;

namespace {

const QString kCalc = QStringLiteral("zarnCalculationForm");

class Calculation : public CalcTest {
protected:
    // The worked example: 11.5 t/ha, 14 % sugar, 13 % fibre, 68 % moisture,
    // the default plot of 73 ha, a steam-to-bagasse ratio of 2.
    void example() {
        writeOut1("1150");
        exec("UPDATE Variety SET MoisturePercent = 68 WHERE VarietyName = 'Amberstalk'");
        shared().gSteamBagasseRatio = 2;
    }
    static QLineEdit *land() { return control<QLineEdit>(kCalc, "zarnCalcLandUsed"); }
    // Replaces the land text keystroke by keystroke.
    static void type(const QString &keys) {
        land()->selectAll();
        QTest::keyClicks(land(), keys);
    }
    static void clearLand() {
        land()->selectAll();
        QTest::keyClick(land(), Qt::Key_Backspace);
    }
};

TEST_F(Calculation, LoadShowsMillProductsRevenueAndBalance) {
    example();
    open(kCalc);
    EXPECT_TRUE(messages->shown().empty());
    const std::pair<const char *, const char *> expected[] = {
        {"zarnCalcYieldTonnes", "11.5"},
        {"zarnCalcLandUsed", "73"},
        {"zarnCalcAreaPlantedLabel", "Area: Home Farm North"},
        {"zarnCalcLandYield", "839"},
        {"zarnCalcTotBag", "681"},
        {"zarnCalcEtOH", "213630"},
        {"zarnCalcElectricity", "2860"},
        {"zarnCalcMWatt", "794"},
        {"zarnCalcOutElecSteam", "5432"},
        {"zarnCalcOutElecBagasse", "681"},
        {"zarnCalcEtOHSteam", "865"},
        {"zarnCalcOutEtOHBagasse", "409"},
        // The Four-Roller Mill Tandem crushes 100 t/h.
        {"zarnCalcCrushRate", "100"},
        {"zarnCalcHPSteam", "33"},
        {"zarnCalcBagasse", "124.9"},
        {"zarnCalcBagasseGJ", "874.5"},
        {"zarnCalcHeadType", "Ethanol"},
        // Harvest 3 + mill 24 people; 1500 + 15600 of labour.
        {"zarnCalcManpower", "27"},
        {"zarnCalcManpowerCost", "$  17100"},
        {"zarnCalcEnergy", "$ "},
        // 0.55 a litre, 0.08 a kWh.
        {"zarnCalcEtOHVal", "$ 117497"},
        {"zarnCalcElecVal", "$ 63520"},
        {"zarnCalcGrossRevLbl", "$ 181017"},
        {"zarnCalcBalanceLbl", "$ 181017"},
    };
    for (const auto &[name, value] : expected)
        EXPECT_EQ(text(kCalc, name), value) << name;
    EXPECT_DOUBLE_EQ(shared().gDailyHPSteam, 264);
    EXPECT_DOUBLE_EQ(shared().gMoistBagasseEnergy, 7);
    EXPECT_EQ(shared().gMoisturePercent, 68);
    EXPECT_EQ(control<QWidget>(kCalc, "zarnCalcSave"), nullptr) << "a button without action";
}

TEST_F(Calculation, BagasseEnergyOfTheDefaultsScalesOnlyTheElectricity) {
    example();
    shared().gMoistBagasseEnergy = 8;
    open(kCalc);
    EXPECT_EQ(text(kCalc, "zarnCalcElectricity"), "3268");
    EXPECT_EQ(text(kCalc, "zarnCalcMWatt"), "908"); // exact, not 907
    EXPECT_EQ(text(kCalc, "zarnCalcOutElecSteam"), "6208");
    EXPECT_EQ(text(kCalc, "zarnCalcEtOH"), "213630");
    EXPECT_EQ(text(kCalc, "zarnCalcBagasseGJ"), "874.5");
}

TEST_F(Calculation, YieldIsReadFromColumnsAfterTheMaturityLabel) {
    writeOut1("12340");
    open(kCalc);
    EXPECT_EQ(text(kCalc, "zarnCalcYieldTonnes"), "123.4");
    EXPECT_DOUBLE_EQ(shared().gCeresYield, 12340);
}

TEST_F(Calculation, LandAreaTypedKeystrokeByKeystroke) {
    example();
    shared().gLabourCostTotal = 100;
    shared().gEnergyCostTotal = 50;
    open(kCalc);

    clearLand();
    EXPECT_EQ(land()->text(), "0");
    for (const char *f : {"zarnCalcLandYield", "zarnCalcEtOH", "zarnCalcMWatt", "zarnCalcTotBag"})
        EXPECT_EQ(text(kCalc, f), "0") << f;
    EXPECT_EQ(text(kCalc, "zarnCalcEtOHVal"), "$ ");
    EXPECT_EQ(text(kCalc, "zarnCalcGrossRevLbl"), "$ ");
    EXPECT_EQ(text(kCalc, "zarnCalcBalanceLbl"), "$ -150");

    type("0.5"); // "0." stays as typed: half a hectare, not five
    EXPECT_EQ(land()->text(), "0.5");
    EXPECT_EQ(text(kCalc, "zarnCalcLandYield"), "5");

    type("h"); // no number at all
    EXPECT_EQ(land()->text(), "0");

    type("7");
    EXPECT_EQ(text(kCalc, "zarnCalcLandYield"), "80");
    QTest::keyClicks(land(), "3");
    EXPECT_EQ(land()->text(), "73");
    EXPECT_EQ(text(kCalc, "zarnCalcLandYield"), "839");
    EXPECT_EQ(text(kCalc, "zarnCalcBalanceLbl"), "$ 180867");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(Calculation, ConstraintPanelNamesTheConstraint) {
    writeOut1("1150");
    for (const auto &[code, caption] : {std::pair{"LAND", "Land"},
                                        {"ETOH", "Ethanol"},
                                        {"ELEC", "Electricity"},
                                        {"TOTAL", "Total Energy"},
                                        {"WATER", ""},
                                        {"", ""}}) {
        shared().gSystemConstraint = code;
        open(kCalc);
        EXPECT_EQ(text(kCalc, "zarnCalcHeadType"), caption) << code;
        WindowRegistry::closeAll();
        flush();
    }
}

TEST_F(Calculation, WithoutElectricityPriceOnlyEthanolEarns) {
    example();
    exec("DELETE FROM Energy WHERE Description = 'Electricity'");
    open(kCalc);
    EXPECT_EQ(text(kCalc, "zarnCalcElecVal"), "$ ");
    EXPECT_EQ(text(kCalc, "zarnCalcGrossRevLbl"), "$ 117497");
}

TEST_F(Calculation, WithoutModelOutputTheUserIsSentToTheCropModels) {
    open(kCalc);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, processing::kNoYieldDataText);
    EXPECT_EQ(messages->shown()[0].title, "Error");
    QWidget *main = WindowRegistry::find("ZARNMainProcessingMenuForm");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->findChild<QWidget *>("CERESFrame")->isVisibleTo(main));
    EXPECT_FALSE(main->findChild<QWidget *>("ZARNFrame")->isVisibleTo(main));
    EXPECT_FALSE(main->findChild<QWidget *>("ResourcesFrame")->isVisibleTo(main));
    EXPECT_TRUE(isOpen(kCalc)); // stays open with what it had
}

TEST_F(Calculation, OtherFailuresNameTheirTableNotTheCropModel) {
    writeOut1("1150");
    exec("DELETE FROM SteamConfiguration WHERE rowid > 5");
    open(kCalc);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("SteamConfiguration"));
    EXPECT_EQ(WindowRegistry::find("ZARNMainProcessingMenuForm"), nullptr);
    // What was worked out before the failure stays.
    EXPECT_EQ(text(kCalc, "zarnCalcCrushRate"), "100");
    EXPECT_EQ(text(kCalc, "zarnCalcLandUsed"), "0");
}

TEST_F(Calculation, FullMoistureVarietyIsNamedAndProducesNothing) {
    writeOut1("1150");
    exec("UPDATE Variety SET MoisturePercent = 100 WHERE VarietyName = 'Amberstalk'");
    open(kCalc);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("Amberstalk"));
    EXPECT_EQ(text(kCalc, "zarnCalcLandYield"), "839");
    EXPECT_EQ(text(kCalc, "zarnCalcEtOH"), "0");
    EXPECT_EQ(text(kCalc, "zarnCalcMWatt"), "0");
}

TEST_F(Calculation, LeavingTheLandFieldChecksItButNeverTrapsTheUser) {
    example();
    QWidget *w = open(kCalc);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto *exit = control<QAbstractButton>(kCalc, "zarnCalcExit");
    auto *variables = control<QAbstractButton>(kCalc, "ZarnCalcProcessVariablesButton");

    // Entering the field shows the ethanol estimate per hectare.
    land()->setFocus(Qt::TabFocusReason);
    flush();
    EXPECT_EQ(text(kCalc, "zarnCalcEtOH"), "966");

    // A positive area passes.
    variables->setFocus(Qt::TabFocusReason);
    flush();
    EXPECT_TRUE(messages->shown().empty());

    clearLand();
    land()->setFocus(Qt::TabFocusReason);
    variables->setFocus(Qt::TabFocusReason);
    flush();
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "Land Use must be greater than zero");
    EXPECT_EQ(messages->shown()[0].title, "Land Used ERROR");
    EXPECT_EQ(messages->shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(QApplication::focusWidget(), land());

    // With 0 ha, "Cancel" still closes the window without a word.
    messages->clear();
    exit->setFocus(Qt::TabFocusReason);
    flush();
    exit->click();
    flush();
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_FALSE(isOpen(kCalc));
}

TEST_F(Calculation, EconomicsClosesTheWindowAndOpensTheCostWindow) {
    writeOut1("1150");
    open(kCalc);
    land()->setText("0");
    press(kCalc, "zarnCalcValueButton");
    EXPECT_FALSE(isOpen(kCalc));
    EXPECT_TRUE(isOpen("zarnCalcValues"));
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(Calculation, MillWindowShowsTheDailyBalanceInWholeTonnes) {
    writeOut1("1150");
    open(kCalc);
    press(kCalc, "ZarnCalcProcessVariablesButton");
    press("ZARNCalcProcessVariablesForm", "zarnCalcMillButton");
    const QString mill = "zarnCalcMillProcessForm";
    ASSERT_TRUE(isOpen(mill));
    EXPECT_EQ(WindowRegistry::find(mill)->windowTitle(), "Mill Process Variables");
    // Amberstalk (14 % sugar, 13 % fibre) through 100 t/h for 8 hours.
    for (const auto &[name, value] : {std::pair{"zarnCalcMillType", "Four-Roller Mill Tandem"},
                                      {"zarnCalcMillCrushRate", "100"},
                                      {"zarnCalcMillHPSteamUsed", "264"},
                                      {"zarnCalcMillBagasseReqd", "124"},
                                      {"zarnCalcMillProcessSugarOut", "108"},
                                      {"zarnCalcMillBagasseOut", "208"},
                                      {"zarnCalcMillCoalReqd", ""}})
        EXPECT_EQ(text(mill, name), value) << name;
}

TEST_F(Calculation, ProcessVariablesOpenTheirWindows) {
    open("ZARNCalcProcessVariablesForm");
    for (const auto &[button, window, caption] :
         {std::tuple{"zarnCalcElectricityButton", "zarnCalcElectricityVariablesForm",
                     "ZARN Calculation Electricity Variables"},
          {"zarnCalcProcessEnergyButton", "zarnCalcProcessEnergyVariablesForm",
           "ZARN Calculation Process Energy Variables"},
          {"zarnCalcTransportButton", "zarnCalcTransportVariablesForm",
           "ZARN Calculation Transport Variables"},
          {"zarnCalcLoadLabel", "zarnCalcLoadingVariablesForm",
           "ZARN Calculation Loading Variables"},
          {"zarnCalcHarvestButton", "zarnCalcHarvestVariablesForm",
           "ZARN Calculation Harvest Variables"}}) {
        press("ZARNCalcProcessVariablesForm", button);
        ASSERT_TRUE(isOpen(window)) << window;
        EXPECT_EQ(WindowRegistry::find(window)->windowTitle(), caption);
    }
    EXPECT_TRUE(messages->shown().empty());
}

} // namespace
