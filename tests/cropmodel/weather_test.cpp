// Daily weather: importing hourly station files into CeresWeather, checking a
// year for missing days, and generating CERES weather files.
#include "cropmodel/textfiles.h"
#include "cropmodel/weather.h"
#include "data/database.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include "printing.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

// One hour of a made-up station file.
struct Hour {
    int day;
    int hour;
    double radiation = 250;
    double temperature = 20;
    double rainfall = 0;
};

QByteArray stationBytes(const std::vector<Hour> &hours) {
    QByteArray out;
    for (const Hour &h : hours) {
        out += QString::asprintf("TEST01   A  %6d%5d%6d   %6.1f %6.1f %6.1f %5.1f\r\n", h.day, 1996,
                                 h.hour, h.radiation, 70.0, 3.0, h.temperature)
                   .toLatin1();
        out += QString::asprintf("TEST01   B  %6d%5d%6d   %6.1f %6.1f\r\n", h.day, 1996, h.hour,
                                 h.rainfall, 1013.0)
                   .toLatin1();
    }
    return out;
}

// Every hour of `day`, except those in `missing`.
std::vector<Hour> wholeDay(int day, double temperature = 20, std::set<int> missing = {}) {
    std::vector<Hour> hours;
    for (int h = 0; h < 24; ++h)
        if (!missing.count(h * 100))
            hours.push_back(Hour{day, h * 100, 250, temperature + h % 3, h == 12 ? 1.5 : 0});
    return hours;
}

std::vector<Hour> days(std::initializer_list<std::vector<Hour>> parts) {
    std::vector<Hour> all;
    for (const auto &p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct WeatherRow {
    QString radiation, maximum, minimum, rainfall;
    bool operator==(const WeatherRow &) const = default;
};

// A bundle copy with an empty CeresWeather; station files go beside it.
struct WeatherBundle {
    test::TempBundle bundle;
    QString db() const { return bundle.file("Sorghum.mdb"); }
    QString station(const QString &name, const QByteArray &bytes) const {
        putBytes(bundle.file(name), bytes);
        return bundle.file(name);
    }
    WeatherImportResult import(const QString &path, bool yearChange = false) const {
        return ImportStationFile(path, db(), "HC", "HF", StationFileYear(path), yearChange);
    }
    // (year, day) -> stored texts
    std::map<std::pair<int, int>, WeatherRow> rows() const {
        std::map<std::pair<int, int>, WeatherRow> out;
        db::Database d = db::Database::open(db());
        for (db::Cursor c = d.openTable("CeresWeather"); !c.eof(); c.moveNext())
            out[{int(c.integer("Year")), int(c.integer("JulianDay"))}] =
                WeatherRow{c.text("DayTotalSolarRadiation"), c.text("MaximumTemperature"),
                           c.text("MinimumTemperature"), c.text("Rainfall")};
        return out;
    }
};

} // namespace

TEST(StationImport, StoresCompleteDaysWithTheirTotalsAndSkipsIncompleteOnes) {
    WeatherBundle w;
    // Day 10 lies entirely below zero; day 11 lacks its 13:00 hour; day 12
    // is the last day of the file.
    const QString file = w.station("HCHFWS96.W01", stationBytes(days({
                                                       wholeDay(10, -6),
                                                       wholeDay(11, 15, {1300}),
                                                       wholeDay(12, 18),
                                                   })));
    const WeatherImportResult r = w.import(file);
    EXPECT_EQ(r.daysComplete, 2);
    EXPECT_EQ(r.daysAdded, 2);
    EXPECT_EQ(r.daysPresent, 0);
    EXPECT_EQ(r.year, 96);
    const auto rows = w.rows();
    ASSERT_EQ(rows.size(), 2u);
    // 24 hours of 250 W/m2: 250 x 24 x 3600 / 1 000 000 = 21.6 MJ/m2.
    EXPECT_EQ(rows.at({96, 10}), (WeatherRow{"021.60", "-004.0", "-006.0", "001.5"}));
    EXPECT_EQ(rows.at({96, 12}), (WeatherRow{"021.60", "020.0", "018.0", "001.5"}));
    EXPECT_FALSE(rows.count({96, 11}));

    // The same file again: nothing added, every complete day already present.
    const WeatherImportResult again = w.import(file);
    EXPECT_EQ(again.daysComplete, 2);
    EXPECT_EQ(again.daysAdded, 0);
    EXPECT_EQ(again.daysPresent, 2);
    EXPECT_EQ(w.rows(), rows);
}

TEST(StationImport, AFileOverTheYearEndStoresItsFirstDaysUnderTheYearBefore) {
    WeatherBundle w;
    // Named 97: the year after the change. 1996 has 366 days.
    const QString file =
        w.station("HCHFWS97.W02",
                  stationBytes(days({wholeDay(365), wholeDay(366), wholeDay(1), wholeDay(2)})));
    const StationPreview preview = PreviewStationFile(file);
    EXPECT_TRUE(preview.yearChange);
    // The preview stops at the A line of day 1: 2 days of 48 lines, then that line.
    EXPECT_EQ(preview.lines.size(), 97);

    const WeatherImportResult r = w.import(file, preview.yearChange);
    EXPECT_EQ(r.daysAdded, 4);
    EXPECT_EQ(r.year, 97);
    std::set<std::pair<int, int>> keys;
    for (const auto &[key, row] : w.rows())
        keys.insert(key);
    EXPECT_EQ(keys, (std::set<std::pair<int, int>>{{96, 365}, {96, 366}, {97, 1}, {97, 2}}));

    // Over 99: the year after 99 is 0.
    WeatherBundle w2;
    const QString century =
        w2.station("HCHFWS00.W02", stationBytes(days({wholeDay(365), wholeDay(1)})));
    EXPECT_EQ(StationFileYear(century), 0);
    w2.import(century, PreviewStationFile(century).yearChange);
    std::set<std::pair<int, int>> keys2;
    for (const auto &[key, row] : w2.rows())
        keys2.insert(key);
    EXPECT_EQ(keys2, (std::set<std::pair<int, int>>{{99, 365}, {0, 1}}));
}

TEST(StationImport, BadFilesStoreNothingAndNameTheFault) {
    const std::vector<Hour> good = wholeDay(40);
    std::vector<Hour> badHour = days({wholeDay(41), good});
    badHour[30].hour = 650;
    std::vector<Hour> lateHour = good;
    lateHour[5].hour = 2400;
    std::vector<Hour> badDay = good;
    badDay[3].day = 0;
    const QByteArray whole = stationBytes(good);
    const QByteArray oddLines = whole.left(whole.lastIndexOf("TEST01   B"));

    struct Case {
        const char *what;
        QByteArray bytes;
        QString named; // part of the message
    } cases[] = {
        {"hour not a whole hundred", stationBytes(badHour), "line 61"},
        {"hour 2400", stationBytes(lateHour), "\"2400\""},
        {"day 0", stationBytes(badDay), "line 7"},
        {"last A line without its B line", oddLines, "without its B line"},
        {"empty file", QByteArray(), "is empty"},
    };
    for (const Case &c : cases) {
        WeatherBundle w;
        // A day stored before stays exactly as it was.
        w.import(w.station("HCHFWS96.W05", stationBytes(wholeDay(100))));
        const auto before = w.rows();
        const QString file = w.station("HCHFWS96.W09", c.bytes);
        try {
            w.import(file);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains("HCHFWS96.W09"))
                << c.what << ": " << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.named, Qt::CaseInsensitive))
                << c.what << ": " << e.text().toStdString();
        }
        EXPECT_EQ(w.rows(), before) << c.what;
    }
}

TEST(StationImport, TheYearComesFromCharacters7And8OfTheName) {
    EXPECT_EQ(StationFileYear("/data/HCHFWS96.W01"), 96);
    EXPECT_EQ(StationFileYear("abcdef03.w11"), 3);
    for (const char *bad : {"HCHFWSx6.W01", "HCH.W01", "/x/HCHFWS 6.W01"})
        EXPECT_THROW(StationFileYear(bad), UserError) << bad;
    EXPECT_EQ(StationOutputName("/data/HCHFWS96.W01"), "/data/HCHFWS96.met");
}

TEST(StationPreviewTest, ShowsAtMostAHundredLinesWhenTheYearDoesNotChange) {
    WeatherBundle w;
    const StationPreview p = PreviewStationFile(
        w.station("HCHFWS96.W01", stationBytes(days({wholeDay(5), wholeDay(6), wholeDay(7)}))));
    EXPECT_FALSE(p.yearChange);
    ASSERT_EQ(p.lines.size(), kPreviewLines);
    EXPECT_TRUE(p.lines.first().startsWith("TEST01   A"));
}

namespace {

// A bundle with the days of 20 December 1996 to 10 January 1997 imported,
// except 1 January 1997.
struct FilledBundle : WeatherBundle {
    FilledBundle() {
        std::vector<Hour> hours;
        for (int d = 355; d <= 366; ++d) {
            const auto day = wholeDay(d);
            hours.insert(hours.end(), day.begin(), day.end());
        }
        for (int d = 2; d <= 10; ++d) {
            const auto day = wholeDay(d);
            hours.insert(hours.end(), day.begin(), day.end());
        }
        // Day 1 has an hour missing, so the year still advances but no row is stored.
        const auto first = wholeDay(1, 20, {500});
        hours.insert(hours.begin() + 12 * 24, first.begin(), first.end());
        const QString f = station("HCHFWS97.W02", stationBytes(hours));
        import(f, PreviewStationFile(f).yearChange);
    }
    GeneratedWeatherFile generate(const QString &name, ChosenDate from, ChosenDate to) const {
        return GenerateWeatherFile(db(), bundle.ceresPath(), name, "HC", "HF", from, to);
    }
};

} // namespace

TEST(WeatherFileGeneration, WritesTheSiteLineAndEveryStoredDayOfThePeriod) {
    FilledBundle w;
    // One day.
    GeneratedWeatherFile g = w.generate("HCHF1200.W96", {24, 12, 1996}, {24, 12, 1996});
    EXPECT_EQ(g.path, w.bundle.ceresPath() + "HCHF1200.W96");
    EXPECT_EQ(g.days, 1);
    EXPECT_EQ(readLinesAt(g.path),
              (QStringList{"HCHF 51.55 -0.78", "HCHF 96 359021.60 022.0 020.0 001.5"}));

    // Across the year end, in date order, the missing 1 January left out.
    g = w.generate("HCHF1201.W96", {30, 12, 1996}, {3, 1, 1997});
    EXPECT_EQ(g.days, 4);
    EXPECT_EQ(readLinesAt(g.path), (QStringList{
                                       "HCHF 51.55 -0.78",
                                       "HCHF 96 365021.60 022.0 020.0 001.5",
                                       "HCHF 96 366021.60 022.0 020.0 001.5",
                                       "HCHF 97 2021.60 022.0 020.0 001.5",
                                       "HCHF 97 3021.60 022.0 020.0 001.5",
                                   }));
    EXPECT_TRUE(bytesOf(g.path).endsWith("001.5\r\n"));
}

TEST(WeatherFileGeneration, RefusesBadPeriodsSitesAndNamesWithoutWriting) {
    FilledBundle w;
    const ChosenDate a{20, 12, 1996}, b{31, 12, 1996};
    struct Case {
        const char *what;
        QString name;
        ChosenDate from, to;
        QString site;
        QString named;
    } cases[] = {
        {"start after end", "X.W96", b, a, "HF", "after the end"},
        {"31 February", "X.W96", {31, 2, 1996}, b, "HF", "31 February 1996"},
        {"no Sites row", "X.W96", a, b, "QQ", "\"QQ\""},
        {"directory in the name", "../X.W96", a, b, "HF", "../X.W96"},
        {"absolute name", "/tmp/X.W96", a, b, "HF", "/tmp/X.W96"},
        {"empty name", " ", a, b, "HF", "is empty"},
    };
    for (const Case &c : cases) {
        try {
            GenerateWeatherFile(w.db(), w.bundle.ceresPath(), c.name, "HC", c.site, c.from, c.to);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(c.named)) << c.what << ": " << e.text().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(w.bundle.ceresPath() + "X.W96"));
    EXPECT_FALSE(QFile::exists(w.bundle.path() + "X.W96"));

    // A link out of the crop-model directory is not followed.
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    putBytes(victim, "keep");
    ASSERT_TRUE(QFile::link(victim, w.bundle.ceresPath() + "LINK.W96"));
    EXPECT_THROW(w.generate("LINK.W96", a, b), UserError);
    EXPECT_EQ(bytesOf(victim), "keep");
}

TEST(WeatherFileGeneration, FileNameCountsTheMonthsAcrossYears) {
    struct Case {
        ChosenDate from, to;
        const char *name;
    } cases[] = {
        {{1, 4, 1996}, {31, 12, 1996}, "HCHF0408.W96"},
        {{1, 11, 1996}, {28, 2, 1997}, "HCHF1103.W96"},
        {{5, 3, 2003}, {9, 3, 2003}, "HCHF0300.W03"},
        {{1, 1, 1990}, {31, 12, 1998}, "HCHF0107.W90"}, // 107 months: refused below
    };
    for (const Case &c : cases) {
        if (QString(c.name) == "HCHF0107.W90")
            EXPECT_THROW(WeatherFileNameFor("HC", "HF", c.from, c.to), UserError);
        else
            EXPECT_EQ(WeatherFileNameFor("HC", "HF", c.from, c.to), c.name);
    }
    EXPECT_EQ(WeatherFileNameFor("HC", "HF", {1, 1, 1990}, {1, 4, 1998}), "HCHF0199.W90");
    EXPECT_THROW(WeatherFileNameFor("HC", "HF", {2, 1, 1997}, {1, 1, 1997}), UserError);
    EXPECT_THROW(WeatherFileNameFor("HC", "HF", {30, 2, 1997}, {1, 3, 1997}), UserError);
    EXPECT_EQ((ChosenDate{3, 9, 1996}.text()), "3 September 1996");
}

TEST(WeatherYearCheck, ListsEveryDayWithoutARow) {
    WeatherBundle empty;
    const QString dir = empty.bundle.path();
    struct Case {
        int year;
        int missing;
    } cases[] = {{1996, 366}, {1997, 365}, {2000, 366}, {1900, 365}};
    for (const Case &c : cases) {
        const YearCheck check = CheckWeatherYear(empty.db(), dir, "HC", "HF", c.year);
        EXPECT_EQ(check.missingDays.size(), c.missing) << c.year;
        EXPECT_EQ(check.path, dir + "MetMiss.dat");
        const QStringList lines = readLinesAt(check.path);
        ASSERT_EQ(lines.size(), c.missing + 1);
        EXPECT_EQ(lines.first(), QString("Records Missing from the year %1").arg(c.year));
        EXPECT_EQ(lines[32], QString("%1 32").arg(c.year));
    }

    FilledBundle w;
    const YearCheck y97 = CheckWeatherYear(w.db(), w.bundle.path(), "hc", "hf", 1997);
    EXPECT_EQ(y97.missingDays.size(), 365 - 9); // days 2-10 are there, case ignored
    EXPECT_EQ(y97.missingDays.first(), 1);
    EXPECT_EQ(y97.missingDays[1], 11);
    const YearCheck y96 = CheckWeatherYear(w.db(), w.bundle.path(), "HC", "HF", 1996);
    EXPECT_EQ(y96.missingDays.size(), 366 - 12);
    EXPECT_EQ(y96.missingDays.last(), 354);
}
