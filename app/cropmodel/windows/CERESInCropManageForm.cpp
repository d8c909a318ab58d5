#include "cropmodel/windows/CERESInCropManageForm.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/editors.h"
#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "shell/defaults.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::PlainDecimal;

CERESInCropManageForm::CERESInCropManageForm() {
    ui.setupUi(this);
}

void CERESInCropManageForm::load() {
    SharedState &s = shared();
    ui.CERESInCMInstitutePanel->setText(s.gInstitute);
    ui.CERESInCMSitePanel->setText(s.gSite);
    ui.CERESInCMTitleEdit->clear();
    ui.CERESInCMTitleCountPanel->setText(QStringLiteral("0"));
    ui.CERESInCMYearEdit->setText(QString::number(s.gCurrentYear));
    ui.CERESInCMVarietyNamePanel->setText(s.gSorghumVariety.trimmed());
    ui.CERESInCMVarietyNumberPanel->setText(QString::number(s.gVarietyNumber));

    guarded([&] {
        const cropmodel::CatalogueSoil soil = cropmodel::FindCatalogueSoil(s.gSystemPath, s.gSoil);
        if (soil.found)
            setSoil(soil.number.trimmed(), soil.name.trimmed());
    });

    guarded([&] {
        const std::optional<cropmodel::CropManagementValues> read =
            cropmodel::ReadCropManagement(s.gCeresPath);
        if (!read)
            return;
        m_values = *read;
        ui.CERESInCMStartDayEdit->setText(PlainDecimal(m_values.startDay));
        ui.CERESInCMPlantingDayEdit->setText(PlainDecimal(m_values.plantingDay));
        setSowing(m_values.plantDensity, m_values.rowSpacing, m_values.plantingDepth);
        s.gIrrigationOption = std::int16_t(m_values.irrigationOption);
        s.gNitrogenOption = float(m_values.nitrogenOption);
        s.gIrrigationEfficiency = float(m_values.irrigationEfficiency);
        s.gIrrigationSoilDepth = float(m_values.irrigationSoilDepth);
        s.gIrrigationUsable = float(m_values.irrigationUsable);
        // The title written last time (columns 13-52 of line 1), so that
        // "OK" does not wipe it.
        const QStringList lines =
            cropmodel::readLines(s.gCeresPath, cropmodel::kCropManagementReadName);
        const QString title = cropmodel::column(lines.value(0), 13, cropmodel::kTitleWidth);
        int end = int(title.size());
        while (end > 0 && title[end - 1] == u' ')
            --end;
        ui.CERESInCMTitleEdit->setText(title.left(end));
        ui.CERESInCMTitleCountPanel->setText(QString::number(end));
    });

    // Shown after the file is read, so the window shows the option "OK" writes.
    ui.CERESInCMIrrigationPanel->setText(cropmodel::IrrigationOptionText(s.gIrrigationOption));
    ui.CERESInCMFertilisePanel->setText(cropmodel::NitrogenOptionText(s.gNitrogenOption));
}

void CERESInCropManageForm::setSowing(double density, double spacing, double depth) {
    m_values.plantDensity = density;
    m_values.rowSpacing = spacing;
    m_values.plantingDepth = depth;
    ui.CERESInCMDensityPanel->setText(PlainDecimal(density));
    ui.CERESInCMSpacingPanel->setText(PlainDecimal(spacing));
    ui.CERESInCMDepthPanel->setText(PlainDecimal(depth));
}

void CERESInCropManageForm::setSoil(const QString &number, const QString &name) {
    ui.CERESInCMSoilNumberPanel->setText(number);
    ui.CERESInCMSoilNamePanel->setText(name);
}

void CERESInCropManageForm::setVariety(const QString &number, const QString &name) {
    ui.CERESInCMVarietyNumberPanel->setText(number);
    ui.CERESInCMVarietyNamePanel->setText(name);
}

void CERESInCropManageForm::on_CERESInCMTitleEdit_textEdited(const QString &text) {
    ui.CERESInCMTitleCountPanel->setText(QString::number(text.size()));
    if (text.size() > cropmodel::kTitleWidth)
        showMessage(cropmodel::kTitleTooLongText, cropmodel::kTitleTooLongTitle,
                    MsgIcon::Exclamation);
}

void CERESInCropManageForm::on_CERESInCMYearEdit_textChanged(const QString &text) {
    bool ok = false;
    const int year = text.trimmed().toInt(&ok);
    if (ok && year >= -32768 && year <= 32767)
        shared().gCurrentYear = std::int16_t(year);
}

void CERESInCropManageForm::on_CERESInCMSowingChangeButton_clicked() {
    WindowRegistry::show(QStringLiteral("CERESInCMPlantDensitiesForm"));
}

void CERESInCropManageForm::on_CERESInCMSoilChangeButton_clicked() {
    WindowRegistry::show(QStringLiteral("ceresoil"));
}

void CERESInCropManageForm::on_CERESInCMVarietyChangeButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresInVarietyForm"));
}

void CERESInCropManageForm::on_CERESInCMIrrigationChangeButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresInIrrigationForm"));
}

void CERESInCropManageForm::on_CERESInCMFertiliseChangeButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresInNitrogenForm"));
}

void CERESInCropManageForm::on_CERESInCMVerifyMetButton_clicked() {
    WindowRegistry::show(QStringLiteral("crswthfileviewform"));
}

void CERESInCropManageForm::on_CERESInCMSaveDefaultsButton_clicked() {
    guarded([] { SaveDefaultsRecord(); });
}

void CERESInCropManageForm::on_CERESInCMOKButton_clicked() {
    const SharedState &s = shared();
    cropmodel::CropManagementHeader header;
    header.inst = s.gInst;
    header.shortSite = s.gShortSite;
    header.yearText = ui.CERESInCMYearEdit->text();
    header.title = ui.CERESInCMTitleEdit->text();
    header.soilNumber = ui.CERESInCMSoilNumberPanel->text();
    header.varietyNumber = ui.CERESInCMVarietyNumberPanel->text();

    cropmodel::CropManagementValues v = m_values;
    v.startDay = cropmodel::LeadingNumber(ui.CERESInCMStartDayEdit->text());
    v.plantingDay = cropmodel::LeadingNumber(ui.CERESInCMPlantingDayEdit->text());
    v.irrigationOption = s.gIrrigationOption;
    v.nitrogenOption = s.gNitrogenOption;
    v.irrigationEfficiency = s.gIrrigationEfficiency;
    v.irrigationSoilDepth = s.gIrrigationSoilDepth;
    v.irrigationUsable = s.gIrrigationUsable;
    if (guarded([&] { cropmodel::WriteCropManagement(s.gCeresPath, header, v); }))
        close();
}

void CERESInCropManageForm::on_CERESInCMCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CERESInCropManageForm)

} // namespace zarn
