#include "cropmodel/windows/CPMCERESForm.h"

#include "cropmodel/modelrun.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/routes.h"
#include "shell/windows/widgets3d.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// Buttons that open another window.
const Route kRoutes[] = {
    {"CPMCERESModifyBtn", "CERESModifyForm"},
    {"CPMCERESOutputbtn", "CPMCERESOutputForm"},
};

} // namespace

CPMCERESForm::CPMCERESForm() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
}

void CPMCERESForm::load() {
    shared().gCeresRunCount = 0;
    ui.CPMCERESPartsFrame->setVisible(true);
    ui.CPMCERESExitButton->setFocus();
}

void CPMCERESForm::on_CERESRunBtn_clicked() {
    // This window may be closed while the model runs (events are processed
    // during the wait), so nothing below touches it.
    guarded([] {
        const cropmodel::ModelRunReport report = cropmodel::runCropModel(shared());
        // A model stopped by the user on leaving the program has no result to show.
        if (report.stopped)
            return;
        // The run-result window reads this run's yield when it loads; one still
        // open from an earlier run is replaced, so every run is read.
        cropmodel::setPendingRunReport(report);
        WindowRegistry::close(QStringLiteral("CERESRunForm"));
        WindowRegistry::show(QStringLiteral("CERESRunForm"));
        cropmodel::takePendingRunReport();
    });
}

void CPMCERESForm::on_CPMCERESExitButton_clicked() {
    ui.CPMCERESPartsFrame->setVisible(false);
    close();
    if (QWidget *main = WindowRegistry::find(QStringLiteral("ZARNMainProcessingMenuForm")))
        if (auto *option = main->findChild<OptionButton3D *>(QStringLiteral("CPMCERESButton")))
            option->setUnselected();
}

ZARN_REGISTER_WINDOW(CPMCERESForm)

} // namespace zarn
