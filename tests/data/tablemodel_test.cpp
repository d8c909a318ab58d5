// The bound windows' table model: rows keyed by rowid, written through the
// cursor layer's value rules.
#include "cropmodel/numbers.h"
#include "data/tablemodel.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using db::TableModel;

namespace {

class TableModelTest : public ::testing::Test {
protected:
    test::TempBundle bundle;
    QString file() const { return bundle.file(QStringLiteral("Sorghum.mdb")); }

    void addLoad(const QString &method, const QVariant &fuel) {
        auto d = db::Database::open(file());
        auto c = d.openTable(QStringLiteral("Load"));
        c.addNew();
        c.setValue(QStringLiteral("Description"), method);
        c.setValue(QStringLiteral("FuelUse"), fuel);
        c.update();
    }
    // Table Load as stored, one "Description|FuelUse|LifeTime" per record.
    QStringList loads() const {
        auto d = db::Database::open(file());
        QStringList rows;
        for (auto c = d.openTable(QStringLiteral("Load")); !c.eof(); c.moveNext())
            rows << c.text(QStringLiteral("Description")) + "|" +
                        c.text(QStringLiteral("FuelUse")) + "|" +
                        c.text(QStringLiteral("LifeTime"));
        return rows;
    }
    static QModelIndex at(const TableModel &m, int row, const char *field) {
        return m.index(row, m.fieldIndex(QString::fromLatin1(field)));
    }
    static QString shown(const TableModel &m, int row, const char *field) {
        return m.data(at(m, row, field)).toString();
    }
};

TEST_F(TableModelTest, EditsAndDeletesOneOfTwoIdenticalRecordsOnly) {
    addLoad(QStringLiteral("Twin Loader"), 5.0);
    addLoad(QStringLiteral("Twin Loader"), 5.0);
    TableModel m;
    m.open(file(), QStringLiteral("load"));
    const int n = m.rowCount();
    ASSERT_EQ(n, loads().size());
    ASSERT_EQ(shown(m, n - 2, "Description"), "Twin Loader");
    ASSERT_EQ(shown(m, n - 1, "Description"), "Twin Loader");
    EXPECT_LT(m.rowid(n - 2), m.rowid(n - 1)) << "rows in rowid order";

    ASSERT_TRUE(m.setData(at(m, n - 1, "FuelUse"), QStringLiteral("7.5")));
    m.submitRow(n - 1);
    QStringList stored = loads();
    EXPECT_EQ(stored[n - 2], "Twin Loader|5|");
    EXPECT_EQ(stored[n - 1], "Twin Loader|7.5|");

    const qint64 kept = m.rowid(n - 1);
    m.setData(at(m, n - 1, "FuelUse"), QStringLiteral("5"));
    m.submitRow(n - 1); // identical again
    m.deleteRow(n - 2);
    stored = loads();
    ASSERT_EQ(stored.size(), n - 1);
    EXPECT_EQ(stored.last(), "Twin Loader|5|");
    EXPECT_EQ(m.rowOf(kept), n - 2);
    m.setData(at(m, n - 2, "LifeTime"), QStringLiteral("3"));
    m.submitRow(n - 2);
    EXPECT_EQ(loads().last(), "Twin Loader|5|3") << "the remaining twin is still the one edited";
}

TEST_F(TableModelTest, RefusedNumberNamesTheFieldAndStoresNothing) {
    const QStringList before = loads();
    TableModel m;
    m.open(file(), QStringLiteral("Load"));
    m.setData(at(m, 0, "Description"), QStringLiteral("Renamed"));
    m.setData(at(m, 0, "FuelUse"), QStringLiteral("twelve"));
    try {
        m.submitRow(0);
        ADD_FAILURE() << "a text was stored in a number field";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("FuelUse")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("twelve")) << e.text().toStdString();
    }
    EXPECT_EQ(loads(), before) << "not even the valid field was stored";
    EXPECT_TRUE(m.isDirty(0)) << "the typed values stay to be corrected";
    EXPECT_EQ(shown(m, 0, "FuelUse"), "twelve");

    m.setData(at(m, 0, "FuelUse"), QStringLiteral("12.5"));
    m.submitRow(0);
    EXPECT_FALSE(m.isDirty(0));
    EXPECT_EQ(loads()[0], "Renamed|12.5|" + before[0].section('|', 2));
}

TEST_F(TableModelTest, TextIsCutToItsWidthAndAnEmptyNumberStoresNull) {
    TableModel m;
    m.open(file(), QStringLiteral("Equipment"));
    m.setData(at(m, 0, "Type"), QStringLiteral("A type name well over twenty-five characters"));
    m.setData(at(m, 0, "PowerRating"), QString());
    m.submitRow(0);
    EXPECT_EQ(shown(m, 0, "Type"), "A type name well over twe");
    EXPECT_FALSE(m.data(at(m, 0, "PowerRating"), TableModel::ValueRole).isValid());
    EXPECT_EQ(shown(m, 0, "PowerRating"), "");
}

TEST_F(TableModelTest, FieldsNotChangedAreNotRewritten) {
    addLoad(QStringLiteral("Precise"), 0.1 + 0.2);
    TableModel m;
    m.open(file(), QStringLiteral("Load"));
    const int last = m.rowCount() - 1;
    EXPECT_EQ(shown(m, last, "FuelUse"), "0.3");
    m.setData(at(m, last, "FuelUse"), QStringLiteral("0.3")); // the text as shown
    EXPECT_FALSE(m.isDirty(last));
    m.setData(at(m, last, "LifeTime"), QStringLiteral("4"));
    m.submitRow(last);
    auto d = db::Database::open(file());
    auto c = d.openTable(QStringLiteral("Load"));
    c.moveLast();
    EXPECT_EQ(c.number(QStringLiteral("FuelUse")), 0.1 + 0.2);
    EXPECT_EQ(c.number(QStringLiteral("LifeTime")), 4);
}

TEST_F(TableModelTest, NewRowIsStoredOnlyWhenTypedInto) {
    TableModel m;
    m.open(file(), QStringLiteral("Load"));
    const int n = m.rowCount();
    const qint64 lastId = m.rowid(n - 1);
    const int row = m.insertNewRow();
    EXPECT_EQ(row, n);
    EXPECT_TRUE(m.isNew(row));
    EXPECT_EQ(m.insertNewRow(), row) << "one new row at a time";
    m.setData(at(m, row, "Description"), QString()); // nothing typed
    EXPECT_FALSE(m.isDirty(row));
    m.submitRow(row);
    EXPECT_TRUE(m.isNew(row)) << "an untouched new row is not stored";
    EXPECT_EQ(loads().size(), n);

    m.setData(at(m, row, "Description"), QStringLiteral("Conveyor"));
    m.submitRow(row);
    EXPECT_FALSE(m.isNew(row));
    EXPECT_GT(m.rowid(row), lastId);
    EXPECT_EQ(loads().last(), "Conveyor||");

    const int other = m.insertNewRow();
    m.setData(at(m, other, "Description"), QStringLiteral("Dropped"));
    m.revertRow(other);
    EXPECT_EQ(m.rowCount(), n + 1);
    EXPECT_EQ(loads().size(), n + 1);
}

TEST_F(TableModelTest, MissingFileOrTableIsNamed) {
    TableModel m;
    for (const auto &[path, table, named] :
         {std::tuple{file(), QStringLiteral("NoSuchTable"), QStringLiteral("NoSuchTable")},
          std::tuple{bundle.file(QStringLiteral("Missing.mdb")), QStringLiteral("Load"),
                     QStringLiteral("Missing.mdb")}}) {
        try {
            m.open(path, table);
            ADD_FAILURE() << table.toStdString() << " opened";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(named)) << e.text().toStdString();
        }
        EXPECT_FALSE(m.isOpen());
    }
}

TEST(TableModelNumbers, PlainDecimalWithAtMostSevenSignificantDigits) {
    const std::pair<double, const char *> cases[] = {
        {966.0000000000001, "966"},
        {0.1 + 0.2, "0.3"},
        {1234567.8, "1234568"},
        {0.000012345678, "0.00001234568"},
        {-2.5, "-2.5"},
        {1e20, "100000000000000000000"},
        {0, "0"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(TableModel::numberText(value), text) << value;
}

} // namespace
