#include "cropmodel/windows/CERESModifyForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

CERESModifyForm::CERESModifyForm() {
    ui.setupUi(this);
}

void CERESModifyForm::load() {
    ui.CERESModifyFrame->setVisible(true);
    ui.CERESModifyOKButton->setFocus();
}

void CERESModifyForm::on_CERESModifySGEXPButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresInSGEXPForm"));
}

void CERESModifyForm::on_CERESModifyCropManagementButton_clicked() {
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

void CERESModifyForm::on_CERESModifyLeafDataButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresInLeafForm"));
}

void CERESModifyForm::on_CERESModifyWeatherButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresWInSelect"));
}

void CERESModifyForm::on_CERESModifyOKButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CERESModifyForm)

} // namespace zarn
