// The crop-model directory as the bundle ships it: every experiment's files
// belong to its own site and fit its dates, and the crop model runs each
// experiment to maturity.
#include "cropmodel/experiments.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/modeloutput.h"
#include "cropmodel/numbers.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "data/lookup.h"
#include "support/fixtures.h"

#include "printing.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;

namespace {

// The site of an experiment, from Sorghum.mdb.
struct SiteRow {
    double latitude = 0;
    double longitude = 0;
    int soil = 0;
};

SiteRow siteOf(const QString &programDir, const QString &shortSite) {
    const db::Database d = db::Database::open(programDir + "Sorghum.mdb");
    const auto row = db::lastMatch(d, "Sites", "ShortSite", shortSite);
    if (!row) {
        ADD_FAILURE() << "no Sites row for " << shortSite.toStdString();
        return {};
    }
    return {row->number("Latitude"), row->number("Longitude"),
            int(row->integer("Default Soil Type"))};
}

// Runs the crop model in `ceresDir`; its exit status and what it said.
std::pair<int, QString> runModel(const QString &ceresDir) {
    QProcess p;
    p.setWorkingDirectory(ceresDir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(findFile(ceresDir, "sorghum.exe"), {});
    if (!p.waitForFinished(60000))
        return {-1, "did not finish"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

} // namespace

TEST(SampleData, EveryExperimentsFilesBelongToItsSiteAndDates) {
    test::TempBundle bundle;
    const QString ceres = bundle.ceresPath();
    const auto experiments = ReadExperiments(ceres);
    ASSERT_GE(experiments.size(), 4u);
    // The experiment the program starts with is the default institute's and site's.
    EXPECT_EQ(experiments.back().code(), "hchf9601");

    for (const ExperimentRecord &e : experiments) {
        SCOPED_TRACE(e.code().toStdString());
        const QString code = e.code().toUpper();
        const QString instSite = code.left(4);
        const int year = 1900 + code.mid(4, 2).toInt();
        const SiteRow site = siteOf(bundle.path(), code.mid(2, 2));

        // Weather: the site's header and an unbroken run of days of the year.
        const QString weatherName = e.file1().trimmed();
        ASSERT_TRUE(fileExists(ceres, weatherName)) << weatherName.toStdString();
        const QStringList weather = readLines(ceres, weatherName);
        ASSERT_GE(weather.size(), 2);
        EXPECT_EQ(weather[0], instSite + " " + FormatNumber(site.latitude, "##0.00") + " " +
                                  FormatNumber(site.longitude, "##0.00"));
        int firstDay = 0, lastDay = 0;
        for (qsizetype i = 1; i < weather.size(); ++i) {
            const QStringList f = weather[i].split(' ', Qt::SkipEmptyParts);
            ASSERT_GE(f.size(), 6) << weather[i].toStdString();
            EXPECT_EQ(f[0], instSite);
            EXPECT_EQ(f[1].toInt(), year % 100);
            const int day = f[2].left(f[2].indexOf('.') - 3).toInt();
            if (i == 1)
                firstDay = day;
            else
                ASSERT_EQ(day, lastDay + 1)
                    << "a day is missing before " << weather[i].toStdString();
            lastDay = day;
        }

        // Crop management: the experiment's own header, the site's soil, a
        // season inside the weather.
        const QString cropName = e.file2().trimmed();
        ASSERT_TRUE(fileExists(ceres, cropName)) << cropName.toStdString();
        const QStringList crop = readLines(ceres, cropName);
        ASSERT_EQ(crop.size(), 2);
        EXPECT_TRUE(crop[0].startsWith(code)) << crop[0].toStdString();
        EXPECT_EQ(LeadingNumber(column(crop[0], 54, 4)), site.soil) << crop[0].toStdString();
        const auto values = CropManagementFromLines(crop);
        ASSERT_TRUE(values);
        EXPECT_GE(values->startDay, firstDay);
        EXPECT_GE(values->plantingDay, values->startDay);
        // Sorghum needs three months or more from planting to maturity.
        EXPECT_GE(lastDay, values->plantingDay + 100);
        EXPECT_LE(lastDay, QDate::isLeapYear(year) ? 366 : 365);

        // Soil profile and initial conditions of the site's soil.
        const QStringList soil = SoilProfileLines(bundle.path(), site.soil);
        EXPECT_EQ(readLines(ceres, e.file(4).trimmed()), soil);
        const QStringList initial = readLines(ceres, e.file(5).trimmed());
        ASSERT_FALSE(initial.isEmpty());
        EXPECT_TRUE(initial[0].startsWith(code)) << initial[0].toStdString();
        std::vector<double> depths;
        for (qsizetype i = 2; i + 1 < soil.size(); ++i)
            depths.push_back(LeadingNumber(column(soil[i], 1, 6)));
        EXPECT_EQ(initial, InitialConditionsLines(initial[0], depths));
    }
}

TEST(SampleData, TheModelRunsEveryExperimentToMaturity) {
    test::TempBundle shipped;
    const auto experiments = ReadExperiments(shipped.ceresPath());
    for (size_t i = 0; i < experiments.size(); ++i) {
        const ExperimentRecord &e = experiments[i];
        SCOPED_TRACE(e.code().toStdString());
        test::TempBundle bundle;
        const QString ceres = bundle.ceresPath();
        if (i + 1 < experiments.size()) {
            // Made the last experiment as the experiment window does (deleted
            // and created again), with its crop management and soil in the
            // files the crop-management and soil windows write.
            DeleteExperiment(ceres, e.code());
            AppendExperiment(ceres, e);
            writeLines(ceres, kCropManagementFile, readLines(ceres, e.file2().trimmed()));
            writeLines(ceres, kSoilProfileFile, readLines(ceres, e.file(4).trimmed()));
        }
        const auto [status, said] = runModel(ceres);
        EXPECT_EQ(status, 0) << said.toStdString();
        const ModelOutput out = ScanModelOutput(ceres, "OUT1.SG");
        EXPECT_TRUE(out.maturityFound);
        EXPECT_GT(out.yield, 1.0);
    }
}

TEST(SampleData, StartupLeavesTheShippedInitialConditionsAsTheyAre) {
    // Startup rewrites the last experiment's initial conditions for the
    // default soil; the shipped file already is that.
    test::TempBundle bundle;
    const QString name = InitialConditionsFileName(bundle.ceresPath());
    const QByteArray before = test::bytesOf(bundle.ceresPath() + name);
    WriteInitialConditions(bundle.path(), bundle.ceresPath(), 1);
    EXPECT_EQ(test::bytesOf(bundle.ceresPath() + name), before);
}
