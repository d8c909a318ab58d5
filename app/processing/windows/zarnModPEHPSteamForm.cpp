#include "processing/windows/zarnModPEHPSteamForm.h"

#include "cropmodel/numbers.h"
#include "processing/modules.h"
#include "processing/windows/zarnModProcessEnergyForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModPEHPSteamForm::zarnModPEHPSteamForm()
    : ConversionUnitsWindow(processing::UnitKind::Combustion) {
    ui.setupUi(this);
    bindControls();
}

// Saves slots 1..quantity as the combustion configuration; the totals go into
// this window, into the process-energy window when it is open, and the steam
// raised per tonne of bagasse into gSteamBagasseRatio.
void zarnModPEHPSteamForm::save() {
    guarded([this] {
        const processing::CombustionTotals totals = processing::saveCombustionConfiguration(
            processing::referenceDatabase(),
            cropmodel::LeadingNumber(ui.zarnMPEHPSGUQuantity->text()));
        ui.zarnModPEHPSEngTotalBagasse->setText(cropmodel::PlainDecimal(totals.bagasse));
        ui.zarnModPEHPSEngTotalSteam->setText(cropmodel::PlainDecimal(totals.steam));
        ui.zarnModPEHPSEngPElec->setText(cropmodel::PlainDecimal(totals.potentialElectricity()));
        if (auto *energy = WindowRegistry::find<zarnModProcessEnergyForm>(
                QStringLiteral("zarnModProcessEnergyForm")))
            energy->showCombustion(totals);
        shared().gSteamBagasseRatio = totals.steamBagasseRatio();
    });
}

// "Select " of column 2 or 3: the shown columns are stored, the column is
// exchanged with column 1 in the chosen slot, and the exchanged slot is shown.
void zarnModPEHPSteamForm::selectColumn(int column) {
    if (!requireSlot())
        return;
    guarded([&] {
        showColumns(processing::selectColumn(processing::referenceDatabase(), m_kind, m_slot,
                                             column, efficiencies(), outputRates()));
    });
}

void zarnModPEHPSteamForm::on_zarnModPEHPSEngSelect2Button_clicked() {
    selectColumn(2);
}
void zarnModPEHPSteamForm::on_zarnModPEHPSEngSelect3Button_clicked() {
    selectColumn(3);
}

ZARN_REGISTER_WINDOW(zarnModPEHPSteamForm)

} // namespace zarn
