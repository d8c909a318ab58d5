#include "shell/startup.h"

#include "cropmodel/soils.h"
#include "data/database.h"
#include "shell/defaults.h"
#include "shell/sharedstate.h"

#include <QCoreApplication>

namespace zarn {

namespace {
QString &directoryOverride() {
    static QString d;
    return d;
}

QString withSlash(QString dir) {
    if (!dir.endsWith('/'))
        dir += '/';
    return dir;
}
} // namespace

QString programDirectory() {
    if (!directoryOverride().isEmpty())
        return withSlash(directoryOverride());
    return withSlash(QCoreApplication::applicationDirPath());
}

void setProgramDirectory(const QString &directory) {
    directoryOverride() = directory;
}

QString wizardButtonCaption(const QString &wizardOn) {
    return wizardOn == QLatin1String("YES") ? QStringLiteral("Set Wizard Off")
                                            : QStringLiteral("Set Wizard On");
}

void loadStartupDefaults(const QString &programDir, int currentYear) {
    // Work on a copy: a failure part-way leaves the shared values untouched.
    SharedState s = shared();

    s.gSystemPath = withSlash(programDir);
    // No drive letters on this platform: the drive is the empty prefix of the path.
    s.gSystemDrive = QString();
    s.gDatabasePath = s.gSystemPath + QStringLiteral("Sorghum.mdb");
    s.gCeresPath = s.gSystemPath + QStringLiteral("WINCERES/");
    s.gCurrentYear = static_cast<std::int16_t>(currentYear);

    s.gIrrigationOption = 3;
    s.gYieldList.fill(0.0f);
    s.gYieldCount = 0;

    db::Database database = db::Database::open(s.gDatabasePath);
    const DefaultsRecord d = readLastDefaults(database);
    s.gSorghumVariety = d.sorghumVariety;
    s.gHarvestMethod = d.harvestMethod;
    s.gLoadingMethod = d.loadingMethod;
    s.gCrushingMethod = d.crushingMethod;
    s.gEnergyType = d.energyType;
    s.gCurrencyName = d.currencyName;
    s.gCurrencyType = d.currencyType;
    s.gSoil = d.soil;
    s.gInstitute = d.institute;
    s.gInst = d.inst;
    s.gSite = d.site;
    s.gShortSite = d.shortSite;
    s.gSystemConstraint = d.systemConstraint;
    s.gMoistBagasseEnergy = d.moistBagasseEnergy;
    s.gLandName = d.landName;
    s.gCalculationsStored = d.calculationsStored;
    s.gWizardOn = d.wizardOn ? QStringLiteral("YES") : QStringLiteral("NO");
    // The last matching variety wins; with no match gVarietyNumber keeps its value.
    s.gVarietyNumber = varietyNumberOf(database, s.gSorghumVariety, s.gVarietyNumber);
    database.close();
    shared() = s;
}

void writeStartupInitialConditions() {
    const SharedState &s = shared();
    cropmodel::WriteInitialConditions(s.gSystemPath, s.gCeresPath, s.gSoil);
}

QString toggleWizard() {
    db::Database database = db::Database::open(shared().gDatabasePath);
    db::Cursor d = db::openLastDefaults(database);
    const bool on = d.yesNo("WizardOn");
    d.edit();
    d.setValue("WizardOn", !on);
    d.update();
    d.close();
    database.close();
    shared().gWizardOn = on ? QStringLiteral("NO") : QStringLiteral("YES");
    return shared().gWizardOn;
}

} // namespace zarn
