#include "data/windows/ResEquipment.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

ResEquipment::ResEquipment() {
    ui.setupUi(this);
    bind(QStringLiteral("Equipment"), ui.Data1,
         {
             {"ResEquipName", "Type"},
             {"ResEquipModel", "Model"},
             {"ResEquipManufacturer", "Manufacturer"},
             {"ResEquipDescription", "Description"},
             {"ResEquipPersonnelRequired", "Personnal Required"},
             {"ResEquipPersSkill1", "Personnal Skill"},
             {"ResEquipPersSkill2", "PersonnalSkill2"},
             {"ResEquipFuelType", "Fuel Type"},
             {"ResEquipLitresPerHr", "LitresPerHr"},
             {"ResEquipLitresPerHa", "LitresPerHa"},
             {"ResEquipLitresPerKm", "LitresPerKm"},
             {"ResEquipLifetime", "Lifetime"},
             {"ResEquipCapitalCost", "Capital Cost"},
             {"ResEquipCapitalCostUnits", "Capital Cost Units"},
             {"ResEquipPower", "PowerRating"},
             {"ResEquipInterest", "AnnualInterest"},
         });
}

db::EquipmentEntry ResEquipment::entry() const {
    db::EquipmentEntry e;
    e.type = ui.ResEquipName->text();
    e.model = ui.ResEquipModel->text();
    e.manufacturer = ui.ResEquipManufacturer->text();
    e.description = ui.ResEquipDescription->text();
    e.capitalCostUnits = ui.ResEquipCapitalCostUnits->text();
    e.fuelType = ui.ResEquipFuelType->text();
    e.personnelRequired = ui.ResEquipPersonnelRequired->text();
    e.skill1 = ui.ResEquipPersSkill1->text();
    e.skill2 = ui.ResEquipPersSkill2->text();
    e.annualInterest = ui.ResEquipInterest->text();
    e.power = ui.ResEquipPower->text();
    e.capitalCost = ui.ResEquipCapitalCost->text();
    e.lifetime = ui.ResEquipLifetime->text();
    e.litresPerHa = ui.ResEquipLitresPerHa->text();
    e.litresPerHr = ui.ResEquipLitresPerHr->text();
    e.litresPerKm = ui.ResEquipLitresPerKm->text();
    return e;
}

void ResEquipment::on_ResEquipNewButton_clicked() {
    // Leaving the record shown stores its edits, as moving off it does; the
    // new entry itself is not bound to it.
    if (!unboundEntry() && !saveShown())
        return;
    m_mode = QStringLiteral("NEW");
    setUnboundEntry(true);
    for (QLineEdit *text : {ui.ResEquipName, ui.ResEquipModel, ui.ResEquipManufacturer,
                            ui.ResEquipDescription, ui.ResEquipFuelType})
        text->clear();
    for (QLineEdit *number :
         {ui.ResEquipPersonnelRequired, ui.ResEquipPersSkill1, ui.ResEquipPersSkill2,
          ui.ResEquipInterest, ui.ResEquipPower, ui.ResEquipCapitalCost, ui.ResEquipLifetime,
          ui.ResEquipLitresPerHa, ui.ResEquipLitresPerHr, ui.ResEquipLitresPerKm})
        number->setText(QStringLiteral("0"));
    ui.ResEquipCapitalCostUnits->setText(shared().gCurrencyType);
    ui.ResEquipName->setFocus();
}

void ResEquipment::on_ResEquipSaveButton_clicked() {
    const db::EquipmentEntry e = entry();
    const QString database = shared().gSystemPath + QStringLiteral("Sorghum.mdb");
    if (m_mode == QLatin1String("NEW")) {
        qint64 added = 0;
        if (!guarded([&] { added = db::appendEquipment(database, e); }))
            return; // the entry stays for the user to correct or drop
        m_mode = QStringLiteral(" ");
        setUnboundEntry(false);
        showStored(added);
        return;
    }
    const qint64 shown = model().rowid(shownRow());
    if (!guarded([&] { db::updateEquipmentOfType(database, e); }))
        return;
    m_mode = QStringLiteral(" ");
    showStored(shown);
}

ZARN_REGISTER_WINDOW(ResEquipment)

} // namespace zarn
