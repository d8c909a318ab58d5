#include "cropmodel/windows/CeresInWTHDIRForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

CeresInWTHDIRForm::CeresInWTHDIRForm() {
    ui.setupUi(this);
}

void CeresInWTHDIRForm::on_CeresInWTHDIROKButton_clicked() {
    close();
}

void CeresInWTHDIRForm::on_CeresInWTHDIRCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInWTHDIRForm)

} // namespace zarn
