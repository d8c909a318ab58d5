// The stand-in crop model against a reference sorghum model on one site: the
// startup experiment dadn9601 as the sample data shipped it (weather
// DADN0306.W96, soil 1 of sprofile.sg2, initial water DADN9601.SG5,
// 12 plants/m2, no nitrogen limit), kept as a fixture so that changes to the
// sample data do not move it. Four variants: irrigated automatically and
// rainfed, planted on day 75 and on day 120 of 1996. Each must give an
// above-ground biomass within the reference's range of four cultivars widened
// by 30 % on each side, and a maturity within 7 days of the reference's; the
// rainfed share of the irrigated yield falls when planting moves later.
#include "modeldir.h"

#include "cropmodel/modelrun.h"
#include "shell/sharedstate.h"
#include "support/fixtures.h"

#include <QDate>
#include <QLocale>

using namespace sorghumsim_test;

namespace {

const QString kReferenceInputs = QStringLiteral(ZARN_TEST_DATA_DIR "/sorghumsim/dadn9601/");

struct Variant {
    const char *name;
    int plantingDay;
    int irrigation;         // CROPMAN.sg8 option: 3 automatic, 1 none
    double lowest, highest; // t/ha
    QDate referenceMaturity;
};

const Variant kVariants[] = {
    {"irrigated, day 75", 75, 3, 11.1, 27.2, QDate(1996, 6, 29)},
    {"rainfed, day 75", 75, 1, 6.9, 13.8, QDate(1996, 6, 29)},
    {"irrigated, day 120", 120, 3, 12.3, 29.3, QDate(1996, 8, 18)},
    {"rainfed, day 120", 120, 1, 3.1, 6.1, QDate(1996, 8, 7)},
};

void prepare(const ModelDir &dir, const Variant &v) {
    dir.setManagement(6, 3, QString::number(v.plantingDay));
    dir.setIrrigation(v.irrigation);
}

// "29 JUN" of the maturity row, in 1996.
QDate maturityOf(const QString &dayMonth) {
    return QLocale::c().toDate(dayMonth + " 1996", "dd MMM yyyy");
}

// The value after `label` on the OUT5.SG line that starts with it.
double summaryValue(const ModelDir &dir, const QString &label) {
    for (const QString &line : dir.lines("OUT5.SG"))
        if (line.trimmed().startsWith(label))
            return line.mid(line.indexOf(label) + label.size())
                .trimmed()
                .section(' ', 0, 0)
                .toDouble();
    ADD_FAILURE() << "no " << label.toStdString() << " in OUT5.SG";
    return -1;
}

} // namespace

TEST(SorghumSimReference, FourVariantsLieWithinTheReferenceRanges) {
    double yields[4] = {};
    for (int i = 0; i < 4; ++i) {
        const Variant &v = kVariants[i];
        SCOPED_TRACE(v.name);
        ModelDir dir(kReferenceInputs);
        prepare(dir, v);
        yields[i] = runYield(dir);
        EXPECT_GE(yields[i], v.lowest);
        EXPECT_LE(yields[i], v.highest);

        const auto out = zarn::cropmodel::ScanModelOutput(dir.path(), "OUT1.SG");
        const QDate maturity = maturityOf(out.maturityDate);
        ASSERT_TRUE(maturity.isValid()) << out.maturityDate.toStdString();
        EXPECT_LE(std::abs(maturity.daysTo(v.referenceMaturity)), 7)
            << maturity.toString(Qt::ISODate).toStdString();

        // The water balance the reference showed: rain runs off, the soil
        // evaporates, and some of the growth goes to the roots.
        EXPECT_GT(summaryValue(dir, "Runoff"), 10.0);
        EXPECT_GT(summaryValue(dir, "Soil evaporation"), 80.0);
        EXPECT_GT(summaryValue(dir, "Root dry biomass"), 0.5);
    }
    EXPECT_LT(yields[3] / yields[2], yields[1] / yields[0])
        << "the rainfed share falls when planting moves later";
}

// The same inputs run by the application ("Run Model", then the run-result
// reading of the yield) give the same yields as the model run by itself.
TEST(SorghumSimReference, TheProgramReadsTheSameYields) {
    const QString home = QDir::currentPath();
    for (const Variant &v : kVariants) {
        SCOPED_TRACE(v.name);
        ModelDir alone(kReferenceInputs);
        prepare(alone, v);
        const double expected = runYield(alone);

        zarn::test::TempBundle bundle;
        for (const QString &name : QDir(kReferenceInputs).entryList(QDir::Files)) {
            QFile::remove(zarn::cropmodel::findFile(bundle.ceresPath(), name));
            ASSERT_TRUE(QFile::copy(kReferenceInputs + name, bundle.ceresPath() + name));
            QFile::setPermissions(bundle.ceresPath() + name,
                                  QFile::permissions(bundle.ceresPath() + name) |
                                      QFileDevice::WriteOwner);
        }
        // the bundle's copy is prepared as the private directory was
        ModelDir same(kReferenceInputs);
        prepare(same, v);
        QFile::remove(bundle.ceresPath() + "CROPMAN.sg8");
        ASSERT_TRUE(QFile::copy(same.path() + "CROPMAN.sg8", bundle.ceresPath() + "CROPMAN.sg8"));

        zarn::test::ScriptedMessages boxes;
        zarn::SharedState state;
        state.gSystemPath = bundle.path();
        state.gCeresPath = bundle.ceresPath();
        const auto report = zarn::cropmodel::runCropModel(state);
        EXPECT_EQ(report.exitCode, 0) << report.errorOutput.toStdString();
        const float yield = zarn::cropmodel::readRunYield(state, report);
        EXPECT_FLOAT_EQ(yield, static_cast<float>(expected));
        EXPECT_EQ(state.gYieldCount, 1);
        QDir::setCurrent(home);
    }
}

// Rainfed, planted on day 120, the crop dries out, its leaves die and it
// matures early; still, each larger irrigation on the same days gives at
// least the yield of the smaller one.
TEST(SorghumSimReference, LargerIrrigationNeverLowersTheYieldOfTheDryVariant) {
    double previous = 0;
    for (const QString amount : {"0.0", "10.0", "25.0", "50.0", "100.0"}) {
        SCOPED_TRACE(amount.toStdString());
        ModelDir dir(kReferenceInputs);
        prepare(dir, kVariants[3]);
        dir.setIrrigation(2);
        dir.write("irrigate.sg6", {" 1 dadn9601", " 140 " + amount, " 170 " + amount,
                                   " 200 " + amount, "  -1   -1"});
        const double yield = runYield(dir);
        EXPECT_GE(yield, previous);
        previous = yield;
    }
}
