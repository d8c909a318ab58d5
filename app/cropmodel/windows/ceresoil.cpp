#include "cropmodel/windows/ceresoil.h"

#include "cropmodel/numbers.h"
#include "cropmodel/soils.h"
#include "cropmodel/windows/CERESInCropManageForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::PlainDecimal;

ceresoil::ceresoil() {
    ui.setupUi(this);
}

void ceresoil::load() {
    ui.CeresoilInitFrame->setVisible(false);
    m_loading = true;
    guarded([&] { m_soils = cropmodel::ReadSoilRows(shared().gSystemPath); });
    for (const cropmodel::SoilRow &soil : m_soils)
        ui.CeresoilList->addItem(cropmodel::SoilListLine(soil));
    for (int row = 0; row < int(m_soils.size()); ++row)
        if (m_soils[row].idumsl == shared().gSoil) {
            ui.CeresoilList->setCurrentRow(row);
            showSoil(row);
        }
    m_loading = false;
}

void ceresoil::showSoil(int row) {
    const cropmodel::SoilRow &soil = m_soils[row];
    ui.CeresoilNumberPanel->setText(PlainDecimal(soil.idumsl));
    ui.CeresoilPedonPanel->setText(soil.pedon);
    ui.CeresoilTaxonPanel->setText(soil.taxon);
    ui.CeresoilAlbedoPanel->setText(PlainDecimal(soil.salb));
    ui.CeresoilEvapPanel->setText(PlainDecimal(soil.u));
    ui.CeresoilDrainagePanel->setText(PlainDecimal(soil.swcon));
    ui.CeresoilUnknownPanel->setText(PlainDecimal(soil.cn2));
    ui.CeresoilAvgTempPanel->setText(PlainDecimal(soil.tav));
    ui.CeresoilTempAmpPanel->setText(PlainDecimal(soil.amp));
    ui.CeresoilHumusPanel->setText(PlainDecimal(soil.dmod));
    ui.CeresoilRootAbsPanel->setText(PlainDecimal(soil.rwumx));
    ui.CeresoilLayerList->clear();
    for (const auto &layer : soil.layers)
        ui.CeresoilLayerList->addItem(cropmodel::SoilLayerLine(layer));
}

void ceresoil::on_CeresoilList_currentRowChanged(int row) {
    if (m_loading || row < 0 || row >= int(m_soils.size()))
        return;
    showSoil(row);
    ui.CeresoilInitFrame->setVisible(true);
    // The soil's own number, whatever its width in the list line.
    const int number = int(m_soils[row].idumsl);
    const SharedState &s = shared();
    guarded([&] { cropmodel::WriteInitialConditions(s.gSystemPath, s.gCeresPath, number); });
}

void ceresoil::on_CeresoilOKButton_clicked() {
    const int number = int(cropmodel::LeadingNumber(ui.CeresoilNumberPanel->text()));
    const SharedState &s = shared();
    if (!guarded([&] { cropmodel::WriteSoilProfile(s.gSystemPath, s.gCeresPath, number); }))
        return;
    if (auto *cm =
            WindowRegistry::find<CERESInCropManageForm>(QStringLiteral("CERESInCropManageForm")))
        cm->setSoil(ui.CeresoilNumberPanel->text(), ui.CeresoilTaxonPanel->text());
    shared().gSoil = std::int16_t(number);
    close();
}

void ceresoil::on_CeresoilCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(ceresoil)

} // namespace zarn
