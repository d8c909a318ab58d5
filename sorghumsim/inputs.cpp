// Readers of the model's input files. The layouts are the ones the application
// writes; each reader checks what the simulation relies on and names the file
// and line of anything it cannot use.
#include "inputs.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
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

// Blanks of a line: space, tab, the line and page controls (LF, VT, FF, CR)
// and the no-break space of Windows-1252 (0xA0), the characters a text editor
// shows as nothing.
bool isBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u == ' ' || (u >= '\t' && u <= '\r') || u == 0xA0;
}

std::string trim(const std::string &s) {
    std::size_t first = 0, last = s.size();
    while (first < last && isBlank(s[first]))
        ++first;
    while (last > first && isBlank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

bool isBlankLine(const std::string &s) {
    return std::all_of(s.begin(), s.end(), isBlank);
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
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Text from a file as a message shows it: bytes that are not printable as
// \xNN, and a long text cut to its first 40 characters.
std::string shown(const std::string &text) {
    constexpr std::size_t kLongest = 40;
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < kLongest; ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u >= 0x20 && u < 0x7F) {
            out += text[i];
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        }
    }
    if (text.size() > kLongest)
        out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

enum class NumberText { Number, NotANumber, OutOfRange };

// A whole text that is a plain decimal number: optional sign, digits with at
// most one point ("0013." and ".5" count), optional exponent ("E-02"). One
// pass over the text, then a conversion that reports a value beyond what a
// double holds (1e999, 1e-400) instead of failing.
NumberText parseNumber(const std::string &text, double &value) {
    const std::string t = trim(text);
    std::size_t i = 0;
    const std::size_t n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return NumberText::NotANumber;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return NumberText::NotANumber;
    }
    if (i != n)
        return NumberText::NotANumber;
    // from_chars takes no leading '+'
    const char *first = t.data() + (t[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, t.data() + n, value);
    if (ec == std::errc::result_out_of_range)
        return NumberText::OutOfRange;
    if (ec != std::errc() || end != t.data() + n || !std::isfinite(value))
        return NumberText::NotANumber;
    return NumberText::Number;
}

struct Reader {
    const TextFile &file;

    [[noreturn]] void fail(int line, const std::string &what) const {
        throw InputError(file.name, line, what);
    }

    double number(const std::string &text, int line, const std::string &what) const {
        double v = 0;
        switch (parseNumber(text, v)) {
        case NumberText::Number:
            return v;
        case NumberText::OutOfRange:
            fail(line, what + " is \"" + shown(trim(text)) + "\", a number out of range");
        case NumberText::NotANumber:
            break;
        }
        fail(line, what + " is \"" + shown(trim(text)) + "\", not a number");
    }

    // A number that must lie within lo..hi, checked before it is used.
    double number(const std::string &text, int line, const std::string &what, double lo,
                  double hi) const {
        const double v = number(text, line, what);
        range(v, lo, hi, line, what);
        return v;
    }

    // A whole number within lo..hi (both within int), checked before the conversion.
    int integer(const std::string &text, int line, const std::string &what, int lo, int hi) const {
        const double v = number(text, line, what, lo, hi);
        if (v != std::floor(v))
            fail(line, what + " is \"" + shown(trim(text)) + "\", not a whole number");
        return static_cast<int>(v);
    }

    void range(double v, double lo, double hi, int line, const std::string &what) const {
        if (!(v >= lo && v <= hi)) {
            std::ostringstream s;
            s << what << " is " << v << ", outside " << lo << " to " << hi;
            fail(line, s.str());
        }
    }
};

bool isEndLine(const std::vector<std::string> &t) {
    double v = 0;
    return !t.empty() && parseNumber(t[0], v) == NumberText::Number && v <= -1;
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
    while (count > 0 && isBlankLine(file.lines[count - 1]))
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
        r.fail(first, "the year of the experiment code (columns 5-6) is \"" + shown(year) +
                          "\", not two digits");
    e.year = fullYear((year[0] - '0') * 10 + (year[1] - '0'));
    e.title = trim(columns(l1, 10, 40));

    e.weatherFile = trim(columns(l1, 51, 12));
    if (e.weatherFile.empty())
        r.fail(first, "File 1 (columns 51-62) names no weather file");
    if (!isPlainFileName(e.weatherFile))
        r.fail(first, "the weather file \"" + shown(e.weatherFile) +
                          "\" must be a plain file name in the working directory");

    e.initialFile = trim(columns(l2, 14, 12));
    if (e.initialFile.empty())
        r.fail(first + 1, "File 5 (columns 14-25) names no initial-conditions file");
    if (!isPlainFileName(e.initialFile))
        r.fail(first + 1, "the initial-conditions file \"" + shown(e.initialFile) +
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
    // Every value is checked against its range before it is converted or used.
    const auto field = [&](int start, int width, const std::string &what, double lo, double hi,
                           bool optional = false) {
        const std::string name = what + " (columns " + std::to_string(start) + "-" +
                                 std::to_string(start + width - 1) + ")";
        const std::string text = columns(file.lines[1], start, width);
        if (optional && trim(text).empty())
            return 0.0;
        return r.number(text, 2, name, lo, hi);
    };
    const auto whole = [&](int start, int width, const std::string &what, int lo, int hi) {
        const std::string name = what + " (columns " + std::to_string(start) + "-" +
                                 std::to_string(start + width - 1) + ")";
        return r.integer(columns(file.lines[1], start, width), 2, name, lo, hi);
    };
    m.startDay = whole(2, 3, "simulation start day", 1, 366);
    m.plantingDay = whole(6, 3, "planting day", 1, 366);
    m.density = field(10, 6, "plant density", 0.1, 100);
    m.rowSpacing = field(17, 6, "row spacing", 0, 999);
    m.plantingDepth = field(24, 5, "planting depth", 0, 20);
    m.irrigation = static_cast<Irrigation>(whole(30, 2, "irrigation option", 1, 4));
    m.nitrogen = whole(33, 2, "nitrogen option", 0, 1);
    m.irrigationEfficiency = field(36, 6, "irrigation efficiency", 0, 100, true);
    m.irrigationDepth = field(43, 5, "irrigation soil depth", -1e6, 1e6, true);
    m.irrigationUsable = field(49, 6, "usable water", 0, 100, true);
    return m;
}

// ---- genetics.sg9 ------------------------------------------------------------------

Genetics readGenetics(const TextFile &file) {
    const Reader r{file};
    int lineNo = 0;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (!isBlankLine(file.lines[i])) {
            lineNo = static_cast<int>(i) + 1;
            break;
        }
    if (lineNo == 0)
        r.fail(0, "the file is empty; it should hold one variety line");
    const std::string &line = file.lines[static_cast<std::size_t>(lineNo - 1)];
    const auto notAVarietyLine = [&] {
        r.fail(lineNo, "not a variety line: number, name, juvenile degree-days, optimal "
                       "photoperiod, speed of development, degree-days flowering to maturity "
                       "and two correction factors were expected");
    };

    // number, name, then the juvenile degree-days ("000.0") and the optimal
    // photoperiod ("00.00") written straight after the name, then four values
    // separated by blanks. Read from both ends, each character looked at a
    // fixed number of times.
    const auto digit = [&](std::size_t i) {
        return std::isdigit(static_cast<unsigned char>(line[i])) != 0;
    };
    std::size_t pos = 0;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    const std::size_t numberStart = pos;
    while (pos < line.size() && digit(pos))
        ++pos;
    if (pos == numberStart || pos >= line.size() || !isBlank(line[pos]))
        notAVarietyLine();
    const std::string numberText = line.substr(numberStart, pos - numberStart);
    const std::size_t middleStart = pos + 1; // one blank after the number

    // The last four blank-separated values.
    std::size_t end = line.size();
    std::string last[4];
    for (int k = 3; k >= 0; --k) {
        while (end > middleStart && isBlank(line[end - 1]))
            --end;
        std::size_t start = end;
        while (start > middleStart && !isBlank(line[start - 1]))
            --start;
        if (start == end || start == middleStart)
            notAVarietyLine();
        last[k] = line.substr(start, end - start);
        end = start;
    }
    while (end > middleStart && isBlank(line[end - 1]))
        --end;
    // line[middleStart, end) is the name followed by "ddd.d" and "dd.dd" (blanks
    // allowed between them). Of the ways to read it, the one whose degree-days
    // begin earliest (the shortest name) counts; the degree-days take up to
    // three digits, the photoperiod up to two.
    std::size_t bestStart = std::string::npos, bestP1 = 0, bestP2 = 0;
    for (std::size_t p2Digits = 2; p2Digits >= 1; --p2Digits) {
        // photoperiod: digits, point, two decimals, ending at `end`
        if (end < middleStart + 3 + p2Digits || !digit(end - 1) || !digit(end - 2) ||
            line[end - 3] != '.')
            continue;
        std::size_t p2Start = end - 3 - p2Digits;
        bool ok = true;
        for (std::size_t i = p2Start; i < end - 3; ++i)
            ok = ok && digit(i);
        if (!ok)
            continue;
        std::size_t p1End = p2Start;
        while (p1End > middleStart && isBlank(line[p1End - 1]))
            --p1End;
        if (p1End < middleStart + 3 || !digit(p1End - 1) || line[p1End - 2] != '.')
            continue;
        std::size_t p1Start = p1End - 2;
        std::size_t p1Digits = 0;
        while (p1Digits < 3 && p1Start > middleStart && digit(p1Start - 1)) {
            --p1Start;
            ++p1Digits;
        }
        if (p1Digits == 0)
            continue;
        if (bestStart == std::string::npos || p1Start < bestStart) {
            bestStart = p1Start;
            bestP1 = p1End;
            bestP2 = p2Start;
        }
    }
    if (bestStart == std::string::npos)
        notAVarietyLine();

    Genetics g;
    g.number = r.integer(numberText, lineNo, "variety number", 0, 999999);
    g.name = trim(line.substr(middleStart, bestStart - middleStart));
    g.juvenileDegreeDays = r.number(line.substr(bestStart, bestP1 - bestStart), lineNo,
                                    "degree-days shoot to juvenile");
    g.optimalPhotoperiod =
        r.number(line.substr(bestP2, end - bestP2), lineNo, "optimal photoperiod");
    g.photoperiodDelay = r.number(last[0], lineNo, "speed of development");
    g.fillDegreeDays = r.number(last[1], lineNo, "degree-days flowering to maturity");
    g.correction1 = r.number(last[2], lineNo, "correction factor 1");
    g.correction2 = r.number(last[3], lineNo, "correction factor 2");

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
    // albedo, U (stage 1 evaporation), drainage coefficient, curve number, ...;
    // a parameter line too short to hold them leaves the defaults
    const auto parameters = tokens(file.lines[1]);
    if (parameters.size() >= 4) {
        p.stage1Limit = r.number(parameters[1], 2, "U (stage 1 evaporation, mm)", 0, 50);
        // 0 stands for a soil without a curve number: no runoff
        p.curveNumber = r.number(parameters[3], 2, "runoff curve number", 0, 100);
    } else {
        p.surfaceDefaults = true;
    }
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
                r.fail(lineNo,
                       "\"" + shown(glued) + "\" is not a day of year followed by the radiation");
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
        const int yearField = r.integer(t[1], lineNo, "year", 0, 9999);
        const Date d{fullYear(yearField), r.integer(dayText, lineNo, "day of year", 1, 366)};
        if (d.doy > daysInYear(d.year))
            r.fail(lineNo, "day of year " + std::to_string(d.doy) + " does not exist in " +
                               std::to_string(d.year));
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
        e.doy = r.integer(t[0], lineNo, "day of year", 1, 366);
        e.amount = r.number(t[1], lineNo, "amount", 0, 10000);
        events.push_back(e);
    }
    return events;
}

} // namespace sorghumsim
