#include "processing/windows/zarnModBioGasForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModBioGasForm::zarnModBioGasForm() {
    ui.setupUi(this);
}

void zarnModBioGasForm::on_zarnModBioGasOKButton_clicked() {
    close();
}

void zarnModBioGasForm::on_zarnModBioGasCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModBioGasForm)

} // namespace zarn
