// Saving the defaults (one new Defaults record per save, read back by the next
// startup), the "OK" of the system default window, the stored-integer checks
// and the working year and directory choices.
#include "data/database.h"
#include "shell/defaultpaths.h"
#include "shell/defaults.h"
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::test;

namespace {

class DefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        setDefaultsListsSource({});
        loadStartupDefaults(bundle.path(), 2026);
    }
    void TearDown() override {
        setDefaultsListsSource({});
        resetSharedState();
    }
    QString database() const { return bundle.file("Sorghum.mdb"); }
    int defaultsCount() const {
        db::Database d = db::Database::open(database());
        return d.openDynaset("Defaults").recordCount();
    }
    DefaultsRecord last() const {
        db::Database d = db::Database::open(database());
        return readLastDefaults(d);
    }
    void sql(const QString &statement) const {
        db::Database d = db::Database::open(database());
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
    }
    void addVariety(const QString &name, int number) const {
        db::Database d = db::Database::open(database());
        db::Cursor c = d.openDynaset("Variety");
        c.addNew();
        c.setValue("VarietyName", name);
        c.setValue("VarietyNumber", number);
        c.update();
    }
    // The lists of an open default-modules window, as the user left them.
    void supplyLists(const DefaultsLists &lists) {
        setDefaultsListsSource([lists] { return lists; });
    }

    TempBundle bundle;
    ScriptedMessages messages;
};

TEST_F(DefaultsTest, OneSaveAddsOneRecordThatTheNextStartupReads) {
    SharedState &g = shared();
    g.gSorghumVariety = "Saved Variety";
    g.gCurrencyType = "Sv$";
    g.gCurrencyName = "Saved Currency";
    g.gEnergyType = "Saved Energy";
    g.gCropYield = 61.5f;
    g.gInstitute = "Saved Institute";
    g.gInst = "SI";
    g.gSite = "Saved Site";
    g.gShortSite = "SS";
    g.gLandName = "Saved Land";
    g.gCalculationsStored = 12;
    g.gMoistBagasseEnergy = 7.25;
    g.gSystemConstraint = "LAND";
    g.gSoil = 4;
    g.gWizardOn = "YES";
    DefaultsLists lists;
    lists.sorghumVariety = "not saved: the variety comes from gSorghumVariety";
    lists.harvestMethod = "Saved Harvest";
    lists.loadingMethod = "Saved Loading";
    lists.transportation = "Saved Transport";
    lists.unloadingMethod = "Saved Unloading";
    lists.crushingMethod = "Saved Crushing";
    lists.juiceExtraction = "Saved Juice";
    lists.energyType = "not saved: the energy type comes from gEnergyType";
    lists.currencyName = "not saved: the currency comes from gCurrencyName";
    supplyLists(lists);
    const int before = defaultsCount();

    SaveDefaultsRecord();

    EXPECT_EQ(defaultsCount(), before + 1);
    const DefaultsRecord r = last();
    EXPECT_EQ(r.sorghumVariety, "Saved Variety");
    EXPECT_EQ(r.harvestMethod, "Saved Harvest");
    EXPECT_EQ(r.loadingMethod, "Saved Loading");
    EXPECT_EQ(r.transportation, "Saved Transport");
    EXPECT_EQ(r.unloadingMethod, "Saved Unloading");
    EXPECT_EQ(r.crushingMethod, "Saved Crushing");
    EXPECT_EQ(r.juiceExtraction, "Saved Juice");
    EXPECT_EQ(r.energyType, "Saved Energy");
    EXPECT_EQ(r.currencyName, "Saved Currency");
    EXPECT_EQ(r.currencyType, "Sv$");
    EXPECT_DOUBLE_EQ(r.cropYield, 61.5);
    EXPECT_EQ(r.defaultPath, bundle.path());
    EXPECT_TRUE(QRegularExpression("^\\d{1,2}-[A-Z][a-z]+-\\d\\d \\d{1,2}:\\d\\d$")
                    .match(r.creationDate)
                    .hasMatch())
        << r.creationDate.toStdString();

    // The next startup takes every value it reads from the new record.
    resetSharedState();
    loadStartupDefaults(bundle.path(), 2026);
    const SharedState &s = shared();
    EXPECT_EQ(s.gSorghumVariety, "Saved Variety");
    EXPECT_EQ(s.gHarvestMethod, "Saved Harvest");
    EXPECT_EQ(s.gLoadingMethod, "Saved Loading");
    EXPECT_EQ(s.gCrushingMethod, "Saved Crushing");
    EXPECT_EQ(s.gEnergyType, "Saved Energy");
    EXPECT_EQ(s.gCurrencyName, "Saved Currency");
    EXPECT_EQ(s.gCurrencyType, "Sv$");
    EXPECT_EQ(s.gSoil, 4);
    EXPECT_EQ(s.gInstitute, "Saved Institute");
    EXPECT_EQ(s.gInst, "SI");
    EXPECT_EQ(s.gSite, "Saved Site");
    EXPECT_EQ(s.gShortSite, "SS");
    EXPECT_EQ(s.gSystemConstraint, "LAND");
    EXPECT_DOUBLE_EQ(s.gMoistBagasseEnergy, 7.25);
    EXPECT_EQ(s.gLandName, "Saved Land");
    EXPECT_EQ(s.gCalculationsStored, 12);
    EXPECT_EQ(s.gWizardOn, "YES");
}

TEST_F(DefaultsTest, SaveWithoutTheWindowRepeatsStoredMethodsAndKeepsSharedValues) {
    const DefaultsRecord before = last();
    shared().gSite = "Site Chosen Since";
    shared().gInstitute = "Institute Chosen Since";
    shared().gMoistBagasseEnergy = 9.5;

    SaveDefaultsRecord();

    const DefaultsRecord r = last();
    EXPECT_EQ(r.harvestMethod, before.harvestMethod);
    EXPECT_EQ(r.loadingMethod, before.loadingMethod);
    EXPECT_EQ(r.transportation, before.transportation);
    EXPECT_EQ(r.unloadingMethod, before.unloadingMethod);
    EXPECT_EQ(r.crushingMethod, before.crushingMethod);
    EXPECT_EQ(r.juiceExtraction, before.juiceExtraction);
    EXPECT_EQ(r.site, "Site Chosen Since");
    EXPECT_EQ(r.institute, "Institute Chosen Since");
    EXPECT_DOUBLE_EQ(r.moistBagasseEnergy, 9.5);
    EXPECT_EQ(shared().gSite, "Site Chosen Since");
    EXPECT_DOUBLE_EQ(shared().gMoistBagasseEnergy, 9.5);
}

TEST_F(DefaultsTest, CreationDateIsDayEnglishMonthTwoDigitYearAndClock) {
    const struct {
        QDateTime when;
        const char *text;
    } cases[] = {
        {QDateTime(QDate(1996, 3, 15), QTime(10, 30)), "15-March-96 10:30"},
        {QDateTime(QDate(2026, 12, 5), QTime(9, 7)), "5-December-26 9:07"},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "1-January-00 0:00"},
        {QDateTime(QDate(2031, 8, 31), QTime(23, 59)), "31-August-31 23:59"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(creationDateText(c.when), c.text);
}

TEST_F(DefaultsTest, OkTakesTheListsCurrencySymbolAndVarietyNumber) {
    addVariety("Late Sweet", 17);
    const int before = defaultsCount();
    DefaultsLists lists = listsOf(last());
    lists.sorghumVariety = "Late Sweet";
    lists.harvestMethod = "Chosen Harvest";
    lists.currencyName = "Euro";
    lists.energyType = "Chosen Energy";
    supplyLists(lists);

    acceptSystemDefaults();

    EXPECT_EQ(defaultsCount(), before + 1);
    const SharedState &s = shared();
    EXPECT_EQ(s.gSorghumVariety, "Late Sweet");
    EXPECT_EQ(s.gVarietyNumber, 17) << "the number follows the chosen variety";
    EXPECT_EQ(s.gHarvestMethod, "Chosen Harvest");
    EXPECT_EQ(s.gCurrencyName, "Euro");
    EXPECT_EQ(s.gCurrencyType, QString::fromUtf8("€"));
    EXPECT_EQ(s.gEnergyType, "Chosen Energy");
    const DefaultsRecord r = last();
    EXPECT_EQ(r.sorghumVariety, "Late Sweet");
    EXPECT_EQ(r.harvestMethod, "Chosen Harvest");
    EXPECT_EQ(r.currencyType, QString::fromUtf8("€"));
}

TEST_F(DefaultsTest, OkWithUnknownCurrencyOrVarietyKeepsSymbolAndNumber) {
    shared().gCurrencyType = "Kept";
    shared().gVarietyNumber = 5;
    DefaultsLists lists = listsOf(last());
    lists.currencyName = "No Such Currency";
    lists.sorghumVariety = "No Such Variety";
    supplyLists(lists);

    acceptSystemDefaults();

    EXPECT_EQ(shared().gCurrencyName, "No Such Currency");
    EXPECT_EQ(shared().gCurrencyType, "Kept");
    EXPECT_EQ(shared().gVarietyNumber, 5);
    EXPECT_EQ(last().currencyType, "Kept");
}

TEST_F(DefaultsTest, OkThatCannotSaveChangesNothing) {
    DefaultsLists lists = listsOf(last());
    lists.sorghumVariety = "Unsaved Variety";
    supplyLists(lists);
    sql("ALTER TABLE Defaults DROP COLUMN DefaultPath");
    const int before = defaultsCount();
    const QString variety = shared().gSorghumVariety;

    try {
        acceptSystemDefaults();
        ADD_FAILURE() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("DefaultPath")) << e.text().toStdString();
    }
    EXPECT_EQ(defaultsCount(), before);
    EXPECT_EQ(shared().gSorghumVariety, variety);
}

// A stored integer that is a text or does not fit 16 bits is refused, naming
// the table and field; startup then changes nothing.
TEST_F(DefaultsTest, StartupRefusesStoredIntegersThatAreNotWhole16BitNumbers) {
    const struct {
        const char *statement;
        const char *table;
        const char *field;
    } bad[] = {
        {"UPDATE Defaults SET Soil = 'deep loam'", "Defaults", "Soil"},
        {"UPDATE Defaults SET Soil = 40000", "Defaults", "Soil"},
        {"UPDATE Defaults SET CalculationsStored = -32769", "Defaults", "CalculationsStored"},
        {"UPDATE Variety SET VarietyNumber = 70000", "Variety", "VarietyNumber"},
        {"UPDATE Variety SET VarietyNumber = 'seven'", "Variety", "VarietyNumber"},
    };
    for (const auto &c : bad) {
        SCOPED_TRACE(c.statement);
        TempBundle fresh;
        {
            db::Database d = db::Database::open(fresh.file("Sorghum.mdb"));
            QSqlQuery q(d.connection());
            ASSERT_TRUE(q.exec(c.statement));
        }
        resetSharedState();
        shared().gSoil = 8;
        try {
            loadStartupDefaults(fresh.path(), 2026);
            ADD_FAILURE() << "accepted";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(QString("field %1 of table %2").arg(c.field, c.table)))
                << e.text().toStdString();
        }
        EXPECT_EQ(shared().gSoil, 8);
        EXPECT_TRUE(shared().gSystemPath.isEmpty());
    }

    // The ends of the range, and no value at all, are read as they are.
    const struct {
        const char *statement;
        int soil;
    } good[] = {
        {"UPDATE Defaults SET Soil = 32767", 32767},
        {"UPDATE Defaults SET Soil = -32768", -32768},
        {"UPDATE Defaults SET Soil = NULL", 0},
        {"UPDATE Defaults SET Soil = '  '", 0},
    };
    for (const auto &c : good) {
        SCOPED_TRACE(c.statement);
        sql(c.statement);
        loadStartupDefaults(bundle.path(), 2026);
        EXPECT_EQ(shared().gSoil, c.soil);
    }
}

TEST_F(DefaultsTest, YearIsAWholeNumberFromOneTo9999) {
    const struct {
        const char *text;
        int year; // 0: no year
    } cases[] = {
        {"2031", 2031}, {" 1997 ", 1997}, {"1", 1},      {"9999", 9999},
        {"0", 0},       {"10000", 0},     {"-5", 0},     {"", 0},
        {"abc", 0},     {"20x6", 0},      {"2026.5", 0}, {"99999999999", 0},
    };
    for (const auto &c : cases) {
        const auto year = yearOf(c.text);
        if (c.year == 0)
            EXPECT_FALSE(year.has_value()) << c.text;
        else
            EXPECT_EQ(year.value_or(0), c.year) << c.text;
    }
}

TEST_F(DefaultsTest, SystemDirectoryMustHoldTheDatabase) {
    QTemporaryDir empty;
    const QString before = shared().gSystemPath;
    try {
        chooseSystemDirectory(empty.path());
        ADD_FAILURE() << "accepted";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains(empty.path() + "/")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("Sorghum.mdb")) << e.text().toStdString();
    }
    EXPECT_EQ(shared().gSystemPath, before);

    // Found whatever its case; the path keeps one trailing "/".
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(database(), other.filePath("SORGHUM.MDB")));
    chooseSystemDirectory(other.path() + "/./");
    EXPECT_EQ(shared().gSystemPath, other.path() + "/");
}

TEST_F(DefaultsTest, CeresDirectoryKeepsTrailingSeparatorAndNoDrive) {
    chooseCeresDirectory(bundle.path() + "WINCERES");
    EXPECT_EQ(shared().gCeresPath, bundle.path() + "WINCERES/");
    EXPECT_TRUE(shared().gCeresDrive.isEmpty());
}

TEST_F(DefaultsTest, DrivesAreTheRootAndTheHomeDirectory) {
    const QStringList drives = pathDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.front(), "/");
    EXPECT_TRUE(drives.contains(directoryText(QDir::homePath())));
    EXPECT_EQ(driveOf("/usr/lib", {"/", "/home/ann/"}), "/");
    EXPECT_EQ(driveOf("/home/ann/work", {"/", "/home/ann/"}), "/home/ann/");
    EXPECT_EQ(directoryText("/home//ann/x/../"), "/home/ann/");
    EXPECT_EQ(fileText("/opt/m", "sorghum.exe"), "/opt/m/sorghum.exe");
}

} // namespace
