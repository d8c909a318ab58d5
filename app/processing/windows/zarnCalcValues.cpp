#include "processing/windows/zarnCalcValues.h"
#include "shell/defaults.h"

#include "cropmodel/numbers.h"
#include "data/lookup.h"
#include "processing/calculation.h"
#include "processing/windows/zarnCalculationForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QLineEdit>

namespace zarn {

using cropmodel::LeadingNumber;

namespace {

db::Database openDatabase() {
    return db::Database::open(zarn::referenceDatabase(shared().gSystemPath));
}

} // namespace

zarnCalcValues::zarnCalcValues() {
    ui.setupUi(this);
    // Typing into an energy list is choosing, like picking an entry.
    connect(ui.zarnCalcValueEnergy1cbo->lineEdit(), &QLineEdit::textEdited, this,
            [this] { guarded([this] { energy1Chosen(); }); });
    connect(ui.zarnCalcValueEnergy2cbo->lineEdit(), &QLineEdit::textEdited, this,
            [this] { guarded([this] { energy2Chosen(); }); });
}

void zarnCalcValues::load() {
    m_newRecord = false;
    m_current.reset();
    m_totals = processing::CostTotals{};
    const SharedState &s = shared();
    ui.zarnCalcValueCalcNumber->setText(QString::number(s.gCalculationsStored));
    guarded([&] {
        const db::Database db = openDatabase();
        if (const auto land = processing::findLand(db, s.gLandName))
            ui.zarnCalcValueLandAreaTxt->setText(cropmodel::PlainDecimal(land->area));
        if (s.gCalculationsStored == 0) {
            progress(QStringLiteral("No Calculation selected"));
        } else {
            progress(QStringLiteral("File Found"));
            ui.zarnCalcValueDateTime->setText(processing::calculationTimestamp());
            showStep(db, processing::kLandRentStep);
        }
        // The lists offer every energy carrier; the texts shown stay those of
        // the record, priced from the catalogue.
        const QString energy1 = ui.zarnCalcValueEnergy1cbo->currentText();
        const QString energy2 = ui.zarnCalcValueEnergy2cbo->currentText();
        ui.zarnCalcValueEnergy1cbo->clear();
        ui.zarnCalcValueEnergy2cbo->clear();
        db::Cursor energy = db.openDynaset(QStringLiteral("Energy"));
        for (; !energy.eof(); energy.moveNext()) {
            const QString description = energy.text(QStringLiteral("Description"));
            ui.zarnCalcValueEnergy1cbo->addItem(description);
            ui.zarnCalcValueEnergy2cbo->addItem(description);
        }
        energy.close();
        ui.zarnCalcValueEnergy1cbo->setEditText(energy1);
        ui.zarnCalcValueEnergy2cbo->setEditText(energy2);
        if (const auto e = db::lastMatch(db, QStringLiteral("Energy"),
                                         QStringLiteral("Description"), energy1)) {
            ui.zarnCalcValueEnergy1Cost->setText(
                cropmodel::PlainDecimal(e->number(QStringLiteral("Cost"))));
            ui.zarnClcVlueEnrgy1CostUnits->setText(e->text(QStringLiteral("Currency")));
        }
        if (const auto e = db::lastMatch(db, QStringLiteral("Energy"),
                                         QStringLiteral("Description"), energy2)) {
            ui.zarnCalcValueEnergy2Cost->setText(
                cropmodel::PlainDecimal(e->number(QStringLiteral("Cost"))));
            ui.zarnClcVlueEnrgy2CostUnits->setText(e->text(QStringLiteral("Currency")));
        }
    });
}

int zarnCalcValues::calculationNumber() const {
    return static_cast<int>(LeadingNumber(ui.zarnCalcValueCalcNumber->text()));
}

void zarnCalcValues::progress(const QString &text) {
    ui.zarnCalcValuesProgress->setText(text);
}

void zarnCalcValues::showRecord(int position, const processing::ProcessRecord &r) {
    ui.zarnCalcValueCalcName->setText(r.name);
    ui.zarnCalcValueCalcNumber->setText(QString::number(r.number));
    ui.zarnCalcValueDateTime->setText(r.date);
    ui.zarnCalcValueProcessName->setText(r.processName);
    ui.zarnCalcValueProcessRate->setText(cropmodel::PlainDecimal(r.processRate));
    ui.zarnCalcValueDuration->setText(cropmodel::PlainDecimal(r.duration));
    ui.zarnCalcValueLabourReqd->setText(cropmodel::PlainDecimal(r.labourReqd));
    ui.zarnCalcValueLabourCost->setText(cropmodel::PlainDecimal(r.labourCost));
    ui.zarnCalcValueEnergy1cbo->setEditText(r.energy1);
    ui.zarnCalcValueEnergy2cbo->setEditText(r.energy2);
    ui.zarnCalcValueEnergy3->setText(r.energy3);
    ui.zarnCalcValueEnergy1Cost->setText(cropmodel::PlainDecimal(r.energy1Cost));
    ui.zarnCalcValueEnergy2Cost->setText(cropmodel::PlainDecimal(r.energy2Cost));
    ui.zarnCalcValueEnergy3Cost->setText(cropmodel::PlainDecimal(r.energy3Cost));
    ui.zarnCalcSubTotCostTxt->setText(
        processing::currencyAmountText(shared().gCurrencyType, r.subTotCost));
    m_current = position;
}

// Shows the first record of the shown calculation with this step, if any.
void zarnCalcValues::showStep(const db::Database &db, const QString &processName) {
    const auto position = processing::findStep(db, calculationNumber(), processName);
    if (!position)
        return;
    if (const auto record = processing::recordAt(db, *position))
        showRecord(*position, *record);
}

processing::ProcessRecord zarnCalcValues::fieldValues() const {
    processing::ProcessRecord r;
    r.name = ui.zarnCalcValueCalcName->text();
    r.number = calculationNumber();
    r.date = ui.zarnCalcValueDateTime->text();
    r.processName = ui.zarnCalcValueProcessName->text();
    r.processRate = LeadingNumber(ui.zarnCalcValueProcessRate->text());
    r.duration = LeadingNumber(ui.zarnCalcValueDuration->text());
    r.labourReqd = LeadingNumber(ui.zarnCalcValueLabourReqd->text());
    r.labourCost = LeadingNumber(ui.zarnCalcValueLabourCost->text());
    r.energy1 = ui.zarnCalcValueEnergy1cbo->currentText();
    r.energy2 = ui.zarnCalcValueEnergy2cbo->currentText();
    r.energy3 = ui.zarnCalcValueEnergy3->text();
    r.energy1Cost = LeadingNumber(ui.zarnCalcValueEnergy1Cost->text());
    r.energy2Cost = LeadingNumber(ui.zarnCalcValueEnergy2Cost->text());
    r.energy3Cost = LeadingNumber(ui.zarnCalcValueEnergy3Cost->text());
    // The total is shown with the currency in front; the number is stored.
    r.subTotCost =
        processing::amountOfMoneyText(ui.zarnCalcSubTotCostTxt->text(), shared().gCurrencyType);
    return r;
}

void zarnCalcValues::on_zarnCalcValuesCreateCalculationButton_clicked() {
    guarded([this] {
        SharedState &s = shared();
        const int number = s.gCalculationsStored + 1;
        const QString name = processing::newCalculationName(number);
        const db::Database db = openDatabase();
        const int landRent =
            processing::createCalculation(db, number, name, processing::calculationTimestamp());
        s.gCalculationsStored = static_cast<std::int16_t>(number);
        ui.zarnCalcValueCalcNumber->setText(QString::number(number));
        ui.zarnCalcValueCalcName->setText(name);
        // The new calculation's own "Land Rent", so that "Save" writes into it.
        if (const auto record = processing::recordAt(db, landRent))
            showRecord(landRent, *record);
        progress(QStringLiteral("Calculation found"));
    });
}

void zarnCalcValues::on_zarnCalcValuesNewProcessRecordButton_clicked() {
    const int number = calculationNumber();
    if (number == 0)
        return;
    guarded([&] {
        const db::Database db = openDatabase();
        const auto position =
            processing::findStep(db, number, processing::kElectricityProductionStep);
        if (!position)
            return;
        m_current = *position;
        progress(QStringLiteral("New Record"));
        ui.zarnCalcValueDateTime->setText(processing::calculationTimestamp());
        const QString blank = QStringLiteral(" ");
        const QString zero = QStringLiteral("0");
        ui.zarnCalcValueProcessName->setText(blank);
        ui.zarnCalcValueProcessRate->setText(zero);
        ui.zarnCalcValueDuration->setText(zero);
        ui.zarnCalcValueLabourReqd->setText(zero);
        ui.zarnCalcValueLabourCost->setText(zero);
        ui.zarnCalcValueEnergy1cbo->setEditText(blank);
        ui.zarnCalcValueEnergy2cbo->setEditText(blank);
        ui.zarnCalcValueEnergy3->setText(blank);
        ui.zarnCalcValueEnergy1Cost->setText(zero);
        ui.zarnCalcValueEnergy2Cost->setText(zero);
        ui.zarnCalcValueEnergy3Cost->setText(zero);
        ui.zarnCalcSubTotCostTxt->setText(zero);
        m_newRecord = true;
    });
}

// A new record is always appended (and becomes the current one), whatever its
// name; without one, the shown record is saved when its name is unchanged.
void zarnCalcValues::on_zarnCalcValuesSaveButton_clicked() {
    guarded([this] {
        const processing::ProcessRecord values = fieldValues();
        const db::Database db = openDatabase();
        if (m_newRecord) {
            m_current = processing::appendStep(db, values);
        } else if (m_current) {
            const auto stored = processing::recordAt(db, *m_current);
            if (stored && stored->processName == values.processName)
                processing::updateStep(db, *m_current, values);
        }
    });
    m_newRecord = false;
}

void zarnCalcValues::on_zarnCalcValuesFirstButton_clicked() {
    if (calculationNumber() == 0)
        return;
    guarded([this] { showStep(openDatabase(), processing::kCropManagementStep); });
}

void zarnCalcValues::on_zarnCalcValuesNextButton_clicked() {
    guarded([this] {
        const QString atEnd = QStringLiteral("End of Calculation records");
        progress(atEnd);
        if (!m_current)
            return;
        const auto next = processing::recordAt(openDatabase(), *m_current + 1);
        if (!next || next->number != calculationNumber())
            return;
        showRecord(*m_current + 1, *next);
        progress(next->processName == processing::kElectricityProductionStep
                     ? atEnd
                     : QStringLiteral("Next record found"));
    });
}

void zarnCalcValues::on_zarnCalcValuesPreviousButton_clicked() {
    guarded([this] {
        const QString atFirst = QStringLiteral("First Calculation record");
        progress(atFirst);
        if (!m_current || *m_current == 0)
            return;
        const auto previous = processing::recordAt(openDatabase(), *m_current - 1);
        if (!previous || previous->number != calculationNumber())
            return;
        showRecord(*m_current - 1, *previous);
        progress(previous->processName == processing::kCropManagementStep
                     ? atFirst
                     : QStringLiteral("Previous record found"));
    });
}

void zarnCalcValues::on_zarnCalcValuesCalculateTotalProcessCostsButton_clicked() {
    const bool done = guarded([this] {
        processing::CostTotals totals;
        const int number = calculationNumber();
        if (number != 0)
            totals = processing::costTotals(openDatabase(), number);
        m_totals = totals;
    });
    if (!done)
        return;
    SharedState &s = shared();
    s.gLabourCostTotal = m_totals.labour;
    s.gEnergyCostTotal = m_totals.energy;
    ui.zarnCalcValueCalcResult->setText(
        processing::currencyAmountText(s.gCurrencyType, m_totals.sum()));
}

void zarnCalcValues::energy1Chosen() {
    if (const auto e =
            db::lastMatch(openDatabase(), QStringLiteral("Energy"), QStringLiteral("Description"),
                          ui.zarnCalcValueEnergy1cbo->currentText()))
        ui.zarnCalcValueEnergy1Cost->setText(
            cropmodel::PlainDecimal(e->number(QStringLiteral("Cost"))));
}

void zarnCalcValues::energy2Chosen() {
    if (const auto e =
            db::lastMatch(openDatabase(), QStringLiteral("Energy"), QStringLiteral("Description"),
                          ui.zarnCalcValueEnergy2cbo->currentText())) {
        ui.zarnCalcValueEnergy2Cost->setText(
            cropmodel::PlainDecimal(e->number(QStringLiteral("Cost"))));
        const QString currency = e->text(QStringLiteral("Currency"));
        ui.zarnClcVlueEnrgy1CostUnits->setText(currency);
        ui.zarnClcVlueEnrgy2CostUnits->setText(currency);
    }
}

void zarnCalcValues::on_zarnCalcValueEnergy1cbo_activated(int) {
    guarded([this] { energy1Chosen(); });
}

void zarnCalcValues::on_zarnCalcValueEnergy2cbo_activated(int) {
    guarded([this] { energy2Chosen(); });
}

// The totals go to the calculation window, which is loaded again (or anew)
// so that its balance takes them in.
void zarnCalcValues::on_zarnCalcValuesOKButton_clicked() {
    SharedState &s = shared();
    s.gLabourCostTotal = m_totals.labour;
    s.gEnergyCostTotal = m_totals.energy;
    const QString name = QStringLiteral("zarnCalculationForm");
    auto *form = WindowRegistry::find<zarnCalculationForm>(name);
    if (form)
        form->load();
    else
        form = WindowRegistry::get<zarnCalculationForm>(name);
    if (form) {
        form->ui.zarnCalcEnergy->setText(
            processing::currencyAmountText(s.gCurrencyType, m_totals.energy));
        form->ui.zarnCalcManpowerCost->setText(
            processing::currencyAmountText(s.gCurrencyType, m_totals.labour));
    }
    close();
    WindowRegistry::show(name);
}

void zarnCalcValues::on_zarnCalcValuesCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnCalcValues)

} // namespace zarn
