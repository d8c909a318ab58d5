// The land management windows: the summary, the land cost window (bound to
// table Land), the preparation and the planting windows, and the land records
// of the current calculation that they write.
#include "data_fixture.h"

#include "data/landcosts.h"
#include "processing/costaccounts.h"

#include <QComboBox>
#include <QLabel>

using namespace zarn;
using namespace zarn::test;

namespace {

class LandCostWindowsTest : public DataWindowTest {
protected:
    QString landCost(int calculation, const QString &record) const {
        return db::ReadLandCost(db::Database::open(database()), calculation, record)
            .value_or("<none>");
    }
    QString defaultLand() const {
        return db::openLastDefaults(db::Database::open(database())).text("LandName");
    }
};

TEST_F(LandCostWindowsTest, SummaryShowsTheCurrentCalculationsRecords) {
    ASSERT_EQ(shared().gCalculationsStored, 1);
    open("ResCropManagementForm");
    EXPECT_EQ(panel("ResCropManagementForm", "LandRentPnl"), "13140");
    EXPECT_EQ(panel("ResCropManagementForm", "LandPrepPnl"), "1700");
    EXPECT_EQ(panel("ResCropManagementForm", "LandCMPnl"), "7920");
    EXPECT_EQ(panel("ResCropManagementForm", "ResLandManLMTotCostPnl"), "22760.");
    EXPECT_EQ(shared().gLandPrepCost, 1700);
    press("ResCropManagementForm", "ResCropManagementOKButton");

    // A second calculation: its own records, not the first one's.
    {
        auto d = db::Database::open(database());
        processing::createCalculation(d, 2, "Second", "02/03/2026 09:00:00");
        db::WriteLandCost(d, 2, db::kLandPreparationRecord, 2.5);
    }
    shared().gCalculationsStored = 2;
    open("ResCropManagementForm");
    EXPECT_EQ(panel("ResCropManagementForm", "LandRentPnl"), "0");
    EXPECT_EQ(panel("ResCropManagementForm", "LandPrepPnl"), "2.5");
    EXPECT_EQ(panel("ResCropManagementForm", "ResLandManLMTotCostPnl"), "2.5");
    press("ResCropManagementForm", "ResCropManagementCancelButton");

    // No calculation yet: nothing to show, a total of 0.
    shared().gCalculationsStored = 0;
    open("ResCropManagementForm");
    EXPECT_EQ(panel("ResCropManagementForm", "LandCMPnl"), "");
    EXPECT_EQ(panel("ResCropManagementForm", "ResLandManLMTotCostPnl"), "0.00");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(LandCostWindowsTest, PreparationRecomputesAndStoresItsTotal) {
    open("ResCropManagementForm");
    press("ResCropManagementForm", "ResLandManLMPrepOpt");
    ASSERT_TRUE(isOpen("ResLandPrepForm"));
    const QString w = "ResLandPrepForm";
    EXPECT_EQ(list(w, "ResLandPrepPloughEquipList")->currentText(), "Haulage Truck 20 t");
    EXPECT_EQ(text(w, "ResLandPrepPloughWidth"), "5");
    EXPECT_EQ(text(w, "ResLandPrepPloughReps"), "1");
    EXPECT_EQ(text(w, "ResLandPrepPloughTotalCost"), "0.959");
    EXPECT_EQ(panel(w, "ResLandPrepCurrencyPnl"), "$");

    choose(w, "ResLandPrepPloughEquipList", "Disc Plough");
    EXPECT_EQ(text(w, "ResLandPrepPloughSpeed"), "6");
    EXPECT_EQ(text(w, "ResLandPrepPloughRate"), "0.3333333");
    EXPECT_EQ(text(w, "ResLandPrepPloughTotalCost"), "3.459");
    type(w, "ResLandPrepPloughReps", "2");
    EXPECT_EQ(text(w, "ResLandPrepPloughTotalCost"), "6.918");
    type(w, "ResLandPrepPloughWidth", "0");
    EXPECT_EQ(text(w, "ResLandPrepPloughRate"), "1");
    type(w, "ResLandPrepPloughWidth", "5");
    type(w, "ResLandPrepPloughReps", "1");
    choose(w, "ResLandPrepPloughEquipList", "Mouldboard Plough");
    EXPECT_EQ(text(w, "ResLandPrepPloughTotalCost"), "5.171");

    press(w, "ResCropManPrepOKButton");
    EXPECT_FALSE(isOpen(w));
    EXPECT_NEAR(shared().gLandPrepCost, 5.1709, 1e-4);
    EXPECT_EQ(panel("ResCropManagementForm", "LandPrepPnl"), "5.171");
    EXPECT_EQ(panel("ResCropManagementForm", "ResLandManLMTotCostPnl"), "21065.17");
    EXPECT_EQ(landCost(1, db::kLandPreparationRecord), "5.171");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(LandCostWindowsTest, PlantingAndMaintenanceTotals) {
    open("ResLandManCMForm");
    const QString w = "ResLandManCMForm";
    EXPECT_EQ(list(w, "ResLandManCMPlantingList")->currentText(), "Amberstalk");
    EXPECT_EQ(list(w, "ResLandManCMSowingUnitList")->currentText(), "");
    EXPECT_EQ(text(w, "ResLandManCMSeedRate"), "10");
    EXPECT_EQ(text(w, "ResLandManCMSeedCost"), "3.2");
    EXPECT_EQ(text(w, "ResLandManCMMaintTotalCost"), "0");
    EXPECT_EQ(text(w, "ResLandManCMOverallTotalCost"), "0");

    choose(w, "ResLandManCMSowingUnitList", "Row Planter");
    EXPECT_EQ(text(w, "ResLandManCMSowingRate"), "2.5");
    EXPECT_EQ(text(w, "ResLandManCMTotalPCost"), "54.750");
    EXPECT_EQ(text(w, "ResLandManCMOverallTotalCost"), "54.75");
    type(w, "ResLandManCMFertCost", "40");
    type(w, "ResLandManCMIrrigCost", "12.5");
    EXPECT_EQ(text(w, "ResLandManCMMaintTotalCost"), "52.5");
    EXPECT_EQ(text(w, "ResLandManCMOverallTotalCost"), "107.25");

    choose(w, "ResLandManCMPlantingList", "Meadow Gold");
    EXPECT_EQ(text(w, "ResLandManCMSeedRate"), "12");
    EXPECT_EQ(text(w, "ResLandManCMSeedCost"), "2.8");

    press(w, "ResCropManCMFOKButton");
    EXPECT_FALSE(isOpen(w));
    EXPECT_EQ(shared().gCropManagementCost, 107.25);
    EXPECT_EQ(landCost(1, db::kCropManagementRecord), "107.25");
    EXPECT_TRUE(messages->shown().empty());
}

// Without a land record in the current calculation the cost is not stored,
// and the user is told so; the summary still shows it.
TEST_F(LandCostWindowsTest, OkWithoutALandRecordSaysSo) {
    shared().gCalculationsStored = 3;
    open("ResCropManagementForm");
    open("ResLandPrepForm");
    press("ResLandPrepForm", "ResCropManPrepOKButton");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.contains("Create Calculation"));
    EXPECT_TRUE(messages->shown()[0].text.contains("Land Preparation"));
    EXPECT_FALSE(isOpen("ResLandPrepForm"));
    EXPECT_EQ(panel("ResCropManagementForm", "LandPrepPnl"), "0.959");
    EXPECT_EQ(landCost(1, db::kLandPreparationRecord), "1700");
}

TEST_F(LandCostWindowsTest, LandCostWindowShowsMirrorsAndChoosesSites) {
    open("ResLandManCostsForm");
    const QString w = "ResLandManCostsForm";
    EXPECT_EQ(text(w, "ResLandManCostsName"), "Home Farm North");
    EXPECT_EQ(list(w, "ResLandManCostsSiteList")->currentText(), "Highfield Experimental Farm");
    EXPECT_EQ(text(w, "ResLandManCostsTotalTxt"), "180");
    type(w, "ResLandManCostsTotalTxt", "190");
    EXPECT_EQ(text(w, "ResLandManCostsRental"), "190");
    choose(w, "ResLandManCostsSiteList", "Riverbend Estate");
    EXPECT_EQ(text(w, "ResLandManCostsSite"), "Riverbend Estate");
    EXPECT_EQ(text(w, "ResLandManCostsShortSite"), "RB");

    // Save stores the land and its sub-total as the current calculation's rent.
    press(w, "ResLandManCostsSaveButton");
    EXPECT_EQ(records("Land", {"Name", "Site", "ShortSite", "Rental Costs"}).first(),
              "Home Farm North|Riverbend Estate|RB|190");
    EXPECT_EQ(landCost(1, db::kLandRentRecord), "190");
    EXPECT_EQ(shared().gLandRentCost, 190);
    EXPECT_EQ(position(w), "1 of 5");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(LandCostWindowsTest, NewLeavesTheShownLandAndSaveAppendsIt) {
    const QStringList before = records("Land", {"Name", "Area", "Rental Costs", "Remarks"});
    open("ResLandManCostsForm");
    const QString w = "ResLandManCostsForm";
    press(w, "RecordNext");
    press(w, "ResLandManCostsNewButton");
    EXPECT_EQ(text(w, "ResLandManCostsName"), "");
    EXPECT_EQ(text(w, "ResLandManCostsArea"), "0");
    EXPECT_EQ(text(w, "ResLandManCostsAreaUnits"), "ha");
    EXPECT_EQ(text(w, "ResLandManCostsRentalUnit"), "$");
    EXPECT_FALSE(WindowRegistry::find(w)->findChild<QAbstractButton *>("RecordNext")->isEnabled());
    type(w, "ResLandManCostsName", "Typed Then Dropped");
    press(w, "ResLandManCostsCancelButton");
    EXPECT_EQ(records("Land", {"Name", "Area", "Rental Costs", "Remarks"}), before);

    open(w);
    press(w, "ResLandManCostsNewButton");
    type(w, "ResLandManCostsName", "East Paddock");
    type(w, "ResLandManCostsArea", "12 ha");
    type(w, "ResLandManCostsTotalTxt", "75");
    type(w, "ResLandManCostsRemarks", QString(70, u'r'));
    press(w, "ResLandManCostsSaveButton");
    const QStringList after = records("Land", {"Name", "Area", "Rental Costs", "Remarks"});
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.mid(0, before.size()), before);
    EXPECT_EQ(after.last(), "East Paddock|12|75|" + QString(60, u'r'));
    EXPECT_EQ(defaultLand(), "East Paddock");
    EXPECT_EQ(landCost(1, db::kLandRentRecord), "13140"); // a new land is no calculation's yet
    EXPECT_EQ(position(w), "6 of 6");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(LandCostWindowsTest, DeleteKeepsTheCurrentLandAndOkMakesTheShownOneCurrent) {
    ASSERT_EQ(shared().gLandName, "Home Farm North");
    open("ResCropManagementForm");
    open("ResLandManCostsForm");
    const QString w = "ResLandManCostsForm";
    press(w, "ResLandManCostsDeleteButton");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(count("Land"), 5);

    press(w, "RecordLast");
    messages->clear();
    messages->answer(MsgResult::Yes);
    press(w, "ResLandManCostsDeleteButton");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(count("Land"), 4);

    press(w, "RecordFirst");
    press(w, "RecordNext");
    press(w, "ResLandManCostsOKButton");
    EXPECT_FALSE(isOpen(w));
    EXPECT_EQ(shared().gLandName, "Home Farm South");
    EXPECT_EQ(defaultLand(), "Home Farm South");
    EXPECT_EQ(shared().gLandRentCost, 165);
    EXPECT_EQ(panel("ResCropManagementForm", "LandRentPnl"), "165");
    EXPECT_EQ(panel("ResCropManagementForm", "ResLandManLMTotCostPnl"), "9785.");
}

} // namespace
