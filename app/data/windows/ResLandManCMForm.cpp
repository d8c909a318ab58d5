#include "data/windows/ResLandManCMForm.h"

#include "cropmodel/numbers.h"
#include "data/lookup.h"
#include "data/tablemodel.h"
#include "data/windows/landcostwindows.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::LeadingNumber;

namespace {
db::Database openDatabase() {
    return db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb"));
}
double numberIn(const QLineEdit *field) {
    return LeadingNumber(field->text());
}
} // namespace

ResLandManCMForm::ResLandManCMForm() {
    ui.setupUi(this);
    for (QLineEdit *field : {ui.ResLandManCMFertCost, ui.ResLandManCMPestCost,
                             ui.ResLandManCMLabourCost, ui.ResLandManCMIrrigCost})
        connect(field, &QLineEdit::textChanged, this, [this] { sumMaintenance(); });
    for (QLineEdit *field : {ui.ResLandManCMTotalPCost, ui.ResLandManCMMaintTotalCost})
        connect(field, &QLineEdit::textChanged, this, [this] { sumOverall(); });
}

void ResLandManCMForm::load() {
    for (QLineEdit *field : {ui.ResLandManCMFertCost, ui.ResLandManCMPestCost,
                             ui.ResLandManCMLabourCost, ui.ResLandManCMIrrigCost})
        field->setText(QStringLiteral("0"));
    sumMaintenance();
    for (QLabel *currency : {ui.ResLandManCMSeedCostCurrency, ui.ResLandManCMTotalPCostCurrency,
                             ui.ResLandManCMMaintCurrency, ui.ResLandManCMOverallCurrency})
        currency->setText(shared().gCurrencyType);
    guarded([&] {
        const db::Database db = openDatabase();
        for (db::Cursor c = db.openTable(QStringLiteral("Variety")); !c.eof(); c.moveNext())
            ui.ResLandManCMPlantingList->addItem(c.text(QStringLiteral("VarietyName")));
        ui.ResLandManCMPlantingList->setCurrentIndex(
            ui.ResLandManCMPlantingList->findText(shared().gSorghumVariety, Qt::MatchExactly));
        showVariety(db);
        for (db::Cursor c = db.openTable(QStringLiteral("Equipment")); !c.eof(); c.moveNext())
            ui.ResLandManCMSowingUnitList->addItem(c.text(QStringLiteral("Type")));
        ui.ResLandManCMSowingUnitList->setCurrentIndex(-1); // no sowing unit chosen yet
    });
}

void ResLandManCMForm::showVariety(const db::Database &db) {
    if (ui.ResLandManCMPlantingList->currentIndex() < 0)
        return;
    const auto variety = db::lastMatch(db, QStringLiteral("Variety"), QStringLiteral("VarietyName"),
                                       ui.ResLandManCMPlantingList->currentText());
    if (!variety)
        return;
    ui.ResLandManCMSeedCost->setText(variety->text(QStringLiteral("SeedCost")));
    ui.ResLandManCMSeedRate->setText(variety->text(QStringLiteral("SeedRate")));
}

void ResLandManCMForm::on_ResLandManCMPlantingList_activated(int) {
    guarded([&] { showVariety(openDatabase()); });
}

void ResLandManCMForm::on_ResLandManCMSowingUnitList_activated(int) {
    guarded([&] {
        db::LookupMachine(openDatabase(), ui.ResLandManCMSowingUnitList->currentText(),
                          db::EquipmentMatch::Last, m_machine);
        const db::PlantingCost cost = db::PlantingCostOf(
            m_machine, numberIn(ui.ResLandManCMSeedRate), numberIn(ui.ResLandManCMSeedCost));
        ui.ResLandManCMSowingRate->setText(db::TableModel::numberText(cost.sowingRate));
        ui.ResLandManCMTotalPCost->setText(cropmodel::FormatNumber(cost.total, db::kCostPattern));
    });
}

void ResLandManCMForm::sumMaintenance() {
    ui.ResLandManCMMaintTotalCost->setText(db::TableModel::numberText(
        numberIn(ui.ResLandManCMFertCost) + numberIn(ui.ResLandManCMPestCost) +
        numberIn(ui.ResLandManCMLabourCost) + numberIn(ui.ResLandManCMIrrigCost)));
}

void ResLandManCMForm::sumOverall() {
    ui.ResLandManCMOverallTotalCost->setText(db::TableModel::numberText(
        numberIn(ui.ResLandManCMTotalPCost) + numberIn(ui.ResLandManCMMaintTotalCost)));
}

void ResLandManCMForm::on_ResCropManCMFOKButton_clicked() {
    const QString shown = ui.ResLandManCMOverallTotalCost->text();
    const double cost = LeadingNumber(shown);
    shared().gCropManagementCost = cost;
    if (StoreLandCost(db::kCropManagementRecord, cost, shown, cost, windowTitle()))
        close();
}

ZARN_REGISTER_WINDOW(ResLandManCMForm)

} // namespace zarn
