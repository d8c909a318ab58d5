#include "cropmodel/windows/CeresInSGEXPDispForm.h"

#include "cropmodel/editors.h"
#include "cropmodel/experiments.h"
#include "cropmodel/windows/CeresInSGEXPForm.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::ExperimentField;

namespace {
const QString kCreateText =
    QStringLiteral("Please enter the information below then press the SAVE button");
const QString kChangeText =
    QStringLiteral("Please change the information below then press the SAVE button");
const QString kFieldErrorText = QStringLiteral("One or more fields are in error. Please correct.");
const QString kAppendingText =
    QStringLiteral("Writing the records to the end of the file SGEXP.DIR");
const QString kChangingText = QStringLiteral("Changing the records in the file SGEXP.DIR");
const QString kDeletingText = QStringLiteral("Deleting the records in the file SGEXP.DIR");
} // namespace

CeresInSGEXPDispForm::CeresInSGEXPDispForm() {
    ui.setupUi(this);
}

void CeresInSGEXPDispForm::load() {
    const QString program = shared().gSystemPath;
    guarded([&] {
        ui.CeresInSGEXPDispInstituteCombo->addItems(cropmodel::DistinctFieldTexts(
            program, QStringLiteral("Institutes"), QStringLiteral("Institute")));
        ui.CeresInSGEXPDispSiteCombo->addItems(cropmodel::DistinctFieldTexts(
            program, QStringLiteral("Sites"), QStringLiteral("Sites")));
    });
    const QString request = shared().gExperimentRequest;
    const cropmodel::ExperimentRequest r = cropmodel::ParseExperimentRequest(request);
    m_mode = r.mode;
    m_code = r.code;
    if (m_mode == QStringLiteral("Create")) {
        ui.CeresInSGEXPDispMessagePanel->setText(kCreateText);
    } else if (m_mode == QStringLiteral("Change")) {
        ui.CeresInSGEXPDispMessagePanel->setText(kChangeText);
        fill(request);
    } else if (m_mode == QStringLiteral("Delete")) {
        fill(request);
    }
    shared().gExperimentRequest = m_mode + m_code;
}

void CeresInSGEXPDispForm::fill(const QString &request) {
    const cropmodel::ExperimentRequest r = cropmodel::ParseExperimentRequest(request);
    ui.CeresInSGEXPDispYearEdit->setText(r.yearText);
    ui.CeresInSGEXPDispNumberEdit->setText(r.numberText);
    ui.CeresInSGEXPDispTitleEdit->setText(r.title);
    guarded([&] {
        const QString program = shared().gSystemPath;
        const QString institute = cropmodel::NameOfCode(program, QStringLiteral("Institutes"),
                                                        QStringLiteral("Institute"),
                                                        QStringLiteral("Inst"), r.instCode());
        const QString site =
            cropmodel::NameOfCode(program, QStringLiteral("Sites"), QStringLiteral("Sites"),
                                  QStringLiteral("ShortSite"), r.siteCode());
        ui.CeresInSGEXPDispInstituteCombo->setCurrentIndex(
            ui.CeresInSGEXPDispInstituteCombo->findText(institute));
        ui.CeresInSGEXPDispSiteCombo->setCurrentIndex(ui.CeresInSGEXPDispSiteCombo->findText(site));
    });
    guarded([&] {
        const cropmodel::ExperimentRecord e =
            cropmodel::ReadExperiment(shared().gCeresPath, r.code).record;
        ui.CeresInSGEXPDispFile1Edit->setText(e.file1());
        ui.CeresInSGEXPDispFile2Edit->setText(e.file2());
        QLineEdit *files[] = {ui.CeresInSGEXPDispFile4Edit, ui.CeresInSGEXPDispFile5Edit,
                              ui.CeresInSGEXPDispFile6Edit, ui.CeresInSGEXPDispFile7Edit,
                              ui.CeresInSGEXPDispFile8Edit, ui.CeresInSGEXPDispFile9Edit};
        for (int n = 4; n <= 9; ++n)
            files[n - 4]->setText(e.file(n));
        ui.CeresInSGEXPDispFileAEdit->setText(e.fileA());
        ui.CeresInSGEXPDispFileBEdit->setText(e.fileB());
        QLineEdit *outs[] = {ui.CeresInSGEXPDispOut1Edit, ui.CeresInSGEXPDispOut2Edit,
                             ui.CeresInSGEXPDispOut3Edit, ui.CeresInSGEXPDispOut4Edit,
                             ui.CeresInSGEXPDispOut5Edit, ui.CeresInSGEXPDispOut6Edit};
        for (int n = 1; n <= 6; ++n)
            outs[n - 1]->setText(e.out(n));
    });
}

void CeresInSGEXPDispForm::on_CeresInSGEXPDispSaveButton_clicked() {
    const bool create = m_mode == QStringLiteral("Create");
    if (!create && m_mode != QStringLiteral("Change"))
        return;

    cropmodel::ExperimentFields f;
    f.institute = ui.CeresInSGEXPDispInstituteCombo->currentText();
    f.site = ui.CeresInSGEXPDispSiteCombo->currentText();
    f.year = ui.CeresInSGEXPDispYearEdit->text();
    f.number = ui.CeresInSGEXPDispNumberEdit->text();
    f.title = ui.CeresInSGEXPDispTitleEdit->text();
    f.file1 = ui.CeresInSGEXPDispFile1Edit->text();
    f.file2 = ui.CeresInSGEXPDispFile2Edit->text();
    // In window order, as ExperimentField counts them.
    QLineEdit *const edits[cropmodel::kExperimentFieldCount] = {
        ui.CeresInSGEXPDispYearEdit,  ui.CeresInSGEXPDispNumberEdit, ui.CeresInSGEXPDispTitleEdit,
        ui.CeresInSGEXPDispFile1Edit, ui.CeresInSGEXPDispFile2Edit,  ui.CeresInSGEXPDispFile4Edit,
        ui.CeresInSGEXPDispFile5Edit, ui.CeresInSGEXPDispFile6Edit,  ui.CeresInSGEXPDispFile7Edit,
        ui.CeresInSGEXPDispFile8Edit, ui.CeresInSGEXPDispFile9Edit,  ui.CeresInSGEXPDispFileAEdit,
        ui.CeresInSGEXPDispFileBEdit, ui.CeresInSGEXPDispOut1Edit,   ui.CeresInSGEXPDispOut2Edit,
        ui.CeresInSGEXPDispOut3Edit,  ui.CeresInSGEXPDispOut4Edit,   ui.CeresInSGEXPDispOut5Edit,
        ui.CeresInSGEXPDispOut6Edit};
    for (int i = 0; i < 6; ++i) {
        f.files[i] = edits[int(ExperimentField::File4) + i]->text();
        f.outs[i] = edits[int(ExperimentField::Out1) + i]->text();
    }
    f.fileA = ui.CeresInSGEXPDispFileAEdit->text();
    f.fileB = ui.CeresInSGEXPDispFileBEdit->text();

    SharedState &s = shared();
    s.gExperimentFieldError = 0;
    cropmodel::ExperimentFit fit;
    if (!guarded([&] { fit = cropmodel::FitExperimentFields(s.gSystemPath, f); }))
        return;
    for (int i = 0; i < cropmodel::kExperimentFieldCount; ++i)
        edits[i]->setStyleSheet(fit.tooLong[i] ? QStringLiteral("background-color: #ff0000;")
                                               : QString());
    s.gExperimentFieldError = fit.error ? 1 : 0;
    s.gExperimentLine1 = fit.record.line1;
    s.gExperimentLine2 = fit.record.line2;
    s.gExperimentLine3 = fit.record.line3;
    if (fit.error) {
        ui.CeresInSGEXPDispMessagePanel->setText(kFieldErrorText);
        return;
    }

    const QString code = fit.record.code();
    bool exists = false;
    if (!guarded([&] { exists = cropmodel::ReadExperiment(s.gCeresPath, code).found; }))
        return;
    if (create && exists) {
        const QString text = QStringLiteral("The experiment %1 is already in SGEXP.DIR; "
                                            "nothing was written. Please choose another code.")
                                 .arg(code);
        ui.CeresInSGEXPDispMessagePanel->setText(text);
        showMessage(text, windowTitle(), MsgIcon::Exclamation);
        return;
    }
    if (!create && !exists) {
        const QString text = QStringLiteral("The experiment %1 was not found in SGEXP.DIR; "
                                            "nothing was changed.")
                                 .arg(code);
        ui.CeresInSGEXPDispMessagePanel->setText(text);
        showMessage(text, windowTitle(), MsgIcon::Exclamation);
        return;
    }

    ui.CeresInSGEXPDispMessagePanel->setText(create ? kAppendingText : kChangingText);
    const bool written = guarded([&] {
        if (create)
            cropmodel::AppendExperiment(s.gCeresPath, fit.record);
        else
            cropmodel::ReplaceExperiment(s.gCeresPath, fit.record);
    });
    if (!written)
        return;
    refreshList(code);
    close();
}

void CeresInSGEXPDispForm::on_CeresInSGEXPDispDeleteButton_clicked() {
    if (m_code.trimmed().isEmpty())
        return;
    ui.CeresInSGEXPDispMessagePanel->setText(kDeletingText);
    if (!guarded([&] { cropmodel::DeleteExperiment(shared().gCeresPath, m_code); }))
        return;
    if (shared().gExperimentFieldError == 0)
        refreshList(QString());
    close();
}

void CeresInSGEXPDispForm::refreshList(const QString &code) {
    if (auto *list = WindowRegistry::find<CeresInSGEXPForm>(QStringLiteral("CeresInSGEXPForm")))
        list->refresh(code);
}

void CeresInSGEXPDispForm::on_CeresInSGEXPDispOKButton_clicked() {
    close();
}

void CeresInSGEXPDispForm::on_CeresInSGEXPDispCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInSGEXPDispForm)

} // namespace zarn
