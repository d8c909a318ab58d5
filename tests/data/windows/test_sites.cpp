// The institute window and the three site windows: the site list, the
// new-site and the edit-site window, and the hand-overs between them.
#include "data_fixture.h"

#include "data/sites.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace zarn;
using namespace zarn::test;

namespace {

class SiteWindowsTest : public DataWindowTest {
protected:
    QString header(int soil) const {
        for (const QString &h : db::SoilHeaders(bundle->path()))
            if (db::SoilNumberOfHeader(h) == soil)
                return h;
        return QString();
    }
    std::optional<db::SiteEntry> site(const QString &name) const {
        return db::FindSite(db::Database::open(database()), name);
    }
};

TEST_F(SiteWindowsTest, InstituteSaveAndDelete) {
    shared().gInstitute = QStringLiteral("Southern Bioenergy Centre");
    open("ResInstituteForm");
    EXPECT_EQ(list("ResInstituteForm", "ResInstituteList")->currentText(),
              "Southern Bioenergy Centre");
    EXPECT_EQ(text("ResInstituteForm", "ResInstituteName"), "Southern Bioenergy Centre");
    EXPECT_EQ(text("ResInstituteForm", "ResInst"), "SB");

    // A new name: one record with a 2-character code.
    press("ResInstituteForm", "ResInstituteCreate");
    EXPECT_EQ(text("ResInstituteForm", "ResInstituteName"), " ");
    type("ResInstituteForm", "ResInstituteName", "Northern Lab");
    type("ResInstituteForm", "ResInst", "NLX");
    press("ResInstituteForm", "ResInstituteSave");
    EXPECT_EQ(records("Institutes", {"Institute", "Inst"}).last(), "Northern Lab|NL");
    EXPECT_EQ(list("ResInstituteForm", "ResInstituteList")->count(), 6);

    // The same name again, stored twice by hand: the code of both is replaced.
    {
        auto d = db::Database::open(database());
        auto c = d.openTable("Institutes");
        c.addNew();
        c.setValue("Institute", "Northern Lab");
        c.setValue("Inst", "N2");
        c.update();
    }
    type("ResInstituteForm", "ResInstituteName", "Northern Lab");
    type("ResInstituteForm", "ResInst", "NO");
    press("ResInstituteForm", "ResInstituteSave");
    EXPECT_EQ(records("Institutes", {"Institute", "Inst"}).mid(5),
              QStringList({"Northern Lab|NO", "Northern Lab|NO"}));

    // Delete removes both; the current institute is untouched.
    type("ResInstituteForm", "ResInstituteName", "Northern Lab");
    press("ResInstituteForm", "ResInstituteDelete");
    EXPECT_EQ(count("Institutes"), 5);
    EXPECT_EQ(text("ResInstituteForm", "ResInstituteName"), " ");
    EXPECT_EQ(shared().gInstitute, "Southern Bioenergy Centre");
    EXPECT_EQ(shared().gInst, "HC");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(SiteWindowsTest, NewSiteRoundTripSelectsTheNewSiteWithItsSoil) {
    open("ResSiteForm");
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), shared().gSite);
    press("ResSiteForm", "ResSiteAddNewButton");
    EXPECT_FALSE(isOpen("ResSiteForm"));
    ASSERT_TRUE(isOpen("ResSiteNewForm"));
    EXPECT_EQ(shared().gSiteFormMode, "NEW");
    EXPECT_EQ(text("ResSiteNewForm", "ResSiteNewCity"), " ");
    EXPECT_EQ(list("ResSiteNewForm", "ResSiteNewSoilList")->currentText(), header(4));

    QLineEdit *name = field("ResSiteNewForm", "ResSiteNewName");
    name->clear();
    QTest::keyClicks(name, "Hill Top");
    EXPECT_EQ(text("ResSiteNewForm", "ResSiteNewShortName"), "Hi");
    type("ResSiteNewForm", "ResSiteNewShortName", "HT");
    type("ResSiteNewForm", "ResSiteNewCity", "Uplands");
    type("ResSiteNewForm", "ResSiteNewPostalCode", "123456789012");
    type("ResSiteNewForm", "ResSiteNewElevation", "410 m");
    choose("ResSiteNewForm", "ResSiteNewSoilList", header(2));
    press("ResSiteNewForm", "ResSiteOKButton");

    EXPECT_FALSE(isOpen("ResSiteNewForm"));
    ASSERT_TRUE(isOpen("ResSiteForm"));
    EXPECT_EQ(shared().gSiteEdited, "Hill Top");
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), "Hill Top");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteCity"), "Uplands");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteShortSite"), "HT");
    EXPECT_EQ(panel("ResSiteForm", "ResSitePostalCode"), "1234567890");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteElevation"), "410");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteDefSoil"), header(2));
    ASSERT_TRUE(site("Hill Top").has_value());
    EXPECT_EQ(site("Hill Top")->defaultSoil, 2); // columns 1-3 of "  2RB..."

    // "OK" makes it current: site, short site and soil together.
    press("ResSiteForm", "ResSiteOKButton");
    EXPECT_EQ(shared().gSite, "Hill Top");
    EXPECT_EQ(shared().gShortSite, "HT");
    EXPECT_EQ(shared().gSoil, 2);
    EXPECT_EQ(shared().gSiteFormMode.trimmed(), "");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(SiteWindowsTest, BrowsingAndCancelLeaveTheCurrentSiteAndSoil) {
    shared().gSoil = 3;
    const QString site = shared().gSite;
    open("ResSiteForm");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteDefSoil"), header(1));
    choose("ResSiteForm", "ResSiteList", "Riverbend Estate");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteShortSite"), "RB");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteDefSoil"), header(2));
    EXPECT_EQ(shared().gSoil, 3);
    press("ResSiteForm", "ResSiteCancelButton");
    EXPECT_FALSE(isOpen("ResSiteForm"));
    EXPECT_EQ(shared().gSoil, 3);
    EXPECT_EQ(shared().gSite, site);
}

TEST_F(SiteWindowsTest, ASoilThatNoHeaderHasLeavesTheSoilPanel) {
    db::SiteEntry s;
    s.name = "Far Field";
    s.defaultSoil = 9;
    db::AppendSite(db::Database::open(database()), s);
    open("ResSiteForm");
    choose("ResSiteForm", "ResSiteList", "Far Field");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteDefSoil"), header(1));
    // A site without a soil number leaves the current soil on "OK".
    shared().gSoil = 4;
    s.name = "No Soil";
    s.defaultSoil = 0;
    db::AppendSite(db::Database::open(database()), s);
    press("ResSiteForm", "ResSiteCancelButton");
    open("ResSiteForm");
    choose("ResSiteForm", "ResSiteList", "No Soil");
    press("ResSiteForm", "ResSiteOKButton");
    EXPECT_EQ(shared().gSite, "No Soil");
    EXPECT_EQ(shared().gSoil, 4);
}

TEST_F(SiteWindowsTest, NewSiteCancelEndsTheHandOver) {
    shared().gSiteEdited = "Riverbend Estate";
    open("ResSiteForm");
    press("ResSiteForm", "ResSiteAddNewButton");
    press("ResSiteNewForm", "ResSiteCancelButton");
    EXPECT_FALSE(isOpen("ResSiteNewForm"));
    EXPECT_FALSE(isOpen("ResSiteForm"));
    EXPECT_EQ(shared().gSiteFormMode.trimmed(), "");
    open("ResSiteForm");
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), shared().gSite);
}

TEST_F(SiteWindowsTest, EditRenamesTheSiteItOpenedWith) {
    const int sites = count("Sites");
    open("ResSiteForm");
    choose("ResSiteForm", "ResSiteList", "Riverbend Estate");
    press("ResSiteForm", "ResSiteEditButton");
    EXPECT_EQ(shared().gSiteFormMode, "EDIT");
    ASSERT_TRUE(isOpen("ResSiteEditForm"));
    EXPECT_EQ(WindowRegistry::find("ResSiteEditForm")->windowTitle(), "Edit Site Information");
    EXPECT_EQ(text("ResSiteEditForm", "ResSiteNewName"), "Riverbend Estate");
    EXPECT_EQ(text("ResSiteEditForm", "ResSiteNewShortName"), "RB"); // not "Ri"
    EXPECT_EQ(list("ResSiteEditForm", "ResSiteNewSoilList")->currentText(), header(2));

    type("ResSiteEditForm", "ResSiteNewName", "Riverbend Estate North");
    type("ResSiteEditForm", "ResSiteNewPhone", "013 555 0199");
    choose("ResSiteEditForm", "ResSiteNewSoilList", header(3));
    press("ResSiteEditForm", "ResSiteOKButton");

    ASSERT_TRUE(isOpen("ResSiteForm"));
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), "Riverbend Estate North");
    EXPECT_EQ(panel("ResSiteForm", "ResSitePhone"), "013 555 0199");
    EXPECT_EQ(count("Sites"), sites);
    EXPECT_FALSE(site("Riverbend Estate").has_value());
    EXPECT_EQ(site("Riverbend Estate North")->defaultSoil, 3);
    EXPECT_EQ(site("Riverbend Estate North")->city, "Komati Drift");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(SiteWindowsTest, DeleteIsRefusedForSitesInUse) {
    shared().gSite = "Plateau Station";
    open("ResSiteForm");
    const int sites = count("Sites");
    // current site; named by a land record; named by the saved defaults
    for (const char *used :
         {"Plateau Station", "Riverbend Estate", "Highfield Experimental Farm"}) {
        SCOPED_TRACE(used);
        messages->clear();
        choose("ResSiteForm", "ResSiteList", used);
        press("ResSiteForm", "ResSiteDeleteButton");
        ASSERT_EQ(messages->shown().size(), 1u);
        EXPECT_EQ(messages->shown()[0].icon, MsgIcon::Exclamation);
        EXPECT_TRUE(messages->shown()[0].text.contains(used));
        EXPECT_EQ(count("Sites"), sites);
    }
    choose("ResSiteForm", "ResSiteList", "Coastal Lowland Field");
    messages->clear();
    messages->answer(MsgResult::No);
    press("ResSiteForm", "ResSiteDeleteButton");
    EXPECT_EQ(count("Sites"), sites);
    messages->answer(MsgResult::Yes);
    press("ResSiteForm", "ResSiteDeleteButton");
    EXPECT_EQ(count("Sites"), sites - 1);
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->count(), sites - 1);
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), "Plateau Station");
}

TEST_F(SiteWindowsTest, SetupWindowNewMakesASiteAndShowsIt) {
    messages->answer(MsgResult::Yes); // "New Site?"
    open("ZarnSetupSystemForm");
    press("ZarnSetupSystemForm", "ZarnSetupSystemNewButton");
    EXPECT_EQ(shared().gSiteCaller, "SETUP");
    ASSERT_TRUE(isOpen("ResSiteForm"));
    // A new site, made on the way, is the one chosen.
    press("ResSiteForm", "ResSiteAddNewButton");
    QLineEdit *name = field("ResSiteNewForm", "ResSiteNewName");
    name->clear();
    QTest::keyClicks(name, "Lakeside Plot");
    press("ResSiteNewForm", "ResSiteOKButton");
    EXPECT_EQ(list("ResSiteForm", "ResSiteList")->currentText(), "Lakeside Plot");
    press("ResSiteForm", "ResSiteOKButton");
    EXPECT_EQ(WindowRegistry::find("ZarnSetupSystemForm")
                  ->findChild<QLabel *>("ZarnSetupSystemLocation")
                  ->text(),
              "Lakeside Plot");
    EXPECT_EQ(shared().gShortSite, "La");
    EXPECT_EQ(shared().gSoil, 4); // the last soil header, chosen when the window opened
    EXPECT_EQ(shared().gSiteCaller.trimmed(), "");
}

TEST_F(SiteWindowsTest, MissingSoilCatalogueIsNamedAndTheListsStayEmpty) {
    ASSERT_TRUE(QFile::remove(bundle->file("sprofile.tot")));
    open("ResSiteForm");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("sprofile.tot"));
    EXPECT_EQ(panel("ResSiteForm", "ResSiteCity"), "Marlow Vale");
    EXPECT_EQ(panel("ResSiteForm", "ResSiteDefSoil"), "");
    messages->clear();
    press("ResSiteForm", "ResSiteAddNewButton");
    EXPECT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(list("ResSiteNewForm", "ResSiteNewSoilList")->count(), 0);
}

} // namespace
