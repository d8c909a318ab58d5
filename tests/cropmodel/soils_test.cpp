// Soils.mdb: loading the soil catalogue, the soil profile file and the
// initial-conditions file made from it.
#include "cropmodel/experiments.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include "printing.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

// A bundle whose Soils.mdb holds the test catalogue (soils 7, 9 without
// layers, and 8 whose catalogue entry has no end line).
struct TestSoils {
    test::TempBundle bundle;
    TestSoils() {
        QFile::remove(bundle.file("sprofile.tot"));
        QFile::copy(ZARN_TEST_DATA_DIR "/cropmodel/sprofile.tot", bundle.file("sprofile.tot"));
        loaded = LoadSoilCatalogue(bundle.path());
    }
    int loaded = 0;
    QString initialFile() const {
        return bundle.ceresPath() + InitialConditionsFileName(bundle.ceresPath());
    }
};

} // namespace

TEST(SoilCatalogue, RoundTripToTheSoilProfileFile) {
    TestSoils s;
    EXPECT_EQ(s.loaded, 3);
    WriteSoilProfile(s.bundle.path(), s.bundle.ceresPath(), 7);
    EXPECT_EQ(readLines(s.bundle.ceresPath(), "sprofile.sg2"),
              (QStringList{
                  " 7 TESTPED0007  Test loam seven",
                  " 00.13 06.00 000.40 076.00 010.5 006.5 1.0 .1320E-02 0120.0 06.68 00.03 0.85",
                  " 0005. 00.100 00.290 00.430 00.200 01.000 01.32 01.35 001.5 004.0",
                  " 0020. 00.125 00.300 00.410 00.230 00.640 01.40 00.70 000.8 002.4",
                  " -001.",
              }));
    EXPECT_TRUE(bytesOf(s.bundle.ceresPath() + "sprofile.sg2").endsWith(" -001.\r\n"));

    // The profile without an end line is complete; the one without layers has none.
    EXPECT_EQ(SoilProfileLines(s.bundle.path(), 8).size(), 4);
    EXPECT_EQ(
        SoilProfileLines(s.bundle.path(), 9),
        (QStringList{" 9 EMPTY0009    Soil without layers",
                     " 00.10 05.00 000.50 070.00 020.0 005.0 0.5 .5000E-03 0050.0 03.00 00.02 0.80",
                     " -001."}));

    // Every catalogue column reaches the tables, UK1 and UK2 included.
    db::Database db = db::Database::open(s.bundle.file("Soils.mdb"));
    db::Cursor layers = db.openDynaset("SoilLayers");
    layers.moveLast();
    EXPECT_EQ(layers.integer("IDUMSL"), 8);
    EXPECT_EQ(layers.integer("DLayerNumber"), 1);
    EXPECT_DOUBLE_EQ(layers.number("UK1"), 5.6);
    EXPECT_DOUBLE_EQ(layers.number("UK2"), 9.9);
    EXPECT_EQ(layers.recordCount(), 3);
    db::Cursor soil = db.openDynaset("Soil");
    EXPECT_EQ(soil.recordCount(), 3);
    EXPECT_EQ(soil.integer("NLAYRTotal"), 2);
}

TEST(SoilCatalogue, BundledSoilsAreLoaded) {
    test::TempBundle bundle;
    for (int soil = 1; soil <= 4; ++soil)
        EXPECT_GE(SoilProfileLines(bundle.path(), soil).size(), 4) << soil;
    // The bundled sprofile.sg2 is what the soil window writes for soil 1.
    EXPECT_EQ(readLines(bundle.ceresPath(), "sprofile.sg2"), SoilProfileLines(bundle.path(), 1));
}

TEST(SoilCatalogue, FailuresLeaveTheDatabaseAsItWas) {
    TestSoils s;
    const QByteArray before = bytesOf(s.bundle.file("Soils.mdb"));
    QFile::remove(s.bundle.file("sprofile.tot"));
    EXPECT_THROW(LoadSoilCatalogue(s.bundle.path()), UserError);
    EXPECT_EQ(bytesOf(s.bundle.file("Soils.mdb")), before);

    // A database without the soil tables: the copy fails to load, the file stays.
    putBytes(s.bundle.file("sprofile.tot"), bytesOf(ZARN_TEST_DATA_DIR "/cropmodel/sprofile.tot"));
    const QByteArray sorghum = bytesOf(s.bundle.file("Sorghum.mdb"));
    EXPECT_THROW(LoadSoilCatalogueFile(s.bundle.file("sprofile.tot"), s.bundle.file("Sorghum.mdb")),
                 UserError);
    EXPECT_EQ(bytesOf(s.bundle.file("Sorghum.mdb")), sorghum);
    EXPECT_THROW(LoadSoilCatalogueFile(s.bundle.file("sprofile.tot"), s.bundle.file("none.mdb")),
                 UserError);
    EXPECT_FALSE(QFile::exists(s.bundle.file("none.mdb")));

    EXPECT_THROW(WriteSoilProfile(s.bundle.path(), s.bundle.ceresPath(), 1),
                 UserError); // not loaded
    EXPECT_THROW(WriteSoilProfile(s.bundle.path(), s.bundle.ceresPath() + "gone/", 7), UserError);
}

// A load that fails after the old rows were deleted (here: a layer field the
// table lacks) keeps every old row: the load is one transaction.
TEST(SoilCatalogue, ALoadThatFailsPartWayKeepsEveryOldRow) {
    TestSoils s;
    const QString soils = s.bundle.file("Soils.mdb");
    auto rows = [&soils](const char *table) {
        db::Database db = db::Database::open(soils);
        return db.openDynaset(table).recordCount();
    };
    {
        db::Database db = db::Database::open(soils);
        QSqlQuery q(db.connection());
        ASSERT_TRUE(q.exec("ALTER TABLE SoilLayers DROP COLUMN UK2"))
            << q.lastError().text().toStdString();
    }
    const auto soilRows = rows("Soil"), layerRows = rows("SoilLayers");
    ASSERT_GT(soilRows, 0);
    ASSERT_GT(layerRows, 0);
    try {
        LoadSoilCatalogue(s.bundle.path());
        ADD_FAILURE() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("UK2")) << e.text().toStdString();
    }
    EXPECT_EQ(rows("Soil"), soilRows);
    EXPECT_EQ(rows("SoilLayers"), layerRows);
    EXPECT_EQ(SoilProfileLines(s.bundle.path(), 9).size(), 3);
}

TEST(InitialConditions, FirstLineKeptLayersAndEndLine) {
    TestSoils s;
    const QString file = s.initialFile();
    const struct {
        QByteArray before;
        int soil;
        QStringList after;
    } cases[] = {
        {"KEEP THIS LINE\r\nold 1\r\nold 2\r\n",
         7,
         {"KEEP THIS LINE", "    05  0.100  0.1  0.1  6.0", "    20  0.100  0.1  0.1  6.0",
          "   -1. -1.0   -1.0 -1.0 -1.0"}},
        {"\r\nold\r\n", 8, {"", "    150  0.100  0.1  0.1  6.0", "   -1. -1.0   -1.0 -1.0 -1.0"}},
        {"",
         7,
         {"", "    05  0.100  0.1  0.1  6.0", "    20  0.100  0.1  0.1  6.0",
          "   -1. -1.0   -1.0 -1.0 -1.0"}},
        {"head only", 9, {"head only", "   -1. -1.0   -1.0 -1.0 -1.0"}},
        {"no such soil\n", 42, {"no such soil", "   -1. -1.0   -1.0 -1.0 -1.0"}},
    };
    for (const auto &c : cases) {
        putBytes(file, c.before);
        WriteInitialConditions(s.bundle.path(), s.bundle.ceresPath(), c.soil);
        EXPECT_EQ(readLinesAt(file), c.after) << c.before.toStdString();
    }
}

TEST(InitialConditions, StartupRewritesTheBundledFileUnchanged) {
    test::TempBundle bundle;
    const QString file = bundle.ceresPath() + InitialConditionsFileName(bundle.ceresPath());
    const QByteArray before = bytesOf(file);
    WriteInitialConditions(bundle.path(), bundle.ceresPath(), 1);
    EXPECT_EQ(bytesOf(file), before);
}

TEST(InitialConditions, MissingOrUnsafeNamesWriteNothing) {
    TestSoils s;
    const QString ceres = s.bundle.ceresPath();
    const QString file = s.initialFile();
    const QByteArray before = bytesOf(file);

    // Soils.mdb missing.
    QFile::rename(s.bundle.file("Soils.mdb"), s.bundle.file("Soils.away"));
    EXPECT_THROW(WriteInitialConditions(s.bundle.path(), ceres, 7), UserError);
    EXPECT_EQ(bytesOf(file), before);
    QFile::rename(s.bundle.file("Soils.away"), s.bundle.file("Soils.mdb"));

    // The named file is missing: reported, not created.
    QFile::remove(file);
    EXPECT_THROW(WriteInitialConditions(s.bundle.path(), ceres, 7), UserError);
    EXPECT_FALSE(QFile::exists(file));

    // File 5 names something outside the crop-model directory, or nothing.
    for (const char *name : {"../escape.sg5", "sub/x.sg5", ""}) {
        FoundExperiment last;
        const auto records = ReadExperiments(ceres);
        ExperimentRecord r = records.back();
        r.line2 = r.line2.left(13) + QString(name).leftJustified(12) + r.line2.mid(25);
        ReplaceExperiment(ceres, r);
        try {
            WriteInitialConditions(s.bundle.path(), ceres, 7);
            ADD_FAILURE() << "accepted " << name;
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains("SGEXP.DIR")) << e.text().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(s.bundle.path() + "escape.sg5"));

    // No experiment directory at all.
    QFile::remove(ceres + "SGEXP.DIR");
    EXPECT_THROW(WriteInitialConditions(s.bundle.path(), ceres, 7), UserError);
    EXPECT_THROW(WriteInitialConditions(s.bundle.path(), ceres + "gone/", 7), UserError);
}
