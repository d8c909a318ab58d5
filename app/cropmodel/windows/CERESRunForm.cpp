#include "cropmodel/windows/CERESRunForm.h"

#include "cropmodel/modelrun.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QPushButton>

namespace zarn {

CERESRunForm::CERESRunForm() {
    ui.setupUi(this);
}

void CERESRunForm::load() {
    ui.CERESRunQty->setText(QString::number(shared().gCeresRunCount));
    const std::optional<cropmodel::ModelRunReport> lastRun = cropmodel::takePendingRunReport();

    if (cropmodel::modelIsRunning()) {
        // The outputs are not complete yet; nothing is read and nothing counted.
        showMessage(cropmodel::modelStillRunningText(), cropmodel::kRunRefusedTitle,
                    MsgIcon::Exclamation);
        close();
        return;
    }

    const bool read = guarded([&] { cropmodel::readRunYield(shared(), lastRun); });
    if (!read) {
        // The inputs are what the user can change to make the model run.
        close();
        WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
        return;
    }
    ui.RepYieldGraph->chartPoints().load(shared());
    ui.RepYieldGraph->draw();
}

void CERESRunForm::on_CERESRunOKButtom_clicked() {
    if (QWidget *hub = WindowRegistry::show(QStringLiteral("CPMCERESForm"))) {
        // "Run Model" stays usable for further runs; it only stops being the
        // window's default button.
        if (auto *run = hub->findChild<QPushButton *>(QStringLiteral("CERESRunBtn")))
            run->setDefault(false);
        if (auto *exit = hub->findChild<QPushButton *>(QStringLiteral("CPMCERESExitButton")))
            exit->setFocus();
    }
    close();
}

void CERESRunForm::on_CERESRunCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CERESRunForm)

} // namespace zarn
