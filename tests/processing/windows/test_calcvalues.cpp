// The economics window "Calculation Values": creating a calculation, paging
// through its steps, saving and adding steps, the cost totals and handing
// them to the calculation window.
#include "calc_fixture.h"

#include "cropmodel/numbers.h"
#include "processing/costaccounts.h"

#include <QComboBox>

using namespace zarn;
using namespace zarn::test;

namespace {

const QString kValues = QStringLiteral("zarnCalcValues");
const QString kCalc = QStringLiteral("zarnCalculationForm");

class CalcValues : public CalcTest {
protected:
    db::Database database() { return db::Database::open(bundle->file("Sorghum.mdb")); }
    static void set(const QString &field, const QString &value) {
        auto *f = control<QLineEdit>(kValues, field);
        ASSERT_NE(f, nullptr) << field.toStdString();
        f->setText(value);
    }
    static QString step() { return text(kValues, "zarnCalcValueProcessName"); }
    static QString progress() { return text(kValues, "zarnCalcValuesProgress"); }
    // A field of the record at `rowid` of table Calculation.
    QString stored(int rowid, const QString &field) {
        auto d = database();
        QSqlQuery q(d.connection());
        q.prepare(QStringLiteral("SELECT \"%1\" FROM Calculation WHERE rowid = ?").arg(field));
        q.addBindValue(rowid);
        if (!q.exec() || !q.next())
            return "<no record " + QString::number(rowid) + ">";
        return q.value(0).toString();
    }
    int records() { return processing::recordCount(database()); }
};

TEST_F(CalcValues, WithoutACalculationNothingIsReadAndTheTotalsAreZero) {
    shared().gCalculationsStored = 0;
    shared().gLabourCostTotal = 5;
    shared().gEnergyCostTotal = 5;
    open(kValues);
    EXPECT_EQ(progress(), "No Calculation selected");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcNumber"), "0");
    EXPECT_EQ(text(kValues, "zarnCalcValueLandAreaTxt"), "73");
    press(kValues, "zarnCalcValuesCalculateTotalProcessCostsButton");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcResult"), "$  0");
    EXPECT_EQ(shared().gLabourCostTotal, 0);
    EXPECT_EQ(shared().gEnergyCostTotal, 0);
    press(kValues, "zarnCalcValuesNewProcessRecordButton");
    press(kValues, "zarnCalcValuesSaveButton");
    EXPECT_EQ(records(), 14);
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(CalcValues, LoadShowsTheLandRentOfTheCurrentCalculation) {
    open(kValues);
    EXPECT_EQ(progress(), "File Found");
    EXPECT_EQ(step(), "Land Rent");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcName"), "Sample season");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcNumber"), "1");
    EXPECT_EQ(text(kValues, "zarnCalcSubTotCostTxt"), "$  13140");
    auto *energy1 = control<QComboBox>(kValues, "zarnCalcValueEnergy1cbo");
    ASSERT_NE(energy1, nullptr);
    EXPECT_EQ(energy1->count(), 8);
    EXPECT_EQ(energy1->currentText(), " "); // the record's, not the first entry
}

TEST_F(CalcValues, CreateAddsACalculationAndShowsItsOwnLandRent) {
    open(kValues);
    press(kValues, "zarnCalcValuesCreateCalculationButton");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcNumber"), "2");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcName"), "New Calc  2");
    EXPECT_EQ(progress(), "Calculation found");
    EXPECT_EQ(step(), "Land Rent");
    EXPECT_EQ(records(), 28);
    EXPECT_EQ(shared().gCalculationsStored, 2);
    EXPECT_EQ(db::openLastDefaults(database()).integer("CalculationsStored"), 2);
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(stored(15 + k, "ProcessName"), processing::standardSteps()[k]);

    // "Save" writes into the new calculation, not the sample.
    set("zarnCalcValueProcessRate", "42");
    press(kValues, "zarnCalcValuesSaveButton");
    EXPECT_EQ(stored(15, "ProcessRate"), "42");
    EXPECT_EQ(stored(1, "ProcessRate"), "73");

    press(kValues, "zarnCalcValuesCreateCalculationButton");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcName"), "New Calc  3");
    EXPECT_EQ(stored(42, "ProcessName"), "Electricity Production");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(CalcValues, PagingStaysWithinTheCalculation) {
    // A second calculation follows the sample in the table.
    processing::createCalculation(database(), 2, "Next season", "x");
    shared().gCalculationsStored = 1;
    open(kValues);

    press(kValues, "zarnCalcValuesPreviousButton");
    EXPECT_EQ(progress(), "First Calculation record");
    EXPECT_EQ(step(), "Land Rent");

    for (int k = 1; k < 14; ++k) {
        press(kValues, "zarnCalcValuesNextButton");
        EXPECT_EQ(step(), processing::standardSteps()[k]);
        EXPECT_EQ(progress(), k == 13 ? "End of Calculation records" : "Next record found");
    }
    press(kValues, "zarnCalcValuesNextButton"); // the next record is calculation 2's
    EXPECT_EQ(step(), "Electricity Production");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcNumber"), "1");
    EXPECT_EQ(progress(), "End of Calculation records");

    press(kValues, "zarnCalcValuesPreviousButton");
    EXPECT_EQ(step(), "Steam Production");
    EXPECT_EQ(progress(), "Previous record found");
    press(kValues, "zarnCalcValuesFirstButton");
    EXPECT_EQ(step(), "Crop Management");
    press(kValues, "zarnCalcValuesPreviousButton");
    EXPECT_EQ(step(), "Land Rent");
    // The first-record message belongs to "Crop Management", where "First" goes.
    EXPECT_EQ(progress(), "Previous record found");
}

TEST_F(CalcValues, SaveWritesTheShownStepOnlyUnderItsOwnName) {
    open(kValues);
    press(kValues, "zarnCalcValuesNextButton");
    press(kValues, "zarnCalcValuesNextButton");
    press(kValues, "zarnCalcValuesNextButton");
    ASSERT_EQ(step(), "Harvest");
    set("zarnCalcValueDuration", "21");
    set("zarnCalcSubTotCostTxt", "$  2500");
    press(kValues, "zarnCalcValuesSaveButton");
    EXPECT_EQ(stored(4, "Duration"), "21");
    EXPECT_EQ(stored(4, "SubTotCost"), "2500"); // the number, without the currency

    set("zarnCalcValueProcessName", "Harvesting");
    set("zarnCalcValueDuration", "99");
    press(kValues, "zarnCalcValuesSaveButton");
    EXPECT_EQ(stored(4, "ProcessName"), "Harvest");
    EXPECT_EQ(stored(4, "Duration"), "21");
    EXPECT_EQ(records(), 14);
}

TEST_F(CalcValues, NewRecordIsAppendedEvenUnderAnExistingStepName) {
    open(kValues);
    press(kValues, "zarnCalcValuesNewProcessRecordButton");
    EXPECT_EQ(progress(), "New Record");
    EXPECT_EQ(step(), " ");
    EXPECT_EQ(text(kValues, "zarnCalcValueDuration"), "0");
    set("zarnCalcValueProcessName", "Electricity Production");
    set("zarnCalcValueDuration", "10");
    set("zarnCalcValueLabourReqd", "3");
    set("zarnCalcValueLabourCost", "5");
    set("zarnCalcValueEnergy1Cost", "7");
    set("zarnCalcValueEnergy2Cost", "2");
    set("zarnCalcValueEnergy3Cost", "1");
    set("zarnCalcSubTotCostTxt", "180");
    press(kValues, "zarnCalcValuesSaveButton");

    ASSERT_EQ(records(), 15);
    EXPECT_EQ(stored(15, "ProcessName"), "Electricity Production");
    EXPECT_EQ(stored(15, "Number"), "1");
    EXPECT_EQ(stored(15, "Name"), "Sample season");
    EXPECT_EQ(stored(15, "Duration"), "10");
    EXPECT_EQ(stored(14, "Duration"), "6"); // the step itself is untouched

    // Its costs count: 10 x 3 x 5 of labour, 10 x (7 + 2 + 1) of energy.
    press(kValues, "zarnCalcValuesCalculateTotalProcessCostsButton");
    EXPECT_EQ(shared().gLabourCostTotal, 21480 + 150);
    EXPECT_EQ(shared().gEnergyCostTotal, 13610 + 100);
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcResult"), "$  35340");
}

TEST_F(CalcValues, TotalsCountOnlyTheShownCalculation) {
    processing::createCalculation(database(), 2, "Next season", "x");
    exec("UPDATE Calculation SET Duration = 5, LabourReqd = 2, LabourCost = 10, Energy1Cost = 4 "
         "WHERE Number = 2");
    shared().gCalculationsStored = 1;
    open(kValues);
    press(kValues, "zarnCalcValuesCalculateTotalProcessCostsButton");
    EXPECT_EQ(text(kValues, "zarnCalcValueCalcResult"), "$  35090");
    EXPECT_EQ(shared().gLabourCostTotal, 21480);
    EXPECT_EQ(shared().gEnergyCostTotal, 13610);
}

TEST_F(CalcValues, ChoosingAnEnergyShowsItsPrice) {
    open(kValues);
    auto *energy1 = control<QComboBox>(kValues, "zarnCalcValueEnergy1cbo");
    auto *energy2 = control<QComboBox>(kValues, "zarnCalcValueEnergy2cbo");
    ASSERT_TRUE(energy1 && energy2);
    energy1->setCurrentIndex(energy1->findText("Diesel"));
    emit energy1->activated(energy1->currentIndex());
    EXPECT_EQ(text(kValues, "zarnCalcValueEnergy1Cost"), "0.85");
    energy2->setCurrentIndex(energy2->findText("Coal"));
    emit energy2->activated(energy2->currentIndex());
    EXPECT_EQ(text(kValues, "zarnCalcValueEnergy2Cost"), "60");
    EXPECT_EQ(text(kValues, "zarnClcVlueEnrgy1CostUnits"), "$");
    EXPECT_EQ(text(kValues, "zarnClcVlueEnrgy2CostUnits"), "$");
}

// "OK" loads the calculation window again, open or not, with the totals.
TEST_F(CalcValues, OkHandsTheTotalsToTheCalculationWindow) {
    writeOut1("1150");
    for (const bool calcOpen : {false, true}) {
        SCOPED_TRACE(calcOpen);
        shared().gLabourCostTotal = 0;
        shared().gEnergyCostTotal = 0;
        open(kCalc);
        const double gross = cropmodel::LeadingNumber(text(kCalc, "zarnCalcGrossRevLbl").mid(2));
        ASSERT_GT(gross, 0);
        if (calcOpen)
            open(kValues);
        else
            press(kCalc, "zarnCalcValueButton");
        ASSERT_EQ(isOpen(kCalc), calcOpen);
        press(kValues, "zarnCalcValuesCalculateTotalProcessCostsButton");
        press(kValues, "zarnCalcValuesOKButton");
        EXPECT_FALSE(isOpen(kValues));
        ASSERT_TRUE(isOpen(kCalc));
        EXPECT_EQ(text(kCalc, "zarnCalcBalanceLbl"), "$ " + QString::number(qint64(gross - 35090)));
        EXPECT_EQ(text(kCalc, "zarnCalcEnergy"), "$  13610");
        EXPECT_EQ(text(kCalc, "zarnCalcManpowerCost"), "$  21480");
        WindowRegistry::closeAll();
        flush();
    }
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(CalcValues, CancelClosesWithoutHandingOver) {
    shared().gLabourCostTotal = 7;
    open(kValues);
    press(kValues, "zarnCalcValuesCalculateTotalProcessCostsButton");
    shared().gLabourCostTotal = 7;
    press(kValues, "zarnCalcValuesCancelButton");
    EXPECT_FALSE(isOpen(kValues));
    EXPECT_FALSE(isOpen(kCalc));
    EXPECT_EQ(shared().gLabourCostTotal, 7);
}

} // namespace
