#include "cropmodel/windows/ceresinit.h"

#include "cropmodel/catalogues.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

ceresinit::ceresinit() {
    ui.setupUi(this);
}

void ceresinit::load() {
    guarded([&] {
        ui.ceresinitList->addItems(cropmodel::ReadInitialSoilCatalogue(shared().gSystemPath));
        ui.ceresinitList->setCurrentIndex(ui.ceresinitList->count() - 1);
    });
}

void ceresinit::on_ceresinitOKButton_clicked() {
    close();
}

void ceresinit::on_ceresinitCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(ceresinit)

} // namespace zarn
