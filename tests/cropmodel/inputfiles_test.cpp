// The input files written from the editors: crop management, variety,
// nitrogen balance, schedules and leaf data; and the catalogue readers.
#include "cropmodel/catalogues.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/textfiles.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include "printing.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

struct Dir {
    QTemporaryDir tmp;
    QString path() const { return tmp.path() + "/"; }
};

CropManagementHeader header() {
    return {"HC", "HF", "1996", "Amberstalk trial", "1", "1"};
}

CropManagementValues values() {
    CropManagementValues v;
    v.startDay = 61;
    v.plantingDay = 75;
    v.plantDensity = 12.5;
    v.rowSpacing = 0.75;
    v.plantingDepth = 4.2;
    v.irrigationOption = 3;
    v.nitrogenOption = 1;
    v.irrigationEfficiency = 80;
    v.irrigationSoilDepth = 30;
    v.irrigationUsable = 50;
    v.kept11 = 25.5f;
    v.kept12 = 7;
    v.kept13 = 123;
    return v;
}

// The text of the UserError thrown by `f`, or "" when none was thrown.
template <class F> QString errorOf(F f) {
    try {
        f();
    } catch (const UserError &e) {
        return e.text();
    }
    return QString();
}

} // namespace

TEST(CropManagement, WriteThenReadBackKeepsFields11To13) {
    Dir d;
    WriteCropManagement(d.path(), header(), values());
    EXPECT_EQ(bytesOf(d.path() + "CROPMAN.sg8"),
              "HCHF9601  1 " + QString("Amberstalk trial").leftJustified(40).toLatin1() +
                  "    1    1\r\n" +
                  " 061 075 012.50 00.750 04.20 03 01 080.00 30.00 0050.0 025.50 07 123\r\n");
    const auto back = ReadCropManagement(d.path()); // read as "CROPMAN.SG8"
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->startDay, 61);
    EXPECT_EQ(back->plantingDay, 75);
    EXPECT_DOUBLE_EQ(back->plantDensity, 12.5);
    EXPECT_DOUBLE_EQ(back->rowSpacing, 0.75);
    EXPECT_DOUBLE_EQ(back->plantingDepth, 4.2);
    EXPECT_EQ(back->irrigationOption, 3);
    EXPECT_EQ(back->nitrogenOption, 1);
    EXPECT_DOUBLE_EQ(back->irrigationEfficiency, 80);
    EXPECT_DOUBLE_EQ(back->irrigationUsable, 50);
    EXPECT_FLOAT_EQ(back->kept11, 25.5f);
    EXPECT_EQ(back->kept12, 7);
    EXPECT_EQ(back->kept13, 123);

    // Written again from what was read, the file stays byte for byte as it
    // was: density, spacing and depth keep their decimals, fields 11-13 stay.
    const QByteArray first = bytesOf(d.path() + "CROPMAN.sg8");
    CropManagementValues fine = values();
    fine.rowSpacing = 0.755;
    fine.plantingDepth = 4.55;
    WriteCropManagement(d.path(), header(), fine);
    const QByteArray second = bytesOf(d.path() + "CROPMAN.sg8");
    WriteCropManagement(d.path(), header(), *ReadCropManagement(d.path()));
    EXPECT_EQ(bytesOf(d.path() + "CROPMAN.sg8"), second);
    WriteCropManagement(d.path(), header(), *back);
    EXPECT_EQ(bytesOf(d.path() + "CROPMAN.sg8"), first);
}

TEST(CropManagement, LineOneTitleYearAndNumbers) {
    const struct {
        QString year, title, soil, variety;
        QString line1;
    } cases[] = {
        {"96", QString(45, 'x'), "12", " 3 ", "HCHF9601  1 " + QString(40, 'x') + "   12    3"},
        {"7", "t", "1234", "6", "HCHF0701  1 " + QString("t").leftJustified(40) + " 1234    6"},
        {" 2003 ", "", "", "", "HCHF0301  1 " + QString(40, ' ') + QString(10, ' ')},
    };
    for (const auto &c : cases) {
        CropManagementHeader h = header();
        h.yearText = c.year;
        h.title = c.title;
        h.soilNumber = c.soil;
        h.varietyNumber = c.variety;
        EXPECT_EQ(CropManagementLines(h, values())[0], c.line1);
    }
}

TEST(CropManagement, RefusedValuesWriteNothing) {
    Dir d;
    WriteCropManagement(d.path(), header(), values());
    const QByteArray before = bytesOf(d.path() + "CROPMAN.sg8");
    const struct {
        const char *expectInMessage;
        void (*change)(CropManagementHeader &, CropManagementValues &);
    } cases[] = {
        {"soil number",
         [](CropManagementHeader &h, CropManagementValues &) { h.soilNumber = "12345"; }},
        {"variety number",
         [](CropManagementHeader &h, CropManagementValues &) { h.varietyNumber = "100000"; }},
        {"year", [](CropManagementHeader &h, CropManagementValues &) { h.yearText = ""; }},
        {"year", [](CropManagementHeader &h, CropManagementValues &) { h.yearText = "19x6"; }},
        {"year", [](CropManagementHeader &h, CropManagementValues &) { h.yearText = "-96"; }},
        {"plant density",
         [](CropManagementHeader &, CropManagementValues &v) { v.plantDensity = 1000; }},
        {"simulation start day",
         [](CropManagementHeader &, CropManagementValues &v) { v.startDay = -1; }},
    };
    for (const auto &c : cases) {
        CropManagementHeader h = header();
        CropManagementValues v = values();
        c.change(h, v);
        const QString msg = errorOf([&] { WriteCropManagement(d.path(), h, v); });
        EXPECT_TRUE(msg.contains(c.expectInMessage)) << msg.toStdString();
        EXPECT_EQ(bytesOf(d.path() + "CROPMAN.sg8"), before);
    }
    EXPECT_THROW(WriteCropManagement(d.path() + "missing/", header(), values()), UserError);
}

TEST(CropManagement, ShortFilesGiveNoValues) {
    Dir d;
    EXPECT_THROW(ReadCropManagement(d.path()), UserError);
    const QStringList shortLines[] = {{}, {"only one line"}};
    for (const auto &lines : shortLines)
        EXPECT_FALSE(CropManagementFromLines(lines).has_value());
    const auto v = CropManagementFromLines({"x", " 1"});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->startDay, 1);
    EXPECT_EQ(v->kept13, 0);
}

TEST(Variety, OneLineInItsLayout) {
    Dir d;
    WriteVariety(d.path(), {1, "Amberstalk", 410, 13.2, 120, 560, 6.5, 5.2});
    EXPECT_EQ(bytesOf(d.path() + "genetics.sg9"),
              QByteArray("  1 Amberstalk410.013.20 120.00 560.00 06.5 5.20\r\n"));
    EXPECT_EQ(VarietyLine({12, "V", 5, 0.5, 0, 0, 0, 0}),
              "  12 V005.000.50 000.00 000.00 00.0 0.00");
    EXPECT_THROW(WriteVariety(d.path(), {123, "V", 0, 0, 0, 0, 0, 0}), UserError);
    EXPECT_EQ(readLines(d.path(), "GENETICS.SG9")[0],
              "  1 Amberstalk410.013.20 120.00 560.00 06.5 5.20");
}

TEST(NitrogenBalance, ColumnsAndYearCheck) {
    Dir d;
    WriteNitrogenBalance(d.path(), {"HC", "HF", "96", 1500, 15, 40.4, 600});
    const QString line = readLines(d.path(), "NITBAL.sg4")[0];
    EXPECT_EQ(line, "HCHF9601  1  1500. 0015. 0040. 0600.");
    EXPECT_EQ(column(line, 11, 1), "1");
    EXPECT_EQ(column(line, 14, 5), "1500.");
    EXPECT_EQ(column(line, 32, 5), "0600.");
    // The nitrogen catalogue reads its records at one column earlier.
    const NitrogenRecord r = NitrogenRecordFromLine(line);
    EXPECT_EQ(r.treatment, 1);
    EXPECT_EQ(r.residueMass, 1500);
    EXPECT_EQ(r.carbonNitrogen, 40);
    EXPECT_EQ(r.residueWeight, 600);

    EXPECT_THROW(WriteNitrogenBalance(d.path(), {"HC", "HF", "ab", 1, 1, 1, 1}), UserError);
    EXPECT_THROW(WriteNitrogenBalance(d.path(), {"HC", "HF", "96", 12345, 1, 1, 1}), UserError);
    EXPECT_EQ(readLines(d.path(), "NITBAL.sg4")[0], line);
}

TEST(Schedules, HeaderEventsAndEndLine) {
    Dir d;
    const ScheduleHeader h{"HC", "HF", 1996};
    // OK with no event: header and end line only.
    EndSchedule(d.path(), ScheduleKind::Irrigation, h, 0);
    EXPECT_EQ(bytesOf(d.path() + "irrigate.sg6"), QByteArray(" 1 HCHF9601\r\n  -1   -1\r\n"));
    EndSchedule(d.path(), ScheduleKind::Fertiliser, h, 0);
    EXPECT_EQ(bytesOf(d.path() + "fert.sg7"), QByteArray(" 1 HCHF9601\r\n  -1  -1.0  -1.0 -1\r\n"));

    StartSchedule(d.path(), ScheduleKind::Irrigation, {"HC", "HF", 2003});
    AppendScheduleEvent(d.path(), ScheduleKind::Irrigation, {32, 25, 0, 0});
    AppendScheduleEvent(d.path(), ScheduleKind::Irrigation, {100, 0.5, 0, 0});
    EndSchedule(d.path(), ScheduleKind::Irrigation, h, 2);
    EXPECT_EQ(readLines(d.path(), "irrigate.sg6"),
              (QStringList{" 1 HCHF0301", " 032   25.0", " 100     .5", "  -1   -1"}));

    StartSchedule(d.path(), ScheduleKind::Fertiliser, h);
    AppendScheduleEvent(d.path(), ScheduleKind::Fertiliser, {75, 12.3, 5, 1});
    AppendScheduleEvent(d.path(), ScheduleKind::Fertiliser, {120, 150, 0.1, 12});
    EndSchedule(d.path(), ScheduleKind::Fertiliser, h, 2);
    EXPECT_EQ(readLines(d.path(), "fert.sg7"),
              (QStringList{" 1 HCHF9601", " 075  12.3   5.0  1", " 120 150.0    .1 12",
                           "  -1  -1.0  -1.0 -1"}));
}

TEST(Schedules, ValuesWiderThanTheirColumnsAreRefused) {
    Dir d;
    StartSchedule(d.path(), ScheduleKind::Fertiliser, {"HC", "HF", 1996});
    const QByteArray before = bytesOf(d.path() + "fert.sg7");
    const struct {
        ScheduleKind kind;
        ScheduleEvent event;
        const char *field;
    } cases[] = {
        {ScheduleKind::Fertiliser, {75, 1000, 5, 1}, "nitrogen amount"},
        {ScheduleKind::Fertiliser, {75, 10, 1000, 1}, "depth"},
        {ScheduleKind::Fertiliser, {75, 10, 5, 100}, "fertiliser type"},
        {ScheduleKind::Fertiliser, {1000, 10, 5, 1}, "day of year"},
        {ScheduleKind::Irrigation, {75, 100000, 0, 0}, "water amount"},
    };
    for (const auto &c : cases) {
        const QString msg = errorOf([&] { AppendScheduleEvent(d.path(), c.kind, c.event); });
        EXPECT_TRUE(msg.contains(c.field)) << msg.toStdString();
    }
    EXPECT_EQ(bytesOf(d.path() + "fert.sg7"), before);
    EXPECT_FALSE(QFile::exists(d.path() + "irrigate.sg6"));
    EXPECT_EQ(ScheduleEventLine(ScheduleKind::Irrigation, {1, 9999.9, 0, 0}), " 001 9999.9");
}

TEST(LeafData, CopiesTheGroupOfTheVariety) {
    test::TempBundle bundle;
    const QStringList all = readLines(bundle.path(), "LEAF.TOT");
    ASSERT_GE(all.size(), 30);
    CopyLeafGroup(bundle.path(), bundle.ceresPath(), 3);
    EXPECT_EQ(readLines(bundle.ceresPath(), "DVPTLEAF.SG"), all.mid(10, 5));
    CopyLeafGroup(bundle.path(), bundle.ceresPath(), 1);
    EXPECT_EQ(readLines(bundle.ceresPath(), "DVPTLEAF.SG"), all.mid(0, 5));
    EXPECT_THROW(CopyLeafGroup(bundle.path(), bundle.ceresPath(), 99), UserError);
    EXPECT_EQ(readLines(bundle.ceresPath(), "DVPTLEAF.SG"), all.mid(0, 5));

    Dir empty;
    EXPECT_THROW(CopyLeafGroup(empty.path(), bundle.ceresPath(), 1), UserError); // no LEAF.TOT
}

TEST(Catalogues, BundledCataloguesHoldTheSeedNumbers) {
    test::TempBundle bundle;
    for (int soil = 1; soil <= 4; ++soil) {
        const CatalogueSoil s = FindCatalogueSoil(bundle.path(), soil);
        EXPECT_TRUE(s.found) << soil;
        EXPECT_EQ(s.number.trimmed(), QString::number(soil));
        EXPECT_FALSE(s.name.trimmed().isEmpty());
    }
    EXPECT_FALSE(FindCatalogueSoil(bundle.path(), 99).found);

    const auto groups = ReadLeafCatalogue(bundle.path());
    ASSERT_EQ(groups.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(groups[size_t(k)].varietyNumber, k + 1);
        EXPECT_EQ(groups[size_t(k)].lines.size(), 5);
    }

    const auto nitrogen = ReadNitrogenCatalogue(bundle.path());
    bool treatmentOne = false, other = false;
    for (const auto &r : nitrogen) {
        treatmentOne = treatmentOne || r.treatment == 1;
        other = other || r.treatment != 1;
    }
    EXPECT_TRUE(treatmentOne);
    EXPECT_TRUE(other);
    EXPECT_GE(ReadInitialSoilCatalogue(bundle.path()).size(), 2);

    Dir empty;
    EXPECT_THROW(ReadNitrogenCatalogue(empty.path()), UserError);
    EXPECT_THROW(FindCatalogueSoil(empty.path(), 1), UserError);
}

TEST(Catalogues, HeadersFollowEndLinesAndBlocksEndAtTheFileEnd) {
    auto header = [](const char *number, const char *pedon, const char *taxon) {
        return QString(number) + QString(pedon).leftJustified(12) + " " + taxon;
    };
    const QStringList soils = {
        header("  1", "AAA", "first soil"),  "params", "layer",  " -001.",
        header("  2", "BBB", "second soil"), "params", " -001.", header("  3", "CCC", "no end")};
    EXPECT_EQ(FindCatalogueSoilInLines(soils, 2).name.trimmed(), "second soil");
    EXPECT_TRUE(FindCatalogueSoilInLines(soils, 3).found);
    // "params" after a header is no header, even when it starts with a number.
    EXPECT_FALSE(FindCatalogueSoilInLines({"  1x", "  5 params", " -001."}, 5).found);
    EXPECT_EQ(InitialSoilBlockNames({"A", "1", "   -1.", "B", "2"}), (QStringList{"A", "B"}));
    EXPECT_TRUE(InitialSoilBlockNames({}).isEmpty());
}
