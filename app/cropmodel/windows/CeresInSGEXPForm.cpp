#include "cropmodel/windows/CeresInSGEXPForm.h"

#include "cropmodel/experiments.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/widgets3d.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
const QString kNoLineChosenText =
    QStringLiteral("Please choose an experiment in the list first; nothing was opened.");
}

CeresInSGEXPForm::CeresInSGEXPForm() {
    ui.setupUi(this);
}

void CeresInSGEXPForm::load() {
    guarded(
        [&] { ui.CeresInSGEXPList->addItems(cropmodel::ReadExperimentList(shared().gCeresPath)); });
}

void CeresInSGEXPForm::refresh(const QString &code) {
    const QSignalBlocker block(ui.CeresInSGEXPList);
    ui.CeresInSGEXPList->clear();
    guarded(
        [&] { ui.CeresInSGEXPList->addItems(cropmodel::ReadExperimentList(shared().gCeresPath)); });
    for (int row = 0; row < ui.CeresInSGEXPList->count(); ++row)
        if (ui.CeresInSGEXPList->item(row)->text().left(8) == code)
            ui.CeresInSGEXPList->setCurrentRow(row);
    showExperiment(code);
}

void CeresInSGEXPForm::on_CeresInSGEXPList_currentRowChanged(int row) {
    if (row < 0)
        return;
    showExperiment(ui.CeresInSGEXPList->item(row)->text().left(8));
}

void CeresInSGEXPForm::showExperiment(const QString &code) {
    guarded([&] {
        const cropmodel::FoundExperiment found =
            cropmodel::ReadExperiment(shared().gCeresPath, code);
        const cropmodel::ExperimentRecord &r = found.record;
        ui.CeresInSGEXPFile1Panel->setText(r.file1());
        ui.CeresInSGEXPFile2Panel->setText(r.file2());
        Panel3D *files[] = {ui.CeresInSGEXPFile4Panel, ui.CeresInSGEXPFile5Panel,
                            ui.CeresInSGEXPFile6Panel, ui.CeresInSGEXPFile7Panel,
                            ui.CeresInSGEXPFile8Panel, ui.CeresInSGEXPFile9Panel};
        for (int n = 4; n <= 9; ++n)
            files[n - 4]->setText(r.file(n));
        ui.CeresInSGEXPFileAPanel->setText(r.fileA());
        ui.CeresInSGEXPFileBPanel->setText(r.fileB());
        Panel3D *outs[] = {ui.CeresInSGEXPOut1Panel, ui.CeresInSGEXPOut2Panel,
                           ui.CeresInSGEXPOut3Panel, ui.CeresInSGEXPOut4Panel,
                           ui.CeresInSGEXPOut5Panel, ui.CeresInSGEXPOut6Panel};
        for (int n = 1; n <= 6; ++n)
            outs[n - 1]->setText(r.out(n));
    });
}

void CeresInSGEXPForm::request(const QString &mode) {
    QListWidgetItem *chosen = ui.CeresInSGEXPList->currentItem();
    if (mode != QStringLiteral("Create") && !chosen) {
        showMessage(kNoLineChosenText, windowTitle(), MsgIcon::Exclamation);
        return;
    }
    shared().gExperimentRequest = mode + (chosen ? chosen->text() : QString());
    // A fresh amendment window for every request, so it loads with this one.
    WindowRegistry::close(QStringLiteral("CeresInSGEXPDispForm"));
    WindowRegistry::show(QStringLiteral("CeresInSGEXPDispForm"));
}

void CeresInSGEXPForm::on_CeresInSGEXPCreateButton_clicked() {
    request(QStringLiteral("Create"));
}

void CeresInSGEXPForm::on_CeresInSGEXPChangeButton_clicked() {
    request(QStringLiteral("Change"));
}

void CeresInSGEXPForm::on_CeresInSGEXPDeleteButton_clicked() {
    request(QStringLiteral("Delete"));
}

void CeresInSGEXPForm::on_CeresInSGEXPOKButton_clicked() {
    close();
}

void CeresInSGEXPForm::on_CeresInSGEXPCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInSGEXPForm)

} // namespace zarn
