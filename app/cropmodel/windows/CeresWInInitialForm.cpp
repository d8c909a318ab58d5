#include "cropmodel/windows/CeresWInInitialForm.h"
#include "shell/defaults.h"

#include "cropmodel/textfiles.h"
#include "cropmodel/weather.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresWInInitialForm::CeresWInInitialForm() {
    ui.setupUi(this);
}

void CeresWInInitialForm::load() {
    const QString database = zarn::referenceDatabase(shared().gSystemPath);
    const auto fill = [](QComboBox *list, QLineEdit *code,
                         const QList<cropmodel::NameAndCode> &rows) {
        for (const auto &row : rows)
            list->addItem(row.name);
        if (!rows.isEmpty()) {
            list->setCurrentIndex(int(rows.size()) - 1);
            code->setText(rows.last().code);
        }
    };
    guarded([&] {
        fill(ui.CeresWInInitialInstituteList, ui.CeresWInInitialInstCode,
             cropmodel::ReadInstituteCodes(database));
    });
    guarded([&] {
        fill(ui.CeresWInInitialSiteList, ui.CeresWInInitialSiteCode,
             cropmodel::ReadSiteCodes(database));
    });
}

void CeresWInInitialForm::on_CeresWInInitialOKButton_clicked() {
    close();
}

void CeresWInInitialForm::on_CeresWInInitialCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresWInInitialForm)

} // namespace zarn
