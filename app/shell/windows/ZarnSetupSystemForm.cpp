#include "shell/windows/ZarnSetupSystemForm.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

ZarnSetupSystemForm::ZarnSetupSystemForm() {
    ui.setupUi(this);
}

void ZarnSetupSystemForm::load() {
    // The question comes before the window itself shows.
    const MsgResult answer =
        showMessage(QStringLiteral("Create New Site = Yes, Use Default Site = No         "),
                    QStringLiteral("New Site?"), MsgIcon::Question, MsgButtons::YesNo, 1);
    ui.ZarnSetupSystemLocationFrame->setVisible(answer == MsgResult::Yes);
    WindowRegistry::close(QStringLiteral("ZARNMainMenu"));
    ui.ZarnSetupSystemLocation->setText(shared().gSite);
}

void ZarnSetupSystemForm::on_ZarnSetupSystemNewButton_clicked() {
    shared().gSiteCaller = QStringLiteral("SETUP");
    WindowRegistry::show(QStringLiteral("ResSiteForm"));
    ui.ZarnSetupSystemLocation->setText(shared().gSite);
    raise();
    activateWindow();
}

// The constraint lives in gSystemConstraint until the defaults are saved.
void ZarnSetupSystemForm::on_ZarnSetSysTotalButton_clicked() {
    shared().gSystemConstraint = QStringLiteral("TOTAL");
}
void ZarnSetupSystemForm::on_ZarnSetSysElectricButton_clicked() {
    shared().gSystemConstraint = QStringLiteral("ELEC");
}
void ZarnSetupSystemForm::on_ZarnSetSysEthanolButton_clicked() {
    shared().gSystemConstraint = QStringLiteral("ETOH");
}
void ZarnSetupSystemForm::on_ZarnSetSysLandButton_clicked() {
    shared().gSystemConstraint = QStringLiteral("LAND");
}

void ZarnSetupSystemForm::on_ZarnSetSysOKButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNMainProcessingMenuForm"));
    close();
}

// Back to the main menu, which loads afresh (the startup steps run again).
void ZarnSetupSystemForm::on_ZarnSetSysCancelButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
    close();
}

ZARN_REGISTER_WINDOW(ZarnSetupSystemForm)

} // namespace zarn
