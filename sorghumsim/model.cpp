// The season, one day at a time. Each day:
//   1. the day's weather and its degree-days;
//   2. rain and irrigation enter the soil from the top, water above the
//      drained upper limit drains to the layer below (and out at the bottom);
//   3. potential evapotranspiration is split by the canopy into soil
//      evaporation and crop transpiration; the roots supply what they can;
//   4. leaves expand and biomass grows from the intercepted radiation, both
//      reduced by water (and, with the nitrogen option, nitrogen) stress;
//   5. the crop takes up nitrogen towards its critical concentration;
//   6. development advances; a stage reached is recorded with that day's
//      biomass and leaf area.
// Water and nitrogen stress slow growth only, never development, so a crop
// with more water is never smaller than the same crop with less.
#include "model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace sorghumsim {

const char *stageName(int stage) {
    static const char *names[] = {"SOWING",
                                  "EMERGENCE",
                                  "END JUVENILE PHASE",
                                  "FLORAL INITIATION",
                                  "FLOWERING",
                                  "PHYSIOLOGICAL MATURITY"};
    return stage >= 0 && stage < StageCount ? names[stage] : "";
}

const char *stageShortName(int stage) {
    static const char *names[] = {"SOWN", "EMERG", "JUVEN", "F.INIT", "FLOWER", "MATUR"};
    return stage >= 0 && stage < StageCount ? names[stage] : "-";
}

double photoperiodHours(double latitude, int doy) {
    constexpr double rad = std::numbers::pi / 180.0;
    const double declination = 23.45 * std::sin(2 * std::numbers::pi * (284 + doy) / 365.0);
    const double phi = latitude * rad, delta = declination * rad;
    double cosH = (std::sin(kTwilightAngle * rad) - std::sin(phi) * std::sin(delta)) /
                  (std::cos(phi) * std::cos(delta));
    cosH = std::clamp(cosH, -1.0, 1.0);
    return 24.0 / std::numbers::pi * std::acos(cosH);
}

namespace {

// Degree-days of a day: mean temperature above the base, up to the optimum,
// falling to zero at the ceiling.
double degreeDays(double tmean) {
    if (tmean <= kBaseTemperature)
        return 0;
    if (tmean <= kOptimumTemperature)
        return tmean - kBaseTemperature;
    if (tmean >= kCeilingTemperature)
        return 0;
    return (kOptimumTemperature - kBaseTemperature) * (kCeilingTemperature - tmean) /
           (kCeilingTemperature - kOptimumTemperature);
}

// Priestley-Taylor potential evapotranspiration, mm/day, with net radiation
// taken as a fixed part of the solar radiation.
double potentialEt(double radiation, double tmean) {
    const double es = 0.6108 * std::exp(17.27 * tmean / (tmean + 237.3));
    const double slope = 4098 * es / ((tmean + 237.3) * (tmean + 237.3));
    const double gamma = 0.066; // kPa/degC
    const double lambda = 2.45; // MJ/kg
    return std::max(0.0, kPriestleyTaylor * slope / (slope + gamma) * kNetRadiationFraction *
                             radiation / lambda);
}

// Leaf area of one unit of the largest canopy, by degree-days since emergence.
double leafCurve(double tt) {
    return 1.0 / (1.0 + std::exp(-(tt - kLeafMidpoint) / kLeafSpread));
}

// Crowding: leaf area per plant times density, saturating towards kCanopyLaiLimit.
double largestLai(double density) {
    const double alone = kLeafAreaPerPlant * density;
    return alone / (1.0 + alone / kCanopyLaiLimit);
}

// Critical nitrogen of a crop of `biomass` g/m2, kg N/ha.
double criticalNitrogen(double biomass) {
    const double tha = biomass / 100.0;
    const double percent = tha < 1 ? kCriticalN : kCriticalN * std::pow(tha, kCriticalNSlope);
    return tha * 10.0 * percent;
}

struct Layer {
    double top = 0, bottom = 0; // cm
    double mm = 0;              // thickness in mm
    double ll = 0, dul = 0, sat = 0, bd = 0;
    double theta = 0; // cm3/cm3
};

class Soil {
public:
    Soil(const SoilProfile &profile, const std::vector<InitialLayer> &initial) {
        double depth = 0;
        for (const auto &p : profile.layers) {
            Layer l;
            l.top = depth;
            l.bottom = depth + p.thickness;
            l.mm = p.thickness * 10.0;
            l.ll = p.ll;
            l.dul = p.dul;
            l.sat = p.sat;
            l.bd = p.bd;
            l.theta = p.swInit;
            depth = l.bottom;
            m_layers.push_back(l);
        }
        // The initial-conditions file gives the starting water by depth; its
        // layers need not match the profile's: each profile layer takes the
        // value at its middle (the deepest given value below the last one).
        if (!initial.empty()) {
            for (auto &l : m_layers) {
                const double mid = (l.top + l.bottom) / 2;
                double top = 0;
                double water = initial.back().water;
                for (const auto &i : initial) {
                    if (mid < top + i.thickness) {
                        water = i.water;
                        break;
                    }
                    top += i.thickness;
                }
                l.theta = water;
            }
        }
        for (auto &l : m_layers)
            l.theta = std::clamp(l.theta, 0.0, l.sat);
    }

    double depth() const { return m_layers.back().bottom; }

    double bulkDensityAt(double depth) const {
        for (const auto &l : m_layers)
            if (depth < l.bottom)
                return l.bd;
        return m_layers.back().bd;
    }

    // Water enters at the top; every layer keeps up to its drained upper limit
    // and passes the rest down. Returns the drainage out of the profile.
    double infiltrate(double mm) {
        double moving = mm;
        for (auto &l : m_layers) {
            l.theta += moving / l.mm;
            moving = 0;
            if (l.theta > l.dul) {
                moving = (l.theta - l.dul) * l.mm;
                l.theta = l.dul;
            }
        }
        return moving;
    }

    double rootFraction(const Layer &l, double rootDepth) const {
        return std::clamp((rootDepth - l.top) / (l.bottom - l.top), 0.0, 1.0);
    }

    double extractable(double rootDepth) const {
        double sum = 0;
        for (const auto &l : m_layers)
            sum += rootFraction(l, rootDepth) * std::max(0.0, l.theta - l.ll) * l.mm;
        return sum;
    }

    double capacity(double rootDepth) const {
        double sum = 0;
        for (const auto &l : m_layers)
            sum += rootFraction(l, rootDepth) * (l.dul - l.ll) * l.mm;
        return sum;
    }

    // Raises the layers the roots reach (all layers when rootDepth covers the
    // profile) to their drained upper limit; returns the water added, mm.
    double fillToUpperLimit(double rootDepth) {
        double added = 0;
        for (auto &l : m_layers)
            if (rootFraction(l, rootDepth) > 0 && l.theta < l.dul) {
                added += (l.dul - l.theta) * l.mm;
                l.theta = l.dul;
            }
        return added;
    }

    // Soil evaporation from the top layer, which dries down to half its lower
    // limit; a drying surface slows evaporation (the square of the relative wetness).
    double evaporate(double potential) {
        Layer &top = m_layers.front();
        const double airDry = top.ll / 2;
        const double relative = std::clamp((top.theta - airDry) / (top.dul - airDry), 0.0, 1.0);
        const double e =
            std::min(potential * relative * relative, std::max(0.0, top.theta - airDry) * top.mm);
        top.theta -= e / top.mm;
        return e;
    }

    // Takes `mm` from the root zone in proportion to each layer's extractable water.
    void extract(double mm, double rootDepth) {
        const double total = extractable(rootDepth);
        if (total <= 0 || mm <= 0)
            return;
        const double share = std::min(1.0, mm / total);
        for (auto &l : m_layers) {
            const double avail = rootFraction(l, rootDepth) * std::max(0.0, l.theta - l.ll) * l.mm;
            l.theta -= share * avail / l.mm;
        }
    }

    double totalWater() const {
        double sum = 0;
        for (const auto &l : m_layers)
            sum += l.theta * l.mm;
        return sum;
    }

private:
    std::vector<Layer> m_layers;
};

// A schedule day of year within the season: on or after the start day it is
// in the start year, before it in the following year.
std::map<Date, double> datedEvents(const std::vector<ScheduleEvent> &events, Date start) {
    std::map<Date, double> out;
    for (const auto &e : events) {
        const Date d{e.doy >= start.doy ? start.year : start.year + 1, e.doy};
        out[d] += e.amount;
    }
    return out;
}

std::string describe(Date d) {
    return isoDate(d) + " (day " + std::to_string(d.doy) + ")";
}

} // namespace

SeasonResult simulate(const ModelInputs &in) {
    const CropManagement &man = in.management;
    const Genetics &gen = in.genetics;

    SeasonResult out;
    out.start = {in.experiment.year, man.startDay};
    out.planting = {man.plantingDay >= man.startDay ? in.experiment.year : in.experiment.year + 1,
                    man.plantingDay};
    if (out.start.doy > daysInYear(out.start.year))
        throw SimulationError("CROPMAN.sg8: the simulation start day " +
                              std::to_string(out.start.doy) + " does not exist in " +
                              std::to_string(out.start.year));
    if (out.planting.doy > daysInYear(out.planting.year))
        throw SimulationError("CROPMAN.sg8: the planting day " + std::to_string(out.planting.doy) +
                              " does not exist in " + std::to_string(out.planting.year));
    out.latitude = in.weather.hasLatitude ? in.weather.latitude : kDefaultLatitude;

    Soil soil(in.soil, in.initial);
    const auto irrigationEvents = datedEvents(in.irrigationEvents, out.start);
    const auto fertiliserEvents = datedEvents(in.fertiliserEvents, out.start);
    double efficiency = man.irrigationEfficiency;
    if (efficiency <= 0)
        efficiency = 1;
    else if (efficiency > 1)
        efficiency /= 100;
    const double usable =
        (man.irrigationUsable > 0 ? man.irrigationUsable : kDefaultUsablePercent) / 100.0;
    const bool waterLimited =
        man.irrigation == Irrigation::None || man.irrigation == Irrigation::Schedule;

    // The soil's mineral nitrogen at the start, from the initial-conditions layers.
    double soilN = 0;
    {
        double top = 0;
        for (const auto &l : in.initial) {
            soilN +=
                (l.nh4 + l.no3) * soil.bulkDensityAt(top + l.thickness / 2) * l.thickness * 0.1;
            top += l.thickness;
        }
    }

    const double laiMax = largestLai(man.density);
    int stage = -1;             // not planted yet
    double stageDegreeDays = 0; // degree-days since the last stage
    double induction = 0;       // progress to floral initiation, 0-1
    double thermalTime = 0, leafTime = 0;
    double lai = 0, laiAtFlowering = 0, biomass = 0, cropN = 0;
    double rootDepth = 0, nitrogenFactor = 1;
    int dap = -1;

    const Date firstWeather = in.weather.days.begin()->first;
    const Date lastWeather = in.weather.days.rbegin()->first;
    const auto stageReached = [&] {
        return std::string("the crop had reached ") +
               (stage < 0 ? "no stage (not planted yet)" : stageName(stage));
    };

    for (Date d = out.start;; d = nextDay(d)) {
        const auto found = in.weather.days.find(d);
        if (found == in.weather.days.end()) {
            const std::string file = in.weather.fileName;
            if (d == out.start && d < firstWeather)
                throw SimulationError(file + ": the weather begins on " + describe(firstWeather) +
                                      ", after the simulation start " + describe(out.start));
            if (d > lastWeather)
                throw SimulationError(file + ": the weather ends on " + describe(lastWeather) +
                                      ", before physiological maturity; " + stageReached());
            throw SimulationError(file + ": no weather for " + describe(d) +
                                  "; every day from the simulation start to maturity is needed");
        }
        const WeatherDay &w = found->second;
        const double tmean = (w.tmax + w.tmin) / 2;

        DayResult r;
        r.date = d;
        r.photoperiod = photoperiodHours(out.latitude, d.doy);
        if (d == out.planting) {
            stage = Sowing;
            dap = 0;
            rootDepth = std::max(1.0, man.plantingDepth);
            out.stages.push_back({Sowing, d, 0, 0, 0, 0});
        } else if (dap >= 0) {
            ++dap;
        }
        const bool planted = stage >= Sowing;
        const bool growing = stage >= Emergence && stage < Maturity;
        r.degreeDays = planted ? degreeDays(tmean) : 0;

        // 2. water in
        r.rain = w.rain;
        double net = w.rain;
        if (planted && man.irrigation == Irrigation::Schedule) {
            const auto e = irrigationEvents.find(d);
            if (e != irrigationEvents.end()) {
                r.irrigation = e->second;
                net += e->second * efficiency;
            }
        }
        r.drainage = soil.infiltrate(net);
        if (planted && man.irrigation == Irrigation::Automatic) {
            const double cap = soil.capacity(rootDepth);
            if (cap > 0 && soil.extractable(rootDepth) < usable * cap)
                r.irrigation = soil.fillToUpperLimit(rootDepth) / efficiency;
        } else if (planted && man.irrigation == Irrigation::NoStress) {
            r.irrigation = soil.fillToUpperLimit(soil.depth());
        }

        // 3. evaporation and transpiration
        r.potentialEt = potentialEt(w.radiation, tmean);
        const double cover = 1 - std::exp(-kExtinction * lai);
        const double potentialT = growing ? r.potentialEt * cover : 0;
        r.evaporation = soil.evaporate(r.potentialEt * (1 - cover));
        const double supply = kUptakeFraction * soil.extractable(rootDepth);
        double leafFactor = 1;
        if (potentialT > 1e-9 && waterLimited) {
            r.transpiration = std::min(potentialT, supply);
            r.waterStress = r.transpiration / potentialT;
            leafFactor = std::min(1.0, supply / (kLeafStressMargin * potentialT));
        } else {
            r.transpiration = std::min(potentialT, soil.extractable(rootDepth));
        }
        soil.extract(r.transpiration, rootDepth);

        // 4. leaves and biomass
        if (growing) {
            r.nitrogenStress = nitrogenFactor;
            const double growthFactor = std::min(r.waterStress, nitrogenFactor);
            if (stage < Flowering) {
                const double next = leafTime + r.degreeDays;
                lai += laiMax * (leafCurve(next) - leafCurve(leafTime)) *
                       std::min(leafFactor, nitrogenFactor);
                leafTime = next;
            } else {
                const double fill =
                    std::min(1.0, (stageDegreeDays + r.degreeDays) / gen.fillDegreeDays);
                lai = laiAtFlowering * (1 - kLeafSenescence * fill);
            }
            const double intercepted =
                kParFraction * w.radiation * (1 - std::exp(-kExtinction * lai));
            const double temperature = std::clamp(
                (tmean - kBaseTemperature) / (kRueFullTemperature - kBaseTemperature), 0.0, 1.0);
            biomass += kRadiationUseEfficiency * intercepted * temperature * growthFactor;
        }

        // 5. nitrogen
        soilN += kMineralisation;
        if (in.management.nitrogen == 1) {
            const auto f = fertiliserEvents.find(d);
            if (f != fertiliserEvents.end()) {
                r.fertiliser = f->second;
                soilN += f->second;
            }
        }
        if (growing) {
            const double critical = criticalNitrogen(biomass);
            const double demand = std::max(0.0, critical - cropN);
            r.uptake = in.management.nitrogen == 1 ? std::min(demand, soilN) : demand;
            soilN = std::max(0.0, soilN - r.uptake);
            cropN += r.uptake;
            if (in.management.nitrogen == 1)
                nitrogenFactor = critical > 0 ? std::min(1.0, cropN / critical) : 1.0;
            r.criticalN = critical;
        }

        // 6. development
        if (planted && stage < Maturity) {
            thermalTime += r.degreeDays;
            stageDegreeDays += r.degreeDays;
            if (stage >= Emergence)
                rootDepth = std::min({soil.depth(), kMaxRootDepth,
                                      rootDepth + kRootDepthPerDegreeDay * r.degreeDays});
            // One stage at most per day: a day has under 30 degree-days and
            // the shortest stage needs more than 50.
            int next = stage;
            if (stage == EndJuvenile) {
                // Long days delay initiation: each hour of photoperiod above
                // the optimum adds "speed of development" degree-days.
                const double length =
                    kInductionBaseDegreeDays +
                    gen.photoperiodDelay * std::max(0.0, r.photoperiod - gen.optimalPhotoperiod);
                induction += r.degreeDays / length;
                if (induction >= 1) {
                    next = FloralInitiation;
                    stageDegreeDays = 0;
                }
            } else {
                const double need = stage == Sowing
                                        ? kEmergenceDegreeDays + kEmergencePerCm * man.plantingDepth
                                    : stage == Emergence        ? gen.juvenileDegreeDays
                                    : stage == FloralInitiation ? kInitiationToFlowering
                                                                : gen.fillDegreeDays;
                if (stageDegreeDays >= need) {
                    next = stage + 1;
                    stageDegreeDays = next == EndJuvenile ? 0 : stageDegreeDays - need;
                }
            }
            if (next != stage) {
                stage = next;
                if (stage == Emergence) {
                    lai = laiMax * leafCurve(0);
                    biomass = kInitialBiomass;
                    cropN = criticalNitrogen(biomass);
                }
                if (stage == Flowering)
                    laiAtFlowering = lai;
                out.stages.push_back({stage, d, dap, thermalTime, biomass, lai});
            }
        }

        r.dap = dap;
        r.stage = stage;
        r.thermalTime = thermalTime;
        r.lai = lai;
        r.biomass = biomass;
        r.soilWater = soil.totalWater();
        r.rootDepth = planted ? rootDepth : 0;
        r.extractable = soil.extractable(rootDepth);
        r.soilN = soilN;
        r.cropN = cropN;
        if (r.criticalN == 0)
            r.criticalN = criticalNitrogen(biomass);
        out.maxLai = std::max(out.maxLai, lai);
        out.days.push_back(r);

        if (stage == Maturity) {
            out.maturityBiomass = biomass;
            return out;
        }
        if (dap >= kMaxSeasonDays)
            throw SimulationError("genetics.sg9: no physiological maturity within " +
                                  std::to_string(kMaxSeasonDays) + " days of planting; " +
                                  stageReached() + " (check the variety and the weather)");
    }
}

} // namespace sorghumsim
