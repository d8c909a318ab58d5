// The process-energy window and the two unit-configuration windows, driven as
// a user drives them.
#include "energy_fixture.h"

#include <QFocusEvent>
#include <QPalette>
#include <QTest>

namespace zarn::test {
namespace {

const QString kEnergy = "zarnModProcessEnergyForm";
const QString kSteam = "zarnModPEHPSteamForm";
const QString kGasifier = "zarnModPEGasifierForm";
const QString kSlots = "SteamConfiguration";

using ProcessEnergyWindows = EnergyWindowTest;

TEST_F(ProcessEnergyWindows, ShowsTheMillsHourlyRequirementsAndLeavesTheDailySteam) {
    shared().gDailyHPSteam = 777; // the calculation window's daily figure
    ASSERT_EQ(shared().gCrushingMethod, "Four-Roller Mill Tandem");
    WindowRegistry::show(kEnergy);
    EXPECT_EQ(WindowRegistry::find(kEnergy)->windowTitle(), " ");
    EXPECT_EQ(text(kEnergy, "zarnModPECrushRate"), "100");
    EXPECT_EQ(text(kEnergy, "zarnModPEHPSteamReqd"), "33");
    EXPECT_EQ(text(kEnergy, "zarnModPEBagasseth"), "15.6");
    EXPECT_EQ(text(kEnergy, "zarnModPEBagasseGJ"), "109.3");
    EXPECT_DOUBLE_EQ(shared().gCrushRate, 100);
    EXPECT_DOUBLE_EQ(shared().gDailyHPSteam, 777);
    for (const char *panel : {"zarnModPECombustionTotal", "zarnModPEPElec", "zarnModPESteam",
                              "zarnModPEBagasse", "zarnModPEGasificationTotal"})
        EXPECT_EQ(text(kEnergy, panel), "") << panel;

    press(kEnergy, "CombustOrGasToggle");
    EXPECT_EQ(text(kEnergy, "CombustOrGasToggle"), "Gasification before Combustion  (toggle)");
    press(kEnergy, "CombustOrGasToggle");
    EXPECT_EQ(text(kEnergy, "CombustOrGasToggle"), "Combustion before Gasification  (Toggle)");
    press(kEnergy, "zarnModPEHPSEngOKButton");
    EXPECT_FALSE(isOpen(kEnergy));
}

// The path a new user takes: fill the boilers, choose two, set the quantity,
// save; the combustion column and the ratio follow.
TEST_F(ProcessEnergyWindows, CombustionConfigurationSavedIntoTheEnergiesColumn) {
    WindowRegistry::show(kEnergy);
    press(kEnergy, "zarnCalcPESteamConfiguration");
    ASSERT_TRUE(isOpen(kSteam));
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(stored(kSlots, k, "Description"), "Spreader Stoker 15 t/h");
    auto *list1 = control<QComboBox>(kSteam, "zarnModPEHPSGen1");
    EXPECT_EQ(list1->count(), 6) << "the catalogue's combustion units";
    EXPECT_EQ(list1->currentText(), "Spreader Stoker 15 t/h");
    list1->setEditText("Typed Boiler");
    QTest::keyClick(list1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list1->count(), 6) << "a typed name adds no unit";

    choose(kSteam, "zarnModPEHPSGen1", "HP Boiler 22 t/h 25 bar");
    choose(kSteam, "zarnModPEHPSGen2", "HP Boiler 26 t/h 32 bar");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngInRate1"), "12");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "26.4");
    const QColor grey(192, 192, 192);
    EXPECT_NE(control<QComboBox>(kSteam, "zarnModPEHPSGen2")->palette().color(QPalette::Base),
              grey);
    EXPECT_EQ(list1->palette().color(QPalette::Base), grey);

    type(kSteam, "zarnMPEHPSGUQuantity", "2");
    EXPECT_TRUE(control(kSteam, "zarnModPEHPSGen2")->isVisible());
    EXPECT_FALSE(control(kSteam, "zarnModPEHPSGen3")->isVisible());
    EXPECT_FALSE(control(kSteam, "zarnModPEHPSGen3Label")->isVisible());

    press(kSteam, "zarnModPEHPSSaveButton");
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngTotalBagasse"), "22");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngTotalSteam"), "48.4");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngPElec"), "15.972");
    EXPECT_EQ(text(kEnergy, "zarnModPEBagasse"), "22");
    EXPECT_EQ(text(kEnergy, "zarnModPECombustionTotal"), "48.4");
    EXPECT_EQ(text(kEnergy, "zarnModPEPElec"), "15.972");
    EXPECT_EQ(text(kEnergy, "zarnModPESteam"), "32.428");
    EXPECT_NEAR(shared().gSteamBagasseRatio, 2.2, 1e-9);
    EXPECT_EQ(stored("SteamElectricConfiguration", 3, "Description"), "Unused");

    press(kSteam, "zarnModPEHPSEngExitButton");
    EXPECT_FALSE(isOpen(kSteam));
}

TEST_F(ProcessEnergyWindows, EfficiencyChangesRecomputeTheOutputRate) {
    WindowRegistry::show(kSteam);
    choose(kSteam, "zarnModPEHPSGen1", "HP Boiler 22 t/h 25 bar");
    type(kSteam, "zarnModPEHPSGEfficiency1", "85");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "850");
    type(kSteam, "zarnModPEHPSGEfficiency1", "x");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "0");
    // The field gaining the focus recomputes too.
    type(kSteam, "zarnModPEHPSEngInRate1", "4");
    type(kSteam, "zarnModPEHPSOutRate1", "");
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(control(kSteam, "zarnModPEHPSGEfficiency1"), &focus);
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "0");
    type(kSteam, "zarnModPEHPSGEfficiency1", "2.5");
    type(kSteam, "zarnModPEHPSOutRate1", "");
    QCoreApplication::sendEvent(control(kSteam, "zarnModPEHPSGEfficiency1"), &focus);
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "10");

    WindowRegistry::show(kGasifier);
    choose(kGasifier, "zarnModPEHPSGen1", "Fluidised Bed Gasifier 10 t/h");
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSOutRate1"), "4.861") << "shown as stored";
    type(kGasifier, "zarnModPEHPSGEfficiency1", "85");
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSOutRate1"), "8.5");
    type(kGasifier, "zarnModPEHPSGEfficiency3", "50");
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSOutRate3"), "5") << "from the one input";
}

TEST_F(ProcessEnergyWindows, EachWindowKeepsItsOwnChosenSlot) {
    WindowRegistry::show(kSteam);
    WindowRegistry::show(kGasifier);
    auto slotsNow = [this] {
        auto d = database();
        auto c = d.openDynaset(kSlots);
        QStringList rows;
        for (; !c.eof(); c.moveNext())
            rows << c.text("Description") + c.text("Efficiency1") + c.text("EnergyOutput1Rate");
        return rows;
    };
    const QStringList before = slotsNow();
    for (const QString &w : {kSteam, kGasifier}) {
        messages->clear();
        press(w, "zarnModPEHPSEngSelect1Button");
        ASSERT_EQ(messages->shown().size(), 1u) << w.toStdString();
        EXPECT_EQ(messages->shown()[0].title, WindowRegistry::find(w)->windowTitle());
    }
    EXPECT_EQ(slotsNow(), before);

    choose(kGasifier, "zarnModPEHPSGen4", "Fixed Bed Gasifier 5 t/h");
    QStringList expected = before;
    expected[13] = slotsNow()[13];
    EXPECT_EQ(slotsNow(), expected) << "only record 14 changed";
    EXPECT_EQ(stored(kSlots, 14, "Description"), "Fixed Bed Gasifier 5 t/h");

    messages->clear();
    press(kSteam, "zarnModPEHPSEngSelect2Button");
    EXPECT_EQ(messages->shown().size(), 1u) << "the gasifier's choice is not the boilers'";

    type(kGasifier, "zarnModPEHPSGEfficiency1", "30");
    press(kGasifier, "zarnModPEHPSEngSelect1Button");
    EXPECT_EQ(stored(kSlots, 14, "Efficiency1"), "30");
    EXPECT_EQ(stored(kSlots, 14, "EnergyOutput1Rate"), "1.5");
    EXPECT_EQ(
        control<QLineEdit>(kGasifier, "zarnModPEHPSEngInput1")->palette().color(QPalette::Base),
        QColor(255, 255, 0));
}

TEST_F(ProcessEnergyWindows, SelectExchangesTheColumnAndKeepsIt) {
    WindowRegistry::show(kSteam);
    choose(kSteam, "zarnModPEHPSGen3", "Dual Fuel Boiler 50 t/h");
    press(kSteam, "zarnModPEHPSEngSelect2Button");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngInput1"), "Coal");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngInRate1"), "1.5");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSGEfficiency1"), "6.9");
    EXPECT_EQ(text(kSteam, "zarnModPEHPSOutRate1"), "10.35") << "shown, not recomputed";
    EXPECT_EQ(text(kSteam, "zarnModPEHPSEngInput2"), "Bagasse");
    EXPECT_EQ(stored(kSlots, 3, "EnergyInput1"), "Coal");
    EXPECT_EQ(stored(kSlots, 3, "EnergyInput2"), "Bagasse");
    EXPECT_EQ(stored(kSlots, 3, "Description"), "Dual Fuel Boiler 50 t/h");
}

TEST_F(ProcessEnergyWindows, GasifierSaveFillsTheGasificationColumnOnly) {
    WindowRegistry::show(kEnergy);
    press(kEnergy, "zarnModPEGasifForm");
    ASSERT_TRUE(isOpen(kGasifier));
    EXPECT_EQ(WindowRegistry::find(kGasifier)->windowTitle(), "ZARN Gasifier Configuration");
    shared().gSteamBagasseRatio = 1.25;
    type(kGasifier, "zarnMPEHPSGUQuantity", "1");
    press(kGasifier, "zarnModPEHPSSaveButton");
    // Slot 1 holds the catalogue's last gasifier: 30 t/h in, 18.667 + 7 MW, 12 t/h steam.
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSEngTotalBagasse"), "30");
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSEngTotalSteam"), "12");
    EXPECT_EQ(text(kGasifier, "zarnModPEHPSEngPElec"), "0");
    EXPECT_EQ(text(kGasifier, "zarnPEGasTotalElectric"), "25.667");
    EXPECT_EQ(text(kEnergy, "zarnPEGasBagasse"), "30");
    EXPECT_EQ(text(kEnergy, "zarnPEGasHPSteam"), "12");
    EXPECT_EQ(text(kEnergy, "zarnPEGasElectricity"), "25.667");
    EXPECT_EQ(text(kEnergy, "zarnModPEGasificationTotal"), "37.667");
    EXPECT_EQ(text(kEnergy, "zarnModPECombustionTotal"), "");
    EXPECT_DOUBLE_EQ(shared().gSteamBagasseRatio, 1.25);
}

TEST_F(ProcessEnergyWindows, SaveWithTheEnergyWindowClosedOpensNothing) {
    WindowRegistry::show(kSteam);
    choose(kSteam, "zarnModPEHPSGen1", "HP Boiler 46 t/h 45 bar");
    type(kSteam, "zarnMPEHPSGUQuantity", "1");
    press(kSteam, "zarnModPEHPSSaveButton");
    EXPECT_FALSE(WindowRegistry::find(kEnergy));
    EXPECT_NEAR(shared().gSteamBagasseRatio, 2.3, 1e-9);
    EXPECT_EQ(stored("SteamElectricConfiguration", 1, "Description"), "HP Boiler 46 t/h 45 bar");
}

TEST_F(ProcessEnergyWindows, ACatalogueWithoutGasifiersIsReportedAndOpensNothing) {
    {
        auto d = database();
        auto c = d.openDynaset("EnergyConversion");
        for (; !c.eof(); c.moveNext())
            if (c.text("EnergyTypes") == "Gasifier")
                c.deleteCurrent();
    }
    const QString slot11 = stored(kSlots, 11, "Description");
    WindowRegistry::show(kEnergy);
    press(kEnergy, "zarnModPEGasifForm");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("EnergyConversion"));
    EXPECT_TRUE(messages->shown()[0].text.contains("\"Gasifier\""));
    EXPECT_FALSE(WindowRegistry::find(kGasifier));
    EXPECT_EQ(stored(kSlots, 11, "Description"), slot11);
}

} // namespace
} // namespace zarn::test
