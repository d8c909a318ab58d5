// Readers of the model's input files. The layouts are the ones the application
// writes; each reader checks what the simulation relies on and names the file
// and line of anything it cannot use.
#include "inputs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace sorghumsim {

InputError::InputError(const std::string &file, int line, const std::string &what)
    : std::runtime_error(line > 0 ? file + ", line " + std::to_string(line) + ": " + what
                                  : file + ": " + what) {}

// ---- Small text helpers -----------------------------------------------------

namespace {

std::string lower(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string &s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Columns `start` (1-based) to start + width - 1; cut short at the line's end.
std::string columns(const std::string &line, int start, int width) {
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= line.size())
        return {};
    return line.substr(from, static_cast<std::size_t>(width));
}

std::vector<std::string> tokens(const std::string &line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string t; in >> t;)
        out.push_back(t);
    return out;
}

// A whole text that is a plain decimal number: optional sign, digits with at
// most one point ("0013." and ".5" count), optional exponent ("E-02").
bool parseNumber(const std::string &text, double &value) {
    static const std::regex number(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    const std::string t = trim(text);
    if (!std::regex_match(t, number))
        return false;
    value = std::stod(t);
    return std::isfinite(value);
}

struct Reader {
    const TextFile &file;

    [[noreturn]] void fail(int line, const std::string &what) const {
        throw InputError(file.name, line, what);
    }

    double number(const std::string &text, int line, const std::string &what) const {
        double v = 0;
        if (!parseNumber(text, v))
            fail(line, what + " is \"" + trim(text) + "\", not a number");
        return v;
    }

    // A fixed-column field that must hold a number.
    double field(int line, int start, int width, const std::string &what) const {
        const std::string &text = file.lines[static_cast<std::size_t>(line - 1)];
        return number(columns(text, start, width), line,
                      what + " (columns " + std::to_string(start) + "-" +
                          std::to_string(start + width - 1) + ")");
    }

    // A fixed-column field that may be blank (then 0).
    double optionalField(int line, int start, int width, const std::string &what) const {
        const std::string &text = file.lines[static_cast<std::size_t>(line - 1)];
        if (trim(columns(text, start, width)).empty())
            return 0;
        return field(line, start, width, what);
    }

    void range(double v, double lo, double hi, int line, const std::string &what) const {
        if (v < lo || v > hi) {
            std::ostringstream s;
            s << what << " is " << v << ", outside " << lo << " to " << hi;
            fail(line, s.str());
        }
    }
};

bool isEndLine(const std::vector<std::string> &t) {
    double v = 0;
    return !t.empty() && parseNumber(t[0], v) && v <= -1;
}

bool isPlainFileName(const std::string &name) {
    return !name.empty() && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos && name.find("..") == std::string::npos &&
           name.find(':') == std::string::npos;
}

} // namespace

// ---- Calendar -----------------------------------------------------------------

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int daysInYear(int y) {
    return isLeapYear(y) ? 366 : 365;
}

Date nextDay(Date d) {
    if (d.doy >= daysInYear(d.year))
        return {d.year + 1, 1};
    return {d.year, d.doy + 1};
}

int fullYear(int y) {
    if (y >= 1000)
        return y;
    if (y >= 100)
        return 1900 + y;
    return y < 50 ? 2000 + y : 1900 + y;
}

namespace {
void monthAndDay(Date d, int &month, int &day) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int left = d.doy;
    for (month = 0; month < 12; ++month) {
        const int len = lengths[month] + (month == 1 && isLeapYear(d.year) ? 1 : 0);
        if (left <= len)
            break;
        left -= len;
    }
    day = left;
}
} // namespace

std::string dayMonth(Date d) {
    static const char *names[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    int month = 0, day = 0;
    monthAndDay(d, month, day);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d %s", day, names[month]);
    return buf;
}

std::string isoDate(Date d) {
    int month = 0, day = 0;
    monthAndDay(d, month, day);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, month + 1, day);
    return buf;
}

// ---- Files --------------------------------------------------------------------

std::string findFileNoCase(const std::string &dir, const std::string &name) {
    std::error_code ec;
    const fs::path exact = fs::path(dir) / name;
    if (fs::is_regular_file(exact, ec))
        return exact.string();
    std::vector<std::string> matches;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (lower(entry.path().filename().string()) == lower(name) && entry.is_regular_file(ec))
            matches.push_back(entry.path().string());
    }
    if (matches.empty())
        return {};
    std::sort(matches.begin(), matches.end());
    return matches.front();
}

TextFile readTextFile(const std::string &dir, const std::string &name) {
    TextFile f;
    f.name = name;
    f.path = findFileNoCase(dir, name);
    if (f.path.empty())
        throw InputError(name, 0, "file not found in the working directory");
    std::ifstream in(f.path, std::ios::binary);
    if (!in)
        throw InputError(name, 0, "the file cannot be opened for reading");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw InputError(name, 0, "read error");
    const std::string text = content.str();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string line =
            text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        f.lines.push_back(line);
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return f;
}

// ---- SGEXP.DIR ----------------------------------------------------------------------

Experiment readLastExperiment(const TextFile &file) {
    const Reader r{file};
    std::size_t count = file.lines.size();
    while (count > 0 && trim(file.lines[count - 1]).empty())
        --count; // blank lines at the very end belong to no record
    if (count == 0)
        r.fail(0, "the file holds no experiment");
    if (count % 3 != 0)
        r.fail(static_cast<int>(count),
               "the last experiment has " + std::to_string(count % 3) + " of its 3 lines");
    const int first = static_cast<int>(count) - 2; // line number of the record's line 1
    const std::string &l1 = file.lines[static_cast<std::size_t>(first - 1)];
    const std::string &l2 = file.lines[static_cast<std::size_t>(first)];

    Experiment e;
    e.code = columns(l1, 1, 8);
    if (e.code.size() < 8)
        r.fail(first, "the experiment code (columns 1-8) is incomplete");
    const std::string year = columns(l1, 5, 2);
    if (!std::isdigit(static_cast<unsigned char>(year[0])) ||
        !std::isdigit(static_cast<unsigned char>(year[1])))
        r.fail(first,
               "the year of the experiment code (columns 5-6) is \"" + year + "\", not two digits");
    e.year = fullYear(std::stoi(year));
    e.title = trim(columns(l1, 10, 40));

    e.weatherFile = trim(columns(l1, 51, 12));
    if (e.weatherFile.empty())
        r.fail(first, "File 1 (columns 51-62) names no weather file");
    if (!isPlainFileName(e.weatherFile))
        r.fail(first, "the weather file \"" + e.weatherFile +
                          "\" must be a plain file name in the working directory");

    e.initialFile = trim(columns(l2, 14, 12));
    if (e.initialFile.empty())
        r.fail(first + 1, "File 5 (columns 14-25) names no initial-conditions file");
    if (!isPlainFileName(e.initialFile))
        r.fail(first + 1, "the initial-conditions file \"" + e.initialFile +
                              "\" must be a plain file name in the working directory");
    return e;
}

// ---- CROPMAN.sg8 ----------------------------------------------------------------

CropManagement readCropManagement(const TextFile &file) {
    const Reader r{file};
    if (file.lines.size() < 2)
        r.fail(0, "the file has " + std::to_string(file.lines.size()) +
                      " line(s); the management values are on line 2");
    CropManagement m;
    m.startDay = static_cast<int>(r.field(2, 2, 3, "simulation start day"));
    m.plantingDay = static_cast<int>(r.field(2, 6, 3, "planting day"));
    m.density = r.field(2, 10, 6, "plant density");
    m.rowSpacing = r.field(2, 17, 6, "row spacing");
    m.plantingDepth = r.field(2, 24, 5, "planting depth");
    const double irrigation = r.field(2, 30, 2, "irrigation option");
    const double nitrogen = r.field(2, 33, 2, "nitrogen option");
    m.irrigationEfficiency = r.optionalField(2, 36, 6, "irrigation efficiency");
    m.irrigationDepth = r.optionalField(2, 43, 5, "irrigation soil depth");
    m.irrigationUsable = r.optionalField(2, 49, 6, "usable water");

    r.range(m.startDay, 1, 366, 2, "simulation start day (columns 2-4)");
    r.range(m.plantingDay, 1, 366, 2, "planting day (columns 6-8)");
    r.range(m.density, 0.1, 100, 2, "plant density (columns 10-15, plants/m2)");
    r.range(m.rowSpacing, 0, 999, 2, "row spacing (columns 17-22)");
    r.range(m.plantingDepth, 0, 20, 2, "planting depth (columns 24-28, cm)");
    r.range(irrigation, 1, 4, 2, "irrigation option (columns 30-31)");
    r.range(nitrogen, 0, 1, 2, "nitrogen option (columns 33-34)");
    r.range(m.irrigationEfficiency, 0, 100, 2, "irrigation efficiency (columns 36-41)");
    r.range(m.irrigationUsable, 0, 100, 2, "usable water (columns 49-54, percent)");
    m.irrigation = static_cast<Irrigation>(static_cast<int>(irrigation));
    m.nitrogen = static_cast<int>(nitrogen);
    return m;
}

// ---- genetics.sg9 ------------------------------------------------------------------

Genetics readGenetics(const TextFile &file) {
    const Reader r{file};
    int lineNo = 0;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (!trim(file.lines[i]).empty()) {
            lineNo = static_cast<int>(i) + 1;
            break;
        }
    if (lineNo == 0)
        r.fail(0, "the file is empty; it should hold one variety line");
    const std::string &line = file.lines[static_cast<std::size_t>(lineNo - 1)];

    // number, name, then the juvenile degree-days ("000.0") and the optimal
    // photoperiod ("00.00") written straight after the name, then four values
    // separated by blanks. The degree-days are the (at most three) digits, the
    // point and the decimal just before the photoperiod.
    static const std::regex layout(
        R"(^\s*(\d+)\s(.*?)\s*(\d{1,3}\.\d)\s*(\d{1,2}\.\d\d)\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$)");
    std::smatch m;
    if (!std::regex_match(line, m, layout))
        r.fail(lineNo, "not a variety line: number, name, juvenile degree-days, optimal "
                       "photoperiod, speed of development, degree-days flowering to maturity "
                       "and two correction factors were expected");
    Genetics g;
    g.number = std::stoi(m[1].str());
    g.name = trim(m[2].str());
    g.juvenileDegreeDays = r.number(m[3].str(), lineNo, "degree-days shoot to juvenile");
    g.optimalPhotoperiod = r.number(m[4].str(), lineNo, "optimal photoperiod");
    g.photoperiodDelay = r.number(m[5].str(), lineNo, "speed of development");
    g.fillDegreeDays = r.number(m[6].str(), lineNo, "degree-days flowering to maturity");
    g.correction1 = r.number(m[7].str(), lineNo, "correction factor 1");
    g.correction2 = r.number(m[8].str(), lineNo, "correction factor 2");

    r.range(g.juvenileDegreeDays, 50, 999, lineNo, "degree-days shoot to juvenile");
    r.range(g.optimalPhotoperiod, 10, 20, lineNo, "optimal photoperiod (hours)");
    r.range(g.photoperiodDelay, 0, 999, lineNo, "speed of development");
    r.range(g.fillDegreeDays, 100, 1500, lineNo, "degree-days flowering to maturity");
    return g;
}

// ---- Soil -----------------------------------------------------------------------

SoilProfile readSoilProfile(const TextFile &file) {
    const Reader r{file};
    if (file.lines.size() < 2)
        r.fail(0, "needs a header line and a parameter line before the layers");
    SoilProfile p;
    p.fromFile = true;
    p.description = trim(file.lines[0]);
    bool ended = false;
    for (std::size_t i = 2; i < file.lines.size() && !ended; ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const auto t = tokens(file.lines[i]);
        if (t.empty())
            continue;
        if (isEndLine(t)) {
            ended = true;
            break;
        }
        if (t.size() < 7)
            r.fail(lineNo, "a layer line needs depth, LL, DUL, SAT, SWINIT, WR and BD");
        SoilLayer l;
        l.thickness = r.number(t[0], lineNo, "layer depth");
        l.ll = r.number(t[1], lineNo, "LL");
        l.dul = r.number(t[2], lineNo, "DUL");
        l.sat = r.number(t[3], lineNo, "SAT");
        l.swInit = r.number(t[4], lineNo, "SWINIT");
        l.bd = r.number(t[6], lineNo, "BD");
        r.range(l.thickness, 1, 500, lineNo, "layer depth (cm)");
        r.range(l.ll, 0, 0.9, lineNo, "LL");
        r.range(l.sat, 0.01, 1, lineNo, "SAT");
        if (!(l.ll < l.dul && l.dul <= l.sat))
            r.fail(lineNo, "water limits must satisfy LL < DUL <= SAT");
        if (l.bd <= 0)
            l.bd = 1.3; // a profile without bulk density
        r.range(l.bd, 0.1, 3, lineNo, "BD (g/cm3)");
        p.layers.push_back(l);
    }
    if (!ended)
        r.fail(static_cast<int>(file.lines.size()), "the profile has no end line (-1)");
    if (p.layers.empty())
        r.fail(0, "the profile has no layers");
    return p;
}

SoilProfile defaultSoilProfile() {
    SoilProfile p;
    p.description = "no sprofile.sg2: default loam, 150 cm";
    const double thickness[] = {15, 15, 30, 30, 30, 30};
    for (double t : thickness)
        p.layers.push_back({t, 0.12, 0.28, 0.40, 0.28, 1.35});
    return p;
}

std::vector<InitialLayer> readInitialConditions(const TextFile &file) {
    const Reader r{file};
    if (file.lines.empty())
        r.fail(0, "the file is empty; the layer lines follow its first line");
    std::vector<InitialLayer> layers;
    for (std::size_t i = 1; i < file.lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const auto t = tokens(file.lines[i]);
        if (t.empty())
            continue;
        if (isEndLine(t))
            break;
        if (t.size() < 2)
            r.fail(lineNo, "a layer line needs the layer depth and the initial water");
        InitialLayer l;
        l.thickness = r.number(t[0], lineNo, "layer depth");
        l.water = r.number(t[1], lineNo, "initial water");
        if (t.size() > 2)
            l.nh4 = r.number(t[2], lineNo, "ammonium");
        if (t.size() > 3)
            l.no3 = r.number(t[3], lineNo, "nitrate");
        r.range(l.thickness, 1, 500, lineNo, "layer depth (cm)");
        r.range(l.water, 0, 1, lineNo, "initial water (cm3/cm3)");
        r.range(l.nh4, 0, 1000, lineNo, "ammonium (ppm)");
        r.range(l.no3, 0, 1000, lineNo, "nitrate (ppm)");
        layers.push_back(l);
    }
    return layers;
}

// ---- Weather ------------------------------------------------------------------------

Weather readWeather(const TextFile &file) {
    const Reader r{file};
    Weather w;
    w.fileName = file.name;
    if (file.lines.empty())
        r.fail(0, "the file is empty");
    const auto head = tokens(file.lines[0]);
    if (head.size() >= 2) {
        w.latitude = r.number(head[1], 1, "latitude");
        r.range(w.latitude, -66, 66, 1, "latitude");
        w.hasLatitude = true;
    }
    for (std::size_t i = 1; i < file.lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        auto t = tokens(file.lines[i]);
        if (t.empty())
            continue;
        std::string dayText, radText;
        if (t.size() == 6) {
            // day of year and radiation are written without a blank between them
            const std::string &glued = t[2];
            const auto point = glued.find('.');
            if (point == std::string::npos || point < 4)
                r.fail(lineNo, "\"" + glued + "\" is not a day of year followed by the radiation");
            dayText = glued.substr(0, point - 3);
            radText = glued.substr(point - 3);
        } else if (t.size() == 7) {
            dayText = t[2];
            radText = t[3];
            t.erase(t.begin() + 3);
        } else {
            r.fail(lineNo, "expected code, year, day and radiation, maximum and minimum "
                           "temperature, rain");
        }
        const double yearField = r.number(t[1], lineNo, "year");
        const double doy = r.number(dayText, lineNo, "day of year");
        if (yearField < 0 || yearField != std::floor(yearField))
            r.fail(lineNo, "year \"" + t[1] + "\" is not a whole number");
        const Date d{fullYear(static_cast<int>(yearField)), static_cast<int>(doy)};
        if (doy != std::floor(doy) || d.doy < 1 || d.doy > daysInYear(d.year))
            r.fail(lineNo,
                   "day of year " + dayText + " does not exist in " + std::to_string(d.year));
        WeatherDay day;
        day.line = lineNo;
        day.radiation = r.number(radText, lineNo, "radiation");
        day.tmax = r.number(t[3], lineNo, "maximum temperature");
        day.tmin = r.number(t[4], lineNo, "minimum temperature");
        day.rain = r.number(t[5], lineNo, "rain");
        r.range(day.radiation, 0, 60, lineNo, "radiation (MJ/m2)");
        r.range(day.tmax, -60, 60, lineNo, "maximum temperature");
        r.range(day.tmin, -60, 60, lineNo, "minimum temperature");
        r.range(day.rain, 0, 1000, lineNo, "rain (mm)");
        if (day.tmin > day.tmax)
            r.fail(lineNo, "the minimum temperature is above the maximum");
        if (!w.days.emplace(d, day).second)
            r.fail(lineNo, "day " + std::to_string(d.doy) + " of " + std::to_string(d.year) +
                               " is already on line " + std::to_string(w.days[d].line));
    }
    if (w.days.empty())
        r.fail(0, "the file holds no weather days");
    return w;
}

// ---- Schedules ---------------------------------------------------------------------------

std::vector<ScheduleEvent> readSchedule(const TextFile &file) {
    const Reader r{file};
    std::vector<ScheduleEvent> events;
    for (std::size_t i = 1; i < file.lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const auto t = tokens(file.lines[i]);
        if (t.empty())
            continue;
        if (isEndLine(t))
            break;
        if (t.size() < 2)
            r.fail(lineNo, "an event needs a day of year and an amount");
        ScheduleEvent e;
        const double doy = r.number(t[0], lineNo, "day of year");
        e.amount = r.number(t[1], lineNo, "amount");
        r.range(doy, 1, 366, lineNo, "day of year");
        r.range(e.amount, 0, 10000, lineNo, "amount");
        e.doy = static_cast<int>(doy);
        events.push_back(e);
    }
    return events;
}

} // namespace sorghumsim
