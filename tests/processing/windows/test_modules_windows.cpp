// The module windows of the processing chain: each opens from the model-setup
// window with the defaults' method and its data.
#include "energy_fixture.h"

namespace zarn::test {
namespace {

using ModuleWindows = EnergyWindowTest;

// Appends a record to table with the given fields.
void add(const db::Database &d, const QString &table, const QVariantMap &values) {
    auto c = d.openDynaset(table);
    c.addNew();
    for (auto it = values.begin(); it != values.end(); ++it)
        c.setValue(it.key(), it.value());
    c.update();
}

// A new current defaults record: the last one with `field` changed.
void setDefault(const db::Database &d, const QString &field, const QVariant &value) {
    auto last = db::openLastDefaults(d);
    QVariantMap values;
    for (const QString &f : last.fieldNames())
        values[f] = last.value(f);
    values[field] = value;
    add(d, "Defaults", values);
}

TEST_F(ModuleWindows, EveryModuleOpensFromModelSetupWithTheDefaultsData) {
    WindowRegistry::show("ZARNProcessModulesButtonsForm");
    const std::pair<const char *, const char *> buttons[] = {
        {"zarnPMCropInputsButton", "zarnModCropForm"},
        {"zarnPMHarvestButton", "zarnHarv"},
        {"ZARNPMLoadingButton", "zarnModLoad"},
        {"ZARNPMTransportButton", "zarnModTransportForm"},
        {"ZARNPMUnloadingButton", "zarnModUnloadForm"},
        {"ZARNPMStorageButton", "zarnModStorageForm"},
        {"ZARNPMJuiceButton", "zarnModJuiceExtractForm"},
        {"ZARNPMFermentationButton", "zarnModFermentationForm"},
        {"ZARNPMElectricityButton", "zarnModElecProdForm"},
        {"ZARNPMBiogasButton", "zarnModBioGasForm"},
        {"ZARNPMProcessEnergyButton", "zarnModProcessEnergyForm"}};
    for (const auto &[button, window] : buttons) {
        press("ZARNProcessModulesButtonsForm", button);
        EXPECT_TRUE(isOpen(window)) << window;
    }
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(WindowRegistry::find("zarnModFermentationForm")->windowTitle(),
              "Z.A.R.N. Fermantation Module");

    EXPECT_EQ(text("zarnModCropForm", "zarnModCropVariety"), "Amberstalk");
    EXPECT_EQ(control<QComboBox>("zarnModCropForm", "zarnModCropVariety")->count(), 6);
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropSugarPercent"), "14");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropDetachedLeaves"), "1");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropTotalPercent"), "100");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropWaterUseEff"), "5.8");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropWaterUseEffUnits"), "kg DM/m3");

    EXPECT_EQ(text("zarnHarv", "zarnModHarvestMethod"), "Whole-Stalk Harvester");
    EXPECT_EQ(text("zarnHarv", "zarnModHRate"), "320");
    EXPECT_EQ(text("zarnHarv", "zarnModHPersonReq"), "3");
    EXPECT_EQ(text("zarnHarv", "zarnModFuelUse"), "28");
    EXPECT_EQ(text("zarnHarv", "zarnModLifeTime"), "10");
    EXPECT_EQ(text("zarnHarv", "zarnModPerson1"), "Harvester Operator");
    EXPECT_EQ(control<QComboBox>("zarnHarv", "zarnModPerson4")->count(), 8) << "the occupations";

    EXPECT_EQ(text("zarnModLoad", "zarnModLoadDescription"), "Grab Loader");
    EXPECT_EQ(text("zarnModLoad", "zarnModPersonsReqd"), "1");
    EXPECT_EQ(text("zarnModLoad", "zarnModSkillLevel"), "2");
    EXPECT_EQ(text("zarnModLoad", "zarnModFuelUse"), "12");
    EXPECT_EQ(text("zarnModLoad", "zarnModLifeTime"), "10");

    EXPECT_EQ(text("zarnModTransportForm", "zarnModTransportDesc"), "Road Truck 20 t");
    EXPECT_EQ(text("zarnModUnloadForm", "zarnModUnloadDesc"), "Tipping Trailer");
    EXPECT_EQ(text("zarnModJuiceExtractForm", "zarnModJuiceExtractMethod"),
              "Roller Mill Extraction");

    for (const char *w : {"zarnModCropForm", "zarnModStorageForm"}) {
        const QString stem = QString(w).remove("Form");
        press(w, stem + "OKButton");
        EXPECT_FALSE(isOpen(w)) << w;
    }
    press("zarnHarv", "zarnHarvCancelButton");
    EXPECT_FALSE(isOpen("zarnHarv"));
}

TEST_F(ModuleWindows, CropTotalIsThePlainSumAndAnUnknownVarietyLeavesTheFieldsEmpty) {
    add(database(), "Variety",
        {{"VarietyName", "Test Cane"},
         {"SugarPercent", 14},
         {"FibrePercent", 13},
         {"AttachedLeavesPercent", 5},
         {"DetachedLeavesPercent", 3},
         {"MoisturePercent", 60},
         {"PaniclePercent", 2},
         {"RootsPercent", 3}});
    setDefault(database(), "SorghumVariety", "Test Cane");
    WindowRegistry::show("zarnModCropForm");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropAttachedLeaves"), "5");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropTotalPercent"), "100");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropWaterUseEff"), "") << "not in the record";
    WindowRegistry::closeAll();
    flush();

    setDefault(database(), "SorghumVariety", "Nowhere Sorghum");
    WindowRegistry::show("zarnModCropForm");
    EXPECT_EQ(text("zarnModCropForm", "zarnModCropVariety"), "Nowhere Sorghum");
    for (const char *f :
         {"zarnModCropSugarPercent", "zarnModCropRootsPercent", "zarnModCropTotalPercent",
          "zarnModCropWaterUseEff", "zarnModCropWaterUseEffUnits"})
        EXPECT_EQ(text("zarnModCropForm", f), "") << f;
}

TEST_F(ModuleWindows, HarvestMethodFillsThePersonsEvenWhenNotOccupations) {
    add(database(), "Harvest",
        {{"Method", "Night Crew"},
         {"RateOfHarvest", 55},
         {"Person1", "Lamp Bearer"},
         {"Person2", "Field Labourer"},
         {"Person3", "Cook"},
         {"Person4", ""}});
    WindowRegistry::show("zarnHarv");
    choose("zarnHarv", "zarnModHarvestMethod", "Night Crew");
    EXPECT_EQ(text("zarnHarv", "zarnModHRate"), "55");
    EXPECT_EQ(text("zarnHarv", "zarnModPerson1"), "Lamp Bearer");
    EXPECT_EQ(control<QComboBox>("zarnHarv", "zarnModPerson1")->findText("Lamp Bearer"), -1);
    EXPECT_EQ(text("zarnHarv", "zarnModPerson3"), "Cook");
    EXPECT_EQ(text("zarnHarv", "zarnModPerson4"), "");
    // Typing a method's name shows it as choosing it does.
    control<QComboBox>("zarnHarv", "zarnModHarvestMethod")->setEditText("Manual Cutting");
    EXPECT_EQ(text("zarnHarv", "zarnModHRate"), "40");
    EXPECT_EQ(text("zarnHarv", "zarnModPerson4"), "Field Foreman");
}

TEST_F(ModuleWindows, LoadingWarnsAboutAFuelUseAbove150) {
    add(database(), "Load", {{"Description", "Thirsty Loader"}, {"FuelUse", 180}});
    WindowRegistry::show("zarnModLoad");
    ASSERT_TRUE(messages->shown().empty());
    type("zarnModLoad", "zarnModFuelUse", "150");
    EXPECT_TRUE(messages->shown().empty()) << "150 is allowed";
    messages->answer(MsgResult::Yes);
    type("zarnModLoad", "zarnModFuelUse", "150.5");
    ASSERT_EQ(messages->shown().size(), 1u);
    const MessageRequest &m = messages->shown()[0];
    EXPECT_EQ(m.text, "Fuel Use must be less than 150 Do you want to continue?");
    EXPECT_EQ(m.title, "Fuel Use Msg");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.defaultButton, 1) << "No";
    EXPECT_EQ(text("zarnModLoad", "zarnModFuelUse"), "150.5") << "the value stays";

    messages->clear();
    choose("zarnModLoad", "zarnModLoadDescription", "Thirsty Loader");
    EXPECT_EQ(text("zarnModLoad", "zarnModFuelUse"), "180");
    EXPECT_EQ(messages->shown().size(), 1u) << "the shown fuel use is warned about once";
}

} // namespace
} // namespace zarn::test
