// The reference-data windows on the bound-form frame: opening on the bundled
// data, moving, saving on leaving and closing, new records, deleting, refused
// values.
#include "data_fixture.h"

#include <QSqlQuery>

using namespace zarn;
using namespace zarn::test;

namespace {

struct Opening {
    const char *window;
    const char *title;
    const char *table;
    const char *firstControl; // bound to firstField
    const char *firstField;
    const char *barCaption;
};

const Opening kWindows[] = {
    {"ResJob", "Occupation Management", "Occupation", "ResJobDescription", "Description",
     "Records"},
    {"ResLoad", "Loading Management ", "Load", "ResLoadDescript", "Description", "Records"},
    {"ResUnlod", "Unloading Management ", "Unload", "ResLoadDescript", "Description", "Records"},
    {"ResTransForm", "Transport", "Transport", "ResTransport", "Description", "Records"},
    {"ResEnergyForm", "Energy Management", "Energy", "ResEnergyType", "Description", "Records"},
    {"ResCrushing", "Crushing", "Crushing", "ResCrushMethod", "Method", "Records"},
    {"resVarietyForm", "Variety Resource", "Variety", "ResVarietyRecordData", "VarietyName",
     "Records"},
    {"ResEnergyConversionForm", "Resource Energy Conversion", "EnergyConversion",
     "ResECDescription", "Description", "Records"},
    {"Harv", "Harvest Database", "Harvest", "ModeType", "Method", "Records"},
    {"ResEquipment", "Equipment", "Equipment", "ResEquipName", "Type", "Data1"},
};

class BoundWindowTest : public DataWindowTest {};

TEST_F(BoundWindowTest, EveryWindowOpensOnTheBundledDataAtItsFirstRecord) {
    for (const Opening &o : kWindows) {
        SCOPED_TRACE(o.window);
        const int n = count(o.table);
        ASSERT_GT(n, 1);
        QWidget *w = open(o.window);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(messages->shown().empty()) << messages->shown()[0].text.toStdString();
        EXPECT_EQ(w->windowTitle(), o.title);
        EXPECT_EQ(text(o.window, o.firstControl), records(o.table, {o.firstField}).first());
        auto *form = qobject_cast<BoundForm *>(w);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->recordBar()->caption(), o.barCaption);
        EXPECT_EQ(position(o.window), QStringLiteral("1 of %1").arg(n));
        press(o.window, "RecordLast");
        EXPECT_EQ(position(o.window), QStringLiteral("%1 of %1").arg(n));
        EXPECT_EQ(text(o.window, o.firstControl), records(o.table, {o.firstField}).last());
        w->close();
        flush();
        EXPECT_FALSE(isOpen(o.window));
    }
    // The juice-extraction window has no fields; both its buttons close it.
    for (const char *button : {"ResJuiceExtOKButton", "ResJuiceExtCancelButton"}) {
        QWidget *w = open("ResJuiceExtForm");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Juice Extraction Module");
        press("ResJuiceExtForm", button);
        EXPECT_FALSE(isOpen("ResJuiceExtForm")) << button;
    }
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(BoundWindowTest, MovingOffAndClosingStoreTheEditedRecord) {
    const QStringList fields{"Description", "FuelUse", "LifeTime"};
    QStringList expected = records("Load", fields);
    open("ResLoad");
    type("ResLoad", "ResLoadFuel", "33");
    press("ResLoad", "RecordNext");
    EXPECT_EQ(position("ResLoad"), "2 of 4");
    expected[0] = expected[0].section('|', 0, 0) + "|33|" + expected[0].section('|', 2);
    EXPECT_EQ(records("Load", fields), expected);

    type("ResLoad", "ResLoadDescript", "Edited Loader");
    type("ResLoad", "ResLoadLife", "7.25");
    WindowRegistry::find("ResLoad")->close(); // the close box
    flush();
    EXPECT_FALSE(isOpen("ResLoad"));
    expected[1] = "Edited Loader|" + expected[1].section('|', 1, 1) + "|7.25";
    EXPECT_EQ(records("Load", fields), expected);

    // Opened again, the window shows what is stored.
    open("ResLoad");
    EXPECT_EQ(text("ResLoad", "ResLoadFuel"), "33");
    press("ResLoad", "RecordNext");
    EXPECT_EQ(text("ResLoad", "ResLoadDescript"), "Edited Loader");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(BoundWindowTest, OkOfLoadCrushingAndVarietyOnlyClosesAndTheEditsAreStored) {
    const struct {
        const char *window, *ok, *control, *table, *field;
    } cases[] = {
        {"ResLoad", "ResLoadOKButton", "ResLoadLife", "Load", "LifeTime"},
        {"ResCrushing", "ResCrushOKButton", "ResCrushProcessRate", "Crushing", "ProcessRate"},
        {"resVarietyForm", "zarnModCropOKButton", "ResVarSeedRate", "Variety", "SeedRate"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.window);
        const int n = count(c.table);
        open(c.window);
        press(c.window, "RecordNext");
        type(c.window, c.control, "42.5");
        press(c.window, c.ok);
        EXPECT_FALSE(isOpen(c.window));
        EXPECT_EQ(records(c.table, {c.field})[1], "42.5");
        EXPECT_EQ(count(c.table), n);
    }
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(BoundWindowTest, OkSavingStoresTheShownRecordAndCloses) {
    open("ResUnlod");
    type("ResUnlod", "ResLoadPerson", "6");
    press("ResUnlod", "ResUnlodOKButton");
    EXPECT_FALSE(isOpen("ResUnlod"));
    EXPECT_EQ(records("Unload", {"PersonnelRequired"})[0], "6");
}

TEST_F(BoundWindowTest, NewRecordIsStoredOnlyWhenTypedIntoAndCancelDropsIt) {
    const QStringList fields{"Description", "SkillRate"};
    const QStringList before = records("Occupation", fields);
    const int n = before.size();

    // Untouched, then left: never stored.
    open("ResJob");
    press("ResJob", "ResJobNewButton");
    EXPECT_EQ(position("ResJob"), "New record");
    EXPECT_EQ(text("ResJob", "ResJobDescription"), "");
    press("ResJob", "RecordPrevious");
    EXPECT_EQ(position("ResJob"), QStringLiteral("%1 of %1").arg(n));
    EXPECT_EQ(records("Occupation", fields), before);

    // Typed into, then Cancel: dropped; an edit stored by moving stays.
    type("ResJob", "ResJobSkillLevel", "9");
    press("ResJob", "RecordFirst");
    press("ResJob", "ResJobNewButton");
    type("ResJob", "ResJobDescription", "Never Saved");
    press("ResJob", "ResJobCancelButton");
    EXPECT_FALSE(isOpen("ResJob"));
    QStringList expected = before;
    expected[n - 1] = expected[n - 1].section('|', 0, 0) + "|9";
    EXPECT_EQ(records("Occupation", fields), expected);

    // Typed into, then left: stored as the last record.
    open("ResJob");
    press("ResJob", "ResJobNewButton");
    type("ResJob", "ResJobDescription", "Cane Cutter");
    type("ResJob", "ResJobSkillLevel", "2");
    press("ResJob", "RecordFirst");
    expected << "Cane Cutter|2";
    EXPECT_EQ(records("Occupation", fields), expected);

    // "Save" stores a new record at once and keeps it shown.
    open("ResLoad");
    press("ResLoad", "ResLoadNewButton");
    type("ResLoad", "ResLoadDescript", "Bale Loader");
    press("ResLoad", "ResLoadSaveButton");
    EXPECT_EQ(position("ResLoad"), "5 of 5");
    EXPECT_EQ(records("Load", {"Description"}).last(), "Bale Loader");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(BoundWindowTest, DeleteAsksAndNoKeepsTheRecord) {
    const struct {
        const char *window, *button, *table, *field;
    } cases[] = {
        {"ResJob", "ResJobDeleteButton", "Occupation", "Description"},
        {"Harv", "HarvDeleteButton", "Harvest", "Method"},
        {"ResLoad", "ResLoadDeleteButton", "Load", "Description"},
        {"ResUnlod", "ResUnlodDeleteButton", "Unload", "Description"},
        {"ResEnergyForm", "ResEnergyDeleteButton", "Energy", "Description"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.window);
        const QStringList before = records(c.table, {c.field});
        open(c.window);
        press(c.window, "RecordNext");
        messages->clear();
        messages->answer(MsgResult::No);
        press(c.window, c.button);
        ASSERT_EQ(messages->shown().size(), 1u);
        const MessageRequest &asked = messages->shown()[0];
        EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
        EXPECT_EQ(asked.icon, MsgIcon::Question);
        EXPECT_TRUE(asked.text.contains(before[1])) << asked.text.toStdString();
        EXPECT_EQ(records(c.table, {c.field}), before);

        messages->answer(MsgResult::Yes);
        press(c.window, c.button);
        QStringList expected = before;
        expected.removeAt(1);
        EXPECT_EQ(records(c.table, {c.field}), expected);
        EXPECT_EQ(position(c.window), QStringLiteral("2 of %1").arg(expected.size()));
        WindowRegistry::close(c.window);
        flush();
    }
}

TEST_F(BoundWindowTest, RefusedNumberNamesTheFieldStoresNothingAndKeepsTheWindow) {
    const QStringList fields{"Description", "FuelUse"};
    const QStringList before = records("Load", fields);
    open("ResLoad");
    type("ResLoad", "ResLoadDescript", "Half Edited");
    type("ResLoad", "ResLoadFuel", "lots");
    press("ResLoad", "RecordNext");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("FuelUse"));
    EXPECT_TRUE(messages->shown()[0].text.contains("lots"));
    EXPECT_EQ(position("ResLoad"), "1 of 4");
    EXPECT_EQ(records("Load", fields), before);

    messages->clear();
    WindowRegistry::close("ResLoad");
    flush();
    EXPECT_TRUE(isOpen("ResLoad")) << "the close is refused while the value is wrong";
    EXPECT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(WindowRegistry::openWindows(), QStringList{"ResLoad"});
    EXPECT_EQ(records("Load", fields), before);

    type("ResLoad", "ResLoadFuel", "14");
    press("ResLoad", "ResLoadOKButton");
    EXPECT_FALSE(isOpen("ResLoad"));
    EXPECT_EQ(records("Load", fields)[0], "Half Edited|14");
}

TEST_F(BoundWindowTest, SaveOrDeleteWithNoRecordShownNamesTheWindow) {
    {
        auto d = db::Database::open(database());
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec("DELETE FROM Load"));
    }
    open("ResLoad");
    EXPECT_EQ(position("ResLoad"), "No record");
    EXPECT_FALSE(field("ResLoad", "ResLoadDescript")->isEnabled());
    for (const char *button : {"ResLoadSaveButton", "ResLoadDeleteButton"}) {
        messages->clear();
        press("ResLoad", button);
        ASSERT_EQ(messages->shown().size(), 1u) << button;
        EXPECT_TRUE(messages->shown()[0].text.contains("Loading Management")) << button;
        EXPECT_EQ(messages->shown()[0].buttons, MsgButtons::Ok);
    }
    EXPECT_TRUE(isOpen("ResLoad"));
    EXPECT_EQ(count("Load"), 0);

    // The first record of an empty table comes from "New".
    press("ResLoad", "ResLoadNewButton");
    type("ResLoad", "ResLoadDescript", "First Loader");
    press("ResLoad", "ResLoadExitButton");
    EXPECT_EQ(records("Load", {"Description"}), QStringList{"First Loader"});
}

TEST_F(BoundWindowTest, HarvestEditPutsTheFocusOnTheFirstField) {
    QWidget *w = open("Harv");
    press("Harv", "RecordLast");
    press("Harv", "HarvEditButton");
    EXPECT_EQ(w->focusWidget(), field("Harv", "ModeType"));
}

} // namespace
