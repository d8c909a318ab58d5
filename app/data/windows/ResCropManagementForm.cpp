#include "data/windows/ResCropManagementForm.h"

#include "cropmodel/numbers.h"
#include "data/landcosts.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/routes.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
const Route kRoutes[] = {
    {"ResLandManLMCostOpt", "ResLandManCostsForm"},
    {"ResLandManLMPrepOpt", "ResLandPrepForm"},
    {"ResLandManLMCropanOpt", "ResLandManCMForm"},
};
} // namespace

ResCropManagementForm::ResCropManagementForm() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
}

// The land records of the current calculation only: an older calculation's
// records never stand in for them.
void ResCropManagementForm::load() {
    SharedState &s = shared();
    s.gLandRentCost = s.gLandPrepCost = s.gCropManagementCost = 0;
    guarded([&] {
        const db::Database db = db::Database::open(s.gSystemPath + QStringLiteral("Sorghum.mdb"));
        const std::tuple<QString, QLabel *, double *> records[] = {
            {db::kLandRentRecord, ui.LandRentPnl, &s.gLandRentCost},
            {db::kLandPreparationRecord, ui.LandPrepPnl, &s.gLandPrepCost},
            {db::kCropManagementRecord, ui.LandCMPnl, &s.gCropManagementCost},
        };
        for (const auto &[name, panel, value] : records) {
            const auto cost = db::ReadLandCost(db, s.gCalculationsStored, name);
            panel->setText(cost.value_or(QString()));
            *value = cropmodel::LeadingNumber(cost.value_or(QString()));
        }
    });
    showTotal();
}

void ResCropManagementForm::showCost(const QString &processName, double cost,
                                     const QString &shown) {
    SharedState &s = shared();
    if (processName == db::kLandRentRecord) {
        s.gLandRentCost = cost;
        ui.LandRentPnl->setText(shown);
    } else if (processName == db::kLandPreparationRecord) {
        s.gLandPrepCost = cost;
        ui.LandPrepPnl->setText(shown);
    } else if (processName == db::kCropManagementRecord) {
        s.gCropManagementCost = cost;
        ui.LandCMPnl->setText(shown);
    }
    showTotal();
}

void ResCropManagementForm::showTotal() {
    const SharedState &s = shared();
    ui.ResLandManLMTotCostPnl->setText(
        db::SummaryTotalText(s.gLandRentCost + s.gLandPrepCost + s.gCropManagementCost));
}

ZARN_REGISTER_WINDOW(ResCropManagementForm)

} // namespace zarn
