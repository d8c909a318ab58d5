#include "processing/windows/zarnModElecProdForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModElecProdForm::zarnModElecProdForm() {
    ui.setupUi(this);
}

void zarnModElecProdForm::on_zarnModElecProdOKButton_clicked() {
    close();
}

void zarnModElecProdForm::on_zarnModElecProdCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModElecProdForm)

} // namespace zarn
