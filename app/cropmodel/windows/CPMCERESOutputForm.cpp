#include "cropmodel/windows/CPMCERESOutputForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

CPMCERESOutputForm::CPMCERESOutputForm() {
    ui.setupUi(this);
}

void CPMCERESOutputForm::on_CERESOut1Button_clicked() {
    WindowRegistry::show(QStringLiteral("CeresOut1Form"));
}

void CPMCERESOutputForm::on_CERESOut2Button_clicked() {
    WindowRegistry::show(QStringLiteral("CeresOut2Form"));
}

void CPMCERESOutputForm::on_CERESOut3Button_clicked() {
    WindowRegistry::show(QStringLiteral("CeresOut3Form"));
}

void CPMCERESOutputForm::on_CERESOut4Button_clicked() {
    WindowRegistry::show(QStringLiteral("CeresOut4Form"));
}

void CPMCERESOutputForm::on_CERESOut5Button_clicked() {
    WindowRegistry::show(QStringLiteral("CeresOut5Form"));
}

void CPMCERESOutputForm::on_CPMCERESOutputExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CPMCERESOutputForm)

} // namespace zarn
