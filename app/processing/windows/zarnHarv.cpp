#include "processing/windows/zarnHarv.h"

#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

#include <QSignalBlocker>

namespace zarn {

zarnHarv::zarnHarv() {
    ui.setupUi(this);
}

// The methods in table order, every occupation in each person list, and the
// default harvest method as the method list's text, which shows its data.
void zarnHarv::load() {
    guarded([this] {
        const db::Database db = processing::referenceDatabase();
        {
            // Filling the list runs no display; setting the default's text does.
            const QSignalBlocker quiet(ui.zarnModHarvestMethod);
            ui.zarnModHarvestMethod->addItems(
                processing::listEntries(db, QStringLiteral("Harvest"), QStringLiteral("Method")));
            ui.zarnModHarvestMethod->setEditText(QString());
        }
        const QStringList occupations = processing::listEntries(db, QStringLiteral("Occupation"),
                                                                QStringLiteral("Description"));
        for (QComboBox *person :
             {ui.zarnModPerson1, ui.zarnModPerson2, ui.zarnModPerson3, ui.zarnModPerson4})
            person->addItems(occupations);
        ui.zarnModHarvestMethod->setEditText(
            processing::currentDefault(db, QStringLiteral("HarvestMethod")));
    });
}

// The method's data; the person lists take the record's texts even when an
// occupation is not in their lists. An unknown method leaves the fields.
void zarnHarv::showMethod() {
    guarded([this] {
        const auto h = processing::harvestData(processing::referenceDatabase(),
                                               ui.zarnModHarvestMethod->currentText());
        if (!h)
            return;
        ui.zarnModHRate->setText(h->rate);
        ui.zarnModHPersonReq->setText(h->personnel);
        ui.zarnModFuelUse->setText(h->fuelUse);
        ui.zarnModLifeTime->setText(h->lifeTime);
        QComboBox *persons[4] = {ui.zarnModPerson1, ui.zarnModPerson2, ui.zarnModPerson3,
                                 ui.zarnModPerson4};
        for (size_t i = 0; i < 4; ++i)
            persons[i]->setEditText(h->persons[i]);
    });
}

void zarnHarv::on_zarnModHarvestMethod_editTextChanged(const QString &) {
    showMethod();
}

void zarnHarv::on_zarnModHarvestMethod_activated(int) {
    showMethod();
}

void zarnHarv::on_zarnHarvOKButton_clicked() {
    close();
}

void zarnHarv::on_zarnHarvCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnHarv)

} // namespace zarn
