// Loading the main menu: defaults from the last Defaults record, the variety
// number, the wizard flag, and what happens when the database is not usable.
#include "shell_fixture.h"

#include "cropmodel/soils.h"
#include "shell/windows/program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>

using namespace zarn;
using namespace zarn::test;

namespace {

void appendDefaults(const QString &dbPath, const QString &variety, const QString &site, int soil,
                    bool wizard) {
    db::Database d = db::Database::open(dbPath);
    db::Cursor c = db::openLastDefaults(d);
    // Copy the last record and change a few fields, as a save would.
    QVariantMap last;
    for (const QString &f : c.fieldNames())
        last.insert(f, c.value(f));
    c.addNew();
    for (auto it = last.cbegin(); it != last.cend(); ++it)
        c.setValue(it.key(), it.value());
    c.setValue("SorghumVariety", variety);
    c.setValue("Site", site);
    c.setValue("Soil", soil);
    c.setValue("WizardOn", wizard);
    c.update();
}

void addVariety(const QString &dbPath, const QString &name, int number) {
    db::Database d = db::Database::open(dbPath);
    db::Cursor c = d.openDynaset("Variety");
    c.addNew();
    c.setValue("VarietyName", name);
    c.setValue("VarietyNumber", number);
    c.update();
}

void execSql(const QString &dbPath, const QString &sql) {
    db::Database d = db::Database::open(dbPath);
    QSqlQuery q(d.connection());
    ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
}

} // namespace

TEST_F(ShellTest, LastOfSeveralDefaultsRecordsReachesSharedState) {
    addVariety(database(), "Test Dup", 7);
    addVariety(database(), "Test Dup", 9);
    appendDefaults(database(), "Test Dup", "Second Site", 3, false);
    shared().gYieldList[5] = 12.5f;
    shared().gYieldCount = 6;

    loadStartupDefaults(bundle->path(), 2026);

    const SharedState &s = shared();
    EXPECT_EQ(s.gSystemPath, bundle->path());
    EXPECT_EQ(s.gDatabasePath, bundle->path() + "Sorghum.mdb");
    EXPECT_EQ(s.gCeresPath, bundle->path() + "WINCERES/");
    EXPECT_EQ(s.gSystemDrive, QString());
    EXPECT_EQ(s.gCurrentYear, 2026);
    EXPECT_EQ(s.gIrrigationOption, 3);
    EXPECT_EQ(s.gYieldCount, 0);
    EXPECT_EQ(s.gYieldList[5], 0.0f);
    EXPECT_EQ(s.gSorghumVariety, "Test Dup");
    EXPECT_EQ(s.gSite, "Second Site");
    EXPECT_EQ(s.gSoil, 3);
    EXPECT_EQ(s.gWizardOn, "NO");
    EXPECT_EQ(s.gVarietyNumber, 9) << "the last matching variety wins";
    EXPECT_FALSE(s.gCurrencyType.isEmpty());
    EXPECT_FALSE(s.gCrushingMethod.isEmpty());
}

TEST_F(ShellTest, VarietyNumberStaysWhenNoVarietyMatches) {
    appendDefaults(database(), "No Such Variety", "Somewhere", 1, true);
    shared().gVarietyNumber = 42;
    loadStartupDefaults(bundle->path(), 2026);
    EXPECT_EQ(shared().gVarietyNumber, 42);
    EXPECT_EQ(shared().gWizardOn, "YES");
}

TEST_F(ShellTest, UnusableDatabaseIsReportedAndSharedStateKept) {
    struct Case {
        const char *what;
        std::function<void(const QString &)> damage; // given the database path
        const char *named;                           // must appear in the message
    };
    const Case cases[] = {
        {"missing file", [](const QString &db) { ASSERT_TRUE(QFile::remove(db)); }, "Sorghum.mdb"},
        {"not a database",
         [](const QString &db) {
             QFile f(db);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(4096, '\x5a'));
         },
         "Sorghum.mdb"},
        {"missing table", [](const QString &db) { execSql(db, "DROP TABLE Variety"); }, "Variety"},
        {"missing field",
         [](const QString &db) { execSql(db, "ALTER TABLE Defaults DROP COLUMN CurrencyType"); },
         "CurrencyType"},
        {"empty Defaults", [](const QString &db) { execSql(db, "DELETE FROM Defaults"); },
         "Defaults"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempBundle fresh;
        c.damage(fresh.file("Sorghum.mdb"));
        const bool existed = QFile::exists(fresh.file("Sorghum.mdb"));
        resetSharedState();
        shared().gSite = "kept";
        try {
            loadStartupDefaults(fresh.path(), 2026);
            ADD_FAILURE() << "no error reported";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(c.named)) << e.text().toStdString();
        }
        EXPECT_EQ(shared().gSite, "kept");
        EXPECT_EQ(QFile::exists(fresh.file("Sorghum.mdb")), existed)
            << "a missing database is never created";
    }
}

TEST_F(ShellTest, MainMenuWithoutDatabaseShowsMessageAndEndsProgram) {
    ASSERT_TRUE(QFile::remove(database()));
    const int endsBefore = programEndRequests();
    EXPECT_EQ(WindowRegistry::show("ZARNMainMenu"), nullptr);
    flush();
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("Sorghum.mdb"));
    EXPECT_GT(programEndRequests(), endsBefore);
    EXPECT_FALSE(isOpen("ZARNMainMenu"));
}

TEST_F(ShellTest, WizardButtonCaptionFollowsFlagAndTwoPressesRestoreDatabase) {
    appendDefaults(database(), "Keller", "Site A", 1, false);
    ASSERT_NE(WindowRegistry::show("ZARNMainMenu"), nullptr);
    auto caption = [] {
        return WindowRegistry::find("ZARNMainMenu")
            ->findChild<QAbstractButton *>("ZARNMMWizardButton")
            ->text();
    };
    auto stored = [this] {
        db::Database d = db::Database::open(database());
        db::Cursor c = db::openLastDefaults(d);
        return std::make_pair(c.yesNo("WizardOn"), c.recordCount());
    };
    const auto before = stored();
    EXPECT_EQ(caption(), "Set Wizard On");

    press("ZARNMainMenu", "ZARNMMWizardButton");
    EXPECT_EQ(caption(), "Set Wizard Off");
    EXPECT_EQ(shared().gWizardOn, "YES");
    EXPECT_TRUE(stored().first);
    EXPECT_EQ(stored().second, before.second) << "the record is updated in place";

    press("ZARNMainMenu", "ZARNMMWizardButton");
    EXPECT_EQ(caption(), "Set Wizard On");
    EXPECT_EQ(shared().gWizardOn, "NO");
    EXPECT_EQ(stored(), before);
}

TEST_F(ShellTest, OkWithWizardOffOpensMainWorkingWindow) {
    appendDefaults(database(), "Keller", "Site A", 1, false);
    WindowRegistry::show("ZARNMainMenu");
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    EXPECT_TRUE(isOpen("ZARNMainProcessingMenuForm"));
    EXPECT_FALSE(isOpen("ZARNMainMenu"));
    EXPECT_FALSE(isOpen("ZarnSetupSystemForm"));
    EXPECT_EQ(WindowRegistry::find("ZARNMainProcessingMenuForm")->windowTitle(), "Tarnwick (ZARN)");
}

TEST_F(ShellTest, OkWithWizardOnAsksBeforeSetupWindowShows) {
    appendDefaults(database(), "Keller", "Site A", 1, true);
    WindowRegistry::show("ZARNMainMenu");
    bool setupVisibleWhenAsked = true;
    setMessageResponder([&](const MessageRequest &r) {
        EXPECT_EQ(r.text, "Create New Site = Yes, Use Default Site = No         ");
        EXPECT_EQ(r.title, "New Site?");
        EXPECT_EQ(r.icon, MsgIcon::Question);
        EXPECT_EQ(r.buttons, MsgButtons::YesNo);
        setupVisibleWhenAsked = isOpen("ZarnSetupSystemForm");
        return MsgResult::Yes;
    });
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    EXPECT_FALSE(setupVisibleWhenAsked);
    ASSERT_TRUE(isOpen("ZarnSetupSystemForm"));
    EXPECT_FALSE(isOpen("ZARNMainMenu"));
    QWidget *setup = WindowRegistry::find("ZarnSetupSystemForm");
    EXPECT_TRUE(setup->findChild<QWidget *>("ZarnSetupSystemLocationFrame")->isVisible());
    EXPECT_EQ(setup->findChild<QLabel *>("ZarnSetupSystemLocation")->text(), "Site A");
}

TEST_F(ShellTest, MainMenuLoadRewritesInitialConditionsForDefaultSoil) {
    loadStartupDefaults(bundle->path(), 2026);
    const QString file =
        bundle->ceresPath() + cropmodel::InitialConditionsFileName(shared().gCeresPath);
    const QByteArray original = bytesOf(file);
    const QByteArray firstLine = original.left(original.indexOf('\n') + 1);
    putBytes(file, firstLine + "left over from another soil\r\n");

    ASSERT_NE(WindowRegistry::show("ZARNMainMenu"), nullptr);
    EXPECT_TRUE(messages->shown().empty());
    const QByteArray rewritten = bytesOf(file);
    EXPECT_TRUE(rewritten.startsWith(firstLine));
    EXPECT_FALSE(rewritten.contains("left over"));
    EXPECT_EQ(rewritten, original) << "the bundled file is the one written for the default soil";
}

// A blank line at the end of SGEXP.DIR is not a fourth experiment: startup
// rewrites the file the last real experiment names, with no message.
TEST_F(ShellTest, StartupIgnoresBlankLinesAtTheEndOfTheExperimentDirectory) {
    const QString dir = bundle->ceresPath() + "SGEXP.DIR";
    putBytes(dir, bytesOf(dir) + "\r\n  \r\n");
    loadStartupDefaults(bundle->path(), 2026);
    const QString file =
        bundle->ceresPath() + cropmodel::InitialConditionsFileName(shared().gCeresPath);
    const QByteArray original = bytesOf(file);
    putBytes(file, original.left(original.indexOf('\n') + 1) + "left over\r\n");

    ASSERT_NE(WindowRegistry::show("ZARNMainMenu"), nullptr);
    EXPECT_TRUE(messages->shown().empty()) << messages->shown()[0].text.toStdString();
    EXPECT_EQ(bytesOf(file), original);
}

// An initial-conditions file that is a link to a file elsewhere is refused
// with a message naming it; the file it leads to is never overwritten.
TEST_F(ShellTest, StartupNeverWritesThroughALinkOutOfTheCropModelDirectory) {
    loadStartupDefaults(bundle->path(), 2026);
    const QString name = cropmodel::InitialConditionsFileName(shared().gCeresPath);
    const QString file = bundle->ceresPath() + name;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + "/notes.txt";
    putBytes(target, "someone else's file\n");
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::link(target, file));

    ASSERT_NE(WindowRegistry::show("ZARNMainMenu"), nullptr);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains(name))
        << messages->shown()[0].text.toStdString();
    EXPECT_TRUE(messages->shown()[0].text.contains("is a link to"));
    EXPECT_EQ(bytesOf(target), QByteArray("someone else's file\n"));
    EXPECT_TRUE(QFileInfo(file).isSymLink());
}

// A Sorghum.mdb that is empty or a directory is reported as what it is.
TEST_F(ShellTest, ADatabaseThatIsEmptyOrADirectoryIsNamedAsSuch) {
    const struct {
        const char *what;
        std::function<void(const QString &)> make;
        const char *says;
    } cases[] = {
        {"empty", [](const QString &db) { putBytes(db, QByteArray()); }, "is empty"},
        {"directory",
         [](const QString &db) {
             ASSERT_TRUE(QFile::remove(db));
             ASSERT_TRUE(QDir().mkdir(db));
         },
         "is a directory"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempBundle fresh;
        c.make(fresh.file("Sorghum.mdb"));
        try {
            loadStartupDefaults(fresh.path(), 2026);
            ADD_FAILURE() << "no error reported";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains("Sorghum.mdb")) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.says)) << e.text().toStdString();
            EXPECT_FALSE(e.text().contains("does not exist")) << e.text().toStdString();
        }
    }
}
