#include "data/windows/ResInstituteForm.h"

#include "data/sites.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
db::Database openDatabase() {
    return db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb"));
}
} // namespace

ResInstituteForm::ResInstituteForm() {
    ui.setupUi(this);
}

void ResInstituteForm::load() {
    guarded([&] {
        const db::Database db = openDatabase();
        const QStringList names = db::InstituteNames(db);
        ui.ResInstituteList->addItems(names);
        ui.ResInstituteList->setCurrentText(QStringLiteral(" "));
        if (names.contains(shared().gInstitute)) {
            ui.ResInstituteList->setCurrentText(shared().gInstitute);
            // Its code is shown too, so that "Save" keeps it.
            ui.ResInst->setText(db::InstituteCode(db, shared().gInstitute).value_or(QString()));
        } else if (!names.isEmpty()) {
            ui.ResInstituteList->setCurrentText(names.first());
            ui.ResInst->setText(db::InstituteCode(db, names.first()).value_or(QString()));
        }
    });
}

void ResInstituteForm::on_ResInstituteList_currentTextChanged(const QString &text) {
    ui.ResInstituteName->setText(text);
}

void ResInstituteForm::on_ResInstituteList_activated(int) {
    showCode();
}

void ResInstituteForm::showCode() {
    guarded([&] {
        if (auto code = db::InstituteCode(openDatabase(), ui.ResInstituteList->currentText()))
            ui.ResInst->setText(*code);
    });
}

void ResInstituteForm::rebuildList() {
    const QStringList names = db::InstituteNames(openDatabase());
    ui.ResInstituteList->clear();
    ui.ResInstituteList->addItems(names);
    ui.ResInstituteList->setCurrentText(names.isEmpty() ? QString() : names.last());
}

void ResInstituteForm::on_ResInstituteCreate_clicked() {
    ui.ResInstituteName->setText(QStringLiteral(" "));
    ui.ResInst->setText(QStringLiteral(" "));
    ui.ResInstituteName->setFocus();
}

void ResInstituteForm::on_ResInstituteSave_clicked() {
    guarded([&] {
        db::SaveInstitute(openDatabase(), ui.ResInstituteName->text(), ui.ResInst->text());
        rebuildList();
    });
}

void ResInstituteForm::on_ResInstituteDelete_clicked() {
    guarded([&] {
        db::DeleteInstitute(openDatabase(), ui.ResInstituteName->text());
        rebuildList();
        ui.ResInstituteName->setText(QStringLiteral(" "));
        ui.ResInst->setText(QStringLiteral(" "));
    });
}

ZARN_REGISTER_WINDOW(ResInstituteForm)

} // namespace zarn
