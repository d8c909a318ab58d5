#include "cropmodel/windows/CeresInLeafForm.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/editors.h"
#include "cropmodel/inputfiles.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresInLeafForm::CeresInLeafForm() {
    ui.setupUi(this);
}

void CeresInLeafForm::load() {
    const SharedState &s = shared();
    ui.CeresInLeafVarietyPanel->setText(s.gSorghumVariety);
    guarded([&] {
        const std::vector<cropmodel::VarietyRow> varieties =
            cropmodel::ReadVarietyRows(s.gSystemPath);
        for (const cropmodel::LeafGroup &group : cropmodel::ReadLeafCatalogue(s.gSystemPath)) {
            // The last Variety row of the group's number names it.
            QString name;
            for (const cropmodel::VarietyRow &v : varieties)
                if (v.number == group.varietyNumber)
                    name = v.name;
            ui.CeresInLeafList->addItem(cropmodel::LeafListLine(group.lines.value(0), name));
            m_groupVarieties.push_back(group.varietyNumber);
            if (name == s.gSorghumVariety)
                ui.CeresInLeafList->setCurrentRow(ui.CeresInLeafList->count() - 1);
        }
    });
}

void CeresInLeafForm::on_CeresInLeafOKButton_clicked() {
    const int row = ui.CeresInLeafList->currentRow();
    if (row < 0 || row >= int(m_groupVarieties.size())) {
        showMessage(QStringLiteral("Please choose a leaf group in the list; DVPTLEAF.SG was not "
                                   "changed."),
                    windowTitle(), MsgIcon::Exclamation);
        return;
    }
    const SharedState &s = shared();
    if (guarded(
            [&] { cropmodel::CopyLeafGroup(s.gSystemPath, s.gCeresPath, m_groupVarieties[row]); }))
        close();
}

void CeresInLeafForm::on_CeresInLeafCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresInLeafForm)

} // namespace zarn
