#include "shell/defaults.h"

#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "data/lookup.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace zarn {

namespace {

const QString kDefaults = QStringLiteral("Defaults");

// The fields of Defaults, by kind, with the member of DefaultsRecord each
// one fills. Reading and writing both walk these lists.
struct TextField {
    const char *name;
    QString DefaultsRecord::*member;
};
const TextField kTextFields[] = {
    {"SorghumVariety", &DefaultsRecord::sorghumVariety},
    {"HarvestMethod", &DefaultsRecord::harvestMethod},
    {"LoadingMethod", &DefaultsRecord::loadingMethod},
    {"Transportation", &DefaultsRecord::transportation},
    {"UnloadingMethod", &DefaultsRecord::unloadingMethod},
    {"CrushingMethod", &DefaultsRecord::crushingMethod},
    {"JuiceExtraction", &DefaultsRecord::juiceExtraction},
    {"EnergyType", &DefaultsRecord::energyType},
    {"CurrencyName", &DefaultsRecord::currencyName},
    {"CurrencyType", &DefaultsRecord::currencyType},
    {"Institute", &DefaultsRecord::institute},
    {"Inst", &DefaultsRecord::inst},
    {"Site", &DefaultsRecord::site},
    {"ShortSite", &DefaultsRecord::shortSite},
    {"LandName", &DefaultsRecord::landName},
    {"SystemConstraint", &DefaultsRecord::systemConstraint},
    {"CreationDate", &DefaultsRecord::creationDate},
    {"DefaultPath", &DefaultsRecord::defaultPath},
};

struct IntegerField {
    const char *name;
    std::int16_t DefaultsRecord::*member;
};
const IntegerField kIntegerFields[] = {
    {"Soil", &DefaultsRecord::soil},
    {"CalculationsStored", &DefaultsRecord::calculationsStored},
};

struct NumberField {
    const char *name;
    double DefaultsRecord::*member;
};
const NumberField kNumberFields[] = {
    {"MoistBagasseEnergy", &DefaultsRecord::moistBagasseEnergy},
    {"CropYield", &DefaultsRecord::cropYield},
};

const char *const kWizardField = "WizardOn";

// A stored text as it appears in a message: quoted, cut when long, and with
// characters that do not print shown as escapes.
QString shownText(const QString &text) {
    QString shown;
    for (const QChar c : text.left(40)) {
        if (c.isPrint())
            shown += c;
        else
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    if (text.size() > 40)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

std::function<DefaultsLists()> &listsSource() {
    static std::function<DefaultsLists()> source;
    return source;
}

} // namespace

std::int16_t storedInt16(const QVariant &value, const QString &file, const QString &table,
                         const QString &field) {
    if (!value.isValid() || value.isNull())
        return 0;
    double number = 0;
    bool ok = false;
    if (value.typeId() == QMetaType::QString) {
        // An empty text stands for no value, as the cursor layer stores it.
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return 0;
        number = text.toDouble(&ok);
    } else if (value.typeId() == QMetaType::Bool) {
        number = value.toBool() ? -1 : 0;
        ok = true;
    } else {
        number = value.toDouble(&ok);
    }
    if (!ok || !std::isfinite(number))
        db::fail(QStringLiteral("The field %1 of table %2 in %3 holds %4, which is not a whole "
                                "number")
                     .arg(field, table, file, shownText(value.toString())));
    const double whole = std::round(number);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max())
        db::fail(QStringLiteral("The field %1 of table %2 in %3 holds %4, which is outside the "
                                "range -32768 to 32767")
                     .arg(field, table, file, QString::number(whole, 'g', 15)));
    return static_cast<std::int16_t>(whole);
}

DefaultsRecord readLastDefaults(const db::Database &database) {
    db::Cursor c = db::openLastDefaults(database);
    DefaultsRecord r;
    for (const TextField &f : kTextFields)
        r.*f.member = c.text(QLatin1String(f.name));
    for (const IntegerField &f : kIntegerFields) {
        const QString name = QLatin1String(f.name);
        r.*f.member = storedInt16(c.value(name), database.path(), c.table(), name);
    }
    for (const NumberField &f : kNumberFields)
        r.*f.member = c.number(QLatin1String(f.name));
    r.wizardOn = c.yesNo(QLatin1String(kWizardField));
    return r;
}

void appendDefaults(const db::Database &database, const DefaultsRecord &record) {
    db::Cursor c = database.openDynaset(kDefaults);
    c.addNew();
    for (const TextField &f : kTextFields)
        c.setValue(QLatin1String(f.name), record.*f.member);
    for (const IntegerField &f : kIntegerFields)
        c.setValue(QLatin1String(f.name), int(record.*f.member));
    for (const NumberField &f : kNumberFields)
        c.setValue(QLatin1String(f.name), record.*f.member);
    c.setValue(QLatin1String(kWizardField), record.wizardOn);
    c.update();
}

std::int16_t varietyNumberOf(const db::Database &database, const QString &variety,
                             std::int16_t current) {
    const auto match =
        db::lastMatch(database, QStringLiteral("Variety"), QStringLiteral("VarietyName"), variety);
    if (!match)
        return current;
    return storedInt16(match->value(QStringLiteral("VarietyNumber")), database.path(),
                       match->table(), QStringLiteral("VarietyNumber"));
}

DefaultsLists listsOf(const DefaultsRecord &record) {
    DefaultsLists l;
    l.sorghumVariety = record.sorghumVariety;
    l.harvestMethod = record.harvestMethod;
    l.loadingMethod = record.loadingMethod;
    l.transportation = record.transportation;
    l.unloadingMethod = record.unloadingMethod;
    l.crushingMethod = record.crushingMethod;
    l.juiceExtraction = record.juiceExtraction;
    l.energyType = record.energyType;
    l.currencyName = record.currencyName;
    return l;
}

void setDefaultsListsSource(std::function<DefaultsLists()> source) {
    listsSource() = std::move(source);
}

DefaultsLists currentDefaultsLists(const db::Database &database) {
    if (listsSource())
        return listsSource()();
    return listsOf(readLastDefaults(database));
}

QStringList fieldTexts(const db::Database &database, const QString &table, const QString &field) {
    QStringList texts;
    db::Cursor c = database.openDynaset(table);
    if (!c.hasField(field))
        db::fail(QStringLiteral("The field %1 does not exist in table %2 of %3")
                     .arg(field, c.table(), database.path()));
    for (c.moveFirst(); !c.eof(); c.moveNext())
        texts << c.text(field);
    return texts;
}

DefaultsChoices readDefaultsChoices(const db::Database &database) {
    DefaultsChoices c;
    c.varieties = fieldTexts(database, QStringLiteral("Variety"), QStringLiteral("VarietyName"));
    c.harvestMethods = fieldTexts(database, QStringLiteral("Harvest"), QStringLiteral("Method"));
    c.loadingMethods = fieldTexts(database, QStringLiteral("Load"), QStringLiteral("Description"));
    c.transports = fieldTexts(database, QStringLiteral("Transport"), QStringLiteral("Description"));
    c.unloadingMethods =
        fieldTexts(database, QStringLiteral("Unload"), QStringLiteral("Description"));
    c.crushingMethods = fieldTexts(database, QStringLiteral("Crushing"), QStringLiteral("Method"));
    c.juiceExtractions =
        fieldTexts(database, QStringLiteral("JuiceExtraction"), QStringLiteral("Method"));
    c.energyTypes = fieldTexts(database, QStringLiteral("Energy"), QStringLiteral("Description"));
    c.currencies = fieldTexts(database, QStringLiteral("Currency"), QStringLiteral("CurrencyName"));
    return c;
}

QString creationDateText(const QDateTime &when) {
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(when, QStringLiteral("d-MMMM-yy H:mm"));
}

DefaultsRecord defaultsToSave(const SharedState &state, const DefaultsLists &lists,
                              const QDateTime &when) {
    DefaultsRecord r;
    r.sorghumVariety = state.gSorghumVariety;
    r.harvestMethod = lists.harvestMethod;
    r.loadingMethod = lists.loadingMethod;
    r.transportation = lists.transportation;
    r.unloadingMethod = lists.unloadingMethod;
    r.crushingMethod = lists.crushingMethod;
    r.juiceExtraction = lists.juiceExtraction;
    r.creationDate = creationDateText(when);
    r.currencyType = state.gCurrencyType;
    r.currencyName = state.gCurrencyName;
    r.energyType = state.gEnergyType;
    r.cropYield = state.gCropYield;
    r.defaultPath = state.gSystemPath;
    r.institute = state.gInstitute;
    r.inst = state.gInst;
    r.site = state.gSite;
    r.shortSite = state.gShortSite;
    r.landName = state.gLandName;
    r.calculationsStored = state.gCalculationsStored;
    r.moistBagasseEnergy = state.gMoistBagasseEnergy;
    r.systemConstraint = state.gSystemConstraint;
    r.soil = state.gSoil;
    r.wizardOn = state.gWizardOn == QLatin1String("YES");
    return r;
}

QString referenceDatabase(const QString &systemPath) {
    return cropmodel::findFile(systemPath, QStringLiteral("Sorghum.mdb"));
}

void SaveDefaultsRecord() {
    const SharedState &s = shared();
    db::Database database = db::Database::open(referenceDatabase(s.gSystemPath));
    appendDefaults(database,
                   defaultsToSave(s, currentDefaultsLists(database), QDateTime::currentDateTime()));
    database.close();
}

void acceptSystemDefaults() {
    // Work on a copy: the shared values change only once the record is saved.
    SharedState s = shared();
    db::Database database = db::Database::open(referenceDatabase(s.gSystemPath));
    const DefaultsLists lists = currentDefaultsLists(database);
    s.gSorghumVariety = lists.sorghumVariety;
    s.gHarvestMethod = lists.harvestMethod;
    s.gLoadingMethod = lists.loadingMethod;
    s.gCrushingMethod = lists.crushingMethod;
    s.gCurrencyName = lists.currencyName;
    s.gEnergyType = lists.energyType;
    if (const auto currency = db::lastMatch(database, QStringLiteral("Currency"),
                                            QStringLiteral("CurrencyName"), s.gCurrencyName))
        s.gCurrencyType = currency->text(QStringLiteral("Symbol"));
    // The crop-management file takes the number of the chosen variety, so it
    // follows the name.
    s.gVarietyNumber = varietyNumberOf(database, s.gSorghumVariety, s.gVarietyNumber);
    appendDefaults(database, defaultsToSave(s, lists, QDateTime::currentDateTime()));
    database.close();

    SharedState &g = shared();
    g.gSorghumVariety = s.gSorghumVariety;
    g.gHarvestMethod = s.gHarvestMethod;
    g.gLoadingMethod = s.gLoadingMethod;
    g.gCrushingMethod = s.gCrushingMethod;
    g.gCurrencyName = s.gCurrencyName;
    g.gEnergyType = s.gEnergyType;
    g.gCurrencyType = s.gCurrencyType;
    g.gVarietyNumber = s.gVarietyNumber;
}

std::optional<std::int16_t> yearOf(const QString &text) {
    bool ok = false;
    const int year = text.trimmed().toInt(&ok, 10);
    if (!ok || year < 1 || year > 9999)
        return std::nullopt;
    return static_cast<std::int16_t>(year);
}

} // namespace zarn
