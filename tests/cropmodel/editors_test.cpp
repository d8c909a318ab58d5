// The arithmetic and list lines behind the input editors: schedule dates,
// scroll values, the experiment request, soil and leaf lines, snapshots of
// schedule files.
#include "cropmodel/editors.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "support/fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;

TEST(ScheduleDates, DaysOfFebruaryFollowTheDivisibleByFourRule) {
    EXPECT_EQ(ScheduleDaysInMonth(2, 1996), 29);
    EXPECT_EQ(ScheduleDaysInMonth(2, 1997), 28);
    EXPECT_EQ(ScheduleDaysInMonth(2, 1900), 29); // offered, though no such date exists
    EXPECT_EQ(ScheduleDaysInMonth(4, 1997), 30);
    EXPECT_EQ(ScheduleDaysInMonth(11, 1997), 30);
    EXPECT_EQ(ScheduleDaysInMonth(12, 1997), 31);
    EXPECT_EQ(DayNumbers(3), QStringList({"1", "2", "3"}));
}

TEST(ScheduleDates, DayOfYearOfMonthDayAndYear) {
    const struct {
        const char *month;
        const char *day;
        int year;
        int expected; // 0: no such date
    } cases[] = {
        {"January ", "1", 1996, 1},     {"March ", "5", 1996, 65},
        {"March ", "5", 1997, 64},      {"February ", "01", 1996, 32},
        {"February ", "29", 1996, 60},  {"February ", "29", 1997, 0},
        {"February ", "29", 1900, 0},   {"February ", "31", 1996, 0},
        {"December ", "31", 1996, 366}, {"April ", "31", 1996, 0},
        {"March ", "x", 1996, 0},       {"Smarch ", "1", 1996, 0},
        {"March ", "5", 96, 65},
    };
    for (const auto &c : cases) {
        const auto doy = ScheduleDayOfYear(c.month, c.day, c.year);
        SCOPED_TRACE(std::string(c.month) + c.day + "," + std::to_string(c.year));
        if (c.expected == 0)
            EXPECT_FALSE(doy.has_value());
        else
            EXPECT_EQ(doy.value_or(-1), c.expected);
    }
    EXPECT_EQ(ScheduleMonthNames().size(), 12);
    EXPECT_EQ(ScheduleMonthNames()[1], "February ");
}

TEST(ScrollValues, WholeAndTenthsStayWithinTheFileColumns) {
    EXPECT_EQ(PlainDecimal(WholeAndTenths(12, 3)), "12.3");
    EXPECT_EQ(PlainDecimal(WholeAndTenths(5, 0)), "5");
    EXPECT_EQ(PlainDecimal(WholeAndTenths(0, 1)), "0.1");
    EXPECT_EQ(PlainDecimal(0.1 + 0.2), "0.3");
    EXPECT_EQ(PlainDecimal(966.0000000000001), "966");
    // The largest values the scroll bars give still fit their columns.
    ScheduleEvent fert;
    fert.dayOfYear = 366;
    fert.amount = WholeAndTenths(kFertiliserWholeMax, kFertiliserTenthsMax);
    fert.depth = fert.amount;
    fert.type = kFertiliserTypeMax;
    EXPECT_NO_THROW(ScheduleEventLine(ScheduleKind::Fertiliser, fert));
    ScheduleEvent water;
    water.dayOfYear = 366;
    water.amount = kIrrigationQuantityMax;
    EXPECT_NO_THROW(ScheduleEventLine(ScheduleKind::Irrigation, water));
}

TEST(ExperimentRequest, ModeCodeYearNumberAndTitle) {
    const ExperimentRequest r = ParseExperimentRequest("Changehchf9602 Sowing trial two");
    EXPECT_EQ(r.mode, "Change");
    EXPECT_EQ(r.code, "hchf9602");
    EXPECT_EQ(r.instCode(), "hc");
    EXPECT_EQ(r.siteCode(), "hf");
    EXPECT_EQ(r.yearText, "96");
    EXPECT_EQ(r.numberText, "02");
    EXPECT_EQ(r.title, "Sowing trial two");
    const ExperimentRequest empty = ParseExperimentRequest("Create");
    EXPECT_EQ(empty.mode, "Create");
    EXPECT_TRUE(empty.code.isEmpty());
}

TEST(EditorLists, OptionSoilLeafAndNitrogenLines) {
    EXPECT_EQ(IrrigationOptionText(2), "User Defined");
    EXPECT_EQ(IrrigationOptionText(4), "No Stress");
    EXPECT_EQ(NitrogenOptionText(0), "No Nitrogen Stress");
    EXPECT_EQ(NitrogenOptionText(1), "User Defined");

    SoilRow soil;
    soil.idumsl = 100;
    soil.pedon = "HIGHFIELD";
    soil.taxon = "Silt loam";
    EXPECT_EQ(SoilListLine(soil), " 100 HIGHFIELD Silt loam");
    EXPECT_EQ(SoilLayerLine({5, 0.1, 0.29, 0.43, 0.2, 1, 1.32, 1.35, 1.5, 4}),
              "000005 00.100 00.290 00.430 00.200 01.000 01.32 01.35 001.5 004.0");

    EXPECT_EQ(LeafListLine(" 1 AMBERSTALK", "Amberstalk"), " 1 AMBERSTALK    (Amberstalk)");
    EXPECT_EQ(NitrogenLineTreatment("HCHF9601  1  1500. 0015. 0040. 0600."), 1);
    EXPECT_EQ(NitrogenLineTreatment("HCHF9601  2  2500. 0020. 0035. 0800."), 2);
}

TEST(FileSnapshot, PutsBackTheBytesOrTheAbsence) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/";
    test::putBytes(dir + "FERT.SG7", "old\r\n");
    const FileSnapshot before = FileSnapshot::take(dir, "fert.sg7");
    writeLines(dir, "fert.sg7", {"new", "lines"});
    before.restore();
    EXPECT_EQ(test::bytesOf(dir + "FERT.SG7"), "old\r\n");

    const FileSnapshot none = FileSnapshot::take(dir, "irrigate.sg6");
    writeLines(dir, "irrigate.sg6", {"header"});
    none.restore();
    EXPECT_FALSE(fileExists(dir, "irrigate.sg6"));
}

TEST(SoilRows, EveryBundledSoilWithItsLayers) {
    test::TempBundle bundle;
    const std::vector<SoilRow> rows = ReadSoilRows(bundle.path());
    ASSERT_FALSE(rows.empty());
    for (const SoilRow &r : rows)
        EXPECT_FALSE(r.layers.empty()) << r.idumsl;
    const std::vector<VarietyRow> varieties = ReadVarietyRows(bundle.path());
    ASSERT_FALSE(varieties.empty());
    EXPECT_FALSE(varieties[0].name.isEmpty());
}
