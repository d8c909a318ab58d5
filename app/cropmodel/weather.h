#pragma once
// Daily weather of the crop model: table CeresWeather of Sorghum.mdb, filled
// from hourly weather-station files, checked year by year for missing days,
// and written out as CERES daily weather files for a chosen period.
//
// Station file ("*.w??"): each hour is two lines, A then B, read by columns
// with LeadingNumber:
//   A  13-18 day of year, 24-29 hour as hhmm (0, 100, ... 2300),
//      33-38 mean radiation of the hour, 54-58 temperature of the hour
//   B  33-38 rainfall of the hour
// Characters 7-8 of the file's name are the two-digit year the file starts in
// (the year after the change when the file runs over a year end).
//
// Years are stored as the year modulo 100 everywhere (1996 is 96, 2003 is 3,
// the year after 99 is 0).
//
// CeresWeather holds one row per institute, site, year and day (its index
// CeresWeather is unique on these four columns, texts compared without regard
// to case). The four measurements are kept as the formatted texts that go
// unchanged into the weather files: radiation "000.00", maximum and minimum
// temperature and rainfall "000.0".

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarn::cropmodel {

inline const QString kWeatherTable = QStringLiteral("CeresWeather");
inline const QString kWeatherIndex = QStringLiteral("CeresWeather");
inline const QString kStationPattern = QStringLiteral("*.w??");
inline const QString kMissingDaysFile = QStringLiteral("MetMiss.dat");
// At most this many lines of a station file are shown by the preview.
inline constexpr int kPreviewLines = 100;

// The year a station file starts in, from characters 7-8 of its name (the
// name without its directory), as a two-digit year. A name whose characters
// 7-8 are not two digits throws UserError naming the file.
int StationFileYear(const QString &fileName);

// The output name shown beside a chosen station file: its directory, then its
// name without the last three characters followed by "met". Nothing is
// written under this name.
QString StationOutputName(const QString &stationPath);

// "Load File": the first lines of the station file and whether the day number
// falls back (a change of year) before the end of the file. The lines are
// taken one by one from the first; on every odd line (the A lines) the day is
// read, and a day smaller than the one before is a change of year, after which
// no more lines are taken. At most kPreviewLines of the lines taken are kept.
struct StationPreview {
    QStringList lines;
    bool yearChange = false;
};
// A file that cannot be read throws UserError naming it.
StationPreview PreviewStationFile(const QString &stationPath);

// What an import left to show: the three counters and the values of the last
// hour read (the running maximum, minimum and sums of the day then in
// progress; the radiation field shows the mean of the hours of the last day
// closed).
struct WeatherImportResult {
    int daysComplete = 0; // days with all 24 hours
    int daysAdded = 0;    // complete days stored
    int daysPresent = 0;  // complete days already in the table, left as they were
    int lastDay = 0;
    int lastHour = 0;
    int year = 0; // two-digit year reached at the end of the file
    double maximum = 0;
    double minimum = 0;
    double radiation = 0; // mean hourly radiation of the last day closed
    double rainfall = 0;  // rainfall sum of the last day closed
};

// "Process the File": adds the complete days of the station file to
// CeresWeather of `databasePath` under (institute, site, year, day).
// `startYear` is the two-digit year of the file's name; with `yearChange` the
// days before the first day 1 belong to the year before it. The year advances
// each time a day 1 begins. Every day with all 24 hours is stored (the last
// day of the file too) when its key is not in the table yet; a day with a
// missing hour is left out. Radiation is stored as the day's total
// (sum of the hourly means x 3600 / 1 000 000).
//
// All or nothing: the whole file is checked before anything is written, and
// the rows go in one transaction. An empty file, a last A line without its B
// line, an hour outside 0-2300 or not a whole hundred, or a day outside 1-366
// throw UserError naming the file (and the line); the table is then as it was.
WeatherImportResult ImportStationFile(const QString &stationPath, const QString &databasePath,
                                      const QString &institute, const QString &site, int startYear,
                                      bool yearChange);

// A date as chosen in the day, month and year lists; it may not exist
// (31 February), which the operations below refuse.
struct ChosenDate {
    int day = 0;
    int month = 0; // 1..12
    int year = 0;  // four digits

    QDate date() const { return QDate(year, month, day); } // invalid when it does not exist
    // day + " " + month name + " " + year, as the start and end fields show it.
    QString text() const;
};

// "January" ... "December".
QString MonthName(int month);

// The name of a generated weather file: institute + site + the start month
// (two digits) + the number of months from the start month to the end month
// counted across years (two digits) + ".W" + the start's two-digit year
// ("HCHF0408.W96"). A date that does not exist, an end before the start or a
// span over 99 months throws UserError.
QString WeatherFileNameFor(const QString &institute, const QString &site, const ChosenDate &start,
                           const ChosenDate &end);

// "Generate File": writes the CERES weather file `fileName` into `ceresDir`
// for every day from `start` to `end` (real dates, across year ends) that
// CeresWeather of `databasePath` holds for (institute, site). Line 1 is
// institute + site + " " + latitude + " " + longitude ("##0.00") of the last
// Sites row of the site; then one line per day found. `fileName` must be a
// plain file name (no directory, no ".."). Refused with UserError, nothing
// written: a date that does not exist, a start after the end, a site without
// a Sites row (named by its code), a bad file name. The file is written whole
// or not at all. Returns the full path written and the number of day lines.
struct GeneratedWeatherFile {
    QString path;
    int days = 0;
};
GeneratedWeatherFile GenerateWeatherFile(const QString &databasePath, const QString &ceresDir,
                                         const QString &fileName, const QString &institute,
                                         const QString &site, const ChosenDate &start,
                                         const ChosenDate &end);

// "Check a Year": writes kMissingDaysFile into `dir` (rewritten each time):
// "Records Missing from the year <year>", then "<year> <day>" for every day of
// the year (366 in a leap year) that CeresWeather has no row for. Returns the
// full path written and the missing days.
struct YearCheck {
    QString path;
    QList<int> missingDays;
};
YearCheck CheckWeatherYear(const QString &databasePath, const QString &dir,
                           const QString &institute, const QString &site, int year);

// The institute and site of the last Defaults row of `databasePath`
// (columns Institute, Inst, Site, ShortSite), which the import stores its
// days under. An empty Defaults table throws UserError.
struct WeatherSite {
    QString institute;
    QString inst;
    QString site;
    QString shortSite;
};
WeatherSite ReadWeatherSite(const QString &databasePath);

// The rows of a reference table as name and code, in table order: table
// Institutes (Institute, Inst) or Sites (Sites, ShortSite).
struct NameAndCode {
    QString name;
    QString code;
};
QList<NameAndCode> ReadInstituteCodes(const QString &databasePath);
QList<NameAndCode> ReadSiteCodes(const QString &databasePath);

} // namespace zarn::cropmodel
