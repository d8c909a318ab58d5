#include "shell/windows/zarnDefmMoreForm.h"

#include "data/database.h"
#include "shell/defaults.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QDate>

namespace zarn {

namespace {
// The list shows the current value, whether or not it is one of its entries.
void fillList(QComboBox *list, const QStringList &entries, const QString &current) {
    list->clear();
    list->addItems(entries);
    const int index = list->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    else
        list->setEditText(current);
}
} // namespace

zarnDefmMoreForm::zarnDefmMoreForm() {
    ui.setupUi(this);
}

void zarnDefmMoreForm::load() {
    const SharedState &g = shared();
    ui.zarnDefCERESPath->setText(g.gCeresPath);
    ui.zarnDefPathDisplay->setText(g.gSystemPath);
    ui.zarnDefmYear->setText(QString::number(QDate::currentDate().year()));
    // The institute and site lists show the current ones; they are chosen in
    // the institute and site windows, not here.
    guarded([this, &g] {
        db::Database database = db::Database::open(referenceDatabase(g.gSystemPath));
        const QStringList institutes =
            fieldTexts(database, QStringLiteral("Institutes"), QStringLiteral("Institute"));
        const QStringList sites =
            fieldTexts(database, QStringLiteral("Sites"), QStringLiteral("Sites"));
        database.close();
        fillList(ui.zarnDefmMoreInstitute, institutes, g.gInstitute);
        fillList(ui.zarnDefmSite, sites, g.gSite);
    });
}

// A whole year from 1 to 9999 is taken at once; anything else leaves the
// working year as it was.
void zarnDefmMoreForm::on_zarnDefmYear_textEdited(const QString &text) {
    if (const auto year = yearOf(text))
        shared().gCurrentYear = *year;
}

void zarnDefmMoreForm::on_zarnDefPathButton_clicked() {
    WindowRegistry::show(QStringLiteral("zarnDefPathForm"));
}

void zarnDefmMoreForm::on_ZARNDefWCLocButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNDefWinCeresPathForm"));
}

void zarnDefmMoreForm::on_zarnDefmOKButton_clicked() {
    close();
}

void zarnDefmMoreForm::on_zarnDefMoreCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnDefmMoreForm)

} // namespace zarn
