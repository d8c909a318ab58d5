// The crop-management window and its sowing, soil, variety, irrigation,
// nitrogen and leaf windows, the soil loader and the windows kept without
// behaviour.
#include "editors_fixture.h"

#include "cropmodel/modeloutput.h"
#include "cropmodel/modelrun.h"
#include "cropmodel/printing.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"

#include <QAction>
#include <QTest>

namespace zarn::test {
namespace {

const char *const kCM = "CERESInCropManageForm";

class CropManagement : public EditorFixture {
protected:
    QString cropman() const { return ceres() + "CROPMAN.sg8"; }
    QStringList cropmanLines() const { return cropmodel::readLines(ceres(), "CROPMAN.SG8"); }
    QString initialFile() const { return ceres() + "HCHF9601.SG5"; }
    int defaultsCount() const {
        return db::Database::open(program() + "Sorghum.mdb").openTable("Defaults").recordCount();
    }
};

TEST_F(CropManagement, OpenAndOKLeavesTheFileByteForByte) {
    // Decimals in density, spacing and depth survive as well.
    QByteArray bytes = bytesOf(cropman());
    bytes.replace(" 012.00 00.750 04.00 ", " 012.25 00.755 04.50 ");
    putBytes(cropman(), bytes);
    shared().gIrrigationOption = 1; // held before the file is read

    open(kCM);
    EXPECT_EQ(text(kCM, "CERESInCMInstitutePanel"), "Highfield Crop Research Institute");
    EXPECT_EQ(text(kCM, "CERESInCMYearEdit"), "1996");
    EXPECT_EQ(text(kCM, "CERESInCMStartDayEdit"), "92");
    EXPECT_EQ(text(kCM, "CERESInCMPlantingDayEdit"), "100");
    EXPECT_EQ(text(kCM, "CERESInCMDepthPanel"), "4.5");
    EXPECT_EQ(text(kCM, "CERESInCMSoilNumberPanel"), "1");
    EXPECT_EQ(text(kCM, "CERESInCMSoilNamePanel"), "Highfield deep silt loam, well drained");
    EXPECT_EQ(text(kCM, "CERESInCMVarietyNamePanel"), "Amberstalk");
    // The option texts follow the file, as "OK" writes them.
    EXPECT_EQ(shared().gIrrigationOption, 3);
    EXPECT_EQ(text(kCM, "CERESInCMIrrigationPanel"), "Automatic");
    EXPECT_EQ(text(kCM, "CERESInCMFertilisePanel"), "No Nitrogen Stress");
    EXPECT_EQ(text(kCM, "CERESInCMTitleEdit"), "Amberstalk, automatic irrigation");

    click(kCM, "CERESInCMOKButton");
    EXPECT_FALSE(isOpen(kCM));
    EXPECT_EQ(bytesOf(cropman()), bytes);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CropManagement, TitleCounterWarningAndCut) {
    open(kCM);
    auto *title = control<QLineEdit>(kCM, "CERESInCMTitleEdit");
    title->clear();
    QTest::keyClicks(title, QString(40, 'a'));
    EXPECT_EQ(text(kCM, "CERESInCMTitleCountPanel"), "40");
    EXPECT_TRUE(m_boxes.shown().empty());
    QTest::keyClicks(title, "b");
    EXPECT_EQ(text(kCM, "CERESInCMTitleCountPanel"), "41");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text,
              "The Title may only be 40 characters long, the excess will be truncated ");
    EXPECT_EQ(m_boxes.shown()[0].title, "Title length Too Long");
    EXPECT_EQ(m_boxes.shown()[0].icon, MsgIcon::Exclamation);
    click(kCM, "CERESInCMOKButton");
    EXPECT_EQ(cropmanLines()[0].mid(12, 41), QString(40, 'a') + " ");
}

TEST_F(CropManagement, YearFieldSetsTheWorkingYearOnlyWithAWholeNumber) {
    open(kCM);
    setText(kCM, "CERESInCMYearEdit", "1997");
    EXPECT_EQ(shared().gCurrentYear, 1997);
    setText(kCM, "CERESInCMYearEdit", "19x7");
    EXPECT_EQ(shared().gCurrentYear, 1997);
    setText(kCM, "CERESInCMYearEdit", "1998");
    click(kCM, "CERESInCMOKButton");
    EXPECT_TRUE(cropmanLines()[0].startsWith("HCHF9801"));
}

TEST_F(CropManagement, SowingWindowEditsTheValuesTheOKWrites) {
    open(kCM);
    click(kCM, "CERESInCMSowingChangeButton");
    const char *sow = "CERESInCMPlantDensitiesForm";
    ASSERT_TRUE(isOpen(sow));
    EXPECT_EQ(text(sow, "CERESInCMPlantDensitiesDensityEdit"), "12");
    EXPECT_EQ(text(sow, "CERESInCMPlantDensitiesSpacingEdit"), "0.75");
    EXPECT_EQ(text(sow, "CERESInCMPlantDensitiesDepthEdit"), "4");

    setText(sow, "CERESInCMPlantDensitiesDensityEdit", "99");
    click(sow, "CERESInCMPlantDensitiesCancelButton"); // passes nothing back
    EXPECT_FALSE(isOpen(sow));
    EXPECT_EQ(text(kCM, "CERESInCMDensityPanel"), "12");

    click(kCM, "CERESInCMSowingChangeButton");
    setText(sow, "CERESInCMPlantDensitiesDensityEdit", "14.5");
    setText(sow, "CERESInCMPlantDensitiesSpacingEdit", "0.6");
    setText(sow, "CERESInCMPlantDensitiesDepthEdit", "3.25");
    click(sow, "CERESInCMPlantDensitiesOKButton");
    EXPECT_TRUE(isOpen(kCM));
    EXPECT_EQ(text(kCM, "CERESInCMDensityPanel"), "14.5");
    click(kCM, "CERESInCMOKButton");
    EXPECT_TRUE(cropmanLines()[1].startsWith(" 092 100 014.50 00.600 03.25 03 "));
}

TEST_F(CropManagement, ChoosingASoilRewritesTheInitialConditionsAtOnce) {
    const QByteArray before = bytesOf(initialFile());
    open(kCM);
    click(kCM, "CERESInCMSoilChangeButton");
    const char *soil = "ceresoil";
    ASSERT_TRUE(isOpen(soil));
    const QStringList lines = listLines(soil, "CeresoilList");
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], " 1 HFSILO0001   Highfield deep silt loam, well drained");
    EXPECT_EQ(control<QListWidget>(soil, "CeresoilList")->currentRow(), 0);
    EXPECT_EQ(text(soil, "CeresoilNumberPanel"), "1");
    EXPECT_EQ(text(soil, "CeresoilAlbedoPanel"), "0.13");
    EXPECT_TRUE(listLines(soil, "CeresoilLayerList")[0].startsWith("000005 00.100 00.290"));
    EXPECT_FALSE(
        control<QWidget>(soil, "CeresoilInitFrame")->isVisibleTo(WindowRegistry::find(soil)));

    choose(soil, "CeresoilList", 1);
    EXPECT_TRUE(
        control<QWidget>(soil, "CeresoilInitFrame")->isVisibleTo(WindowRegistry::find(soil)));
    EXPECT_EQ(text(soil, "CeresoilNumberPanel"), "2");
    const QByteArray chosen = bytesOf(initialFile());
    EXPECT_NE(chosen, before);
    click(soil, "CeresoilCancelButton");
    EXPECT_EQ(bytesOf(initialFile()), chosen);
    EXPECT_EQ(shared().gSoil, 1);

    click(kCM, "CERESInCMSoilChangeButton");
    choose(soil, "CeresoilList", 1);
    click(soil, "CeresoilOKButton");
    EXPECT_EQ(shared().gSoil, 2);
    EXPECT_TRUE(bytesOf(ceres() + "sprofile.sg2").startsWith(" 2 RBCLLO0002"));
    EXPECT_EQ(text(kCM, "CERESInCMSoilNumberPanel"), "2");
    click(kCM, "CERESInCMOKButton");
    EXPECT_TRUE(cropmanLines()[0].endsWith("    2    1"));
}

TEST_F(CropManagement, ASoilNumberWiderThanTheListColumnIsTakenWhole) {
    // Soil 1 renumbered 100: its list line starts " 100".
    QByteArray catalogue = bytesOf(program() + "sprofile.tot");
    catalogue.replace(0, 3, "100");
    putBytes(program() + "sprofile.tot", catalogue);
    cropmodel::LoadSoilCatalogue(program());
    cropmodel::WriteInitialConditions(program(), ceres(), 100);
    const QByteArray forSoil100 = bytesOf(initialFile());
    cropmodel::WriteInitialConditions(program(), ceres(), 2);

    open("ceresoil");
    ASSERT_TRUE(listLines("ceresoil", "CeresoilList")[0].startsWith(" 100 "));
    choose("ceresoil", "CeresoilList", 0);
    EXPECT_EQ(bytesOf(initialFile()), forSoil100);
}

TEST_F(CropManagement, VarietyChoiceBecomesTheDefaultAndReachesTheFile) {
    open(kCM);
    click(kCM, "CERESInCMVarietyChangeButton");
    const char *var = "CeresInVarietyForm";
    ASSERT_TRUE(isOpen(var));
    const QStringList names = listLines(var, "CeresInVarietyList");
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(control<QListWidget>(var, "CeresInVarietyList")->currentRow(), 0);
    EXPECT_EQ(text(var, "CeresInVarietyNumberPanel"), "1");

    choose(var, "CeresInVarietyList", 1);
    EXPECT_EQ(shared().gSorghumVariety, names[1]);
    EXPECT_EQ(shared().gVarietyNumber, 2);
    click(var, "CeresInVarietyHelpButton");
    EXPECT_TRUE(m_boxes.sawText("Help under construction"));
    click(var, "CeresInVarietyOKButton");
    EXPECT_FALSE(isOpen(var));
    EXPECT_TRUE(bytesOf(ceres() + "genetics.sg9").startsWith("  2 " + names[1].toLatin1()));
    EXPECT_EQ(text(kCM, "CERESInCMVarietyNumberPanel"), "2");
    EXPECT_EQ(text(kCM, "CERESInCMVarietyNamePanel"), names[1]);
    click(kCM, "CERESInCMOKButton");
    EXPECT_TRUE(cropmanLines()[0].endsWith("    1    2"));
}

TEST_F(CropManagement, IrrigationOptionAndCoefficientsReachTheFile) {
    open(kCM);
    click(kCM, "CERESInCMIrrigationChangeButton");
    const char *irr = "CeresInIrrigationForm";
    auto *schedule = control<QWidget>(irr, "CeresInIrrigationScheduleButton");
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(control<QAbstractButton>(irr, "CeresInIrrigationAutoOption")->isChecked());
    EXPECT_FALSE(schedule->isVisible());
    EXPECT_EQ(text(irr, "CeresInIrrigationEfficiencyEdit"), "80");

    click(irr, "CeresInIrrigationFileOption");
    EXPECT_EQ(shared().gIrrigationOption, 2);
    EXPECT_TRUE(schedule->isVisible());
    setText(irr, "CeresInIrrigationEfficiencyEdit", "75.5");
    setText(irr, "CeresInIrrigationUsableEdit", "40");
    click(irr, "CeresInIrrigationOKButton");
    EXPECT_FALSE(isOpen(irr));
    EXPECT_EQ(text(kCM, "CERESInCMIrrigationPanel"), "User Defined");
    click(kCM, "CERESInCMOKButton");
    EXPECT_EQ(cropmanLines()[1].mid(28, 26), " 02 00 075.50 30.00 0040.0");
}

TEST_F(CropManagement, NitrogenRecordsOptionAndBalance) {
    open(kCM);
    click(kCM, "CERESInCMFertiliseChangeButton");
    const char *nit = "CeresInNitrogenForm";
    ASSERT_TRUE(isOpen(nit));
    auto *list = control<QComboBox>(nit, "CeresInNitrogenList");
    ASSERT_EQ(list->count(), 7);
    EXPECT_EQ(list->currentText(), "HCHF9601  1  1500. 0015. 0040. 0600.");
    EXPECT_EQ(text(nit, "CeresInNitrogenMassEdit"), "1500");
    EXPECT_FALSE(control<QWidget>(nit, "CeresInNitrogenScheduleButton")->isVisible());

    chooseEntry(nit, "CeresInNitrogenList", "HCHF9601  2  2500. 0020. 0035. 0800.");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, "ERROR: Treatment number NOT equal 1");
    EXPECT_EQ(m_boxes.shown()[0].title, "Treatment Number");
    EXPECT_EQ(m_boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(text(nit, "CeresInNitrogenMassEdit"), "1500");

    chooseEntry(nit, "CeresInNitrogenList", "SBRB9601  1  1200. 0010. 0045. 0500.");
    EXPECT_EQ(text(nit, "CeresInNitrogenMassEdit"), "1200");
    click(nit, "CeresInNitrogenFileOption");
    EXPECT_EQ(shared().gNitrogenOption, 1.0f);
    EXPECT_TRUE(control<QWidget>(nit, "CeresInNitrogenScheduleButton")->isVisible());
    click(nit, "CeresInNitrogenOKButton");
    EXPECT_FALSE(isOpen(nit));
    EXPECT_TRUE(bytesOf(ceres() + "NITBAL.sg4").contains("1200."));
    EXPECT_EQ(text(kCM, "CERESInCMFertilisePanel"), "User Defined");
    click(kCM, "CERESInCMOKButton");
    EXPECT_EQ(cropmanLines()[1].mid(31, 3), " 01");
}

TEST_F(CropManagement, SaveSettingsAsDefaultAppendsADefaultsRecord) {
    const int before = defaultsCount();
    open(kCM);
    click(kCM, "CERESInCMSaveDefaultsButton");
    EXPECT_EQ(defaultsCount(), before + 1);
    EXPECT_TRUE(isOpen(kCM));
}

TEST_F(CropManagement, LeafGroupsByVarietyAndTheCopiedGroup) {
    shared().gSorghumVariety = "Meadow Gold";
    open("CeresInLeafForm");
    EXPECT_EQ(text("CeresInLeafForm", "CeresInLeafVarietyPanel"), "Meadow Gold");
    const QStringList lines = listLines("CeresInLeafForm", "CeresInLeafList");
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], " 1 AMBERSTALK           LEAF NUMBER, APPEARANCE AND AREA    (Amberstalk)");
    EXPECT_EQ(control<QListWidget>("CeresInLeafForm", "CeresInLeafList")->currentRow(), 1);
    click("CeresInLeafForm", "CeresInLeafOKButton");
    EXPECT_FALSE(isOpen("CeresInLeafForm"));
    const QStringList leaf = cropmodel::readLines(ceres(), "DVPTLEAF.SG");
    ASSERT_EQ(leaf.size(), 5);
    EXPECT_TRUE(leaf[0].startsWith(" 2 MEADOW GOLD"));
    EXPECT_EQ(leaf[1], "   18.0  36.0  0.028");
}

TEST_F(CropManagement, InitialSoilListShowsTheLastBlock) {
    open("ceresinit");
    auto *list = control<QComboBox>("ceresinit", "ceresinitList");
    ASSERT_GE(list->count(), 2);
    EXPECT_EQ(list->itemText(0), "Highfield silt loam, moist after winter");
    EXPECT_EQ(list->currentIndex(), list->count() - 1);
    click("ceresinit", "ceresinitOKButton");
    EXPECT_FALSE(isOpen("ceresinit"));
}

TEST_F(CropManagement, LoadSoilsAsksAndRefusesAnEmptyCatalogue) {
    const QByteArray soils = bytesOf(program() + "Soils.mdb");
    m_boxes.answer(MsgResult::No);
    click("LoadSoils", "LoadSoilsLoadButton");
    EXPECT_EQ(m_boxes.shown().back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(bytesOf(program() + "Soils.mdb"), soils);

    const QByteArray catalogue = bytesOf(program() + "sprofile.tot");
    putBytes(program() + "sprofile.tot", "");
    m_boxes.answer(MsgResult::Yes);
    click("LoadSoils", "LoadSoilsLoadButton");
    EXPECT_TRUE(m_boxes.sawTextContaining("holds no soil profile"));
    EXPECT_EQ(bytesOf(program() + "Soils.mdb"), soils);

    putBytes(program() + "sprofile.tot", catalogue);
    m_boxes.answer(MsgResult::Yes);
    click("LoadSoils", "LoadSoilsLoadButton");
    EXPECT_TRUE(m_boxes.sawText("4 soil profiles were loaded into Soils.mdb."));
}

TEST_F(CropManagement, WindowsWithoutBehaviourShowTheirCaptionsAndClose) {
    const struct {
        const char *window, *caption, *button;
    } windows[] = {
        {"CeresInWTHDIRForm", "Ceres Input WTH.DIR Form", "CeresInWTHDIRCancelButton"},
        {"CeresInWTHDIRForm", "Ceres Input WTH.DIR Form", "CeresInWTHDIROKButton"},
        {"CeresInFertiliseForm", "Ceres Input Fertilise Form", "CeresInFertiliseExitButton"},
        {"CeresInTreatmentform", "Ceres Input Treatment Form", "CeresInTreatmentExitButton"},
    };
    for (const auto &w : windows) {
        ASSERT_NE(open(w.window), nullptr) << w.window;
        EXPECT_EQ(WindowRegistry::find(w.window)->windowTitle(), w.caption);
        click(w.window, w.button);
        EXPECT_FALSE(isOpen(w.window)) << w.window;
    }
}

TEST_F(CropManagement, SoilMenuOffersTheSoilLoader) {
    QWidget *main = open("ZARNMainProcessingMenuForm");
    ASSERT_NE(main, nullptr);
    auto *entry = main->findChild<QAction *>("mnuSoilLoad");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "Load Soils DataBase");
    entry->trigger();
    EXPECT_TRUE(isOpen("LoadSoils"));
}

// The bundled model run on the inputs the editors wrote; its yield.
double runYield() {
    const cropmodel::ModelRunReport report = cropmodel::runCropModel(shared());
    (void)report;
    return cropmodel::ScanModelOutput(shared().gCeresPath, "OUT1.SG").yield;
}

TEST_F(CropManagement, ChangedVarietyAndWaterChangeTheModelsYield) {
    const double asShipped = runYield();
    ASSERT_GT(asShipped, 0);

    open(kCM);
    click(kCM, "CERESInCMVarietyChangeButton");
    // An earlier variety than the shipped one, so the Highfield season still
    // reaches maturity.
    choose("CeresInVarietyForm", "CeresInVarietyList", 1);
    click("CeresInVarietyForm", "CeresInVarietyOKButton");
    click(kCM, "CERESInCMOKButton");
    const double otherVariety = runYield();
    EXPECT_GT(otherVariety, 0);
    EXPECT_NE(otherVariety, asShipped);

    open(kCM);
    click(kCM, "CERESInCMIrrigationChangeButton");
    click("CeresInIrrigationForm", "CeresInIrrigationNoneOption");
    click("CeresInIrrigationForm", "CeresInIrrigationOKButton");
    click(kCM, "CERESInCMOKButton");
    const double rainfed = runYield();
    EXPECT_NE(rainfed, otherVariety);
}

} // namespace
} // namespace zarn::test
