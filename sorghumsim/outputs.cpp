// Writing OUT1.SG ... OUT5.SG. Lines end with CR LF; everything is ASCII.
#include "outputs.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace sorghumsim {

namespace {

template <typename... Args> std::string fmt(const char *format, Args... args) {
    char buf[512];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

const char *irrigationText(Irrigation i) {
    switch (i) {
    case Irrigation::None:
        return "None";
    case Irrigation::Schedule:
        return "User Defined (irrigate.sg6)";
    case Irrigation::Automatic:
        return "Automatic";
    case Irrigation::NoStress:
        return "No Stress";
    }
    return "";
}

// A header line: the label in columns 10-25, ": ", the value from column 28.
std::string labelled(const std::string &label, const std::string &value) {
    return fmt("%*s%-16s: %s", kPlantingColumn - 1, "", label.c_str(), value.c_str());
}

const char *kTableHead = "  DATE   DOY  GROWTH STAGE              BIOMASS    LAI   DAP  DEG.DAYS";
const char *kTableUnits =
    "                                          g/m2              since sowing";

std::vector<std::string> prologue(const ModelInputs &in, const SeasonResult &r,
                                  const std::string &file, const std::string &what) {
    const auto &e = in.experiment;
    const auto &m = in.management;
    const auto &g = in.genetics;
    std::vector<std::string> out;
    out.push_back(
        "*SORGHUMSIM  stand-in sweet sorghum model (teaching and testing, not calibrated)");
    out.push_back("*" + file + "     " + what);
    out.push_back("");
    out.push_back(labelled("Experiment", e.code + " " + e.title));
    out.push_back(
        labelled("Weather file", in.weather.fileName + fmt(", latitude %.2f", r.latitude)));
    out.push_back(labelled("Soil", in.soil.description));
    out.push_back(labelled("Variety", fmt("%d %s", g.number, g.name.c_str())));
    out.push_back(labelled(
        "Genetics",
        fmt("juvenile %.1f, photoperiod %.2f h (+%.2f per h), fill %.2f degree-days",
            g.juvenileDegreeDays, g.optimalPhotoperiod, g.photoperiodDelay, g.fillDegreeDays)));
    out.push_back(labelled(
        "Irrigation", fmt("%d %s", static_cast<int>(m.irrigation), irrigationText(m.irrigation))));
    out.push_back(labelled("Nitrogen", m.nitrogen == 1 ? "1 User Defined (soil, fert.sg7)"
                                                       : "0 No Nitrogen Stress"));
    out.push_back(labelled("Plant density", fmt("%.2f plants/m2, row spacing %.3f, depth %.2f cm",
                                                m.density, m.rowSpacing, m.plantingDepth)));
    out.push_back(labelled("Simulation start", isoDate(r.start)));
    out.push_back(labelled("Planting date", isoDate(r.planting)));
    for (const auto &n : in.notes)
        out.push_back(" NOTE: " + n);
    out.push_back("");
    return out;
}

void appendMaturity(std::vector<std::string> &lines, const SeasonResult &r) {
    lines.push_back("");
    lines.push_back(" At the end of the season:");
    lines.push_back(kTableHead);
    lines.push_back(kTableUnits);
    lines.push_back(stageRow(r.stages.back()));
}

// "PHYSIOLOGICAL MATURITY" -> "Physiological maturity"
std::string titleCase(std::string name) {
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return name;
}

// Date, day of year and days after planting ("-" before planting).
std::string dayStart(const DayResult &d) {
    if (d.dap < 0)
        return fmt("%s  %3d    -", dayMonth(d.date).c_str(), d.date.doy);
    return fmt("%s  %3d %4d", dayMonth(d.date).c_str(), d.date.doy, d.dap);
}

} // namespace

std::string stageRow(const StageResult &s) {
    // columns: 1-6 date, 9-11 day of year, 14-35 stage, 38-45 biomass,
    // 47-52 LAI, 53-58 days after planting, 59-68 degree-days
    return fmt("%-6s  %3d  %-22s  %8.0f %6.2f %5d %9.0f", dayMonth(s.date).c_str(), s.date.doy,
               stageName(s.stage), s.biomass, s.lai, s.dap, s.thermalTime);
}

std::vector<std::vector<std::string>> buildOutputs(const ModelInputs &in, const SeasonResult &r) {
    std::vector<std::vector<std::string>> files(5);

    // OUT1.SG: growth stages and yield
    auto &o1 = files[0];
    o1 = prologue(in, r, "OUT1.SG", "Growth stages and yield");
    o1.push_back(kTableHead);
    o1.push_back(kTableUnits);
    for (const auto &s : r.stages)
        o1.push_back(stageRow(s));
    o1.push_back("");
    o1.push_back(fmt(" Above-ground dry biomass at maturity: %.2f t/ha (%.0f g/m2)",
                     r.maturityBiomass / 100.0, r.maturityBiomass));
    o1.push_back(fmt(" Largest leaf area index: %.2f", r.maxLai));
    o1.push_back(fmt(" Root dry biomass at maturity: %.2f t/ha", r.maturityRoots / 100.0));
    if (r.earlyMaturity)
        o1.push_back(" Drought killed the leaves during grain filling: the crop matured early.");
    o1.push_back("");
    o1.push_back(" Water balance by stage (mm)");
    o1.push_back("  From                      To                         RAIN  IRRIG RUNOFF   EVAP "
                 "TRANSP  DRAIN");
    {
        // From the simulation start to sowing, then from each stage to the next.
        std::vector<std::pair<std::string, Date>> bounds;
        bounds.emplace_back("Simulation start", r.start);
        for (const auto &st : r.stages)
            bounds.emplace_back(titleCase(stageName(st.stage)), st.date);
        for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
            double sums[6] = {};
            for (const auto &d : r.days)
                if (d.date > bounds[k].second && d.date <= bounds[k + 1].second) {
                    sums[0] += d.rain;
                    sums[1] += d.irrigation;
                    sums[2] += d.runoff;
                    sums[3] += d.evaporation;
                    sums[4] += d.transpiration;
                    sums[5] += d.drainage;
                }
            // the first day of the simulation belongs to the first period
            if (k == 0 && !r.days.empty()) {
                const auto &d = r.days.front();
                sums[0] += d.rain;
                sums[1] += d.irrigation;
                sums[2] += d.runoff;
                sums[3] += d.evaporation;
                sums[4] += d.transpiration;
                sums[5] += d.drainage;
            }
            o1.push_back(fmt("  %-24s  %-24s %6.1f %6.1f %6.1f %6.1f %6.1f %6.1f",
                             bounds[k].first.c_str(), bounds[k + 1].first.c_str(), sums[0], sums[1],
                             sums[2], sums[3], sums[4], sums[5]));
        }
    }

    // OUT2.SG: daily growth from planting
    auto &o2 = files[1];
    o2 = prologue(in, r, "OUT2.SG", "Daily growth");
    o2.push_back("  DATE   DOY  DAP   DEG.D  TT.SUM  PHOTOP    LAI  BIOMASS    ROOTS  WSTRESS  "
                 "LSTRESS  NSTRESS  STAGE");
    o2.push_back("                    Cd/d      Cd       h              g/m2     g/m2");
    for (const auto &d : r.days)
        if (d.dap >= 0)
            o2.push_back(dayStart(d) +
                         fmt(" %7.1f %7.0f %7.2f %6.2f %8.1f %8.1f %8.2f %8.2f %8.2f  %s",
                             d.degreeDays, d.thermalTime, d.photoperiod, d.lai, d.biomass, d.roots,
                             d.waterStress, d.leafStress, d.nitrogenStress,
                             stageShortName(d.stage)));
    appendMaturity(o2, r);

    // OUT3.SG: daily water balance from the simulation start
    auto &o3 = files[2];
    o3 = prologue(in, r, "OUT3.SG", "Daily water balance (mm)");
    o3.push_back("  DATE   DOY  DAP   RAIN  IRRIG RUNOFF    PET   EVAP  TRANSP  DRAIN   SOILW  "
                 "EXTRACT  ROOTCM  WSTRESS");
    double rain = 0, irrigation = 0, runoff = 0, evaporation = 0, transpiration = 0, drainage = 0;
    for (const auto &d : r.days) {
        o3.push_back(dayStart(d) +
                     fmt(" %6.1f %6.1f %6.1f %6.2f %6.2f %7.2f %6.1f %7.1f %8.1f %7.1f %8.2f",
                         d.rain, d.irrigation, d.runoff, d.potentialEt, d.evaporation,
                         d.transpiration, d.drainage, d.soilWater, d.extractable, d.rootDepth,
                         d.waterStress));
        rain += d.rain;
        irrigation += d.irrigation;
        runoff += d.runoff;
        evaporation += d.evaporation;
        transpiration += d.transpiration;
        drainage += d.drainage;
    }
    o3.push_back(fmt(" Totals          %6.1f %6.1f %6.1f        %6.1f %7.1f %6.1f", rain,
                     irrigation, runoff, evaporation, transpiration, drainage));
    appendMaturity(o3, r);

    // OUT4.SG: daily nitrogen from planting
    auto &o4 = files[3];
    o4 = prologue(in, r, "OUT4.SG", "Daily nitrogen (kg N/ha)");
    o4.push_back("  DATE   DOY  DAP   SOILN   FERT  UPTAKE   CROPN   CRITN    NNI  NSTRESS");
    double fertiliser = 0, uptake = 0;
    for (const auto &d : r.days)
        if (d.dap >= 0) {
            o4.push_back(dayStart(d) + fmt(" %7.1f %6.1f %7.2f %7.1f %7.1f %6.2f %8.2f", d.soilN,
                                           d.fertiliser, d.uptake, d.cropN, d.criticalN,
                                           d.criticalN > 0 ? d.cropN / d.criticalN : 1.0,
                                           d.nitrogenStress));
            fertiliser += d.fertiliser;
            uptake += d.uptake;
        }
    o4.push_back(fmt(" Totals                  %6.1f %7.1f", fertiliser, uptake));
    appendMaturity(o4, r);

    // OUT5.SG: season summary (listed by the application, not scanned)
    auto &o5 = files[4];
    o5.push_back(
        "*SORGHUMSIM  stand-in sweet sorghum model (teaching and testing, not calibrated)");
    o5.push_back("*OUT5.SG     Season summary");
    o5.push_back("");
    o5.push_back(" Experiment " + in.experiment.code + "  " + in.experiment.title);
    o5.push_back(" Variety " + fmt("%d ", in.genetics.number) + in.genetics.name);
    o5.push_back(fmt(" Correction factors (read, not used): %.2f %.2f", in.genetics.correction1,
                     in.genetics.correction2));
    o5.push_back("");
    o5.push_back(" Stage                     Date        Days after planting");
    for (const auto &s : r.stages) {
        const std::string name = titleCase(stageName(s.stage));
        o5.push_back(fmt(" %-24s  %s  %5d", name.c_str(), isoDate(s.date).c_str(), s.dap));
    }
    o5.push_back("");
    o5.push_back(fmt(" Season length              %d days from planting", r.stages.back().dap));
    o5.push_back(fmt(" Dry biomass at maturity    %.2f t/ha", r.maturityBiomass / 100.0));
    o5.push_back(fmt(" Root dry biomass           %.2f t/ha", r.maturityRoots / 100.0));
    o5.push_back(fmt(" Largest leaf area index    %.2f", r.maxLai));
    if (transpiration > 0)
        o5.push_back(fmt(" Biomass per transpiration  %.1f kg/ha per mm (above ground and roots)",
                         (r.maturityBiomass + r.maturityRoots) * 10.0 / transpiration));
    o5.push_back(fmt(" Rain                       %.1f mm", rain));
    o5.push_back(fmt(" Irrigation                 %.1f mm", irrigation));
    o5.push_back(fmt(" Runoff                     %.1f mm", runoff));
    o5.push_back(fmt(" Soil evaporation           %.1f mm", evaporation));
    o5.push_back(fmt(" Transpiration              %.1f mm", transpiration));
    o5.push_back(fmt(" Drainage                   %.1f mm", drainage));
    o5.push_back(fmt(" Fertiliser nitrogen        %.1f kg N/ha", fertiliser));
    o5.push_back(fmt(" Crop nitrogen at maturity  %.1f kg N/ha", r.days.back().cropN));
    if (r.earlyMaturity)
        o5.push_back(
            " NOTE: drought killed the leaves during grain filling: the crop matured early");
    for (const auto &n : in.notes)
        o5.push_back(" NOTE: " + n);
    return files;
}

void removeOldOutputs(const std::string &dir) {
    std::error_code ec;
    std::vector<fs::path> old;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        std::string name = entry.path().filename().string();
        for (char &c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name.size() == 7 && name.compare(0, 3, "out") == 0 && name[3] >= '1' &&
            name[3] <= '5' && name.compare(4, 3, ".sg") == 0)
            old.push_back(entry.path());
    }
    for (const auto &p : old) {
        fs::remove(p, ec);
        if (ec)
            throw std::runtime_error(
                p.filename().string() +
                ": cannot remove the output of an earlier run: " + ec.message());
    }
}

void writeOutputs(const std::string &dir, const std::vector<std::vector<std::string>> &files) {
    std::vector<fs::path> temps, finals;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = "OUT" + std::to_string(i + 1) + ".SG";
        finals.push_back(fs::path(dir) / name);
        temps.push_back(fs::path(dir) / ("." + name + ".part"));
    }
    const auto discard = [&] {
        std::error_code ec;
        for (const auto &p : temps)
            fs::remove(p, ec);
        for (const auto &p : finals)
            fs::remove(p, ec);
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::ofstream out(temps[i], std::ios::binary | std::ios::trunc);
        for (const auto &line : files[i])
            out << line << "\r\n";
        out.flush();
        out.close();
        if (!out) {
            discard();
            throw std::runtime_error(finals[i].filename().string() + ": cannot be written");
        }
    }
    // OUT1.SG last: a reader that finds it finds the others complete.
    for (std::size_t k = files.size(); k-- > 0;) {
        std::error_code ec;
        fs::rename(temps[k], finals[k], ec);
        if (ec) {
            discard();
            throw std::runtime_error(finals[k].filename().string() +
                                     ": cannot be written: " + ec.message());
        }
    }
}

} // namespace sorghumsim
