#pragma once
// The input files of the stand-in crop model, read from the working directory.
//
// Every reader throws InputError naming the file, the line and what is wrong;
// main() turns it into one message on standard error and a non-zero exit.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace sorghumsim {

// A problem with one input file: "<file>, line <n>: <what>" (line 0: the file
// as a whole).
class InputError : public std::runtime_error {
public:
    InputError(const std::string &file, int line, const std::string &what);
};

// ---- Calendar ---------------------------------------------------------------

struct Date {
    int year = 0; // full year, 1996
    int doy = 0;  // day of year, 1-366
    auto operator<=>(const Date &) const = default;
};

bool isLeapYear(int year);
int daysInYear(int year);
Date nextDay(Date d);
// A weather or experiment year as written in the files: two digits (96, 5)
// or a count from 1900 (105) or a full year (1996). Two digits below 50 are
// 20xx, the others 19xx.
int fullYear(int yearField);
std::string dayMonth(Date d); // "02 SEP" (6 characters)
std::string isoDate(Date d);  // "1996-05-15" (10 characters)

// ---- Files --------------------------------------------------------------------

// The lines of a text file (CR LF or LF; a last line without an end counts).
struct TextFile {
    std::string name; // the name as asked for, for messages
    std::string path; // the path actually opened
    std::vector<std::string> lines;
};

// The path of `name` in `dir`, matched ignoring case (an exact match wins);
// empty when there is no such file.
std::string findFileNoCase(const std::string &dir, const std::string &name);

// Reads `name` from `dir`; a missing or unreadable file throws InputError.
TextFile readTextFile(const std::string &dir, const std::string &name);

// ---- SGEXP.DIR ------------------------------------------------------------------

struct Experiment {
    std::string code;        // columns 1-8 of line 1
    std::string title;       // columns 10-49, blanks trimmed
    std::string weatherFile; // File 1
    std::string initialFile; // File 5
    int year = 0;            // full year from the code's year (columns 5-6)
};

// The last experiment of the file (records of three lines, counted from the
// start). File names must be plain names: no directory separator, no "..".
Experiment readLastExperiment(const TextFile &file);

// ---- CROPMAN.sg8 ----------------------------------------------------------------

enum class Irrigation { None = 1, Schedule = 2, Automatic = 3, NoStress = 4 };

struct CropManagement {
    int startDay = 0;         // simulation start, day of year
    int plantingDay = 0;      // day of year
    double density = 0;       // plants per m2
    double rowSpacing = 0;    // as written, echoed only
    double plantingDepth = 0; // cm
    Irrigation irrigation = Irrigation::None;
    int nitrogen = 0;                // 0 no nitrogen stress, 1 soil and fertiliser nitrogen
    double irrigationEfficiency = 0; // percent (a value up to 1 is a fraction)
    double irrigationDepth = 0;      // echoed only
    double irrigationUsable = 0; // percent of available water that triggers automatic irrigation
};

CropManagement readCropManagement(const TextFile &file);

// ---- genetics.sg9 ------------------------------------------------------------------

struct Genetics {
    int number = 0;
    std::string name;
    double juvenileDegreeDays = 0; // emergence to end of juvenile phase
    double optimalPhotoperiod = 0; // hours
    double photoperiodDelay = 0;   // "speed of development": degree-days per hour above the optimum
    double fillDegreeDays = 0;     // flowering to physiological maturity
    double correction1 = 0;        // read and echoed, not used
    double correction2 = 0;        // read and echoed, not used
};

Genetics readGenetics(const TextFile &file);

// ---- Soil ------------------------------------------------------------------------

struct SoilLayer {
    double thickness = 0; // cm
    double ll = 0;        // lower limit of plant-extractable water, cm3/cm3
    double dul = 0;       // drained upper limit, cm3/cm3
    double sat = 0;       // saturation, cm3/cm3
    double swInit = 0;    // initial water, cm3/cm3
    double bd = 0;        // bulk density, g/cm3
};

struct SoilProfile {
    std::string description; // header line, or the note of the default profile
    bool fromFile = false;
    // From the parameter line (line 2): albedo, the upper limit of the first
    // stage of soil evaporation U (mm), the drainage coefficient and the runoff
    // curve number; the model uses U and the curve number.
    double stage1Limit = 6.0;     // mm
    double curveNumber = 75.0;    // runoff curve number for average wetness; 0: no runoff
    bool surfaceDefaults = false; // the parameter line held fewer than four values
    std::vector<SoilLayer> layers;
};

// sprofile.sg2: header, parameter line (albedo, U, drainage coefficient,
// curve number, ...), one line per layer, " -001." end.
SoilProfile readSoilProfile(const TextFile &file);
// The profile used when there is no sprofile.sg2 (see README).
SoilProfile defaultSoilProfile();

// One layer of the initial-conditions file.
struct InitialLayer {
    double thickness = 0; // cm
    double water = 0;     // cm3/cm3
    double nh4 = 0;       // ppm
    double no3 = 0;       // ppm
};

// First line kept as it is; layer lines; end line whose first value is -1.
std::vector<InitialLayer> readInitialConditions(const TextFile &file);

// ---- Weather -----------------------------------------------------------------------

struct WeatherDay {
    double radiation = 0; // MJ/m2/day
    double tmax = 0;      // degC
    double tmin = 0;      // degC
    double rain = 0;      // mm
    int line = 0;         // line in the file, for messages
};

struct Weather {
    std::string fileName;
    bool hasLatitude = false;
    double latitude = 0; // degrees north
    std::map<Date, WeatherDay> days;
};

// Line 1: code, latitude, longitude (may be empty). Then one line per day:
// code (institute + site), year, day of year directly followed by the
// radiation ("5012.30" is day 5, 12.30), maximum, minimum, rain.
Weather readWeather(const TextFile &file);

// ---- Schedules (irrigate.sg6, fert.sg7) ------------------------------------------------

struct ScheduleEvent {
    int doy = 0;
    double amount = 0; // mm of water, or kg N/ha
};

// Header line, event lines " ddd amount ...", end line starting with -1.
std::vector<ScheduleEvent> readSchedule(const TextFile &file);

} // namespace sorghumsim
