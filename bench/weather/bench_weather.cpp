// Times the station-file import of a ten-year hourly file into an empty
// CeresWeather against awk aggregating the same file to daily rows, then
// "Check a Year" and a one-year weather file on the filled table.
//   bench_weather STATION_FILE AWK_SCRIPT [REPEATS]
#include "cropmodel/weather.h"
#include "shell/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zarn::cropmodel;

namespace {

// The median of `repeats` timed runs of `run`, in milliseconds; `prepare`
// runs before each, untimed.
double medianMs(int repeats, const std::function<void()> &prepare,
                const std::function<void()> &run) {
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        run();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_weather STATION_FILE AWK_SCRIPT [REPEATS]\n");
        return 2;
    }
    const QString station = QString::fromLocal8Bit(argv[1]);
    const QString script = QString::fromLocal8Bit(argv[2]);
    const int repeats = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    QTemporaryDir work;
    const QString db = work.filePath("Sorghum.mdb");
    const QString ceres = work.path() + "/WINCERES/";
    QDir().mkpath(ceres);

    int lines = 0;
    {
        QFile f(station);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[1]);
            return 1;
        }
        while (!f.atEnd()) {
            f.readLine();
            ++lines;
        }
    }
    try {
        const int year = StationFileYear(station);
        WeatherImportResult result;
        const double importMs = medianMs(
            repeats,
            [&] { // an empty CeresWeather each time
                QFile::remove(db);
                QFile::copy(ZARN_BUNDLE_DIR "/Sorghum.mdb", db);
                QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
            },
            [&] { result = ImportStationFile(station, db, "HC", "HF", year, false); });

        int awkStatus = 0;
        const double awkMs = medianMs(
            repeats, [] {},
            [&] {
                QProcess awk;
                awk.setStandardOutputFile(work.filePath("daily.txt"));
                awk.start("awk", {"-f", script, station});
                awk.waitForFinished(-1);
                awkStatus = awk.exitStatus() == QProcess::NormalExit ? awk.exitCode() : -1;
            });
        if (awkStatus != 0) {
            std::fprintf(stderr, "awk failed\n");
            return 1;
        }

        YearCheck check;
        const double checkMs = medianMs(
            repeats, [] {},
            [&] { check = CheckWeatherYear(db, work.path() + "/", "HC", "HF", 1996); });
        GeneratedWeatherFile file;
        const double generateMs = medianMs(
            repeats, [] {},
            [&] {
                file = GenerateWeatherFile(db, ceres, "HCHF0111.W96", "HC", "HF", {1, 1, 1996},
                                           {31, 12, 1996});
            });

        std::printf("station file: %d lines, %d complete days, %d stored\n", lines,
                    result.daysComplete, result.daysAdded);
        std::printf("median of %d runs:\n", repeats);
        std::printf("  import into an empty CeresWeather  %8.1f ms\n", importMs);
        std::printf("  awk aggregation to daily rows      %8.1f ms\n", awkMs);
        std::printf("  import / awk                       %8.2f (target: at most 1)\n",
                    importMs / awkMs);
        std::printf("  Check a Year (1996, %d missing)    %8.1f ms (target: under 100)\n",
                    int(check.missingDays.size()), checkMs);
        std::printf("  one-year weather file (%d days)   %8.1f ms (target: under 100)\n", file.days,
                    generateMs);
    } catch (const zarn::UserError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
