#include "cropmodel/windows/CeresInNitrogenForm.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "cropmodel/windows/CERESInCropManageForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::PlainDecimal;

CeresInNitrogenForm::CeresInNitrogenForm() {
    ui.setupUi(this);
}

void CeresInNitrogenForm::load() {
    const SharedState &s = shared();
    ui.CeresInNitrogenInstitutePanel->setText(s.gInstitute);
    ui.CeresInNitrogenSitePanel->setText(s.gSite);
    ui.CeresInNitrogenYearPanel->setText(QString::number(s.gCurrentYear));
    // Text typed into the list is taken as it stands, never added to it.
    ui.CeresInNitrogenList->setInsertPolicy(QComboBox::NoInsert);
    guarded([&] {
        bool shown = false;
        for (const cropmodel::NitrogenRecord &r : cropmodel::ReadNitrogenCatalogue(s.gSystemPath)) {
            ui.CeresInNitrogenList->addItem(r.line);
            if (!shown && r.treatment == 1) {
                showRecord(r.line);
                ui.CeresInNitrogenList->setCurrentIndex(ui.CeresInNitrogenList->count() - 1);
                ui.CeresInNitrogenList->setEditText(r.line);
                shown = true;
            }
        }
    });
    if (s.gNitrogenOption == 0)
        ui.CeresInNitrogenNoStressOption->setChecked(true);
    else if (s.gNitrogenOption == 1)
        ui.CeresInNitrogenFileOption->setChecked(true);
    ui.CeresInNitrogenScheduleButton->setVisible(s.gNitrogenOption == 1);
}

void CeresInNitrogenForm::showRecord(const QString &line) {
    const cropmodel::NitrogenRecord r = cropmodel::NitrogenRecordFromLine(line);
    ui.CeresInNitrogenMassEdit->setText(PlainDecimal(r.residueMass));
    ui.CeresInNitrogenDepthEdit->setText(PlainDecimal(r.residueDepth));
    ui.CeresInNitrogenRatioEdit->setText(PlainDecimal(r.carbonNitrogen));
    ui.CeresInNitrogenRootEdit->setText(PlainDecimal(r.residueWeight));
}

void CeresInNitrogenForm::on_CeresInNitrogenList_activated(int index) {
    const QString line = ui.CeresInNitrogenList->itemText(index);
    if (cropmodel::NitrogenLineTreatment(line) != 1) {
        showMessage(cropmodel::kTreatmentErrorText, cropmodel::kTreatmentErrorTitle,
                    MsgIcon::Critical);
        return;
    }
    showRecord(line);
}

void CeresInNitrogenForm::choose(int option) {
    shared().gNitrogenOption = float(option);
    ui.CeresInNitrogenScheduleButton->setVisible(option == 1);
}

void CeresInNitrogenForm::on_CeresInNitrogenNoStressOption_clicked() {
    choose(0);
}

void CeresInNitrogenForm::on_CeresInNitrogenFileOption_clicked() {
    choose(1);
}

void CeresInNitrogenForm::on_CeresInNitrogenScheduleButton_clicked() {
    WindowRegistry::show(QStringLiteral("CERESInCMNitrogenAutoApplic"));
}

void CeresInNitrogenForm::on_CeresInNitrogenOKButton_clicked() {
    const SharedState &s = shared();
    cropmodel::NitrogenBalance n;
    n.inst = s.gInst;
    n.shortSite = s.gShortSite;
    n.yearText = QString::number(s.gCurrentYear);
    n.residueMass = cropmodel::LeadingNumber(ui.CeresInNitrogenMassEdit->text());
    n.residueDepth = cropmodel::LeadingNumber(ui.CeresInNitrogenDepthEdit->text());
    n.carbonNitrogen = cropmodel::LeadingNumber(ui.CeresInNitrogenRatioEdit->text());
    n.residueWeight = cropmodel::LeadingNumber(ui.CeresInNitrogenRootEdit->text());
    if (!guarded([&] { cropmodel::WriteNitrogenBalance(s.gCeresPath, n); }))
        return;
    if (auto *cm =
            WindowRegistry::find<CERESInCropManageForm>(QStringLiteral("CERESInCropManageForm")))
        cm->ui.CERESInCMFertilisePanel->setText(cropmodel::NitrogenOptionText(s.gNitrogenOption));
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

void CeresInNitrogenForm::on_CeresInNitrogenCancelButton_clicked() {
    close();
    WindowRegistry::show(QStringLiteral("CERESInCropManageForm"));
}

ZARN_REGISTER_WINDOW(CeresInNitrogenForm)

} // namespace zarn
