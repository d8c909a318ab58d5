#include "data/landcosts.h"

#include "cropmodel/numbers.h"
#include "data/lookup.h"

namespace zarn::db {

namespace {
const QString kCalculation = QStringLiteral("Calculation");
} // namespace

double PloughRate(double speedKmPerHour, double widthMetres) {
    const double squareMetresPerHour = speedKmPerHour * 1000 * widthMetres;
    return squareMetresPerHour == 0 ? 1 : 10000 / squareMetresPerHour;
}

double LabourRatePerHour(double persons, double person1Rate, double person2Rate) {
    if (persons == 1)
        return person1Rate / kLabourHoursPerMonth;
    if (persons == 2)
        return (person1Rate + person2Rate) / kLabourHoursPerMonth;
    return 0;
}

PloughingCost PreparationCost(const MachineValues &machine, double speedKmPerHour,
                              double widthMetres, double passes) {
    PloughingCost c;
    c.ploughRate = PloughRate(speedKmPerHour, widthMetres);
    c.fuel = c.ploughRate * machine.litresPerHour * machine.fuelCost;
    c.labour =
        c.ploughRate * LabourRatePerHour(machine.persons, machine.person1Rate, machine.person2Rate);
    c.total = (c.fuel + c.labour) * passes;
    return c;
}

PlantingCost PlantingCostOf(const MachineValues &machine, double seedQuantity,
                            double seedCostPerKg) {
    PlantingCost c;
    const double rate = machine.operationRate == 0 ? 1 : machine.operationRate;
    c.sowingRate = seedQuantity / rate;
    c.fuel = c.sowingRate * machine.litresPerHour * machine.fuelCost;
    c.labour =
        c.sowingRate * LabourRatePerHour(machine.persons, machine.person1Rate, machine.person2Rate);
    c.seed = seedQuantity * seedCostPerKg;
    c.total = c.fuel + c.labour + c.seed;
    return c;
}

QString SummaryTotalText(double total) {
    const QString text = cropmodel::FormatNumber(total, kSummaryTotalPattern);
    return total == 0 ? QStringLiteral("0.00") : text;
}

bool LookupMachine(const Database &db, const QString &type, EquipmentMatch match,
                   MachineValues &machine) {
    const std::vector<Record> equipment =
        allMatches(db, QStringLiteral("Equipment"), QStringLiteral("Type"), type);
    if (!equipment.empty()) {
        const Record &e = match == EquipmentMatch::First ? equipment.front() : equipment.back();
        machine.operationRate = e.number(QStringLiteral("OperationRate1"));
        if (match == EquipmentMatch::Last && machine.operationRate == 0)
            machine.operationRate = 1;
        machine.litresPerHour = e.number(QStringLiteral("LitresPerHr"));
        machine.persons = e.number(QStringLiteral("Personnal Required"));
        machine.skill1 = e.number(QStringLiteral("Personnal Skill"));
        machine.skill2 = e.number(QStringLiteral("PersonnalSkill2"));
        machine.fuelType = e.text(QStringLiteral("Fuel Type"));
    }
    const std::vector<Record> fuel =
        allMatches(db, QStringLiteral("Energy"), QStringLiteral("Description"), machine.fuelType);
    if (!fuel.empty())
        machine.fuelCost = fuel.front().number(QStringLiteral("Cost"));

    int matches = 0;
    for (Cursor c = db.openTable(QStringLiteral("Occupation")); !c.eof() && matches < 2;
         c.moveNext()) {
        const double skill = c.number(QStringLiteral("SkillRate"));
        if (skill == machine.skill1) {
            machine.person1Rate = c.number(QStringLiteral("LabourCostRate"));
            ++matches;
        }
        if (skill == machine.skill2) {
            machine.person2Rate = c.number(QStringLiteral("LabourCostRate"));
            ++matches;
        }
    }
    return !equipment.empty();
}

namespace {
// Moves c to the land record; false when there is none.
bool findLandRecord(Cursor &c, int calculation, const QString &processName) {
    for (c.moveFirst(); !c.eof(); c.moveNext())
        if (c.integer(QStringLiteral("Number")) == calculation &&
            c.text(QStringLiteral("ProcessName")) == processName)
            return true;
    return false;
}
} // namespace

std::optional<QString> ReadLandCost(const Database &db, int calculation,
                                    const QString &processName) {
    Cursor c = db.openTableCursor(kCalculation);
    if (!findLandRecord(c, calculation, processName))
        return std::nullopt;
    return c.text(QStringLiteral("SubTotCost"));
}

bool WriteLandCost(const Database &db, int calculation, const QString &processName, double cost) {
    Cursor c = db.openTableCursor(kCalculation);
    if (!findLandRecord(c, calculation, processName))
        return false;
    c.edit();
    c.setValue(QStringLiteral("SubTotCost"), cost);
    c.update();
    return true;
}

QString NoLandRecordText(int calculation, const QString &processName) {
    if (calculation <= 0)
        return QStringLiteral(
                   "No calculation is stored yet, so the %1 cost was not stored. "
                   "Use \"Create Calculation\" in the window \"Calculation Values\" first.")
            .arg(processName);
    return QStringLiteral("Calculation %1 holds no \"%2\" record, so the cost was not stored. "
                          "Use \"Create Calculation\" in the window \"Calculation Values\" to "
                          "make a calculation that holds it.")
        .arg(calculation)
        .arg(processName);
}

namespace {
void storeLand(Cursor &c, const LandEntry &l, bool cut) {
    using cropmodel::LeadingNumber;
    c.setValue(QStringLiteral("Name"), cut ? l.name.left(35) : l.name);
    c.setValue(QStringLiteral("Site"), l.site.left(35));
    c.setValue(QStringLiteral("ShortSite"), l.shortSite.left(2));
    c.setValue(QStringLiteral("Area"), LeadingNumber(l.area));
    c.setValue(QStringLiteral("Remarks"), cut ? l.remarks.left(60) : l.remarks);
    c.setValue(QStringLiteral("Area Unit"), l.areaUnit);
    c.setValue(QStringLiteral("Purchase Cost"), LeadingNumber(l.purchase));
    c.setValue(QStringLiteral("Purchase Cost Units"), l.purchaseUnit);
    c.setValue(QStringLiteral("Rental Cost Units"), l.rentalUnit);
    c.setValue(QStringLiteral("Opportunity Cost Units"), l.opportunityUnit);
    c.setValue(QStringLiteral("Rental Costs"), LeadingNumber(l.rental));
    c.setValue(QStringLiteral("Opportunity Cost"), LeadingNumber(l.opportunity));
}
} // namespace

qint64 AppendLand(const Database &db, const LandEntry &land) {
    Cursor c = db.openTable(QStringLiteral("Land"));
    c.addNew();
    storeLand(c, land, true);
    c.update();
    return c.rowid();
}

bool UpdateLandByName(const Database &db, const LandEntry &land) {
    Cursor c = db.openTable(QStringLiteral("Land"));
    for (; !c.eof(); c.moveNext()) {
        if (c.text(QStringLiteral("Name")) != land.name)
            continue;
        c.edit();
        storeLand(c, land, false);
        c.update();
        return true;
    }
    return false;
}

void StoreDefaultLandName(const Database &db, const QString &name) {
    Cursor c = openLastDefaults(db);
    c.edit();
    c.setValue(QStringLiteral("LandName"), name.left(35));
    c.update();
}

} // namespace zarn::db
