#include "processing/calculation.h"

#include "cropmodel/numbers.h"
#include "data/lookup.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zarn::processing {

namespace {

// value rounded to `digits` significant digits.
double roundedTo(double value, int digits) {
    if (!std::isfinite(value) || value == 0)
        return 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    return std::strtod(buf, nullptr);
}

} // namespace

double wholePart(double value) {
    return std::trunc(roundedTo(value, 9)) + 0.0; // + 0.0 turns -0 into 0
}

QString moneyText(const QString &currency, double amount) {
    return currency + u' ' + cropmodel::FormatNumber(amount, kMoneyPattern);
}

QString currencyAmountText(const QString &currency, double amount) {
    return currency + u' ' + cropmodel::SignedText(amount);
}

DailyBalance dailyBalance(double crushRate, double sugarPercent, double fibrePercent) {
    DailyBalance d;
    d.sugar = sugarPercent / 100 * kSugarRecovery * crushRate * kDayFactor;
    d.fibre = fibrePercent / 100 * crushRate * kDayFactor;
    d.bagasseOut = d.fibre * kBagassePerFibre;
    return d;
}

MillRequirements millRequirements(double crushRate) {
    MillRequirements m;
    m.hourlyHPSteam = crushRate * kHPSteamPerTonneCrushed;
    m.dailyHPSteam = crushRate * kDayFactor * kHPSteamPerTonneCrushed;
    m.dailySteamBagasse = m.dailyHPSteam * kBagassePerHPSteam;
    m.dailyBagasseGJ = m.dailySteamBagasse * kRequirementsBagasseEnergy;
    return m;
}

Products products(const ProductInputs &in) {
    Products p;
    p.landYield = wholePart(in.yieldPerHectare * in.landArea);
    const double dryShare = (100 - in.moisturePercent) / 100;
    if (dryShare <= 0) {
        // 100 % moisture would divide by zero: no fresh weight, no products.
        const double landYield = p.landYield;
        p = Products{};
        p.landYield = landYield;
        p.noFreshWeight = true;
        return p;
    }
    const double f = p.landYield / dryShare;
    p.freshWeight = f;
    p.bagasse = wholePart(f * (in.fibrePercent / 100) / (kBagasseMoisture / 100));
    p.ethanolLitres =
        wholePart((in.sugarPercent / 100) * f * kSugarRecovery * kEthanolPerTonneSugar);
    const double raised = p.bagasse * in.moistBagasseEnergy * in.steamBagasseRatio;
    p.electricitySteam = wholePart(raised / kElectricitySteamFactor);
    p.electricityBagasse = p.bagasse;
    p.electricityGJ = wholePart(raised * kElectricalConversion);
    p.electricityMWh = wholePart(raised * kElectricalConversion * kMWhPerGJ);
    p.ethanolSteam = wholePart(f * kHPSteamPerTonneCrushed);
    p.ethanolBagasse = wholePart(f * kHPSteamPerTonneCrushed * kBagassePerHPSteam);
    return p;
}

double ethanolPerHectare(double sugarPercent, double yieldPerHectare) {
    return (sugarPercent / 100) * yieldPerHectare * kEthanolPerTonneSugar;
}

Revenue revenue(const RevenueInputs &in) {
    Revenue r;
    r.ethanol = in.ethanolPrice * in.ethanolLitres;
    r.electricity = in.electricityPrice * in.electricityMWh * 1000; // the price is per kWh
    r.gross = r.ethanol + r.electricity;
    r.balance = r.gross - (in.labourCostTotal + in.energyCostTotal);
    return r;
}

bool landTextNeedsZero(const QString &text) {
    for (QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        return !(c.isDigit() || c == u'.' || c == u'-' || c == u'+');
    }
    return true; // empty or blanks only
}

std::optional<CrushingValues> findCrushing(const db::Database &db, const QString &method) {
    const auto r = db::lastMatch(db, QStringLiteral("Crushing"), QStringLiteral("Method"), method);
    if (!r)
        return std::nullopt;
    return CrushingValues{r->number(QStringLiteral("ProcessRate")),
                          static_cast<int>(r->integer(QStringLiteral("LabourRequirements"))),
                          r->number(QStringLiteral("LabourCost"))};
}

std::optional<HarvestValues> findHarvest(const db::Database &db, const QString &method) {
    const auto r = db::lastMatch(db, QStringLiteral("Harvest"), QStringLiteral("Method"), method);
    if (!r)
        return std::nullopt;
    return HarvestValues{static_cast<int>(r->integer(QStringLiteral("PersonnelRequirements"))),
                         r->number(QStringLiteral("PersonnelCost"))};
}

std::optional<VarietyValues> findVariety(const db::Database &db, const QString &varietyName) {
    const auto r =
        db::lastMatch(db, QStringLiteral("Variety"), QStringLiteral("VarietyName"), varietyName);
    if (!r)
        return std::nullopt;
    return VarietyValues{r->number(QStringLiteral("SugarPercent")),
                         r->number(QStringLiteral("FibrePercent")),
                         r->number(QStringLiteral("MoisturePercent"))};
}

std::optional<LandValues> findLand(const db::Database &db, const QString &landName) {
    const auto r = db::lastMatch(db, QStringLiteral("Land"), QStringLiteral("Name"), landName);
    if (!r)
        return std::nullopt;
    return LandValues{r->text(QStringLiteral("Name")), r->number(QStringLiteral("Area"))};
}

std::optional<double> findEnergyCost(const db::Database &db, const QString &description) {
    const auto r =
        db::lastMatch(db, QStringLiteral("Energy"), QStringLiteral("Description"), description);
    if (!r)
        return std::nullopt;
    return r->number(QStringLiteral("Cost"));
}

double steamBagasseRatioFromSlots(const db::Database &db) {
    const QString table = QStringLiteral("SteamConfiguration");
    const std::vector<db::Record> units = db::firstRecords(db, table, kSteamRatioUnits);
    if (static_cast<int>(units.size()) < kSteamRatioUnits)
        db::fail(QStringLiteral("The table %1 of %2 holds %3 records; the steam-to-bagasse "
                                "ratio needs the %4 combustion slots")
                     .arg(table, db.path())
                     .arg(units.size())
                     .arg(kSteamRatioUnits));
    double sum = 0;
    for (const db::Record &unit : units)
        sum += unit.number(QStringLiteral("Efficiency1"));
    return sum / kSteamRatioUnits;
}

QString noFreshWeightText(const QString &varietyName, double moisturePercent) {
    return QStringLiteral("The variety \"%1\" has a moisture of %2 %: its fresh weight cannot be "
                          "worked out, so every product is 0.")
        .arg(varietyName, cropmodel::PlainDecimal(moisturePercent));
}

} // namespace zarn::processing
