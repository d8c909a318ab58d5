// The default windows: "System Default Form" saves, "Z.A.R.N. Default Part 1"
// shows and chooses, "Z.A.R.N Default  Part 2" shows the paths and takes the
// year, and the two path windows change the directories.
#include "shell_fixture.h"

#include "data/lookup.h"
#include "shell/defaults.h"
#include "shell/windows/pathlists.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace zarn;
using namespace zarn::test;

namespace {

class DefaultsWindowsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        loadStartupDefaults(bundle->path(), 2026);
    }
    template <class T> static T *control(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        if (!w)
            return nullptr;
        return w->findChild<T *>(name);
    }
    static QComboBox *list(const QString &window, const QString &name) {
        return control<QComboBox>(window, name);
    }
    static QLineEdit *field(const QString &window, const QString &name) {
        return control<QLineEdit>(window, name);
    }
    // The user replaces a field's text (one edit, as a paste would).
    static void type(QLineEdit *edit, const QString &text) {
        edit->setText(text);
        emit edit->textEdited(text);
    }
    // Chooses another entry than the current one; returns its text.
    static QString chooseOther(QComboBox *box) {
        const int other = box->currentIndex() == 0 ? 1 : 0;
        box->setCurrentIndex(other);
        return box->itemText(other);
    }
    static PathLists *pathLists(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<PathLists *>() : nullptr;
    }
    int defaultsCount() const {
        db::Database d = db::Database::open(database());
        return d.openDynaset("Defaults").recordCount();
    }
    DefaultsRecord last() const {
        db::Database d = db::Database::open(database());
        return readLastDefaults(d);
    }
};

// A new user changes the defaults and starts the program again.
TEST_F(DefaultsWindowsTest, ChosenDefaultsAreCurrentAfterRestart) {
    WindowRegistry::show("ZARNMainMenu");
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    press("ZARNMainProcessingMenuForm", "ZARNButton");
    press("ZARNMainProcessingMenuForm", "ZarnDefaultButton");
    ASSERT_TRUE(isOpen("ZarnDefaultForm"));
    EXPECT_EQ(WindowRegistry::find("ZarnDefaultForm")->windowTitle(), "System Default Form");
    press("ZarnDefaultForm", "ZarnDefPart1Button");
    ASSERT_TRUE(isOpen("zarnDefm"));

    const QString variety = chooseOther(list("zarnDefm", "zarnDefSorghum"));
    const QString harvest = chooseOther(list("zarnDefm", "zarnDefHarvest"));
    QComboBox *currency = list("zarnDefm", "ZARNDefCurrency");
    currency->setCurrentIndex(currency->findText("Euro"));
    ASSERT_EQ(currency->currentText(), "Euro");
    const int before = defaultsCount();

    press("ZarnDefaultForm", "zarnDefmOKButton");
    EXPECT_FALSE(isOpen("ZarnDefaultForm"));
    EXPECT_EQ(defaultsCount(), before + 1);
    EXPECT_TRUE(messages->shown().empty());

    WindowRegistry::closeAll();
    flush();
    resetSharedState();
    WindowRegistry::show("ZARNMainMenu");
    const SharedState &s = shared();
    EXPECT_EQ(s.gSorghumVariety, variety);
    EXPECT_EQ(s.gHarvestMethod, harvest);
    EXPECT_EQ(s.gCurrencyName, "Euro");
    EXPECT_EQ(s.gCurrencyType, QString::fromUtf8("€"));
    db::Database d = db::Database::open(database());
    const auto v = db::lastMatch(d, "Variety", "VarietyName", variety);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(s.gVarietyNumber, v->integer("VarietyNumber"));
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    EXPECT_TRUE(isOpen("ZARNMainProcessingMenuForm"));
}

TEST_F(DefaultsWindowsTest, OkOfPartOneOnlyClosesAndDropsItsChoices) {
    WindowRegistry::show("ZarnDefaultForm");
    press("ZarnDefaultForm", "ZarnDefPart1Button");
    const QString stored = list("zarnDefm", "zarnDefHarvest")->currentText();
    chooseOther(list("zarnDefm", "zarnDefHarvest"));
    const int before = defaultsCount();

    press("zarnDefm", "zarnDefmOKButton");
    EXPECT_FALSE(isOpen("zarnDefm"));
    EXPECT_EQ(defaultsCount(), before) << "only the system default window saves";

    press("ZarnDefaultForm", "zarnDefmOKButton");
    EXPECT_EQ(defaultsCount(), before + 1);
    EXPECT_EQ(last().harvestMethod, stored);
}

// Saving without the default-modules window repeats the stored methods and
// leaves a site chosen since as it is.
TEST_F(DefaultsWindowsTest, OkWithoutDefaultModulesRepeatsMethodsAndKeepsSite) {
    const DefaultsRecord previous = last();
    shared().gSite = "Site Chosen Since";
    shared().gShortSite = "SC";
    WindowRegistry::show("ZarnDefaultForm");

    press("ZarnDefaultForm", "zarnDefmOKButton");

    EXPECT_EQ(WindowRegistry::find("zarnDefm"), nullptr);
    const DefaultsRecord r = last();
    EXPECT_EQ(r.sorghumVariety, previous.sorghumVariety);
    EXPECT_EQ(r.harvestMethod, previous.harvestMethod);
    EXPECT_EQ(r.loadingMethod, previous.loadingMethod);
    EXPECT_EQ(r.transportation, previous.transportation);
    EXPECT_EQ(r.unloadingMethod, previous.unloadingMethod);
    EXPECT_EQ(r.crushingMethod, previous.crushingMethod);
    EXPECT_EQ(r.juiceExtraction, previous.juiceExtraction);
    EXPECT_EQ(r.currencyName, previous.currencyName);
    EXPECT_EQ(r.site, "Site Chosen Since");
    EXPECT_EQ(shared().gSite, "Site Chosen Since");
    EXPECT_EQ(shared().gShortSite, "SC");
}

TEST_F(DefaultsWindowsTest, CancelSavesNothing) {
    const int before = defaultsCount();
    WindowRegistry::show("ZarnDefaultForm");
    press("ZarnDefaultForm", "zarnDefMoreCancelButton");
    EXPECT_FALSE(isOpen("ZarnDefaultForm"));
    EXPECT_EQ(defaultsCount(), before);
}

TEST_F(DefaultsWindowsTest, DefaultModulesShowStoredTextsBagasseEnergyAndSoil) {
    {
        db::Database d = db::Database::open(database());
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec("UPDATE Defaults SET HarvestMethod = 'Retired Harvester', "
                           "MoistBagasseEnergy = 7.5, Soil = 3"));
    }
    loadStartupDefaults(bundle->path(), 2026);
    const DefaultsRecord stored = last();
    WindowRegistry::show("zarnDefm");
    ASSERT_TRUE(isOpen("zarnDefm"));

    EXPECT_EQ(list("zarnDefm", "zarnDefSorghum")->currentText(), stored.sorghumVariety);
    EXPECT_GT(list("zarnDefm", "zarnDefSorghum")->count(), 1);
    EXPECT_EQ(list("zarnDefm", "zarnDefLoad")->currentText(), stored.loadingMethod);
    EXPECT_EQ(list("zarnDefm", "zarnDefTransport")->currentText(), stored.transportation);
    EXPECT_EQ(list("zarnDefm", "zarnDefJuiceExtraction")->currentText(), stored.juiceExtraction);
    EXPECT_EQ(list("zarnDefm", "ZARNDefCurrency")->currentText(), stored.currencyName);
    EXPECT_EQ(list("zarnDefm", "zarnDefHarvest")->currentText(), "Retired Harvester")
        << "a method no longer in the table still shows as stored";
    EXPECT_EQ(field("zarnDefm", "zarnDefMoistBagasseEnergy")->text(), "7.5");
    EXPECT_EQ(field("zarnDefm", "zarnDefSoil")->text(), "3");
    EXPECT_TRUE(field("zarnDefm", "zarnDefSoil")->isReadOnly());

    QLineEdit *energy = field("zarnDefm", "zarnDefMoistBagasseEnergy");
    type(energy, "12.25 GJ");
    EXPECT_DOUBLE_EQ(shared().gMoistBagasseEnergy, 12.25);
    type(energy, "wet");
    EXPECT_DOUBLE_EQ(shared().gMoistBagasseEnergy, 0.0);

    // The stored method is saved as it stands.
    WindowRegistry::show("ZarnDefaultForm");
    press("ZarnDefaultForm", "zarnDefmOKButton");
    EXPECT_EQ(last().harvestMethod, "Retired Harvester");
}

TEST_F(DefaultsWindowsTest, CurrentDirectoryEntryShowsTheCurrentDirectory) {
    WindowRegistry::show("zarnDefm");
    QWidget *w = WindowRegistry::find("zarnDefm");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(w->actions().size(), 1);
    EXPECT_EQ(w->actions().front()->text(), "Current Directory");
    press("zarnDefm", "zarnDefmCurrentDirectoryEntry");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "The current directory is: \n" + QDir::currentPath());
}

TEST_F(DefaultsWindowsTest, DefaultModulesWithoutUsableDatabaseDoNotOpen) {
    {
        db::Database d = db::Database::open(database());
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec("DROP TABLE JuiceExtraction"));
    }
    WindowRegistry::show("ZarnDefaultForm");
    press("ZarnDefaultForm", "ZarnDefPart1Button");
    EXPECT_FALSE(isOpen("zarnDefm"));
    EXPECT_TRUE(messages->sawTextContaining("JuiceExtraction"));
    // A save then takes the stored texts, never empty lists.
    const DefaultsRecord previous = last();
    press("ZarnDefaultForm", "zarnDefmOKButton");
    EXPECT_EQ(last().harvestMethod, previous.harvestMethod);
}

TEST_F(DefaultsWindowsTest, DefaultPathsShowPathsAndTakeAWholeYear) {
    shared().gCurrentYear = 1999;
    WindowRegistry::show("ZarnDefaultForm");
    press("ZarnDefaultForm", "ZarnDefPart2Button");
    ASSERT_TRUE(isOpen("zarnDefmMoreForm"));
    EXPECT_EQ(field("zarnDefmMoreForm", "zarnDefCERESPath")->text(), bundle->ceresPath());
    EXPECT_EQ(field("zarnDefmMoreForm", "zarnDefPathDisplay")->text(), bundle->path());
    QLineEdit *year = field("zarnDefmMoreForm", "zarnDefmYear");
    EXPECT_EQ(year->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(shared().gCurrentYear, 1999) << "showing the year does not set it";

    QComboBox *site = list("zarnDefmMoreForm", "zarnDefmSite");
    QComboBox *institute = list("zarnDefmMoreForm", "zarnDefmMoreInstitute");
    EXPECT_EQ(site->currentText(), shared().gSite);
    EXPECT_EQ(institute->currentText(), shared().gInstitute);
    EXPECT_GT(site->count(), 0);
    EXPECT_FALSE(site->isEnabled());
    EXPECT_FALSE(institute->isEnabled());

    const struct {
        const char *typed;
        int year;
    } edits[] = {{"2031", 2031},  {"abc", 2031},  {"", 2031},    {"0", 2031},
                 {"10000", 2031}, {"1997", 1997}, {"19.5", 1997}};
    for (const auto &e : edits) {
        type(year, e.typed);
        EXPECT_EQ(shared().gCurrentYear, e.year) << e.typed;
    }

    press("zarnDefmMoreForm", "zarnDefPathButton");
    EXPECT_TRUE(isOpen("zarnDefPathForm"));
    press("zarnDefmMoreForm", "ZARNDefWCLocButton");
    EXPECT_TRUE(isOpen("ZARNDefWinCeresPathForm"));
    press("zarnDefmMoreForm", "zarnDefmOKButton");
    EXPECT_FALSE(isOpen("zarnDefmMoreForm"));
}

TEST_F(DefaultsWindowsTest, SystemPathWindowSetsPathOrRefusesDirectoryWithoutDatabase) {
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(database(), other.filePath("Sorghum.mdb")));
    QFile model(other.filePath("model.exe"));
    ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    model.close();
    QTemporaryDir empty;

    WindowRegistry::show("zarnDefmMoreForm");
    press("zarnDefmMoreForm", "zarnDefPathButton");
    ASSERT_TRUE(isOpen("zarnDefPathForm"));
    QLineEdit *path = field("zarnDefPathForm", "ZARNStartPath");
    EXPECT_EQ(path->text(), bundle->ceresPath()) << "starts from the crop-model directory";
    PathLists *lists = pathLists("zarnDefPathForm");
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(lists->directory(), bundle->ceresPath());
    EXPECT_EQ(lists->fileModel()->nameFilters(), QStringList{"*.exe"});

    // A directory without the database is refused; nothing changes.
    lists->chooseDirectory(empty.path());
    EXPECT_EQ(path->text(), empty.path() + "/");
    press("zarnDefPathForm", "ZARNStartPathOKButton");
    EXPECT_TRUE(isOpen("zarnDefPathForm"));
    EXPECT_EQ(shared().gSystemPath, bundle->path());
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains(empty.path() + "/"));
    EXPECT_TRUE(messages->shown()[0].text.contains("Sorghum.mdb"));

    lists->chooseDirectory(other.path());
    EXPECT_EQ(path->text(), other.path() + "/");
    lists->chooseFile("model.exe");
    EXPECT_EQ(path->text(), other.path() + "/model.exe");
    press("zarnDefPathForm", "ZARNStartPathOKButton");
    EXPECT_FALSE(isOpen("zarnDefPathForm"));
    EXPECT_EQ(shared().gSystemPath, other.path() + "/");
    EXPECT_EQ(field("zarnDefmMoreForm", "zarnDefPathDisplay")->text(), other.path() + "/");

    // Cancel closes without change.
    press("zarnDefmMoreForm", "zarnDefPathButton");
    pathLists("zarnDefPathForm")->chooseDirectory(bundle->path());
    press("zarnDefPathForm", "ZARNStartPathCancelButton");
    EXPECT_FALSE(isOpen("zarnDefPathForm"));
    EXPECT_EQ(shared().gSystemPath, other.path() + "/");
}

TEST_F(DefaultsWindowsTest, CeresLocationWindowSetsCropModelPath) {
    QTemporaryDir other;
    WindowRegistry::show("zarnDefmMoreForm");
    press("zarnDefmMoreForm", "ZARNDefWCLocButton");
    ASSERT_TRUE(isOpen("ZARNDefWinCeresPathForm"));
    QLineEdit *path = field("ZARNDefWinCeresPathForm", "ZARNDefWCPath");
    EXPECT_EQ(path->text(), bundle->ceresPath());
    PathLists *lists = pathLists("ZARNDefWinCeresPathForm");
    ASSERT_NE(lists, nullptr);

    // Choosing a drive moves the directory list to it.
    QComboBox *drives = list("ZARNDefWinCeresPathForm", "ZARNDefWCPathDrive");
    ASSERT_EQ(drives->itemText(0), "/");
    emit drives->activated(0);
    EXPECT_EQ(lists->directory(), "/");
    EXPECT_EQ(path->text(), "/");

    // Cancel changes nothing.
    lists->chooseDirectory(other.path());
    press("ZARNDefWinCeresPathForm", "ZARNDefWCPathCancelButton");
    EXPECT_EQ(shared().gCeresPath, bundle->ceresPath());

    press("zarnDefmMoreForm", "ZARNDefWCLocButton");
    lists = pathLists("ZARNDefWinCeresPathForm");
    lists->chooseDirectory(other.path());
    EXPECT_EQ(field("ZARNDefWinCeresPathForm", "ZARNDefWCPath")->text(), other.path() + "/");
    press("ZARNDefWinCeresPathForm", "ZARNDefWCPathOKButton");
    EXPECT_FALSE(isOpen("ZARNDefWinCeresPathForm"));
    EXPECT_EQ(shared().gCeresPath, other.path() + "/");
    EXPECT_TRUE(shared().gCeresDrive.isEmpty());
    EXPECT_EQ(field("zarnDefmMoreForm", "zarnDefCERESPath")->text(), other.path() + "/");
}

} // namespace
