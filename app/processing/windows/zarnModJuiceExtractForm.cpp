#include "processing/windows/zarnModJuiceExtractForm.h"

#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModJuiceExtractForm::zarnModJuiceExtractForm() {
    ui.setupUi(this);
}

// Every Method of table JuiceExtraction in table order; the text is the default
// (JuiceExtraction of the last Defaults record). Choosing another entry changes
// only the list's text.
void zarnModJuiceExtractForm::load() {
    guarded([this] {
        const db::Database db = processing::referenceDatabase();
        ui.zarnModJuiceExtractMethod->addItems(processing::listEntries(
            db, QStringLiteral("JuiceExtraction"), QStringLiteral("Method")));
        ui.zarnModJuiceExtractMethod->setEditText(
            processing::currentDefault(db, QStringLiteral("JuiceExtraction")));
    });
}

void zarnModJuiceExtractForm::on_zarnModJuiceExtractOKButton_clicked() {
    close();
}

void zarnModJuiceExtractForm::on_zarnModJuiceExtractCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModJuiceExtractForm)

} // namespace zarn
