// The reference lookup: the last record whose key equals the value wins.
#include "data/lookup.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;

namespace {

class LookupTest : public ::testing::Test {
protected:
    test::TempBundle bundle;
    db::Database open() { return db::Database::open(bundle.file(QStringLiteral("Sorghum.mdb"))); }
    void add(const QString &method, double fuel) {
        auto d = open();
        auto c = d.openDynaset(QStringLiteral("Load"));
        c.addNew();
        c.setValue(QStringLiteral("Description"), method);
        c.setValue(QStringLiteral("FuelUse"), fuel);
        c.update();
    }
};

TEST_F(LookupTest, LastMatchWinsAndNoMatchGivesNothing) {
    add(QStringLiteral("Twin Loader"), 1.5);
    add(QStringLiteral("twin loader"), 9.0); // another key: texts compare exactly
    add(QStringLiteral("Twin Loader"), 2.5);
    auto d = open();
    auto r = db::lastMatch(d, QStringLiteral("load"), QStringLiteral("description"),
                           QStringLiteral("Twin Loader"));
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(r->number(QStringLiteral("FuelUse")), 2.5);
    EXPECT_EQ(r->text(QStringLiteral("Description")), QStringLiteral("Twin Loader"));
    EXPECT_EQ(db::allMatches(d, QStringLiteral("Load"), QStringLiteral("Description"),
                             QStringLiteral("Twin Loader"))
                  .size(),
              2u);
    EXPECT_FALSE(db::lastMatch(d, QStringLiteral("Load"), QStringLiteral("Description"),
                               QStringLiteral("No such loader"))
                     .has_value());
}

TEST_F(LookupTest, MissingTableOrFieldNamesIt) {
    auto d = open();
    for (const auto &[table, field, named] : {std::tuple{"NoTable", "Description", "NoTable"},
                                              std::tuple{"Load", "NoField", "NoField"}}) {
        try {
            db::lastMatch(d, QString::fromLatin1(table), QString::fromLatin1(field), 1);
            ADD_FAILURE() << table << "." << field << " was accepted";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(QString::fromLatin1(named))) << e.text().toStdString();
        }
    }
}

TEST_F(LookupTest, FirstRecordsInTableOrder) {
    add(QStringLiteral("Last Loader"), 4.0);
    auto d = open();
    const int all = d.openDynaset(QStringLiteral("Load")).recordCount();
    const auto two = db::firstRecords(d, QStringLiteral("load"), 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_LT(two[0].rowid(), two[1].rowid());
    const auto every = db::firstRecords(d, QStringLiteral("Load"), all + 5);
    ASSERT_EQ(every.size(), size_t(all));
    EXPECT_EQ(every.back().text(QStringLiteral("Description")), QStringLiteral("Last Loader"));
    EXPECT_THROW(db::firstRecords(d, QStringLiteral("NoTable"), 1), UserError);
}

} // namespace
