#include "processing/windows/zarnModProcessEnergyForm.h"

#include "cropmodel/numbers.h"
#include "processing/modules.h"
#include "processing/processenergy.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnModProcessEnergyForm::zarnModProcessEnergyForm() {
    ui.setupUi(this);
    // The caption is a single blank, which the layout file cannot carry.
    setWindowTitle(QStringLiteral(" "));
}

// The mill's hourly requirements for the default crushing method. The hourly
// HP-steam figure stays in this window: gDailyHPSteam is the calculation
// window's daily figure, which the mill window shows.
void zarnModProcessEnergyForm::load() {
    guarded([this] {
        const processing::MillRequirements r = processing::millRequirements(
            processing::referenceDatabase(), shared().gCrushingMethod, shared().gCrushRate);
        shared().gCrushRate = r.crushRate;
        ui.zarnModPEHPSteamReqd->setText(cropmodel::PlainDecimal(r.hpSteam()));
        ui.zarnModPEBagasseGJ->setText(cropmodel::FormatNumber(r.bagasseEnergy(), "####.#"));
        ui.zarnModPEBagasseth->setText(cropmodel::FormatNumber(r.bagasse(), "####.#"));
        ui.zarnModPECrushRate->setText(cropmodel::PlainDecimal(r.crushRate));
    });
}

void zarnModProcessEnergyForm::showCombustion(const processing::CombustionTotals &totals) {
    ui.zarnModPEBagasse->setText(cropmodel::PlainDecimal(totals.bagasse));
    ui.zarnModPECombustionTotal->setText(cropmodel::PlainDecimal(totals.steam));
    ui.zarnModPEPElec->setText(cropmodel::PlainDecimal(totals.potentialElectricity()));
    ui.zarnModPESteam->setText(cropmodel::PlainDecimal(totals.processSteam()));
}

void zarnModProcessEnergyForm::showGasification(const processing::GasifierTotals &totals) {
    ui.zarnPEGasBagasse->setText(cropmodel::PlainDecimal(totals.bagasse));
    ui.zarnPEGasHPSteam->setText(cropmodel::PlainDecimal(totals.steam));
    ui.zarnPEGasElectricity->setText(cropmodel::PlainDecimal(totals.electricity));
    ui.zarnModPEGasificationTotal->setText(cropmodel::PlainDecimal(totals.totalEnergy()));
}

// Fills the ten slots of the kind with the catalogue's last unit of its type
// and opens the configuration window; a refused fill opens nothing.
void zarnModProcessEnergyForm::configure(processing::UnitKind kind, const QString &window) {
    if (guarded([&] { processing::fillSlots(processing::referenceDatabase(), kind); }))
        WindowRegistry::show(window);
}

void zarnModProcessEnergyForm::on_zarnModPEHPSEngOKButton_clicked() {
    close();
}

void zarnModProcessEnergyForm::on_zarnModPEHPSEngancelButton_clicked() {
    close();
}

void zarnModProcessEnergyForm::on_CombustOrGasToggle_clicked() {
    ui.CombustOrGasToggle->setText(processing::toggledCaption(ui.CombustOrGasToggle->text()));
}

void zarnModProcessEnergyForm::on_zarnCalcPESteamConfiguration_clicked() {
    configure(processing::UnitKind::Combustion, QStringLiteral("zarnModPEHPSteamForm"));
}

void zarnModProcessEnergyForm::on_zarnModPEGasifForm_clicked() {
    configure(processing::UnitKind::Gasifier, QStringLiteral("zarnModPEGasifierForm"));
}

ZARN_REGISTER_WINDOW(zarnModProcessEnergyForm)

} // namespace zarn
