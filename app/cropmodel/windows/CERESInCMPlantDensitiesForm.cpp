#include "cropmodel/windows/CERESInCMPlantDensitiesForm.h"

#include "cropmodel/editors.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "cropmodel/windows/CERESInCropManageForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
CERESInCropManageForm *cropManagement() {
    return WindowRegistry::find<CERESInCropManageForm>(QStringLiteral("CERESInCropManageForm"));
}
} // namespace

CERESInCMPlantDensitiesForm::CERESInCMPlantDensitiesForm() {
    ui.setupUi(this);
}

void CERESInCMPlantDensitiesForm::load() {
    double density = 0, spacing = 0, depth = 0;
    if (const CERESInCropManageForm *cm = cropManagement()) {
        density = cm->density();
        spacing = cm->spacing();
        depth = cm->depth();
    } else {
        guarded([&] {
            if (const auto read = cropmodel::ReadCropManagement(shared().gCeresPath)) {
                density = read->plantDensity;
                spacing = read->rowSpacing;
                depth = read->plantingDepth;
            }
        });
    }
    ui.CERESInCMPlantDensitiesDensityEdit->setText(cropmodel::PlainDecimal(density));
    ui.CERESInCMPlantDensitiesSpacingEdit->setText(cropmodel::PlainDecimal(spacing));
    ui.CERESInCMPlantDensitiesDepthEdit->setText(cropmodel::PlainDecimal(depth));
}

void CERESInCMPlantDensitiesForm::on_CERESInCMPlantDensitiesOKButton_clicked() {
    if (CERESInCropManageForm *cm = cropManagement())
        cm->setSowing(cropmodel::LeadingNumber(ui.CERESInCMPlantDensitiesDensityEdit->text()),
                      cropmodel::LeadingNumber(ui.CERESInCMPlantDensitiesSpacingEdit->text()),
                      cropmodel::LeadingNumber(ui.CERESInCMPlantDensitiesDepthEdit->text()));
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

void CERESInCMPlantDensitiesForm::on_CERESInCMPlantDensitiesCancelButton_clicked() {
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

ZARN_REGISTER_WINDOW(CERESInCMPlantDensitiesForm)

} // namespace zarn
