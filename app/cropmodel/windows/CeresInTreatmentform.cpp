#include "cropmodel/windows/CeresInTreatmentform.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

CeresInTreatmentform::CeresInTreatmentform() {
    ui.setupUi(this);
}

void CeresInTreatmentform::on_CeresInTreatmentExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInTreatmentform)

} // namespace zarn
