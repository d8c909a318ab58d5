#include "cropmodel/weather.h"

#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "data/lookup.h"
#include "shell/usererror.h"

#include <QFileInfo>
#include <array>
#include <bitset>
#include <limits>
#include <vector>

namespace zarn::cropmodel {

namespace {

const QString kWeatherErrorTitle = QStringLiteral("Weather Data");

[[noreturn]] void weatherError(const QString &text) {
    throw UserError(kWeatherErrorTitle, text);
}

QString baseName(const QString &path) {
    return QFileInfo(path).fileName();
}

int twoDigits(int year) {
    return ((year % 100) + 100) % 100;
}

// One hour of a station file, as read from its A and B lines.
struct StationHour {
    int day = 0;
    int hour = 0;
    double radiation = 0;
    double temperature = 0;
    double rainfall = 0;
};

int dayOfLine(const QString &line) {
    return static_cast<int>(LeadingNumber(column(line, 13, 6)));
}

// Reads and checks every hour of the file before anything is stored.
std::vector<StationHour> readStationHours(const QString &path) {
    const QStringList lines = readLinesAt(path, QStringLiteral("reading the station file"));
    if (lines.isEmpty())
        fileError(QStringLiteral("The station file %1 is empty; nothing was stored.").arg(path));
    if (lines.size() % 2 != 0)
        fileError(QStringLiteral("The station file %1 ends with an A line (line %2) without its B "
                                 "line; nothing was stored.")
                      .arg(path)
                      .arg(lines.size()));
    std::vector<StationHour> hours;
    hours.reserve(size_t(lines.size() / 2));
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const QString &a = lines[i];
        const QString &b = lines[i + 1];
        StationHour h;
        const double day = LeadingNumber(column(a, 13, 6));
        const double hour = LeadingNumber(column(a, 24, 6));
        const int lineNumber = int(i) + 1;
        if (day < 1 || day > 366 || day != static_cast<int>(day))
            fileError(QStringLiteral("Line %1 of the station file %2 gives the day \"%3\" "
                                     "(columns 13-18); a day of the year is 1 to 366. Nothing was "
                                     "stored.")
                          .arg(lineNumber)
                          .arg(path, column(a, 13, 6).trimmed()));
        if (hour < 0 || hour > 2300 || hour != static_cast<int>(hour) ||
            static_cast<int>(hour) % 100 != 0)
            fileError(QStringLiteral("Line %1 of the station file %2 gives the hour \"%3\" "
                                     "(columns 24-29); an hour is 0, 100, ... 2300. Nothing was "
                                     "stored.")
                          .arg(lineNumber)
                          .arg(path, column(a, 24, 6).trimmed()));
        h.day = static_cast<int>(day);
        h.hour = static_cast<int>(hour);
        h.radiation = LeadingNumber(column(a, 33, 6));
        h.temperature = LeadingNumber(column(a, 54, 5));
        h.rainfall = LeadingNumber(column(b, 33, 6));
        hours.push_back(h);
    }
    return hours;
}

// The sums of the day in progress.
struct DayInProgress {
    std::bitset<24> hoursSeen;
    double maximum = -std::numeric_limits<double>::infinity();
    double minimum = std::numeric_limits<double>::infinity();
    double radiation = 0;
    double rainfall = 0;
};

QString checkedWeatherFileName(const QString &fileName, const QString &ceresDir) {
    const QString plain = fileName.trimmed();
    QString problem;
    if (plain.isEmpty())
        problem = QStringLiteral("is empty");
    else if (plain.contains(u'/') || plain.contains(u'\\') || plain.contains(u':'))
        problem = QStringLiteral("contains a directory");
    else if (plain.contains(QStringLiteral("..")))
        problem = QStringLiteral("contains \"..\"");
    else {
        for (const QChar c : plain)
            if (c.unicode() < 32 || c.unicode() == 127)
                problem = QStringLiteral("contains a control character");
    }
    if (!problem.isEmpty())
        weatherError(QStringLiteral("The weather file name \"%1\" %2; only a plain file name "
                                    "inside the crop-model directory %3 is accepted.")
                         .arg(plain, problem, ceresDir));
    return plain;
}

} // namespace

int StationFileYear(const QString &fileName) {
    const QString name = baseName(fileName);
    const QString digits = name.mid(6, 2);
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (digits.size() != 2 || !isDigit(digits[0]) || !isDigit(digits[1]))
        weatherError(QStringLiteral("The station file %1 cannot be used: characters 7-8 of its "
                                    "name must be the two digits of its year, not \"%2\".")
                         .arg(name, digits));
    return digits.toInt();
}

QString StationOutputName(const QString &stationPath) {
    const QFileInfo info(stationPath);
    QString dir = info.path();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir + info.fileName().chopped(qMin<qsizetype>(3, info.fileName().size())) +
           QStringLiteral("met");
}

StationPreview PreviewStationFile(const QString &stationPath) {
    const QStringList lines = readLinesAt(stationPath, QStringLiteral("reading the station file"));
    StationPreview preview;
    if (lines.isEmpty())
        return preview;
    int previous = dayOfLine(lines.first());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (preview.lines.size() < kPreviewLines)
            preview.lines << lines[i];
        if (i % 2 == 0) { // odd line count: an A line
            const int day = dayOfLine(lines[i]);
            if (day < previous) {
                preview.yearChange = true;
                break;
            }
            previous = day;
        }
    }
    return preview;
}

WeatherImportResult ImportStationFile(const QString &stationPath, const QString &databasePath,
                                      const QString &institute, const QString &site, int startYear,
                                      bool yearChange) {
    const std::vector<StationHour> hours = readStationHours(stationPath);

    db::Database database = db::Database::open(databasePath);
    db::Cursor table = database.openTableCursor(kWeatherTable);
    table.setIndex(kWeatherIndex);
    db::Transaction transaction(database);

    WeatherImportResult result;
    int year = twoDigits(startYear);
    if (yearChange)
        year = twoDigits(year - 1);
    DayInProgress today;
    int currentDay = 0; // unset

    const auto closeDay = [&] {
        result.radiation = today.radiation / 24.0;
        result.rainfall = today.rainfall;
        if (today.hoursSeen.all()) {
            ++result.daysComplete;
            table.seek(QVariantList{institute, site, year, currentDay});
            if (table.noMatch()) {
                table.addNew();
                table.setValue(QStringLiteral("InstituteCode"), institute);
                table.setValue(QStringLiteral("SiteCode"), site);
                table.setValue(QStringLiteral("Year"), year);
                table.setValue(QStringLiteral("JulianDay"), currentDay);
                table.setValue(
                    QStringLiteral("DayTotalSolarRadiation"),
                    FormatNumber(today.radiation * 3600.0 / 1000000.0, QStringLiteral("000.00")));
                table.setValue(QStringLiteral("MaximumTemperature"),
                               FormatNumber(today.maximum, QStringLiteral("000.0")));
                table.setValue(QStringLiteral("MinimumTemperature"),
                               FormatNumber(today.minimum, QStringLiteral("000.0")));
                table.setValue(QStringLiteral("Rainfall"),
                               FormatNumber(today.rainfall, QStringLiteral("000.0")));
                table.update();
                ++result.daysAdded;
            } else {
                ++result.daysPresent;
            }
        }
    };

    for (const StationHour &h : hours) {
        if (currentDay == 0)
            currentDay = h.day;
        if (h.day != currentDay) {
            closeDay();
            if (h.day == 1)
                year = twoDigits(year + 1);
            today = DayInProgress();
            currentDay = h.day;
        }
        today.hoursSeen.set(size_t(h.hour / 100));
        if (h.temperature > today.maximum)
            today.maximum = h.temperature;
        if (h.temperature < today.minimum)
            today.minimum = h.temperature;
        today.radiation += h.radiation;
        today.rainfall += h.rainfall;
        result.lastDay = h.day;
        result.lastHour = h.hour;
        result.maximum = today.maximum;
        result.minimum = today.minimum;
    }
    closeDay(); // the last day of the file, by the same rule
    transaction.commit();
    result.year = year;
    return result;
}

QString MonthName(int month) {
    static const std::array<const char *, 12> names = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(names[size_t(month - 1)]);
}

QString ChosenDate::text() const {
    return QString::number(day) + u' ' + MonthName(month) + u' ' + QString::number(year);
}

namespace {

QDate existingDate(const ChosenDate &d, const QString &which) {
    const QDate date = d.date();
    if (!date.isValid())
        weatherError(QStringLiteral("The %1 %2 does not exist; choose a day of that month.")
                         .arg(which, d.text()));
    return date;
}

// Checks both dates and their order; returns them.
std::pair<QDate, QDate> checkedPeriod(const ChosenDate &start, const ChosenDate &end) {
    const QDate from = existingDate(start, QStringLiteral("start date"));
    const QDate to = existingDate(end, QStringLiteral("end date"));
    if (from > to)
        weatherError(QStringLiteral("The start date %1 is after the end date %2; choose a start "
                                    "on or before the end.")
                         .arg(start.text(), end.text()));
    return {from, to};
}

} // namespace

QString WeatherFileNameFor(const QString &institute, const QString &site, const ChosenDate &start,
                           const ChosenDate &end) {
    checkedPeriod(start, end);
    const int span = (end.year * 12 + end.month) - (start.year * 12 + start.month);
    if (span > 99)
        weatherError(QStringLiteral("The period %1 to %2 spans %3 months; a weather file covers "
                                    "at most 99 months.")
                         .arg(start.text(), end.text())
                         .arg(span));
    return institute + site + QStringLiteral("%1").arg(start.month, 2, 10, QLatin1Char('0')) +
           QStringLiteral("%1").arg(span, 2, 10, QLatin1Char('0')) + QStringLiteral(".W") +
           QStringLiteral("%1").arg(twoDigits(start.year), 2, 10, QLatin1Char('0'));
}

GeneratedWeatherFile GenerateWeatherFile(const QString &databasePath, const QString &ceresDir,
                                         const QString &fileName, const QString &institute,
                                         const QString &site, const ChosenDate &start,
                                         const ChosenDate &end) {
    const auto [from, to] = checkedPeriod(start, end);
    const QString name = checkedWeatherFileName(fileName, ceresDir);
    const QString path = findFile(ceresDir, name);
    const QFileInfo target(path);
    if (target.isSymLink()) {
        const QString resolved = target.canonicalFilePath();
        const QString dir = QFileInfo(ceresDir).canonicalFilePath() + u'/';
        if (resolved.isEmpty() || !resolved.startsWith(dir) ||
            resolved.mid(dir.size()).contains(u'/'))
            weatherError(QStringLiteral("The weather file %1 is a link to a file outside the "
                                        "crop-model directory %2; nothing was written.")
                             .arg(path, ceresDir));
    }
    if (target.exists() && !target.isFile())
        weatherError(QStringLiteral("The weather file %1 is not a plain file; nothing was written.")
                         .arg(path));

    db::Database database = db::Database::open(databasePath);
    const std::optional<db::Record> siteRow =
        db::lastMatch(database, QStringLiteral("Sites"), QStringLiteral("ShortSite"), site);
    if (!siteRow)
        weatherError(QStringLiteral("The site code \"%1\" has no row in table Sites of %2, so the "
                                    "weather file has no latitude and longitude; nothing was "
                                    "written.")
                         .arg(site, databasePath));

    QStringList lines;
    lines << institute + site + u' ' +
                 FormatNumber(siteRow->number(QStringLiteral("Latitude")),
                              QStringLiteral("##0.00")) +
                 u' ' +
                 FormatNumber(siteRow->number(QStringLiteral("Longitude")),
                              QStringLiteral("##0.00"));

    db::Cursor table = database.openTableCursor(kWeatherTable);
    table.setIndex(kWeatherIndex);
    GeneratedWeatherFile generated;
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        table.seek(QVariantList{institute, site, twoDigits(d.year()), d.dayOfYear()});
        if (table.noMatch())
            continue;
        lines << table.text(QStringLiteral("InstituteCode")) +
                     table.text(QStringLiteral("SiteCode")) + u' ' +
                     table.text(QStringLiteral("Year")) + u' ' +
                     table.text(QStringLiteral("JulianDay")) +
                     table.text(QStringLiteral("DayTotalSolarRadiation")) + u' ' +
                     table.text(QStringLiteral("MaximumTemperature")) + u' ' +
                     table.text(QStringLiteral("MinimumTemperature")) + u' ' +
                     table.text(QStringLiteral("Rainfall"));
        ++generated.days;
    }
    table.close();
    database.close();
    writeLinesAt(path, lines, QStringLiteral("writing the weather file"));
    generated.path = path;
    return generated;
}

YearCheck CheckWeatherYear(const QString &databasePath, const QString &dir,
                           const QString &institute, const QString &site, int year) {
    const int days = QDate::isLeapYear(year) ? 366 : 365;
    const int key = twoDigits(year);
    YearCheck check;
    {
        db::Database database = db::Database::open(databasePath);
        db::Cursor table = database.openTableCursor(kWeatherTable);
        table.setIndex(kWeatherIndex);
        for (int day = 1; day <= days; ++day) {
            table.seek(QVariantList{institute, site, key, day});
            if (table.noMatch())
                check.missingDays << day;
        }
    }
    QStringList lines;
    lines << QStringLiteral("Records Missing from the year ") + QString::number(year);
    for (int day : check.missingDays)
        lines << QString::number(year) + u' ' + QString::number(day);
    writeLines(dir, kMissingDaysFile, lines, QStringLiteral("writing the year check"));
    check.path = findFile(dir, kMissingDaysFile);
    return check;
}

WeatherSite ReadWeatherSite(const QString &databasePath) {
    const db::Database database = db::Database::open(databasePath);
    const db::Cursor d = db::openLastDefaults(database);
    return WeatherSite{d.text(QStringLiteral("Institute")), d.text(QStringLiteral("Inst")),
                       d.text(QStringLiteral("Site")), d.text(QStringLiteral("ShortSite"))};
}

namespace {

QList<NameAndCode> readNamesAndCodes(const QString &databasePath, const QString &table,
                                     const QString &nameField, const QString &codeField) {
    const db::Database database = db::Database::open(databasePath);
    QList<NameAndCode> rows;
    for (db::Cursor c = database.openDynaset(table); !c.eof(); c.moveNext())
        rows << NameAndCode{c.text(nameField), c.text(codeField)};
    return rows;
}

} // namespace

QList<NameAndCode> ReadInstituteCodes(const QString &databasePath) {
    return readNamesAndCodes(databasePath, QStringLiteral("Institutes"),
                             QStringLiteral("Institute"), QStringLiteral("Inst"));
}

QList<NameAndCode> ReadSiteCodes(const QString &databasePath) {
    return readNamesAndCodes(databasePath, QStringLiteral("Sites"), QStringLiteral("Sites"),
                             QStringLiteral("ShortSite"));
}

} // namespace zarn::cropmodel
