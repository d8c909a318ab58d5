#include "processing/windows/ZARNCalcProcessVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ZARNCalcProcessVariablesForm::ZARNCalcProcessVariablesForm() {
    ui.setupUi(this);
}

void ZARNCalcProcessVariablesForm::on_zarnCalcElectricityButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcElectricityVariablesForm"));
}
void ZARNCalcProcessVariablesForm::on_zarnCalcProcessEnergyButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcProcessEnergyVariablesForm"));
}
void ZARNCalcProcessVariablesForm::on_zarnCalcMillButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcMillProcessForm"));
}
void ZARNCalcProcessVariablesForm::on_zarnCalcTransportButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcTransportVariablesForm"));
}
void ZARNCalcProcessVariablesForm::on_zarnCalcLoadLabel_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcLoadingVariablesForm"));
}
void ZARNCalcProcessVariablesForm::on_zarnCalcHarvestButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnCalcHarvestVariablesForm"));
}

ZARN_REGISTER_WINDOW(ZARNCalcProcessVariablesForm)

} // namespace zarn
