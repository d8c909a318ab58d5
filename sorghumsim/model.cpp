// The season, one day at a time. Each day:
//   1. the day's weather and its degree-days;
//   2. rain runs off by the soil's curve number; the rest (and irrigation)
//      enters the soil from the top, water above the drained upper limit
//      drains to the layer below (and out at the bottom);
//   3. potential evapotranspiration is split by the canopy into potential soil
//      evaporation, which the soil delivers in two stages, and potential
//      transpiration, which the roots supply as far as they can;
//   4. leaves expand (slowed by water stress before growth is) and die back
//      (with age after flowering, and sooner in a drought); biomass grows from
//      the intercepted radiation, reduced by water (and, with the nitrogen
//      option, nitrogen) stress, and a share of it goes to the roots;
//   5. the crop takes up nitrogen towards its critical concentration;
//   6. development advances; a stage reached is recorded with that day's
//      biomass and leaf area.
// Stress never slows development; only a canopy killed by drought ends grain
// filling early, and that can only lower the yield of a drier crop.
#include "model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace sorghumsim {

const char *stageName(int stage) {
    static const char *names[] = {
        "SOWING",    "EMERGENCE",           "END JUVENILE PHASE",    "FLORAL INITIATION",
        "FLOWERING", "BEGIN GRAIN FILLING", "PHYSIOLOGICAL MATURITY"};
    return stage >= 0 && stage < StageCount ? names[stage] : "";
}

const char *stageShortName(int stage) {
    static const char *names[] = {"SOWN", "EMERG", "JUVEN", "F.INIT", "FLOWER", "G.FILL", "MATUR"};
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

// Part of the largest leaf area a plant has reached `tt` degree-days after
// emergence: a logistic curve whose midpoint lies a fixed thermal time after
// the end of the variety's juvenile phase.
double leafCurve(double tt, double midpoint) {
    return 1.0 / (1.0 + std::exp(-(tt - midpoint) / kLeafSpread));
}

// Crowding: leaf area per plant times density, saturating towards kCanopyLaiLimit.
double largestLai(double density) {
    const double alone = kLeafAreaPerPlant * density;
    return alone / (1.0 + alone / kCanopyLaiLimit);
}

// Part of the day's growth that goes to the roots, by degree-days since
// emergence (none after flowering).
double rootShare(double ttSinceEmergence) {
    const double progress = std::clamp(ttSinceEmergence / kRootShareDecline, 0.0, 1.0);
    return kRootShareAtEmergence + (kRootShareLate - kRootShareAtEmergence) * progress;
}

// Critical nitrogen of a crop of `biomass` g/m2, kg N/ha.
double criticalNitrogen(double biomass) {
    const double tha = biomass / 100.0;
    const double percent = tha < 1 ? kCriticalN : kCriticalN * std::pow(tha, kCriticalNSlope);
    return tha * 10.0 * percent;
}

// Runoff (mm) of `rain` mm by the curve-number rule: retention
// S = 254 (100 / CN - 1) mm, nothing runs off until the rain exceeds the
// initial abstraction 0.2 S, then Q = (P - 0.2 S)^2 / (P + 0.8 S).
double curveNumberRunoff(double rain, double curveNumber) {
    if (rain <= 0 || curveNumber <= 0)
        return 0;
    const double retention = 254.0 * (100.0 / curveNumber - 1.0);
    const double abstraction = kInitialAbstraction * retention;
    if (rain <= abstraction)
        return 0;
    return (rain - abstraction) * (rain - abstraction) / (rain + retention - abstraction);
}

// The curve number of the day: the soil's value (average wetness) moved
// towards its dry or its wet form by the relative wetness (0 at LL, 1 at DUL)
// of the upper soil.
double dailyCurveNumber(double cn2, double wetness) {
    const double dry = 4.2 * cn2 / (10.0 - 0.058 * cn2);
    const double wet = std::min(100.0, 23.0 * cn2 / (10.0 + 0.13 * cn2));
    return std::clamp(dry + (wet - dry) * std::clamp(wetness, 0.0, 1.0), 1.0, 100.0);
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
        // Both lists run down the profile, so one pass over each suffices.
        if (!initial.empty()) {
            std::size_t i = 0;
            double top = 0;
            for (auto &l : m_layers) {
                const double mid = (l.top + l.bottom) / 2;
                while (i < initial.size() && mid >= top + initial[i].thickness) {
                    top += initial[i].thickness;
                    ++i;
                }
                l.theta = i < initial.size() ? initial[i].water : initial.back().water;
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

    static double fraction(const Layer &l, double depth) {
        return std::clamp((depth - l.top) / (l.bottom - l.top), 0.0, 1.0);
    }

    double extractable(double rootDepth) const {
        double sum = 0;
        for (const auto &l : m_layers)
            sum += fraction(l, rootDepth) * std::max(0.0, l.theta - l.ll) * l.mm;
        return sum;
    }

    double capacity(double rootDepth) const {
        double sum = 0;
        for (const auto &l : m_layers)
            sum += fraction(l, rootDepth) * (l.dul - l.ll) * l.mm;
        return sum;
    }

    // Relative wetness (0 at LL, 1 at DUL) of the soil down to `depth`.
    double wetness(double depth) const {
        const double cap = capacity(depth);
        if (cap <= 0)
            return 1;
        double water = 0;
        for (const auto &l : m_layers)
            water += fraction(l, depth) * (l.theta - l.ll) * l.mm;
        return water / cap;
    }

    // Raises the layers the roots reach (all layers when rootDepth covers the
    // profile) to their drained upper limit; returns the water added, mm.
    double fillToUpperLimit(double rootDepth) {
        double added = 0;
        for (auto &l : m_layers)
            if (fraction(l, rootDepth) > 0 && l.theta < l.dul) {
                added += (l.dul - l.theta) * l.mm;
                l.theta = l.dul;
            }
        return added;
    }

    // Takes up to `mm` of soil evaporation from the surface soil, the top layer
    // first: the top kAirDryDepth cm can dry to air-dry (half the LL), the
    // soil below it down to kEvaporationDepth cm to its LL. Returns what was
    // taken.
    double evaporate(double mm) {
        const auto overlap = [](const Layer &l, double from, double to) {
            return std::max(0.0, std::min(l.bottom, to) - std::max(l.top, from));
        };
        double left = mm;
        for (auto &l : m_layers) {
            if (left <= 0 || l.top >= kEvaporationDepth)
                break;
            const double airDry = overlap(l, 0, kAirDryDepth);
            const double below = overlap(l, kAirDryDepth, kEvaporationDepth);
            // the part of the layer that evaporation reaches, and its floor
            const double reached = (airDry + below) / (l.bottom - l.top);
            const double floor = (airDry * l.ll / 2 + below * l.ll) / (airDry + below);
            const double available = std::max(0.0, l.theta - floor) * l.mm * reached;
            const double take = std::min(left, available);
            l.theta -= take / l.mm;
            left -= take;
        }
        return mm - left;
    }

    // Takes `mm` from the root zone in proportion to each layer's extractable water.
    void extract(double mm, double rootDepth) {
        const double total = extractable(rootDepth);
        if (total <= 0 || mm <= 0)
            return;
        const double share = std::min(1.0, mm / total);
        for (auto &l : m_layers) {
            const double avail = fraction(l, rootDepth) * std::max(0.0, l.theta - l.ll) * l.mm;
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

// Soil evaporation in two stages: while the surface is wet it evaporates at
// the potential rate (stage 1) until U mm have gone since it was wetted; from
// then on the surface dries and the cumulative evaporation grows with the
// square root of the days since (stage 2).
class SurfaceDrying {
public:
    explicit SurfaceDrying(double stage1Limit) : m_limit(stage1Limit), m_stage1(stage1Limit) {}

    // Water entering the soil first makes good what stage 1 had taken; when
    // that brings the surface back within stage 1, drying starts afresh.
    void wet(double mm) {
        if (mm <= 0)
            return;
        m_stage1 = std::max(0.0, m_stage1 - mm);
        if (m_stage1 < m_limit)
            m_days = 0;
    }

    // The evaporation the surface allows today under the potential `potential`.
    double demand(double potential) {
        if (potential <= 0)
            return 0;
        if (m_stage1 < m_limit) {
            const double e = std::min(potential, m_limit - m_stage1);
            m_stage1 += e;
            if (e >= potential)
                return e;
            // stage 1 ends today; the rest of the day is the first of stage 2
            m_days = 1;
            return e + std::min(potential - e, kStage2Evaporation);
        }
        m_days += 1;
        return std::min(potential,
                        kStage2Evaporation * (std::sqrt(m_days) - std::sqrt(m_days - 1)));
    }

private:
    double m_limit;
    double m_stage1;   // evaporated in stage 1 since the last wetting, mm
    double m_days = 0; // days in stage 2
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
    const double leafMidpoint = gen.juvenileDegreeDays + kLeafMidpointAfterJuvenile;
    SurfaceDrying surface(in.soil.stage1Limit);
    int stage = -1;             // not planted yet
    double stageDegreeDays = 0; // degree-days since the last stage
    double induction = 0;       // progress to floral initiation, 0-1
    double thermalTime = 0, leafTime = 0;
    double lai = 0, laiAtFlowering = 0, biomass = 0, roots = 0, cropN = 0;
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

        // 2. water in: rain runs off first; irrigation is applied where it
        // infiltrates
        r.rain = w.rain;
        r.runoff =
            in.soil.curveNumber > 0
                ? curveNumberRunoff(w.rain, dailyCurveNumber(in.soil.curveNumber,
                                                             soil.wetness(kRunoffWetnessDepth)))
                : 0;
        double net = w.rain - r.runoff;
        if (planted && man.irrigation == Irrigation::Schedule) {
            const auto e = irrigationEvents.find(d);
            if (e != irrigationEvents.end()) {
                r.irrigation = e->second;
                net += e->second * efficiency;
            }
        }
        r.drainage = soil.infiltrate(net);
        double added = 0;
        if (planted && man.irrigation == Irrigation::Automatic) {
            const double cap = soil.capacity(rootDepth);
            if (cap > 0 && soil.extractable(rootDepth) < usable * cap) {
                added = soil.fillToUpperLimit(rootDepth);
                r.irrigation = added / efficiency;
            }
        } else if (planted && man.irrigation == Irrigation::NoStress) {
            added = soil.fillToUpperLimit(soil.depth());
            r.irrigation = added;
        }
        surface.wet(net + added);

        // 3. evaporation and transpiration
        r.potentialEt = potentialEt(w.radiation, tmean);
        const double cover = 1 - std::exp(-kExtinction * lai);
        const double potentialT = growing ? r.potentialEt * cover : 0;
        r.evaporation = soil.evaporate(surface.demand(r.potentialEt * (1 - cover)));
        const double supply = kUptakeFraction * soil.extractable(rootDepth);
        double supplyRatio = 1; // supply / demand, at most 1 counted
        if (potentialT > 1e-9 && waterLimited) {
            r.transpiration = std::min(potentialT, supply);
            r.waterStress = r.transpiration / potentialT;
            r.leafStress = std::min(1.0, supply / (kLeafStressMargin * potentialT));
            supplyRatio = r.waterStress;
        } else {
            r.transpiration = std::min(potentialT, soil.extractable(rootDepth));
        }
        soil.extract(r.transpiration, rootDepth);

        // 4. leaves, biomass and roots
        if (growing) {
            r.nitrogenStress = nitrogenFactor;
            const double growthFactor = std::min(r.waterStress, nitrogenFactor);
            if (stage < Flowering) {
                const double next = leafTime + r.degreeDays;
                lai += laiMax *
                       (leafCurve(next, leafMidpoint) - leafCurve(leafTime, leafMidpoint)) *
                       std::min(r.leafStress, nitrogenFactor);
                leafTime = next;
            } else {
                // ageing: kLeafSenescence of the flowering leaf area is lost
                // in step with the degree-days from flowering to maturity
                lai -= laiAtFlowering * kLeafSenescence * r.degreeDays /
                       (kFloweringToGrainFill + gen.fillDegreeDays);
            }
            // a drought makes the oldest leaves die sooner
            lai -= lai * kDroughtSenescence * (1 - supplyRatio);
            lai = std::max(0.0, lai);

            const double intercepted =
                kParFraction * w.radiation * (1 - std::exp(-kExtinction * lai));
            const double temperature = std::clamp(
                (tmean - kBaseTemperature) / (kRueFullTemperature - kBaseTemperature), 0.0, 1.0);
            const double growth =
                kRadiationUseEfficiency * intercepted * temperature * growthFactor;
            const double toRoots = stage < Flowering ? growth * rootShare(leafTime) : 0;
            roots += toRoots;
            biomass += growth - toRoots;
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
            } else if (stage >= Flowering && lai < kDeadCanopyLai) {
                // drought has killed the canopy: grain filling ends here
                next = Maturity;
                out.earlyMaturity = true;
            } else {
                const double need = stage == Sowing
                                        ? kEmergenceDegreeDays + kEmergencePerCm * man.plantingDepth
                                    : stage == Emergence        ? gen.juvenileDegreeDays
                                    : stage == FloralInitiation ? kInitiationToFlowering
                                    : stage == Flowering        ? kFloweringToGrainFill
                                                                : gen.fillDegreeDays;
                if (stageDegreeDays >= need) {
                    next = stage + 1;
                    stageDegreeDays = next == EndJuvenile ? 0 : stageDegreeDays - need;
                }
            }
            if (next != stage) {
                stage = next;
                if (stage == Emergence) {
                    lai = laiMax * leafCurve(0, leafMidpoint);
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
        r.roots = roots;
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
            out.maturityRoots = roots;
            return out;
        }
        if (dap >= kMaxSeasonDays)
            throw SimulationError("genetics.sg9: no physiological maturity within " +
                                  std::to_string(kMaxSeasonDays) + " days of planting; " +
                                  stageReached() + " (check the variety and the weather)");
    }
}

} // namespace sorghumsim
