#include "shell/startup.h"

#include "cropmodel/soils.h"
#include "data/database.h"
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
    {
        db::Cursor d = db::openLastDefaults(database);
        s.gSorghumVariety = d.text("SorghumVariety");
        s.gHarvestMethod = d.text("HarvestMethod");
        s.gLoadingMethod = d.text("LoadingMethod");
        s.gCrushingMethod = d.text("CrushingMethod");
        s.gEnergyType = d.text("EnergyType");
        s.gCurrencyName = d.text("CurrencyName");
        s.gCurrencyType = d.text("CurrencyType");
        s.gSoil = static_cast<std::int16_t>(d.integer("Soil"));
        s.gInstitute = d.text("Institute");
        s.gInst = d.text("Inst");
        s.gSite = d.text("Site");
        s.gShortSite = d.text("ShortSite");
        s.gSystemConstraint = d.text("SystemConstraint");
        s.gMoistBagasseEnergy = d.number("MoistBagasseEnergy");
        s.gLandName = d.text("LandName");
        s.gCalculationsStored = static_cast<std::int16_t>(d.integer("CalculationsStored"));
        s.gWizardOn = d.yesNo("WizardOn") ? QStringLiteral("YES") : QStringLiteral("NO");
    }
    {
        // Every matching variety is taken, so the last match wins; with no
        // match gVarietyNumber keeps its value.
        db::Cursor v = database.openDynaset(QStringLiteral("Variety"));
        for (v.moveFirst(); !v.eof(); v.moveNext())
            if (v.text("VarietyName") == s.gSorghumVariety)
                s.gVarietyNumber = static_cast<std::int16_t>(v.integer("VarietyNumber"));
    }
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
