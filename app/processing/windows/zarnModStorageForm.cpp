#include "processing/windows/zarnModStorageForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModStorageForm::zarnModStorageForm() {
    ui.setupUi(this);
}

void zarnModStorageForm::on_zarnModStorageOKButton_clicked() {
    close();
}

void zarnModStorageForm::on_zarnModStorageCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModStorageForm)

} // namespace zarn
