#include "data/windows/landcostwindows.h"

#include "data/landcosts.h"
#include "data/windows/ResCropManagementForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

bool StoreLandCost(const QString &processName, double cost, const QString &shown, double stored,
                   const QString &windowTitle) {
    if (auto *summary =
            WindowRegistry::find<ResCropManagementForm>(QStringLiteral("ResCropManagementForm")))
        summary->showCost(processName, cost, shown);
    bool written = false;
    const int calculation = shared().gCalculationsStored;
    if (!guarded([&] {
            written = db::WriteLandCost(
                db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb")),
                calculation, processName, stored);
        }))
        return false;
    if (!written)
        showMessage(db::NoLandRecordText(calculation, processName), windowTitle,
                    MsgIcon::Information);
    return true;
}

} // namespace zarn
