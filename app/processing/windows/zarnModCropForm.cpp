#include "processing/windows/zarnModCropForm.h"

#include "cropmodel/numbers.h"
#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModCropForm::zarnModCropForm() {
    ui.setupUi(this);
}

// The varieties in table order, the default variety as the list's text, and
// that variety's percentages with their total and its water use. Without a
// matching variety the fields stay empty. Choosing another entry changes only
// the list's text.
void zarnModCropForm::load() {
    guarded([this] {
        const db::Database db = processing::referenceDatabase();
        ui.zarnModCropVariety->addItems(
            processing::listEntries(db, QStringLiteral("Variety"), QStringLiteral("VarietyName")));
        ui.zarnModCropVariety->setEditText(
            processing::currentDefault(db, QStringLiteral("SorghumVariety")));
        const auto variety = processing::varietyData(db, ui.zarnModCropVariety->currentText());
        if (!variety)
            return;
        QLineEdit *fields[7] = {ui.zarnModCropSugarPercent,    ui.zarnModCropFibrePercent,
                                ui.zarnModCropAttachedLeaves,  ui.zarnModCropDetachedLeaves,
                                ui.zarnModCropMoisturePercent, ui.zarnModCropPaniclePercent,
                                ui.zarnModCropRootsPercent};
        std::array<QString, 7> shown;
        for (size_t i = 0; i < 7; ++i) {
            fields[i]->setText(variety->percentages[i]);
            shown[i] = fields[i]->text();
        }
        ui.zarnModCropTotalPercent->setText(
            cropmodel::PlainDecimal(processing::percentageTotal(shown)));
        ui.zarnModCropWaterUseEff->setText(variety->waterUseEff);
        ui.zarnModCropWaterUseEffUnits->setText(variety->waterUseEffUnits);
    });
}

void zarnModCropForm::on_zarnModCropOKButton_clicked() {
    close();
}

void zarnModCropForm::on_zarnModCropCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModCropForm)

} // namespace zarn
