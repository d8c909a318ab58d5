#include "cropmodel/windows/CeresInFertiliseForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

CeresInFertiliseForm::CeresInFertiliseForm() {
    ui.setupUi(this);
}

void CeresInFertiliseForm::on_CeresInFertiliseExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInFertiliseForm)

} // namespace zarn
