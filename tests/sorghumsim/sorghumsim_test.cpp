// The stand-in crop model WINCERES/sorghum.exe, run as the application runs
// it: in a directory holding its input files, read back with the
// application's own readers of OUT1.SG.
#include "modeldir.h"

using namespace zarn::cropmodel;
using namespace sorghumsim_test;

// A well-watered season gives a plausible dry biomass, read alike by the
// run-result and calculation rules; the output windows' scan of OUT1.SG ...
// OUT4.SG finds the same yield, the maturity date and the sowing date.
TEST(SorghumSim, WateredSeasonIsReadAlikeByEveryReader) {
    ModelDir dir(kSeason);
    dir.setIrrigation(3);
    const double yield = runYield(dir);
    EXPECT_GE(yield, 15.0);
    EXPECT_LE(yield, 40.0);

    const ModelOutput out1 = ScanModelOutput(dir.path(), "OUT1.SG");
    EXPECT_TRUE(out1.sowingFound);
    EXPECT_EQ(out1.sowingDate, "1996-05-09"); // planting day 130 of a leap year
    EXPECT_EQ(out1.maturityDate.size(), 6);
    for (const QString name : {"OUT2.SG", "OUT3.SG", "OUT4.SG"}) {
        const ModelOutput o = ScanModelOutput(dir.path(), name);
        EXPECT_TRUE(o.maturityFound) << name.toStdString();
        EXPECT_DOUBLE_EQ(o.yield, out1.yield) << name.toStdString();
        EXPECT_EQ(o.maturityDate, out1.maturityDate) << name.toStdString();
        EXPECT_EQ(o.sowingDate, out1.sowingDate) << name.toStdString();
    }
    EXPECT_TRUE(dir.has("OUT5.SG"));
}

// Two runs on the same inputs write the same bytes, with CR LF line ends.
TEST(SorghumSim, RunsAreDeterministic) {
    ModelDir dir(kSeason);
    ASSERT_EQ(dir.run().exitCode, 0);
    QList<QByteArray> first;
    for (int i = 1; i <= 5; ++i)
        first << dir.bytes(QString("OUT%1.SG").arg(i));
    ASSERT_EQ(dir.run().exitCode, 0);
    for (int i = 1; i <= 5; ++i) {
        const QByteArray again = dir.bytes(QString("OUT%1.SG").arg(i));
        EXPECT_FALSE(again.isEmpty());
        EXPECT_EQ(again, first[i - 1]) << "OUT" << i << ".SG";
        EXPECT_EQ(again.count("\n"), again.count("\r\n"));
    }
}

// In a dry season every way of adding water gives at least the rainfed
// yield, and the rainfed crop is clearly limited by water.
TEST(SorghumSim, MoreWaterNeverLowersTheYieldOfADrySeason) {
    double rainfed = 0;
    {
        ModelDir dir(kSeason);
        dir.setIrrigation(1);
        rainfed = runYield(dir);
    }
    EXPECT_GT(rainfed, 0.0);
    for (int option : {2, 3, 4}) {
        ModelDir dir(kSeason);
        dir.setIrrigation(option);
        if (option == 2)
            dir.write("irrigate.sg6", {" 1 frau9601", " 170  40.0", " 200  40.0", "  -1   -1"});
        const double watered = runYield(dir);
        EXPECT_GE(watered, rainfed) << "irrigation option " << option;
        if (option != 2) {
            EXPECT_GT(watered, 1.5 * rainfed) << "irrigation option " << option;
        }
    }
}

// Names in any case and LF line ends are read like the files the application
// writes.
TEST(SorghumSim, ReadsNamesInAnyCaseAndLfLineEnds) {
    ModelDir reference(kSeason);
    const double expected = runYield(reference);

    ModelDir dir(kSeason);
    const auto files = QDir(dir.path()).entryList(QDir::Files);
    for (const QString &name : files) {
        QFile f(dir.path() + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray content = f.readAll();
        f.close();
        content.replace("\r\n", "\n");
        QFile::remove(dir.path() + name);
        const QString renamed = name == "SGEXP.DIR" ? "sgexp.dir" : name.toUpper();
        QFile out(dir.path() + renamed);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    EXPECT_DOUBLE_EQ(runYield(dir), expected);
}

// Missing or malformed inputs, and a season the weather does not cover: a
// non-zero exit, a message naming the file (and line), and no OUT1.SG, not
// even one left from an earlier run.
TEST(SorghumSim, BadInputsFailWithoutOutputs) {
    struct Case {
        const char *what;
        std::function<void(const ModelDir &)> spoil;
        QString message; // part of the standard error expected
    };
    const Case cases[] = {
        {"weather file missing",
         [](const ModelDir &d) { QFile::remove(d.path() + kSeasonWeather); }, kSeasonWeather},
        {"density not a number",
         [](const ModelDir &d) {
             d.edit("CROPMAN.sg8", 2, [](QString &l) { l.replace(9, 6, "abc.de"); });
         },
         "CROPMAN.sg8, line 2: plant density"},
        {"management line missing",
         [](const ModelDir &d) { d.write("CROPMAN.sg8", {d.lines("CROPMAN.sg8")[0]}); },
         "CROPMAN.sg8"},
        {"irrigation option out of range", [](const ModelDir &d) { d.setIrrigation(7); },
         "CROPMAN.sg8, line 2: irrigation option"},
        {"variety line cut short",
         [](const ModelDir &d) { d.write("genetics.sg9", {"   1 Keller380.013.50"}); },
         "genetics.sg9, line 1"},
        {"weather line with a field missing",
         [](const ModelDir &d) {
             d.edit(kSeasonWeather, 5, [](QString &l) { l.truncate(l.lastIndexOf(' ')); });
         },
         kSeasonWeather + ", line 5"},
        {"weather file named outside the directory",
         [](const ModelDir &d) {
             d.edit("SGEXP.DIR", 1, [](QString &l) { l.replace(50, 12, "../x.W96    "); });
         },
         "SGEXP.DIR, line 1"},
        {"experiment record incomplete",
         [](const ModelDir &d) {
             QStringList l = d.lines("SGEXP.DIR");
             l.removeLast();
             d.write("SGEXP.DIR", l);
         },
         "SGEXP.DIR, line 2"},
        {"soil layer with DUL below LL",
         [](const ModelDir &d) {
             d.edit("sprofile.sg2", 3, [](QString &l) { l.replace(14, 6, "00.050"); });
         },
         "sprofile.sg2, line 3"},
        {"runoff curve number above 100",
         [](const ModelDir &d) {
             d.edit("sprofile.sg2", 2, [](QString &l) { l.replace(20, 6, "175.00"); });
         },
         "sprofile.sg2, line 2: runoff curve number"},
        {"initial-conditions file missing",
         [](const ModelDir &d) { QFile::remove(d.path() + "frau9601.sg3"); }, "frau9601.sg3"},
        {"scheduled irrigation without irrigate.sg6", [](const ModelDir &d) { d.setIrrigation(2); },
         "irrigate.sg6"},
        {"weather ends before maturity",
         [](const ModelDir &d) {
             QStringList l = d.lines(kSeasonWeather);
             d.write(kSeasonWeather, l.mid(0, 120));
         },
         "before physiological maturity"},
        {"a day missing in the season",
         [](const ModelDir &d) {
             QStringList l = d.lines(kSeasonWeather);
             l.removeAt(100);
             d.write(kSeasonWeather, l);
         },
         "no weather for"},
        // Numbers beyond what the model can hold, and very long numbers: a
        // message, never an abort, a stack overflow or minutes of parsing.
        {"density beyond the largest number",
         [](const ModelDir &d) { d.setManagement(10, 6, "1e999"); },
         "CROPMAN.sg8, line 2: plant density"},
        {"lower limit below the smallest number",
         [](const ModelDir &d) {
             d.edit("sprofile.sg2", 4, [](QString &l) { l.replace(7, 6, "1e-400"); });
         },
         "sprofile.sg2, line 4: LL"},
        {"variety number of 12 digits",
         [](const ModelDir &d) {
             d.write("genetics.sg9", {"123456789012 Keller380.013.50 060.00 500.00 00.0 0.00"});
         },
         "genetics.sg9, line 1: variety number"},
        {"weather year of 12 digits",
         [](const ModelDir &d) {
             d.edit(kSeasonWeather, 7, [](QString &l) { l.replace(5, 2, "123456789012"); });
         },
         kSeasonWeather + ", line 7: year"},
        {"rain of 30,000 digits",
         [](const ModelDir &d) {
             d.edit(kSeasonWeather, 9,
                    [](QString &l) { l = l.left(l.lastIndexOf(' ') + 1) + QString(30000, '7'); });
         },
         kSeasonWeather + ", line 9: rain"},
        {"fill degree-days of 200,000 digits",
         [](const ModelDir &d) {
             d.write("genetics.sg9",
                     {"  1 Keller380.013.50 060.00 0." + QString(200000, '5') + " 00.0 0.00"});
         },
         "genetics.sg9, line 1: degree-days flowering to maturity"},
        {"initial water of 20,000 digits",
         [](const ModelDir &d) {
             d.edit("frau9601.sg3", 3,
                    [](QString &l) { l.replace(8, 5, "0." + QString(20000, '3') + "e9"); });
         },
         "frau9601.sg3, line 3: initial water"},
        {"irrigation amount beyond the largest number",
         [](const ModelDir &d) {
             d.setIrrigation(2);
             d.write("irrigate.sg6", {" 1 frau9601", " 170  1e400", "  -1   -1"});
         },
         "irrigate.sg6, line 2: amount"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ModelDir dir(kSeason);
        dir.write("OUT1.SG", {"left from an earlier run"});
        c.spoil(dir);
        const ModelRun r = dir.run(20000);
        EXPECT_FALSE(r.timedOut);
        EXPECT_FALSE(r.crashed);
        EXPECT_LT(r.milliseconds, 5000);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.errors.startsWith("sorghum.exe: ")) << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains(c.message)) << r.errors.toStdString();
        EXPECT_LT(r.errors.size(), 1000) << "a message shows a long text cut short";
        EXPECT_FALSE(dir.has("OUT1.SG"));
        EXPECT_TRUE(dir.hasNoOutputs());
    }
}

// The sample inputs of the bundle run to a maturity row as shipped (rainfed
// or not), and automatic irrigation gives a plausible sweet-sorghum season
// that is not smaller.
TEST(SorghumSim, BundledInputsGiveAPlausibleSeason) {
    ASSERT_TRUE(fileExists(kBundleInputs, "SGEXP.DIR"))
        << "no sample inputs in " << kBundleInputs.toStdString();
    ModelDir dir(kBundleInputs);
    const double bundled = runYield(dir);
    EXPECT_GT(bundled, 1.0);
    EXPECT_LE(bundled, 40.0);

    dir.setIrrigation(3);
    const double irrigated = runYield(dir);
    EXPECT_GE(irrigated, bundled);
    EXPECT_GE(irrigated, 10.0);
    EXPECT_LE(irrigated, 40.0);
}
