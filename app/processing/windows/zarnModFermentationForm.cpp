#include "processing/windows/zarnModFermentationForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModFermentationForm::zarnModFermentationForm() {
    ui.setupUi(this);
}

void zarnModFermentationForm::on_zarnModFermentationOKButton_clicked() {
    close();
}

void zarnModFermentationForm::on_zarnModFermentationCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnModFermentationForm)

} // namespace zarn
