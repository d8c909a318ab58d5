#include "processing/windows/zarnModLoad.h"

#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QSignalBlocker>

namespace zarn {

zarnModLoad::zarnModLoad() {
    ui.setupUi(this);
}

// The loading methods in table order and the default loading method as the
// list's text, which shows its data.
void zarnModLoad::load() {
    guarded([this] {
        {
            // Filling the list runs no display (nor a fuel-use warning for the
            // first entry); setting the default's text does.
            const QSignalBlocker quiet(ui.zarnModLoadDescription);
            ui.zarnModLoadDescription->addItems(
                processing::listEntries(processing::referenceDatabase(), QStringLiteral("Load"),
                                        QStringLiteral("Description")));
            ui.zarnModLoadDescription->setEditText(QString());
        }
        ui.zarnModLoadDescription->setEditText(shared().gLoadingMethod);
    });
}

// The method's data; an unknown method leaves the fields as they are.
void zarnModLoad::showMethod() {
    guarded([this] {
        const auto l = processing::loadData(processing::referenceDatabase(),
                                            ui.zarnModLoadDescription->currentText());
        if (!l)
            return;
        ui.zarnModPersonsReqd->setText(l->personnel);
        ui.zarnModSkillLevel->setText(l->skillLevel);
        ui.zarnModFuelUse->setText(l->fuelUse);
        ui.zarnModLifeTime->setText(l->lifeTime);
    });
}

void zarnModLoad::on_zarnModLoadDescription_editTextChanged(const QString &) {
    showMethod();
}

void zarnModLoad::on_zarnModLoadDescription_activated(int) {
    showMethod();
}

// A fuel use above 150, typed or shown, is warned about; the answer changes
// nothing and the value stays.
void zarnModLoad::on_zarnModFuelUse_textChanged(const QString &text) {
    if (processing::fuelUseNeedsWarning(text))
        showMessage(processing::kFuelUseWarningText, processing::kFuelUseWarningTitle,
                    MsgIcon::Critical, MsgButtons::YesNo, 1);
}

void zarnModLoad::on_zarnModLoadOKButton_clicked() {
    close();
}

void zarnModLoad::on_zarnModLoadCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModLoad)

} // namespace zarn
