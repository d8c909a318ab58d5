#include "data/windows/ResLandPrepForm.h"

#include "cropmodel/numbers.h"
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
} // namespace

ResLandPrepForm::ResLandPrepForm() {
    ui.setupUi(this);
    for (QLineEdit *field : {ui.ResLandPrepPloughRate, ui.ResLandPrepPloughWidth,
                             ui.ResLandPrepPloughSpeed, ui.ResLandPrepPloughReps})
        connect(field, &QLineEdit::textChanged, this, [this] { recompute(); });
}

// Every machine is chosen in turn, so the last one stays chosen with the
// values it and those before it leave; the width and the passes then start
// at 5 m and one pass.
void ResLandPrepForm::load() {
    guarded([&] {
        const db::Database db = openDatabase();
        for (db::Cursor c = db.openTable(QStringLiteral("Equipment")); !c.eof(); c.moveNext()) {
            ui.ResLandPrepPloughEquipList->addItem(c.text(QStringLiteral("Type")));
            ui.ResLandPrepPloughEquipList->setCurrentIndex(ui.ResLandPrepPloughEquipList->count() -
                                                           1);
            chooseEquipment(db);
        }
    });
    ui.ResLandPrepCurrencyPnl->setText(shared().gCurrencyType);
    ui.ResLandPrepPloughWidth->setText(QStringLiteral("5"));
    ui.ResLandPrepPloughReps->setText(QStringLiteral("1"));
    recompute();
}

void ResLandPrepForm::on_ResLandPrepPloughEquipList_activated(int) {
    guarded([&] { chooseEquipment(openDatabase()); });
}

void ResLandPrepForm::chooseEquipment(const db::Database &db) {
    if (db::LookupMachine(db, ui.ResLandPrepPloughEquipList->currentText(),
                          db::EquipmentMatch::First, m_machine))
        ui.ResLandPrepPloughSpeed->setText(db::TableModel::numberText(m_machine.operationRate));
    recompute();
}

void ResLandPrepForm::recompute() {
    if (m_recomputing)
        return;
    m_recomputing = true;
    const db::PloughingCost cost =
        db::PreparationCost(m_machine, LeadingNumber(ui.ResLandPrepPloughSpeed->text()),
                            LeadingNumber(ui.ResLandPrepPloughWidth->text()),
                            LeadingNumber(ui.ResLandPrepPloughReps->text()));
    ui.ResLandPrepPloughRate->setText(db::TableModel::numberText(cost.ploughRate));
    m_total = cost.total;
    ui.ResLandPrepPloughTotalCost->setText(cropmodel::FormatNumber(cost.total, db::kCostPattern));
    m_recomputing = false;
}

void ResLandPrepForm::on_ResCropManPrepOKButton_clicked() {
    shared().gLandPrepCost = m_total;
    const QString shown = ui.ResLandPrepPloughTotalCost->text();
    if (StoreLandCost(db::kLandPreparationRecord, m_total, shown, LeadingNumber(shown),
                      windowTitle()))
        close();
}

ZARN_REGISTER_WINDOW(ResLandPrepForm)

} // namespace zarn
