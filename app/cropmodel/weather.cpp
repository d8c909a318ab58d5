#include "cropmodel/weather.h"

#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "data/lookup.h"
#include "shell/usererror.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <array>
#include <bitset>
#include <charconv>
#include <cstring>
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

// The lines of a station file as byte ranges (CR LF or LF; a last line
// without an end counts; an end at the very end adds no empty line). The
// columns of a station file are single Windows-1252 bytes, so they are read
// straight from the bytes.
struct ByteLine {
    const char *data;
    qsizetype size;
};

// The bytes of a station file, mapped into memory where the file system
// allows it (no copy), else read.
class StationBytes {
public:
    explicit StationBytes(const QString &path) : m_file(path) {
        if (!QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly))
            fileError(QStringLiteral("The station file %1 cannot be read: %2")
                          .arg(path, QFileInfo::exists(path)
                                         ? m_file.errorString()
                                         : QStringLiteral("it does not exist")));
        const qint64 size = m_file.size();
        if (size > 0)
            m_map = m_file.map(0, size);
        if (m_map) {
            m_data = reinterpret_cast<const char *>(m_map);
            m_size = qsizetype(size);
        } else {
            m_copy = m_file.readAll();
            if (m_file.error() != QFileDevice::NoError)
                fileError(QStringLiteral("The station file %1 cannot be read: %2")
                              .arg(path, m_file.errorString()));
            m_data = m_copy.constData();
            m_size = m_copy.size();
        }
    }
    ~StationBytes() {
        if (m_map)
            m_file.unmap(m_map);
    }
    StationBytes(const StationBytes &) = delete;
    StationBytes &operator=(const StationBytes &) = delete;

    // The next line (CR LF or LF; a last line without an end counts; an end
    // at the very end adds no empty line); false at the end.
    bool next(ByteLine &line) {
        if (m_pos >= m_size)
            return false;
        const void *hit = std::memchr(m_data + m_pos, '\n', size_t(m_size - m_pos));
        const qsizetype end = hit ? static_cast<const char *>(hit) - m_data : m_size;
        qsizetype stop = end;
        if (stop > m_pos && m_data[stop - 1] == '\r')
            --stop;
        line = ByteLine{m_data + m_pos, stop - m_pos};
        m_pos = end + 1;
        return true;
    }

private:
    QFile m_file;
    uchar *m_map = nullptr;
    QByteArray m_copy;
    const char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
};

QString lineText(const ByteLine &line) {
    return fromWindows1252(QByteArray(line.data, line.size));
}

// The field of `width` bytes from 1-based column `start`, read as
// LeadingNumber reads it. A plain number between blanks (" -12.5 ") is
// converted directly; anything else goes through LeadingNumber itself.
double fieldNumber(const ByteLine &line, int start, int width) {
    const qsizetype begin = start - 1;
    if (begin >= line.size)
        return 0;
    const qsizetype end = qMin(line.size, begin + width);
    const char *s = line.data;
    qsizetype i = begin;
    while (i < end && s[i] == ' ')
        ++i;
    qsizetype j = end;
    while (j > i && s[j - 1] == ' ')
        --j;
    qsizetype k = i;
    if (k < j && (s[k] == '-' || s[k] == '+'))
        ++k;
    const qsizetype numberStart = (k > i && s[i] == '+') ? k : i;
    int digits = 0;
    bool point = false, plain = k < j;
    for (qsizetype m = k; m < j && plain; ++m) {
        if (s[m] >= '0' && s[m] <= '9')
            ++digits;
        else if (s[m] == '.' && !point)
            point = true;
        else
            plain = false;
    }
    if (plain && digits > 0) {
        double value = 0;
        const auto r = std::from_chars(s + numberStart, s + j, value);
        if (r.ec == std::errc() && r.ptr == s + j)
            return value;
    }
    if (i == j)
        return 0;
    return LeadingNumber(QString::fromLatin1(s + begin, end - begin));
}

int dayOfLine(const ByteLine &line) {
    return static_cast<int>(fieldNumber(line, 13, 6));
}

QString fieldText(const ByteLine &line, int start, int width) {
    return column(lineText(line), start, width).trimmed();
}

// The sums of the day in progress.
struct DayInProgress {
    std::bitset<24> hoursSeen;
    double maximum = -std::numeric_limits<double>::infinity();
    double minimum = std::numeric_limits<double>::infinity();
    double radiation = 0;
    double rainfall = 0;
};

// A complete day, ready to be stored.
struct CompleteDay {
    int year;
    int day;
    QString radiation, maximum, minimum, rainfall;
};

struct StationDays {
    std::vector<CompleteDay> days;
    WeatherImportResult shown; // the counters of the table are left at 0
};

// Reads the whole station file and closes its days, so that every check comes
// before anything is stored: a day ends where an A line has another day; a
// day with all 24 hours is complete; the year advances when a day 1 begins;
// the last day of the file is closed by the same rule.
StationDays readStationDays(const QString &path, int startYear, bool yearChange) {
    StationBytes file(path);
    StationDays out;
    WeatherImportResult &r = out.shown;
    int year = twoDigits(startYear);
    if (yearChange)
        year = twoDigits(year - 1);
    DayInProgress today;
    int currentDay = 0; // unset
    const auto closeDay = [&] {
        r.radiation = today.radiation / 24.0;
        r.rainfall = today.rainfall;
        if (!today.hoursSeen.all())
            return;
        ++r.daysComplete;
        out.days.push_back(CompleteDay{
            year, currentDay,
            FormatNumber(today.radiation * 3600.0 / 1000000.0, QStringLiteral("000.00")),
            FormatNumber(today.maximum, QStringLiteral("000.0")),
            FormatNumber(today.minimum, QStringLiteral("000.0")),
            FormatNumber(today.rainfall, QStringLiteral("000.0"))});
    };

    int lineNumber = 0;
    ByteLine a{}, b{};
    while (file.next(a)) {
        ++lineNumber;
        if (!file.next(b))
            fileError(QStringLiteral("The station file %1 ends with an A line (line %2) without "
                                     "its B line; nothing was stored.")
                          .arg(path)
                          .arg(lineNumber));
        const double day = fieldNumber(a, 13, 6);
        const double hour = fieldNumber(a, 24, 6);
        if (day < 1 || day > 366 || day != static_cast<int>(day))
            fileError(QStringLiteral("Line %1 of the station file %2 gives the day \"%3\" "
                                     "(columns 13-18); a day of the year is 1 to 366. Nothing was "
                                     "stored.")
                          .arg(lineNumber)
                          .arg(path, fieldText(a, 13, 6)));
        if (hour < 0 || hour > 2300 || hour != static_cast<int>(hour) ||
            static_cast<int>(hour) % 100 != 0)
            fileError(QStringLiteral("Line %1 of the station file %2 gives the hour \"%3\" "
                                     "(columns 24-29); an hour is 0, 100, ... 2300. Nothing was "
                                     "stored.")
                          .arg(lineNumber)
                          .arg(path, fieldText(a, 24, 6)));
        ++lineNumber;
        const int d = static_cast<int>(day);
        if (currentDay == 0)
            currentDay = d;
        if (d != currentDay) {
            closeDay();
            if (d == 1)
                year = twoDigits(year + 1);
            today = DayInProgress();
            currentDay = d;
        }
        const double temperature = fieldNumber(a, 54, 5);
        today.hoursSeen.set(size_t(static_cast<int>(hour) / 100));
        if (temperature > today.maximum)
            today.maximum = temperature;
        if (temperature < today.minimum)
            today.minimum = temperature;
        today.radiation += fieldNumber(a, 33, 6);
        today.rainfall += fieldNumber(b, 33, 6);
        r.lastDay = d;
        r.lastHour = static_cast<int>(hour);
        r.maximum = today.maximum;
        r.minimum = today.minimum;
    }
    if (lineNumber == 0)
        fileError(QStringLiteral("The station file %1 is empty; nothing was stored.").arg(path));
    closeDay();
    r.year = year;
    return out;
}

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

// CeresWeather is read and written by whole sets of rows: one query for the
// keys or rows of a site instead of a seek per day, and one prepared insert
// for every new day, all in the import's transaction. The table and its index
// are first opened through the cursor layer, so a missing table or index gives
// its usual message.
void requireWeatherTable(const db::Database &database) {
    db::Cursor table = database.openTableCursor(kWeatherTable);
    table.setIndex(kWeatherIndex);
}

QSqlQuery weatherQuery(const db::Database &database, const QString &sql, const QVariantList &binds,
                       const QString &what) {
    QSqlQuery q(database.connection());
    q.setForwardOnly(true);
    if (q.prepare(sql)) {
        for (const QVariant &b : binds)
            q.addBindValue(b);
        if (q.exec())
            return q;
    }
    db::fail(QStringLiteral("%1 in table %2 of %3 failed: %4")
                 .arg(what, kWeatherTable, database.path(), q.lastError().text()));
}

const QString kSiteRows =
    QStringLiteral(" FROM \"CeresWeather\" WHERE \"InstituteCode\" = ? COLLATE "
                   "NOCASE AND \"SiteCode\" = ? COLLATE NOCASE");

qint64 dayKey(qint64 year, qint64 day) {
    return year * 1000 + day;
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
    StationBytes file(stationPath);
    StationPreview preview;
    ByteLine line{};
    int previous = 0;
    for (int i = 0; file.next(line); ++i) {
        if (i == 0)
            previous = dayOfLine(line);
        if (preview.lines.size() < kPreviewLines)
            preview.lines << lineText(line);
        if (i % 2 == 0) { // odd line count: an A line
            const int day = dayOfLine(line);
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
    const StationDays read = readStationDays(stationPath, startYear, yearChange);
    WeatherImportResult result = read.shown;

    db::Database database = db::Database::open(databasePath);
    requireWeatherTable(database);
    db::Transaction transaction(database);
    QSet<qint64> stored;
    {
        QSqlQuery keys =
            weatherQuery(database, QStringLiteral("SELECT \"Year\", \"JulianDay\"") + kSiteRows,
                         {institute, site}, QStringLiteral("Reading the days of the site"));
        while (keys.next())
            stored.insert(dayKey(keys.value(0).toLongLong(), keys.value(1).toLongLong()));
    }
    QSqlQuery insert(database.connection());
    if (!insert.prepare(QStringLiteral(
            "INSERT INTO \"CeresWeather\" (\"InstituteCode\", \"SiteCode\", \"Year\", "
            "\"JulianDay\", \"DayTotalSolarRadiation\", \"MaximumTemperature\", "
            "\"MinimumTemperature\", \"Rainfall\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        db::fail(QStringLiteral("Adding a day to table %1 of %2 failed: %3")
                     .arg(kWeatherTable, database.path(), insert.lastError().text()));
    for (const CompleteDay &d : read.days) {
        if (stored.contains(dayKey(d.year, d.day))) {
            ++result.daysPresent;
            continue;
        }
        insert.bindValue(0, institute);
        insert.bindValue(1, site);
        insert.bindValue(2, d.year);
        insert.bindValue(3, d.day);
        insert.bindValue(4, d.radiation);
        insert.bindValue(5, d.maximum);
        insert.bindValue(6, d.minimum);
        insert.bindValue(7, d.rainfall);
        if (!insert.exec())
            db::fail(QStringLiteral("Adding day %1 of year %2 to table %3 of %4 failed: %5")
                         .arg(d.day)
                         .arg(d.year)
                         .arg(kWeatherTable, database.path(), insert.lastError().text()));
        stored.insert(dayKey(d.year, d.day));
        ++result.daysAdded;
    }
    insert.finish();
    transaction.commit();
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

    requireWeatherTable(database);
    QHash<qint64, QString> dayLines; // the first row of each key, in table order
    {
        QSqlQuery rows = weatherQuery(
            database,
            QStringLiteral("SELECT \"InstituteCode\", \"SiteCode\", \"Year\", \"JulianDay\", "
                           "\"DayTotalSolarRadiation\", \"MaximumTemperature\", "
                           "\"MinimumTemperature\", \"Rainfall\"") +
                kSiteRows + QStringLiteral(" ORDER BY rowid"),
            {institute, site}, QStringLiteral("Reading the days of the site"));
        while (rows.next()) {
            const qint64 key = dayKey(rows.value(2).toLongLong(), rows.value(3).toLongLong());
            if (dayLines.contains(key))
                continue;
            dayLines.insert(key, rows.value(0).toString() + rows.value(1).toString() + u' ' +
                                     rows.value(2).toString() + u' ' + rows.value(3).toString() +
                                     rows.value(4).toString() + u' ' + rows.value(5).toString() +
                                     u' ' + rows.value(6).toString() + u' ' +
                                     rows.value(7).toString());
        }
    }
    database.close();
    GeneratedWeatherFile generated;
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        const auto found = dayLines.constFind(dayKey(twoDigits(d.year()), d.dayOfYear()));
        if (found == dayLines.cend())
            continue;
        lines << *found;
        ++generated.days;
    }
    writeLinesAt(path, lines, QStringLiteral("writing the weather file"));
    generated.path = path;
    return generated;
}

YearCheck CheckWeatherYear(const QString &databasePath, const QString &dir,
                           const QString &institute, const QString &site, int year) {
    const int dayCount = QDate::isLeapYear(year) ? 366 : 365;
    const int key = twoDigits(year);
    YearCheck check;
    {
        db::Database database = db::Database::open(databasePath);
        requireWeatherTable(database);
        QSet<int> present;
        QSqlQuery days =
            weatherQuery(database,
                         QStringLiteral("SELECT \"JulianDay\"") + kSiteRows +
                             QStringLiteral(" AND \"Year\" = ?"),
                         {institute, site, key}, QStringLiteral("Reading the days of the year"));
        while (days.next())
            present.insert(days.value(0).toInt());
        for (int day = 1; day <= dayCount; ++day)
            if (!present.contains(day))
                check.missingDays << day;
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
