// zarn-mkstation: writes an hourly weather-station file ("*.w??") of made-up
// but plausible weather, the kind of file the station-file import reads.
//
// Every hour is two lines, A then B, ended by CR LF:
//   A: station (1-8), "A" (10), day of year (13-18), year (19-23), hour as
//      hhmm (24-29), mean radiation of the hour in W/m2 (33-38), relative
//      humidity in % (40-45), wind speed in m/s (47-52), air temperature in
//      degC (54-58)
//   B: station (1-8), "B" (10), day of year (13-18), year (19-23), hour (24-29),
//      rainfall of the hour in mm (33-38), air pressure in hPa (40-45)
//
// The weather follows a seasonal curve for the latitude with day-to-day
// persistence, a daily temperature cycle (coolest before sunrise, warmest in
// mid-afternoon), clear-sky radiation from the sun's position thinned by each
// day's cloud, and showers on wet days. It is sample data for teaching and
// testing, not a record of any real station. The same arguments always give
// the same bytes (own random generator, fixed seed).
//
//   zarn-mkstation --out FILE --station CODE --year YYYY --first-day D --days N
//                  [--lat DEG] [--tmean C] [--tamp C] [--trange C] [--wet P]
//                  [--seed S] [--drop DAY:HHMM]...
//
// --tmean is the yearly mean temperature, --tamp the half-difference between
// the warmest and coldest time of year, --trange the mean daily range, --wet
// the chance of a wet day. --drop leaves out one hour (day of year of the
// file's calendar, hour as hhmm), to make a file with a gap.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// xorshift64*: small, fast and the same on every platform.
struct Random {
    std::uint64_t s;
    explicit Random(std::uint64_t seed) : s(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    double uniform() { // [0, 1)
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return double((s * 0x2545F4914F6CDD1Dull) >> 11) / double(1ull << 53);
    }
    double normal() { // Box-Muller, one value per call
        double u = uniform();
        if (u < 1e-12)
            u = 1e-12;
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * kPi * uniform());
    }
};

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

[[noreturn]] void usage(const char *why) {
    std::fprintf(stderr, "zarn-mkstation: %s\n", why);
    std::fprintf(stderr,
                 "usage: zarn-mkstation --out FILE --station CODE --year YYYY --first-day D "
                 "--days N [--lat DEG] [--tmean C] [--tamp C] [--trange C] [--wet P] "
                 "[--seed S] [--drop DAY:HHMM]...\n");
    std::exit(2);
}

double numberArg(const char *text, const char *name) {
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(v))
        usage((std::string(name) + " needs a number, not \"" + text + "\"").c_str());
    return v;
}

// Mean radiation of one hour (W/m2) under a clear sky: the sun's height at
// the middle of the hour for the latitude and day of year, through a standard
// clear atmosphere.
double clearSkyHour(double latDeg, int doy, int hour) {
    const double lat = latDeg * kPi / 180.0;
    const double decl = 0.409 * std::sin(2.0 * kPi * doy / 365.0 - 1.39);
    const double hourAngle = (hour + 0.5 - 12.0) * kPi / 12.0;
    const double sinH =
        std::sin(lat) * std::sin(decl) + std::cos(lat) * std::cos(decl) * std::cos(hourAngle);
    if (sinH <= 0)
        return 0;
    const double top = 1367.0 * (1.0 + 0.033 * std::cos(2.0 * kPi * doy / 365.0)) * sinH;
    return top * 0.75 * std::pow(0.9, 1.0 / std::max(sinH, 0.05) - 1.0);
}

} // namespace

int main(int argc, char **argv) {
    std::string out, station;
    int year = 0, firstDay = 0, days = 0;
    double lat = 45, tmean = 15, tamp = 8, trange = 10, wet = 0.3;
    std::uint64_t seed = 1;
    std::set<std::pair<int, int>> drops;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            usage((a + " needs a value").c_str());
        const char *v = argv[++i];
        if (a == "--out")
            out = v;
        else if (a == "--station")
            station = v;
        else if (a == "--year")
            year = int(numberArg(v, "--year"));
        else if (a == "--first-day")
            firstDay = int(numberArg(v, "--first-day"));
        else if (a == "--days")
            days = int(numberArg(v, "--days"));
        else if (a == "--lat")
            lat = numberArg(v, "--lat");
        else if (a == "--tmean")
            tmean = numberArg(v, "--tmean");
        else if (a == "--tamp")
            tamp = numberArg(v, "--tamp");
        else if (a == "--trange")
            trange = numberArg(v, "--trange");
        else if (a == "--wet")
            wet = numberArg(v, "--wet");
        else if (a == "--seed")
            seed = std::uint64_t(numberArg(v, "--seed"));
        else if (a == "--drop") {
            int d = 0, h = 0;
            if (std::sscanf(v, "%d:%d", &d, &h) != 2)
                usage("--drop needs DAY:HHMM");
            drops.insert({d, h});
        } else
            usage(("unknown option " + a).c_str());
    }
    if (out.empty() || station.empty() || station.size() > 8)
        usage("--out and --station (at most 8 characters) are needed");
    if (year < 1900 || year > 2099 || firstDay < 1 || firstDay > (leap(year) ? 366 : 365) ||
        days < 1 || days > 40000)
        usage("--year, --first-day or --days out of range");

    std::FILE *f = std::fopen(out.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "zarn-mkstation: cannot write %s\n", out.c_str());
        return 1;
    }
    std::vector<char> buffer(1 << 16);
    std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());

    // Southern latitudes have their warm season half a year later.
    const double warmestDay = lat >= 0 ? 200.0 : 17.0;
    Random rnd(seed * 2654435761u + 12345u);
    double anomaly = 0; // persistent departure of the day's mean temperature
    double cloud = 0.3; // persistent cloudiness, 0 clear .. 1 overcast
    int y = year, doy = firstDay;
    bool wetYesterday = false;
    for (int n = 0; n < days; ++n) {
        anomaly = 0.7 * anomaly + 1.6 * rnd.normal();
        const bool wetDay = rnd.uniform() < (wetYesterday ? std::min(0.9, wet * 1.8) : wet);
        wetYesterday = wetDay;
        cloud =
            std::clamp(0.6 * cloud + 0.4 * (wetDay ? 0.75 : 0.2) + 0.1 * rnd.normal(), 0.0, 0.95);
        const double seasonal = tmean + tamp * std::cos(2.0 * kPi * (doy - warmestDay) / 365.0);
        const double range = std::max(2.0, trange * (1.15 - 0.6 * cloud) + rnd.normal());
        const double tMin = seasonal + anomaly - range / 2;
        // Rain falls in one to four consecutive hours of a wet day.
        double dayRain = wetDay ? -std::log(1.0 - rnd.uniform()) * 6.0 : 0.0;
        const int rainHours = 1 + int(rnd.uniform() * 4);
        const int rainStart = int(rnd.uniform() * (24 - rainHours));
        const double humidBase = wetDay ? 85.0 : 65.0;
        for (int hour = 0; hour < 24; ++hour) {
            // Coolest at 05:00, warmest at 15:00.
            double shape;
            if (hour >= 5 && hour <= 15)
                shape = 0.5 - 0.5 * std::cos(kPi * (hour - 5) / 10.0);
            else {
                const int since = (hour + 24 - 15) % 24; // hours after 15:00
                shape = 0.5 + 0.5 * std::cos(kPi * since / 14.0);
            }
            const double temp = tMin + range * shape + 0.3 * rnd.normal();
            const double rad =
                clearSkyHour(lat, doy, hour) * (1.0 - 0.7 * cloud) * (0.95 + 0.1 * rnd.uniform());
            const double rain = (wetDay && hour >= rainStart && hour < rainStart + rainHours)
                                    ? dayRain / rainHours
                                    : 0.0;
            const double humid =
                std::clamp(humidBase + 15 * (1 - shape) + 3 * rnd.normal(), 20.0, 100.0);
            const double wind = std::max(0.0, 3.0 + 1.5 * rnd.normal());
            const double pressure = 1013.0 - 8.0 * cloud + rnd.normal();
            if (drops.count({doy, hour * 100}))
                continue;
            std::fprintf(f, "%-8s A  %6d%5d%6d   %6.1f %6.1f %6.1f %5.1f\r\n", station.c_str(), doy,
                         y, hour * 100, rad, humid, wind, temp);
            std::fprintf(f, "%-8s B  %6d%5d%6d   %6.1f %6.1f\r\n", station.c_str(), doy, y,
                         hour * 100, rain, pressure);
        }
        if (++doy > (leap(y) ? 366 : 365)) {
            doy = 1;
            ++y;
        }
    }
    if (std::fflush(f) != 0 || std::ferror(f) || std::fclose(f) != 0) {
        std::fprintf(stderr, "zarn-mkstation: writing %s failed\n", out.c_str());
        return 1;
    }
    return 0;
}
