#include "processing/windows/zarnModUnloadForm.h"

#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModUnloadForm::zarnModUnloadForm() {
    ui.setupUi(this);
}

// Every Description of table Unload in table order; the text is the default
// (UnloadingMethod of the last Defaults record). Choosing another entry changes
// only the list's text.
void zarnModUnloadForm::load() {
    guarded([this] {
        const db::Database db = processing::referenceDatabase();
        ui.zarnModUnloadDesc->addItems(
            processing::listEntries(db, QStringLiteral("Unload"), QStringLiteral("Description")));
        ui.zarnModUnloadDesc->setEditText(
            processing::currentDefault(db, QStringLiteral("UnloadingMethod")));
    });
}

void zarnModUnloadForm::on_zarnModUnloadOKButton_clicked() {
    close();
}

void zarnModUnloadForm::on_zarnModUnloadCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModUnloadForm)

} // namespace zarn
