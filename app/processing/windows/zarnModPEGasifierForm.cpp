#include "processing/windows/zarnModPEGasifierForm.h"

#include "cropmodel/numbers.h"
#include "processing/modules.h"
#include "processing/windows/zarnModProcessEnergyForm.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModPEGasifierForm::zarnModPEGasifierForm()
    : ConversionUnitsWindow(processing::UnitKind::Gasifier) {
    ui.setupUi(this);
    bindControls();
}

// Saves slots 1..quantity as the gasifier configuration; the totals go into
// this window and into the process-energy window when it is open.
void zarnModPEGasifierForm::save() {
    guarded([this] {
        const processing::GasifierTotals totals = processing::saveGasifierConfiguration(
            processing::referenceDatabase(),
            cropmodel::LeadingNumber(ui.zarnMPEHPSGUQuantity->text()));
        ui.zarnModPEHPSEngTotalBagasse->setText(cropmodel::PlainDecimal(totals.bagasse));
        ui.zarnModPEHPSEngTotalSteam->setText(cropmodel::PlainDecimal(totals.steam));
        ui.zarnModPEHPSEngPElec->setText(QStringLiteral("0"));
        ui.zarnPEGasTotalElectric->setText(cropmodel::PlainDecimal(totals.electricity));
        if (auto *energy = WindowRegistry::find<zarnModProcessEnergyForm>(
                QStringLiteral("zarnModProcessEnergyForm")))
            energy->showGasification(totals);
    });
}

ZARN_REGISTER_WINDOW(zarnModPEGasifierForm)

} // namespace zarn
