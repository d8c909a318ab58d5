#include "cropmodel/windows/CeresInVarietyForm.h"
#include "cropmodel/numbers.h"

#include "cropmodel/inputfiles.h"
#include "cropmodel/windows/CERESInCropManageForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::PlainDecimal;

CeresInVarietyForm::CeresInVarietyForm() {
    ui.setupUi(this);
}

void CeresInVarietyForm::load() {
    m_loading = true;
    guarded([&] { m_varieties = cropmodel::ReadVarietyRows(shared().gSystemPath); });
    for (const cropmodel::VarietyRow &v : m_varieties)
        ui.CeresInVarietyList->addItem(v.name);
    for (int row = 0; row < int(m_varieties.size()); ++row)
        if (m_varieties[row].name == shared().gSorghumVariety) {
            ui.CeresInVarietyList->setCurrentRow(row);
            showVariety(row);
        }
    m_loading = false;
}

void CeresInVarietyForm::showVariety(int row) {
    const cropmodel::VarietyRow &v = m_varieties[row];
    ui.CeresInVarietyNumberPanel->setText(PlainDecimal(v.number));
    ui.CeresInVarietyJuvenilePanel->setText(PlainDecimal(v.degDaysJuvenile));
    ui.CeresInVarietyPhotoperiodPanel->setText(PlainDecimal(v.photoperiod));
    ui.CeresInVarietySpeedPanel->setText(PlainDecimal(v.speedOfDevelopment));
    ui.CeresInVarietyMaturityPanel->setText(PlainDecimal(v.degDaysMaturity));
    ui.CeresInVarietyCorrection1Panel->setText(PlainDecimal(v.correction1));
    ui.CeresInVarietyCorrection2Panel->setText(PlainDecimal(v.correction2));
}

void CeresInVarietyForm::on_CeresInVarietyList_currentRowChanged(int row) {
    if (m_loading || row < 0 || row >= int(m_varieties.size()))
        return;
    showVariety(row);
    shared().gSorghumVariety = m_varieties[row].name;
    shared().gVarietyNumber = std::int16_t(m_varieties[row].number);
}

void CeresInVarietyForm::on_CeresInVarietyOKButton_clicked() {
    const int row = ui.CeresInVarietyList->currentRow();
    if (row < 0 || row >= int(m_varieties.size())) {
        close();
        return;
    }
    const cropmodel::VarietyRow &chosen = m_varieties[row];
    cropmodel::VarietyValues v;
    v.number = chosen.number;
    v.name = ui.CeresInVarietyList->item(row)->text();
    v.degDaysJuvenile = chosen.degDaysJuvenile;
    v.photoperiod = chosen.photoperiod;
    v.speedOfDevelopment = chosen.speedOfDevelopment;
    v.degDaysMaturity = chosen.degDaysMaturity;
    v.correction1 = chosen.correction1;
    v.correction2 = chosen.correction2;
    if (!guarded([&] { cropmodel::WriteVariety(shared().gCeresPath, v); }))
        return;
    // CROPMAN.sg8 line 1 is written from the crop-management window's variety.
    if (auto *cm =
            WindowRegistry::find<CERESInCropManageForm>(QStringLiteral("CERESInCropManageForm")))
        cm->setVariety(PlainDecimal(chosen.number), chosen.name.trimmed());
    close();
}

void CeresInVarietyForm::on_CeresInVarietyCancelButton_clicked() {
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

void CeresInVarietyForm::on_CeresInVarietyHelpButton_clicked() {
    showMessage(QStringLiteral("Help under construction"), QStringLiteral("ZARN Help"),
                MsgIcon::Information);
}

ZARN_REGISTER_WINDOW(CeresInVarietyForm)

} // namespace zarn
