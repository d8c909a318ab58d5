#include "shell/windows/ZarnDefaultForm.h"

#include "shell/defaults.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

ZarnDefaultForm::ZarnDefaultForm() {
    ui.setupUi(this);
}

void ZarnDefaultForm::on_ZarnDefPart1Button_clicked() {
    WindowRegistry::show(QStringLiteral("zarnDefm"));
}

void ZarnDefaultForm::on_ZarnDefPart2Button_clicked() {
    WindowRegistry::show(QStringLiteral("zarnDefmMoreForm"));
}

// The one place where the choices of the default-modules window are saved:
// its lists while it is open, else the current defaults as stored.
void ZarnDefaultForm::on_zarnDefmOKButton_clicked() {
    if (guarded([] { acceptSystemDefaults(); }))
        close();
}

void ZarnDefaultForm::on_zarnDefMoreCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(ZarnDefaultForm)

} // namespace zarn
