#include "cropmodel/windows/CPMCERESOutputForm.h"

#include "shell/windows/routes.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// Each model output file's button and its output window.
const Route kRoutes[] = {
    {"CERESOut1Button", "CeresOut1Form"}, {"CERESOut2Button", "CeresOut2Form"},
    {"CERESOut3Button", "CeresOut3Form"}, {"CERESOut4Button", "CeresOut4Form"},
    {"CERESOut5Button", "CeresOut5Form"},
};

} // namespace

CPMCERESOutputForm::CPMCERESOutputForm() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
}

void CPMCERESOutputForm::on_CPMCERESOutputExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CPMCERESOutputForm)

} // namespace zarn
