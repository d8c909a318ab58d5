#include "cropmodel/windows/LoadSoils.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

LoadSoils::LoadSoils() {
    ui.setupUi(this);
}

void LoadSoils::load() {}

void LoadSoils::on_LoadSoilsLoadButton_clicked() {
    const QString program = shared().gSystemPath;
    const QString title = windowTitle();
    if (showMessage(QStringLiteral("Replace every soil of Soils.mdb with the soils of "
                                   "sprofile.tot?"),
                    title, MsgIcon::Question, MsgButtons::YesNo, 1) != MsgResult::Yes)
        return;
    guarded([&] {
        const std::vector<cropmodel::SoilProfile> profiles =
            cropmodel::ParseSoilCatalogue(cropmodel::readLines(program, cropmodel::kSoilCatalogue,
                                                               QStringLiteral("loading soils")));
        if (profiles.empty()) {
            showMessage(QStringLiteral("sprofile.tot holds no soil profile; Soils.mdb was not "
                                       "changed."),
                        title, MsgIcon::Exclamation);
            return;
        }
        const int loaded = cropmodel::LoadSoilCatalogue(program);
        showMessage(QStringLiteral("%1 soil profiles were loaded into Soils.mdb.").arg(loaded),
                    title, MsgIcon::Information);
    });
}

ZARN_REGISTER_WINDOW(LoadSoils)

} // namespace zarn
