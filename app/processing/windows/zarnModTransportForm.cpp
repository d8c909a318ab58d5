#include "processing/windows/zarnModTransportForm.h"

#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModTransportForm::zarnModTransportForm() {
    ui.setupUi(this);
}

// Every Description of table Transport in table order; the text is the default
// (Transportation of the last Defaults record). Choosing another entry changes
// only the list's text.
void zarnModTransportForm::load() {
    guarded([this] {
        const db::Database db = processing::referenceDatabase();
        ui.zarnModTransportDesc->addItems(processing::listEntries(db, QStringLiteral("Transport"),
                                                                  QStringLiteral("Description")));
        ui.zarnModTransportDesc->setEditText(
            processing::currentDefault(db, QStringLiteral("Transportation")));
    });
}

void zarnModTransportForm::on_zarnModTransportOKButton_clicked() {
    close();
}

void zarnModTransportForm::on_zarnModTransportCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModTransportForm)

} // namespace zarn
