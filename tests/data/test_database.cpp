// The database cursor layer on small fixture databases, and the databases the
// bundle is delivered with.
#include "data/database.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace zarn;
using namespace zarn::db;

namespace {

// Runs SQL on a file through a private connection (creating the file).
void runSql(const QString &path, const QStringList &statements) {
    static int serial = 0;
    const QString name = QStringLiteral("fixture-%1").arg(++serial);
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(path);
        ASSERT_TRUE(d.open());
        d.transaction();
        QSqlQuery q(d);
        for (const QString &s : statements)
            ASSERT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        q.finish();
        d.commit();
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Every row of a table as text, in rowid order, read without the layer.
QStringList dump(const QString &path, const QString &table) {
    static int serial = 0;
    const QString name = QStringLiteral("dump-%1").arg(++serial);
    QStringList rows;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(path);
        d.open();
        QSqlQuery q(d);
        q.exec(QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(table));
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
            rows << cells.join(QLatin1Char('|'));
        }
        q.finish();
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// Expects a "Database Error" UserError whose text contains every part.
void expectDbError(const std::function<void()> &action, const QStringList &parts) {
    try {
        action();
        ADD_FAILURE() << "no UserError for " << parts.join(", ").toStdString();
    } catch (const UserError &e) {
        EXPECT_EQ(e.title(), QStringLiteral("Database Error"));
        for (const QString &p : parts)
            EXPECT_TRUE(e.text().contains(p))
                << e.text().toStdString() << " lacks " << p.toStdString();
    }
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Test.mdb"));
        runSql(
            path,
            {
                QStringLiteral(
                    "CREATE TABLE Items (Name TEXT, Amount REAL, Count INTEGER, Flag BOOLEAN, "
                    "\"Postal Code\" TEXT(10), \"Capital Cost\" REAL, \"e-mail\" TEXT, "
                    "\"CorrectionStalk&Leaves\" REAL)"),
                // rowids out of insertion order: table order is rowid order
                QStringLiteral(
                    "INSERT INTO Items (rowid, Name, Amount, Count) VALUES (5, 'second', 2.5, 2)"),
                QStringLiteral(
                    "INSERT INTO Items (rowid, Name, Amount, Count) VALUES (2, 'first', 1.5, 1)"),
                QStringLiteral("INSERT INTO Items (rowid, Name, Amount, Count, \"Postal Code\", "
                               "\"Capital Cost\", "
                               "\"e-mail\", \"CorrectionStalk&Leaves\") VALUES (9, 'third', 3.5, "
                               "3, 'AB1 2CD', 4200, "
                               "'a@b.example', 6.5)"),
                QStringLiteral(
                    "CREATE TABLE SoilLayers (IDUMSL INTEGER, DLayerNumber INTEGER, DLAYR REAL)"),
                QStringLiteral("CREATE INDEX SoilLayerIndex ON SoilLayers (IDUMSL, DLayerNumber)"),
                QStringLiteral("INSERT INTO SoilLayers VALUES (2, 2, 30), (1, 2, 15), (2, 1, 10), "
                               "(1, 1, 5), (2, 3, 60)"),
                QStringLiteral("CREATE TABLE Sites (Sites TEXT, ShortSite TEXT)"),
                QStringLiteral("CREATE INDEX site ON Sites (Sites)"),
                QStringLiteral("INSERT INTO Sites VALUES ('Riverbend', 'RB'), ('Highfield', 'HF'), "
                               "('Highfield', 'H2')"),
                QStringLiteral(
                    "CREATE TABLE CeresWeather (InstituteCode TEXT, SiteCode TEXT, Year INTEGER)"),
                QStringLiteral("CREATE INDEX \"CeresWeather.CeresWeather\" ON CeresWeather "
                               "(InstituteCode, SiteCode, Year)"),
                QStringLiteral("INSERT INTO CeresWeather VALUES ('HC', 'HF', 96)"),
                QStringLiteral("CREATE TABLE Strict (Name TEXT NOT NULL)"),
                QStringLiteral("CREATE TABLE Defaults (SorghumVariety TEXT, WizardOn BOOLEAN)"),
            });
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(DatabaseTest, TableOrderIsRowidOrderAndLastIsHighestRowid) {
    Database db = Database::open(path);
    Cursor c = db.openTable(QStringLiteral("Items"));
    EXPECT_EQ(c.recordCount(), 3);
    EXPECT_FALSE(c.bof());
    QStringList names;
    for (; !c.eof(); c.moveNext())
        names << c.text(QStringLiteral("Name"));
    EXPECT_EQ(names, (QStringList{"first", "second", "third"}));
    EXPECT_THROW(c.moveNext(), UserError); // already past the end

    c.moveLast();
    EXPECT_EQ(c.text(QStringLiteral("Name")), QStringLiteral("third"));
    c.movePrevious();
    c.movePrevious();
    EXPECT_EQ(c.position(), 0);
    c.movePrevious();
    EXPECT_TRUE(c.bof());
    EXPECT_FALSE(c.hasCurrent());
    c.moveTo(1);
    EXPECT_EQ(c.text(QStringLiteral("Name")), QStringLiteral("second"));
    EXPECT_THROW(c.moveTo(3), UserError);

    // An empty table is at BOF and EOF at once.
    Cursor empty = db.openTable(QStringLiteral("Strict"));
    EXPECT_TRUE(empty.eof());
    EXPECT_TRUE(empty.bof());
    expectDbError([&] { empty.value(QStringLiteral("Name")); }, {"Strict", path, "Name"});
}

TEST_F(DatabaseTest, ReadsLargeTableAcrossFetchBlocks) {
    QStringList sql{QStringLiteral("CREATE TABLE Many (N INTEGER)")};
    QStringList values;
    for (int i = 0; i < 700; ++i)
        values << QStringLiteral("(%1)").arg(i);
    sql << QStringLiteral("INSERT INTO Many VALUES ") + values.join(QLatin1Char(','));
    sql << QStringLiteral("DELETE FROM Many WHERE N IN (100, 255, 256, 511)");
    runSql(path, sql);

    Cursor c =
        Database::open(path).openTable(QStringLiteral("Many")); // the cursor outlives the Database
    ASSERT_EQ(c.recordCount(), 696);
    qint64 sum = 0, count = 0;
    for (; !c.eof(); c.moveNext()) {
        sum += c.integer(QStringLiteral("N"));
        ++count;
    }
    EXPECT_EQ(count, 696);
    EXPECT_EQ(sum, 699 * 700 / 2 - (100 + 255 + 256 + 511));
    // and backwards from the end
    c.moveLast();
    qint64 back = 0;
    while (!c.bof()) {
        back += c.integer(QStringLiteral("N"));
        c.movePrevious();
    }
    EXPECT_EQ(back, sum);
}

TEST_F(DatabaseTest, FieldNamesInAnyCaseAndWithBlanks) {
    Cursor c = Database::open(path).openTable(QStringLiteral("items"));
    EXPECT_EQ(c.table(), QStringLiteral("Items"));
    c.moveLast();
    EXPECT_EQ(c.text(QStringLiteral("postal code")), QStringLiteral("AB1 2CD"));
    EXPECT_EQ(c.number(QStringLiteral("CAPITAL COST")), 4200);
    EXPECT_EQ(c.text(QStringLiteral("E-Mail")), QStringLiteral("a@b.example"));
    EXPECT_DOUBLE_EQ(c.number(QStringLiteral("correctionstalk&leaves")), 6.5);
    EXPECT_EQ(c.value(QStringLiteral("Count")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(c.value(QStringLiteral("Amount")).typeId(), QMetaType::Double);

    c.edit();
    c.setValue(QStringLiteral("capital cost"), 5100);
    c.update();
    EXPECT_EQ(Database::open(path).openTable(QStringLiteral("Items")).fieldNames().size(), 8);
    Cursor again = Database::open(path).openTable(QStringLiteral("Items"));
    again.moveLast();
    EXPECT_EQ(again.number(QStringLiteral("Capital Cost")), 5100);

    // Null reads as empty text, 0 and false.
    again.moveFirst();
    EXPECT_FALSE(again.value(QStringLiteral("Flag")).isValid());
    EXPECT_EQ(again.text(QStringLiteral("e-mail")), QString());
    EXPECT_EQ(again.number(QStringLiteral("Capital Cost")), 0);
    EXPECT_FALSE(again.yesNo(QStringLiteral("Flag")));
}

TEST_F(DatabaseTest, ValuesAreCheckedAgainstTheDeclaredType) {
    struct Case {
        const char *field;
        QVariant in;
        QVariant stored; // invalid: refused
    };
    const Case cases[] = {
        {"Amount", QStringLiteral("12.5"), 12.5},
        {"Amount", QStringLiteral(" 7 "), 7.0},
        {"Amount", QStringLiteral(""), QVariant()}, // empty text stores Null
        {"Amount", QStringLiteral("abc"), QVariant()},
        {"Amount", QStringLiteral("12abc"), QVariant()},
        {"Count", 2.6, qlonglong(3)},
        {"Count", QStringLiteral("4"), qlonglong(4)},
        {"Count", QStringLiteral("four"), QVariant()},
        {"Flag", QStringLiteral("Yes"), true},
        {"Flag", 0, false},
        {"Flag", true, true},
        {"Flag", QStringLiteral("maybe"), QVariant()},
        {"Postal Code", QStringLiteral("ABCDEFGHIJKLMN"), QStringLiteral("ABCDEFGHIJ")},
        {"Name", 3.25, QStringLiteral("3.25")},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(std::string(k.field) + " <- " + k.in.toString().toStdString());
        const QStringList before = dump(path, QStringLiteral("Items"));
        Cursor c = Database::open(path).openTable(QStringLiteral("Items"));
        c.edit();
        const bool refused = !k.stored.isValid() && !(k.in.toString().isEmpty());
        if (refused) {
            expectDbError([&] { c.setValue(k.field, k.in); },
                          {k.field, "Items", path, k.in.toString()});
            c.cancelUpdate();
            EXPECT_EQ(dump(path, QStringLiteral("Items")), before);
            continue;
        }
        EXPECT_EQ(c.checkValue(k.field, k.in), k.stored);
        c.setValue(k.field, k.in);
        c.update();
        Cursor r = Database::open(path).openTable(QStringLiteral("Items"));
        EXPECT_EQ(r.value(k.field), k.stored);
    }
}

TEST_F(DatabaseTest, MissingFileTableFieldAndIndexAreReportedAndNothingChanges) {
    const QString missing = dir.filePath(QStringLiteral("Nowhere.mdb"));
    expectDbError([&] { Database::open(missing); }, {missing});
    EXPECT_FALSE(QFileInfo::exists(missing)); // never created

    const QString notDb = dir.filePath(QStringLiteral("Text.mdb"));
    {
        QFile f(notDb);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a database file at all, just some text\n");
    }
    expectDbError([&] { Database::open(notDb); }, {notDb});

    // Blanks and URI signs in the path are file name characters.
    const QString odd = dir.filePath(QStringLiteral("a b#1?x%20/Test.mdb"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(odd).path()));
    ASSERT_TRUE(QFile::copy(path, odd));
    EXPECT_EQ(Database::open(odd).openTable(QStringLiteral("Items")).recordCount(), 3);

    const QStringList before = dump(path, QStringLiteral("Items"));
    Database db = Database::open(path);
    expectDbError([&] { db.openTable(QStringLiteral("Nothing")); }, {"Nothing", path});
    Cursor c = db.openTable(QStringLiteral("Items"));
    expectDbError([&] { c.value(QStringLiteral("Colour")); }, {"Colour", "Items", path});
    c.edit();
    c.setValue(QStringLiteral("Name"), QStringLiteral("changed"));
    expectDbError([&] { c.setValue(QStringLiteral("Colour"), 1); }, {"Colour", "Items", path});
    c.cancelUpdate();
    expectDbError([&] { c.setIndex(QStringLiteral("NoIndex")); }, {"NoIndex", "Items", path});
    expectDbError([&] { c.seek(QVariant(1)); }, {"Items", path}); // no index chosen
    EXPECT_EQ(dump(path, QStringLiteral("Items")), before);
}

TEST_F(DatabaseTest, WritesNeedAPendingRecordAndACurrentOne) {
    const QStringList before = dump(path, QStringLiteral("Items"));
    Database db = Database::open(path);
    Cursor c = db.openTable(QStringLiteral("Items"));
    expectDbError([&] { c.update(); }, {"AddNew", "Edit", "Items", path});
    expectDbError([&] { c.setValue(QStringLiteral("Name"), QStringLiteral("x")); },
                  {"Name", "Items", path});
    c.moveLast();
    c.moveNext(); // EOF
    expectDbError([&] { c.edit(); }, {"no current record", "Items", path});
    expectDbError([&] { c.deleteCurrent(); }, {"no current record", "Items", path});
    expectDbError([&] { c.text(QStringLiteral("Name")); }, {"Name", "Items", path});
    EXPECT_EQ(dump(path, QStringLiteral("Items")), before);

    // A failing statement is rolled back: nothing is half-written.
    Cursor s = db.openTable(QStringLiteral("Strict"));
    s.addNew();
    expectDbError([&] { s.update(); }, {"Strict", path});
    EXPECT_TRUE(dump(path, QStringLiteral("Strict")).isEmpty());
    // After close the cursor no longer works.
    db.close();
    expectDbError([&] { c.moveFirst(); }, {path});
}

TEST_F(DatabaseTest, AddNewAppendsEditUpdatesInPlaceDeleteRemoves) {
    {
        Cursor c = Database::open(path).openTable(QStringLiteral("Items"));
        c.addNew();
        c.setValue(QStringLiteral("Name"), QStringLiteral("fourth"));
        EXPECT_EQ(c.text(QStringLiteral("Name")),
                  QStringLiteral("fourth")); // the pending record reads back
        c.update();
        EXPECT_EQ(c.text(QStringLiteral("Name")),
                  QStringLiteral("fourth")); // the added record is current
        EXPECT_EQ(c.recordCount(), 4);
        c.moveNext();
        EXPECT_TRUE(c.eof());
    }
    {
        Cursor c = Database::open(path).openTable(QStringLiteral("Items"));
        c.moveLast();
        EXPECT_EQ(c.text(QStringLiteral("Name")), QStringLiteral("fourth"));
        c.moveTo(1);
        c.edit();
        c.setValue(QStringLiteral("Amount"), 9.25);
        c.update();
        EXPECT_DOUBLE_EQ(c.number(QStringLiteral("Amount")), 9.25);
        c.deleteCurrent(); // "second"
        EXPECT_FALSE(c.hasCurrent());
        EXPECT_THROW(c.value(QStringLiteral("Name")), UserError);
        c.moveNext();
        EXPECT_EQ(c.text(QStringLiteral("Name")), QStringLiteral("third"));
        EXPECT_EQ(c.recordCount(), 3);
    }
    Cursor r = Database::open(path).openTable(QStringLiteral("Items"));
    QStringList names;
    for (; !r.eof(); r.moveNext())
        names << r.text(QStringLiteral("Name"));
    EXPECT_EQ(names, (QStringList{"first", "third", "fourth"}));

    // Deleting every record from the front, recordset style.
    Cursor d = Database::open(path).openTable(QStringLiteral("Items"));
    while (!d.eof()) {
        d.deleteCurrent();
        d.moveNext();
    }
    EXPECT_TRUE(dump(path, QStringLiteral("Items")).isEmpty());
}

TEST_F(DatabaseTest, ARecordDeletedByAnotherCursorIsNotSavedOrDeletedSilently) {
    Database db = Database::open(path);
    Cursor a = db.openTable(QStringLiteral("Items"));
    EXPECT_EQ(a.text(QStringLiteral("Name")), QStringLiteral("first"));
    Cursor b = db.openTable(QStringLiteral("Items"));
    b.deleteCurrent(); // "first", under a's current record
    a.edit();
    a.setValue(QStringLiteral("Amount"), 1);
    expectDbError([&] { a.update(); }, {"Items", path, "no longer exists"});
    expectDbError([&] { a.deleteCurrent(); }, {"Items", path});
    Cursor late = db.openTable(QStringLiteral("Items")); // rows not fetched yet
    b.moveNext();
    b.deleteCurrent(); // "second"
    expectDbError([&] { late.edit(); }, {"Items", path});
    EXPECT_EQ(dump(path, QStringLiteral("Items")).size(), 1);
}

TEST_F(DatabaseTest, TransactionStoresAllWritesOrNone) {
    const QStringList before = dump(path, QStringLiteral("Items"));
    {
        Database db = Database::open(path);
        Cursor c = db.openTable(QStringLiteral("Items"));
        Transaction t(db);
        c.deleteCurrent();
        c.addNew();
        c.setValue(QStringLiteral("Name"), QStringLiteral("added"));
        c.update();
        expectDbError([&] { Transaction again(db); }, {path});
        // the action ends here without commit()
    }
    EXPECT_EQ(dump(path, QStringLiteral("Items")), before);
    {
        Database db = Database::open(path);
        Cursor c = db.openTable(QStringLiteral("Items"));
        Transaction t(db);
        c.addNew();
        c.setValue(QStringLiteral("Name"), QStringLiteral("added"));
        c.update();
        Cursor s = db.openTable(QStringLiteral("Strict"));
        s.addNew();
        EXPECT_THROW(s.update(), UserError); // one refused statement does not undo the others
        t.commit();
    }
    EXPECT_EQ(dump(path, QStringLiteral("Items")).size(), before.size() + 1);
    EXPECT_TRUE(dump(path, QStringLiteral("Strict")).isEmpty());
}

TEST_F(DatabaseTest, SeekFindsFirstInIndexOrderOrReportsNoMatch) {
    Database db = Database::open(path);
    Cursor c = db.openTableCursor(QStringLiteral("SoilLayers"));
    c.setIndex(QStringLiteral("soillayerindex"));
    EXPECT_EQ(c.index(), QStringLiteral("SoilLayerIndex"));
    EXPECT_EQ(c.indexFields(), (QStringList{"IDUMSL", "DLayerNumber"}));

    struct Case {
        QVariantList keys;
        double dlayr; // < 0: no match
    };
    const Case cases[] = {
        {{2, 3}, 60}, {{1, 1}, 5}, {{2}, 10}, {{1}, 5}, {{QStringLiteral("2"), 2}, 30},
        {{2, 9}, -1}, {{7}, -1},
    };
    for (const Case &k : cases) {
        c.seek(k.keys);
        if (k.dlayr < 0) {
            EXPECT_TRUE(c.noMatch());
            EXPECT_FALSE(c.hasCurrent());
            EXPECT_THROW(c.number(QStringLiteral("DLAYR")), UserError);
        } else {
            EXPECT_FALSE(c.noMatch());
            EXPECT_DOUBLE_EQ(c.number(QStringLiteral("DLAYR")), k.dlayr);
        }
    }
    // From a found record the cursor goes on in table order.
    c.seek(QVariantList{1, 2});
    c.moveNext();
    EXPECT_DOUBLE_EQ(c.number(QStringLiteral("DLAYR")), 10);
    expectDbError([&] { c.seek(QVariantList{1, 2, 3}); }, {"SoilLayerIndex", "SoilLayers", path});

    // Text keys compare without regard to case; the first in index order wins.
    Cursor s = db.openTableCursor(QStringLiteral("Sites"));
    s.setIndex(QStringLiteral("site"));
    s.seek(QStringLiteral("HIGHFIELD"));
    ASSERT_FALSE(s.noMatch());
    EXPECT_EQ(s.text(QStringLiteral("ShortSite")), QStringLiteral("HF"));
    s.edit();
    s.setValue(QStringLiteral("ShortSite"), QStringLiteral("HX"));
    s.update();
    EXPECT_EQ(dump(path, QStringLiteral("Sites")).at(1), QStringLiteral("2|Highfield|HX"));

    // An index named like its table is known by its own name.
    EXPECT_EQ(db.indexNames(QStringLiteral("CeresWeather")), QStringList{"CeresWeather"});
    Cursor w = db.openTableCursor(QStringLiteral("CeresWeather"));
    w.setIndex(QStringLiteral("CeresWeather"));
    w.seek(QVariantList{QStringLiteral("HC"), QStringLiteral("HF"), 96});
    EXPECT_FALSE(w.noMatch());
}

TEST_F(DatabaseTest, LastDefaultsRecordIsRequired) {
    Database db = Database::open(path);
    try {
        openLastDefaults(db);
        ADD_FAILURE() << "an empty Defaults table gave no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.title(), QStringLiteral("Database Error"));
        EXPECT_EQ(e.text(), QStringLiteral("The table Defaults of %1 holds no record").arg(path));
    }
    runSql(path, {QStringLiteral("INSERT INTO Defaults VALUES ('old', 0), ('new', 1)")});
    Cursor d = openLastDefaults(Database::open(path));
    EXPECT_EQ(d.text(QStringLiteral("SorghumVariety")), QStringLiteral("new"));
    EXPECT_TRUE(d.yesNo(QStringLiteral("WizardOn")));
}

// ---------------------------------------------------------------- bundle

// Tables and fields the program uses by name.
const std::map<QString, QString> kSorghumTables = {
    {"Defaults",
     "SorghumVariety HarvestMethod LoadingMethod Transportation UnloadingMethod CrushingMethod "
     "JuiceExtraction EnergyType CurrencyName CurrencyType Institute Inst Site ShortSite LandName "
     "SystemConstraint Soil CalculationsStored MoistBagasseEnergy CropYield WizardOn CreationDate "
     "DefaultPath"},
    {"Variety",
     "VarietyName VarietyNumber SugarPercent FibrePercent MoisturePercent PaniclePercent "
     "RootsPercent "
     "AttachedLeavesPercent DetachedLeavesPercent SeedRate SeedCost NitrogenRate PhosphorusRate "
     "PotassiumRate PesticideRate WaterUseEff DegDaysEmergeToJuvenile DegDaysFloraToMaturity "
     "SpeedOfDevelopment OptimalPotoperiod WaterUseEffUnits CorrectionStalk&Leaves "
     "CorrectionStalk&Epis"},
    {"Harvest",
     "Method RateOfHarvest FuelUse LifeTime PersonnelHours PersonnelRequirements PersonnelCost "
     "Person1 Person2 Person3 Person4"},
    {"Load", "Description FuelUse LifeTime PersonnelRequired SkillLevel"},
    {"Unload", "Description FuelUse LifeTime PersonnelRequired SkillLevel"},
    {"Transport", "Description Currency Cost FuelUse LifeTime"},
    {"Crushing",
     "Method ProcessRate LabourRequirements LabourCost ElectricityUsageRate ElectricityUseCost "
     "HighPressureSteamRate HighPressureSteamCost LowPressureSteamRate LowPressureSteamCost "
     "ElectricityUsageCurrency HighPressureSteamCurrency LowPressureSteamCurrency"},
    {"JuiceExtraction", "Method"},
    {"Energy",
     "Description EnergyUnit Currency Cost Density Moisture CompCarbon CompHydrogen CompNitrogen "
     "CompOxygen CompSulphur"},
    {"EnergyConversion",
     "Description EnergyTypes FuelMix @in123 @out123 Efficiency1 Efficiency2 Efficiency3 "
     "EnergyInputMaxRate CapitalCost MaintenanceCost MaintenanceCostRate CapitalCostCurrency "
     "MaintenanceCostUnits"},
    {"SteamConfiguration",
     "Description EnergyTypes @in123 @out123 Efficiency1 Efficiency2 Efficiency3 CapitalCost "
     "MaintenanceCost EnergyInputMaxRate CapitalCostCurrency MaintenanceCostUnits "
     "MaintenanceCostRateType UpdatedRecord"},
    {"SteamElectricConfiguration", "Description EnergyTypes Efficiency1 @in1 @out1"},
    {"GasifierElectricConfiguration",
     "Description EnergyTypes FuelMix Efficiency1 Efficiency2 Efficiency3 "
     "EnergyInputMaxRate @in1 @out123 CapitalCost CapitalCostCurrency "
     "MaintenanceCost MaintenanceCostUnits"},
    {"Occupation", "Reference SkillName Description LabourCostCurrency LabourCostRateUnit "
                   "SkillRate LabourCostRate"},
    {"Equipment",
     "Type Description Manufacturer Model |Fuel Type| |Capital Cost Units| PowerRating |Capital "
     "Cost| "
     "AnnualInterest Lifetime LitresPerHr LitresPerHa LitresPerKm |Personnal Required| "
     "|Personnal Skill| PersonnalSkill2 OperationRate1"},
    {"Land",
     "Name Site ShortSite Area |Area Unit| |Rental Costs| |Rental Cost Units| |Purchase Cost| "
     "|Purchase Cost Units| |Opportunity Cost| |Opportunity Cost Units| Remarks"},
    {"Calculation",
     "Number Name ProcessName Date Duration ProcessRate LabourReqd LabourCost Energy1 Energy1Cost "
     "Energy2 Energy2Cost Energy3 Energy3Cost SubTotCost"},
    {"Currency", "CurrencyName Symbol"},
    {"Institutes", "Institute Inst"},
    {"Sites", "Sites ShortSite Address1 Address2 City Country |Postal Code| Phone Fax e-mail "
              "Latitude Longitude "
              "Elevation |Default Soil Type|"},
    {"CeresWeather",
     "InstituteCode SiteCode Year JulianDay MaximumTemperature MinimumTemperature Rainfall "
     "DayTotalSolarRadiation"},
};
const std::map<QString, QString> kSoilTables = {
    {"Soil", "IDUMSL PEDON TAXON SALB U SWCON CN2 TAV AMP DMOD SWCON1 SWCON2 SWCON3 RWUMX PHFAC3 "
             "NLAYRTotal"},
    {"SoilLayers", "IDUMSL DLayerNumber DLAYR LL DUL SAT SWINIT WR BD OC DNH4 DNO3 UK1 UK2"},
};

// Expands the word list: |a b| is one name with blanks; @inN / @outN the five
// fields of each energy input or output N.
QStringList fieldList(const QString &words) {
    QStringList names;
    const QStringList parts = words.split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i % 2) {
            names << parts[i];
            continue;
        }
        for (const QString &word : parts[i].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (word.startsWith(QLatin1Char('@'))) {
                const bool in = word.startsWith(QLatin1String("@in"));
                for (QChar n : word.mid(in ? 3 : 4)) {
                    const QString p =
                        QStringLiteral("Energy%1%2").arg(in ? "Input" : "Output").arg(n);
                    names << p << p + "Rate" << p + "Units" << p + "Cost" << p + "CostUnits";
                }
            } else {
                names << word;
            }
        }
    }
    return names;
}

void expectSchema(const Database &db, const std::map<QString, QString> &tables) {
    for (const auto &[table, words] : tables) {
        ASSERT_TRUE(db.hasTable(table)) << table.toStdString();
        const Cursor c = db.openTable(table);
        for (const QString &field : fieldList(words))
            EXPECT_TRUE(c.hasField(field)) << table.toStdString() << "." << field.toStdString();
    }
}

std::set<QString> column(const Database &db, const QString &table, const QString &field) {
    std::set<QString> values;
    for (Cursor c = db.openTable(table); !c.eof(); c.moveNext())
        values.insert(c.text(field));
    return values;
}

TEST(BundleDatabases, HoldEveryTableFieldAndIndexTheProgramUses) {
    test::TempBundle bundle;
    const Database sorghum = Database::open(bundle.file(QStringLiteral("Sorghum.mdb")));
    expectSchema(sorghum, kSorghumTables);
    EXPECT_TRUE(sorghum.indexNames(QStringLiteral("Sites")).contains(QStringLiteral("site")));
    EXPECT_TRUE(sorghum.indexNames(QStringLiteral("CeresWeather"))
                    .contains(QStringLiteral("CeresWeather")));
    const Database soils = Database::open(bundle.file(QStringLiteral("Soils.mdb")));
    expectSchema(soils, kSoilTables);
    Cursor soil = soils.openTableCursor(QStringLiteral("Soil"));
    soil.setIndex(QStringLiteral("SoilIndex"));
    EXPECT_EQ(soil.indexFields(), QStringList{"IDUMSL"});
    Cursor layers = soils.openTableCursor(QStringLiteral("SoilLayers"));
    layers.setIndex(QStringLiteral("SoilLayerIndex"));
    EXPECT_EQ(layers.indexFields(), (QStringList{"IDUMSL", "DLayerNumber"}));

    // Widths the windows rely on.
    Cursor sites = sorghum.openTable(QStringLiteral("Sites"));
    EXPECT_EQ(sites.fieldWidth(QStringLiteral("Postal Code")), 10);
    EXPECT_EQ(sorghum.openTable(QStringLiteral("Institutes")).fieldWidth(QStringLiteral("Inst")),
              2);
    EXPECT_EQ(sorghum.openTable(QStringLiteral("Defaults")).fieldKind(QStringLiteral("WizardOn")),
              FieldKind::YesNo);
}

TEST(BundleDatabases, DefaultsNameExistingEntries) {
    test::TempBundle bundle;
    const Database db = Database::open(bundle.file(QStringLiteral("Sorghum.mdb")));
    const Cursor d = openLastDefaults(db);
    EXPECT_EQ(d.recordCount(), 1);

    struct Ref {
        const char *field, *table, *key;
    };
    const Ref refs[] = {
        {"SorghumVariety", "Variety", "VarietyName"},
        {"HarvestMethod", "Harvest", "Method"},
        {"LoadingMethod", "Load", "Description"},
        {"Transportation", "Transport", "Description"},
        {"UnloadingMethod", "Unload", "Description"},
        {"CrushingMethod", "Crushing", "Method"},
        {"JuiceExtraction", "JuiceExtraction", "Method"},
        {"EnergyType", "Energy", "Description"},
        {"CurrencyName", "Currency", "CurrencyName"},
        {"CurrencyType", "Currency", "Symbol"},
        {"Institute", "Institutes", "Institute"},
        {"Inst", "Institutes", "Inst"},
        {"Site", "Sites", "Sites"},
        {"ShortSite", "Sites", "ShortSite"},
        {"LandName", "Land", "Name"},
    };
    for (const Ref &r : refs) {
        const QString v = d.text(r.field);
        EXPECT_FALSE(v.isEmpty()) << r.field;
        EXPECT_TRUE(column(db, r.table, r.key).count(v)) << r.field << " = " << v.toStdString();
    }
    EXPECT_EQ(d.text(QStringLiteral("SystemConstraint")), QStringLiteral("ETOH"));
    EXPECT_FALSE(d.yesNo(QStringLiteral("WizardOn")));
    EXPECT_EQ(d.number(QStringLiteral("MoistBagasseEnergy")), 7);
    EXPECT_EQ(d.integer(QStringLiteral("CalculationsStored")), 1); // the sample calculation
    EXPECT_GE(d.integer(QStringLiteral("Soil")), 1);
    EXPECT_LE(d.integer(QStringLiteral("Soil")), 4);
    EXPECT_EQ(d.text(QStringLiteral("CreationDate")).count(QLatin1Char('-')), 2);

    // Soil numbers name profiles of the soil catalogue once it is loaded.
    const Database soils = Database::open(bundle.file(QStringLiteral("Soils.mdb")));
    Cursor soil = soils.openTableCursor(QStringLiteral("Soil"));
    if (soil.recordCount() > 0) {
        soil.setIndex(QStringLiteral("SoilIndex"));
        QVariantList numbers{d.integer(QStringLiteral("Soil"))};
        for (Cursor s = db.openTable(QStringLiteral("Sites")); !s.eof(); s.moveNext())
            numbers << s.integer(QStringLiteral("Default Soil Type"));
        for (const QVariant &n : numbers) {
            soil.seek(n);
            EXPECT_FALSE(soil.noMatch()) << "soil " << n.toInt();
        }
    }

    // The calculations look these prices up by their exact descriptions.
    const auto energy = column(db, QStringLiteral("Energy"), QStringLiteral("Description"));
    EXPECT_TRUE(energy.count(QStringLiteral("Ethanol (anhydrous C2H5-OH)")));
    EXPECT_TRUE(energy.count(QStringLiteral("Electricity")));
    EXPECT_TRUE(energy.count(QStringLiteral("Bagasse")));

    // Every harvest crew member is an occupation.
    const auto jobs = column(db, QStringLiteral("Occupation"), QStringLiteral("Description"));
    for (Cursor h = db.openTable(QStringLiteral("Harvest")); !h.eof(); h.moveNext())
        for (const char *p : {"Person1", "Person2", "Person3", "Person4"})
            EXPECT_TRUE(jobs.count(h.text(p))) << h.text(p).toStdString();

    // The conversion-unit slotTable: 10 combustion and 10 gasifier slotTable, 10 saved of each
    // kind.
    Cursor slotTable = db.openTable(QStringLiteral("SteamConfiguration"));
    ASSERT_EQ(slotTable.recordCount(), 20);
    for (int k = 0; k < 20; ++k) {
        slotTable.moveTo(k);
        EXPECT_EQ(slotTable.text(QStringLiteral("EnergyTypes")),
                  k < 10 ? QStringLiteral("Combustion") : QStringLiteral("Gasifier"));
        EXPECT_GT(slotTable.number(QStringLiteral("Efficiency1")), 0);
    }
    EXPECT_EQ(db.openTable(QStringLiteral("SteamElectricConfiguration")).recordCount(), 10);
    EXPECT_EQ(db.openTable(QStringLiteral("GasifierElectricConfiguration")).recordCount(), 10);
    Cursor units = db.openTable(QStringLiteral("EnergyConversion"));
    units.moveLast(); // the gasifier fill takes the last catalogue unit
    EXPECT_EQ(units.text(QStringLiteral("EnergyTypes")), QStringLiteral("Gasifier"));
    EXPECT_GE(db.openTable(QStringLiteral("Variety")).recordCount(), 5);
}

TEST(MakeDatabase, ReplacesTheFileOnlyWhenEverySqlFileRuns) {
    QTemporaryDir dir;
    const QString tool = QStringLiteral(ZARN_MKDB);
    const QString out = dir.filePath(QStringLiteral("Out.mdb"));
    auto write = [&](const QString &name, const QByteArray &text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };
    const QString good = write(QStringLiteral("good.sql"),
                               "-- a table; text with a ; inside\nCREATE TABLE T (A TEXT);\n"
                               "INSERT INTO T VALUES ('x;y');\n");
    const QString bad = write(QStringLiteral("bad.sql"),
                              "INSERT INTO T VALUES ('z');\n\nINSERT INTO U VALUES (1);\n");
    write(QStringLiteral("Out.mdb"), "previous contents");

    auto run = [&](const QStringList &args, QString *err = nullptr) {
        QProcess p;
        p.start(tool, args);
        EXPECT_TRUE(p.waitForFinished(30000));
        if (err)
            *err = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitCode();
    };
    QString err;
    EXPECT_EQ(run({"--out", out, "--sql", good, "--sql", bad}, &err), 1);
    EXPECT_TRUE(err.contains(bad + ":3")) << err.toStdString();
    QFile kept(out);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("previous contents"));
    kept.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3); // no temporary file left

    EXPECT_EQ(run({"--out", out, "--sql", good}), 0);
    EXPECT_EQ(dump(out, QStringLiteral("T")), QStringList{"1|x;y"});
}

} // namespace
