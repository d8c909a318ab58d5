// Institutes, sites and the soil headers of the soil catalogue.
#include "data/sites.h"

#include "data/database.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::db;

namespace {

class SitesTest : public ::testing::Test {
protected:
    test::TempBundle bundle;
    Database db = Database::open(bundle.file(QStringLiteral("Sorghum.mdb")));

    QStringList institutes() const {
        QStringList rows;
        for (Cursor c = db.openTable(QStringLiteral("Institutes")); !c.eof(); c.moveNext())
            rows << c.text(QStringLiteral("Institute")) + '|' + c.text(QStringLiteral("Inst"));
        return rows;
    }
};

TEST_F(SitesTest, SaveInstituteReplacesEveryCodeOfTheNameOrAppendsOne) {
    const QStringList before = institutes();
    // A stored name: its code is replaced, nothing is appended.
    EXPECT_FALSE(
        SaveInstitute(db, QStringLiteral("Delta Agronomy Institute"), QStringLiteral("ZZ")));
    // A new name: appended with a code of 2 characters.
    EXPECT_TRUE(SaveInstitute(db, QStringLiteral("Northern Lab"), QStringLiteral("NLX")));
    QStringList expected = before;
    expected[2] = QStringLiteral("Delta Agronomy Institute|ZZ");
    expected << QStringLiteral("Northern Lab|NL");
    EXPECT_EQ(institutes(), expected);
}

TEST_F(SitesTest, DeleteInstituteRemovesEveryRecordOfTheName) {
    const QStringList before = institutes();
    Cursor c = db.openTable(QStringLiteral("Institutes"));
    c.addNew();
    c.setValue(QStringLiteral("Institute"), QStringLiteral("Plateau Research Station"));
    c.setValue(QStringLiteral("Inst"), QStringLiteral("P2"));
    c.update();
    EXPECT_EQ(DeleteInstitute(db, QStringLiteral("Plateau Research Station")), 2);
    EXPECT_EQ(DeleteInstitute(db, QStringLiteral("plateau research station")), 0);
    QStringList expected = before;
    expected.removeAt(3);
    EXPECT_EQ(institutes(), expected);
}

TEST_F(SitesTest, SiteRoundTripCutsThePostalCodeAndReadsNumbers) {
    SiteEntry s;
    s.name = QStringLiteral("Hill Top");
    s.shortSite = QStringLiteral("HT");
    s.postalCode = QStringLiteral("123456789012");
    s.latitude = QStringLiteral("12.5N");
    s.longitude = QStringLiteral("east");
    s.elevation = QStringLiteral("1200 m");
    s.defaultSoil = 3;
    AppendSite(db, s);
    const auto back = FindSite(db, QStringLiteral("Hill Top"));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->postalCode, "1234567890");
    EXPECT_EQ(back->latitude, "12.5");
    EXPECT_EQ(back->longitude, "0");
    EXPECT_EQ(back->elevation, "1200");
    EXPECT_EQ(back->defaultSoil, 3);
    EXPECT_EQ(SiteNames(db).last(), "Hill Top");

    // Renaming: the record is found by the name it had.
    s.name = QStringLiteral("Hill Top East");
    UpdateSite(db, QStringLiteral("Hill Top"), s);
    EXPECT_FALSE(FindSite(db, QStringLiteral("Hill Top")).has_value());
    EXPECT_TRUE(FindSite(db, QStringLiteral("Hill Top East")).has_value());
    EXPECT_THROW(UpdateSite(db, QStringLiteral("Hill Top"), s), UserError);
}

TEST_F(SitesTest, SitesInUseAreNotDeleted) {
    // Current site; named by a land record; named by the last defaults; free.
    EXPECT_FALSE(SiteInUse(db, QStringLiteral("Coastal Lowland Field"),
                           QStringLiteral("Coastal Lowland Field"))
                     .isEmpty());
    EXPECT_FALSE(SiteInUse(db, QStringLiteral("Riverbend Estate"), QString()).isEmpty());
    EXPECT_FALSE(SiteInUse(db, QStringLiteral("Highfield Experimental Farm"), QString()).isEmpty());
    EXPECT_TRUE(SiteInUse(db, QStringLiteral("Coastal Lowland Field"), QString()).isEmpty());
    EXPECT_EQ(DeleteSite(db, QStringLiteral("Coastal Lowland Field")), 1);
    EXPECT_FALSE(SiteNames(db).contains(QStringLiteral("Coastal Lowland Field")));
}

TEST(SoilHeaders, HeadersAndTheirNumbers) {
    const QStringList lines = {
        "  1HFSILO0001   Highfield", "  0.13  6.0", "     5 0.100", " -001.", "",
        " 12RBCLLO0002   Riverbend", "  0.12",      " -001.",
    };
    const QStringList headers = SoilHeadersInLines(lines);
    ASSERT_EQ(headers.size(), 2);
    EXPECT_EQ(SoilNumberOfHeader(headers[0]), 1);
    EXPECT_EQ(SoilNumberOfHeader(headers[1]), 12);
    EXPECT_EQ(SoilHeaders(test::TempBundle().path()).size(), 4);
    EXPECT_THROW(SoilHeaders(QStringLiteral("/nonexistent/")), UserError);
}

} // namespace
