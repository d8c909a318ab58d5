// The equipment window: bound display, "New" shows an unbound entry, "Save"
// appends it or writes over every record of the type.
#include "data_fixture.h"

#include "data/equipment.h"

using namespace zarn;
using namespace zarn::test;

namespace {

class EquipmentWindowTest : public DataWindowTest {
protected:
    QStringList equipment() const {
        return records("Equipment", {"Type", "Model", "Manufacturer", "Description", "Fuel Type",
                                     "Capital Cost Units", "PowerRating", "Capital Cost",
                                     "Personnal Required", "LitresPerHr"});
    }
};

TEST_F(EquipmentWindowTest, NewThenCancelOrOkLeavesTheTableUnchanged) {
    const QStringList before = equipment();
    for (const char *button : {"ResEquipCancelButton", "ResEquipOKButton"}) {
        SCOPED_TRACE(button);
        open("ResEquipment");
        const QString shownType = text("ResEquipment", "ResEquipName");
        press("ResEquipment", "ResEquipNewButton");
        for (const char *f : {"ResEquipName", "ResEquipModel", "ResEquipManufacturer",
                              "ResEquipDescription", "ResEquipFuelType"})
            EXPECT_EQ(text("ResEquipment", f), "") << f;
        for (const char *f :
             {"ResEquipPersonnelRequired", "ResEquipPersSkill1", "ResEquipPersSkill2",
              "ResEquipInterest", "ResEquipPower", "ResEquipCapitalCost", "ResEquipLifetime",
              "ResEquipLitresPerHa", "ResEquipLitresPerHr", "ResEquipLitresPerKm"})
            EXPECT_EQ(text("ResEquipment", f), "0") << f;
        EXPECT_EQ(text("ResEquipment", "ResEquipCapitalCostUnits"), shared().gCurrencyType);
        EXPECT_FALSE(WindowRegistry::find("ResEquipment")
                         ->findChild<QAbstractButton *>("RecordNext")
                         ->isEnabled());
        type("ResEquipment", "ResEquipName", "Typed Then Dropped");
        press("ResEquipment", button);
        EXPECT_FALSE(isOpen("ResEquipment"));
        EXPECT_EQ(equipment(), before) << "the record shown was " << shownType.toStdString();
    }
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(EquipmentWindowTest, SaveAfterNewAppendsAndShowsTheStoredRecord) {
    const QStringList before = equipment();
    open("ResEquipment");
    press("ResEquipment", "ResEquipNewButton");
    type("ResEquipment", "ResEquipName", "Self-Propelled Forage Harvester");
    type("ResEquipment", "ResEquipManufacturer", "Greywater");
    type("ResEquipment", "ResEquipPower", "310 kW");
    type("ResEquipment", "ResEquipCapitalCostUnits", "EUR€");
    press("ResEquipment", "ResEquipSaveButton");
    const QStringList after = equipment();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.mid(0, before.size()), before);
    EXPECT_EQ(after.last(), "Self-Propelled Forage Har||Greywater|||EUR|310|0|0|0");
    EXPECT_EQ(position("ResEquipment"), QStringLiteral("%1 of %1").arg(after.size()));
    EXPECT_EQ(text("ResEquipment", "ResEquipName"), "Self-Propelled Forage Har");
    EXPECT_TRUE(WindowRegistry::find("ResEquipment")
                    ->findChild<QAbstractButton *>("RecordFirst")
                    ->isEnabled());
    // Back to showing records: moving and closing store bound edits again.
    type("ResEquipment", "ResEquipModel", "SPFH-9");
    press("ResEquipment", "RecordFirst");
    EXPECT_EQ(records("Equipment", {"Model"}).last(), "SPFH-9");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(EquipmentWindowTest, SaveWritesEveryRecordOfTheTypeAndNoneWithoutMatch) {
    db::EquipmentEntry twin;
    twin.type = records("Equipment", {"Type"}).first(); // a second record of the first type
    twin.power = "1";
    db::appendEquipment(database(), twin);
    QStringList expected = equipment();

    open("ResEquipment");
    type("ResEquipment", "ResEquipPower", "99");
    type("ResEquipment", "ResEquipManufacturer", "Rebuilt Works");
    press("ResEquipment", "ResEquipSaveButton");
    const QString firstType = expected[0].section('|', 0, 0);
    for (QString &row : expected)
        if (row.section('|', 0, 0) == firstType) {
            QStringList shown{firstType,
                              text("ResEquipment", "ResEquipModel"),
                              "Rebuilt Works",
                              text("ResEquipment", "ResEquipDescription"),
                              text("ResEquipment", "ResEquipFuelType"),
                              text("ResEquipment", "ResEquipCapitalCostUnits"),
                              "99",
                              text("ResEquipment", "ResEquipCapitalCost"),
                              text("ResEquipment", "ResEquipPersonnelRequired"),
                              text("ResEquipment", "ResEquipLitresPerHr")};
            row = shown.join('|');
        }
    EXPECT_EQ(equipment(), expected);
    EXPECT_EQ(equipment().last().section('|', 6, 6), "99") << "the twin was written too";
    EXPECT_EQ(position("ResEquipment"), QStringLiteral("1 of %1").arg(expected.size()));

    // A type no record has: nothing is written, the window shows what is stored.
    type("ResEquipment", "ResEquipName", "Nothing Like It");
    type("ResEquipment", "ResEquipPower", "77");
    press("ResEquipment", "ResEquipSaveButton");
    EXPECT_EQ(equipment(), expected);
    EXPECT_EQ(text("ResEquipment", "ResEquipName"), firstType);
    EXPECT_EQ(text("ResEquipment", "ResEquipPower"), "99");
    WindowRegistry::close("ResEquipment");
    flush();
    EXPECT_EQ(equipment(), expected);
    EXPECT_TRUE(messages->shown().empty());
}

} // namespace
