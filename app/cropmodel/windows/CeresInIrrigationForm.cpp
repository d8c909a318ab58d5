#include "cropmodel/windows/CeresInIrrigationForm.h"

#include "cropmodel/editors.h"
#include "cropmodel/numbers.h"
#include "cropmodel/windows/CERESInCropManageForm.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::PlainDecimal;

CeresInIrrigationForm::CeresInIrrigationForm() {
    ui.setupUi(this);
}

void CeresInIrrigationForm::load() {
    const SharedState &s = shared();
    OptionButton3D *options[] = {ui.CeresInIrrigationNoneOption, ui.CeresInIrrigationFileOption,
                                 ui.CeresInIrrigationAutoOption,
                                 ui.CeresInIrrigationNoStressOption};
    if (s.gIrrigationOption >= 1 && s.gIrrigationOption <= 4)
        options[s.gIrrigationOption - 1]->setChecked(true);
    ui.CeresInIrrigationScheduleButton->setVisible(s.gIrrigationOption == 2);
    ui.CeresInIrrigationEfficiencyEdit->setText(PlainDecimal(s.gIrrigationEfficiency));
    ui.CeresInIrrigationSoilDepthEdit->setText(PlainDecimal(s.gIrrigationSoilDepth));
    ui.CeresInIrrigationUsableEdit->setText(PlainDecimal(s.gIrrigationUsable));
}

void CeresInIrrigationForm::choose(int option) {
    shared().gIrrigationOption = std::int16_t(option);
    ui.CeresInIrrigationScheduleButton->setVisible(option == 2);
}

void CeresInIrrigationForm::on_CeresInIrrigationNoneOption_clicked() {
    choose(1);
}
void CeresInIrrigationForm::on_CeresInIrrigationFileOption_clicked() {
    choose(2);
}
void CeresInIrrigationForm::on_CeresInIrrigationAutoOption_clicked() {
    choose(3);
}
void CeresInIrrigationForm::on_CeresInIrrigationNoStressOption_clicked() {
    choose(4);
}

void CeresInIrrigationForm::on_CeresInIrrigationScheduleButton_clicked() {
    WindowRegistry::show(QStringLiteral("CERESInCMIrrigManualForm"));
}

void CeresInIrrigationForm::on_CeresInIrrigationOKButton_clicked() {
    SharedState &s = shared();
    s.gIrrigationEfficiency =
        float(cropmodel::LeadingNumber(ui.CeresInIrrigationEfficiencyEdit->text()));
    s.gIrrigationSoilDepth =
        float(cropmodel::LeadingNumber(ui.CeresInIrrigationSoilDepthEdit->text()));
    s.gIrrigationUsable = float(cropmodel::LeadingNumber(ui.CeresInIrrigationUsableEdit->text()));
    if (auto *cm =
            WindowRegistry::find<CERESInCropManageForm>(QStringLiteral("CERESInCropManageForm")))
        cm->ui.CERESInCMIrrigationPanel->setText(
            cropmodel::IrrigationOptionText(s.gIrrigationOption));
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

void CeresInIrrigationForm::on_CeresInIrrigationCancelButton_clicked() {
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

ZARN_REGISTER_WINDOW(CeresInIrrigationForm)

} // namespace zarn
