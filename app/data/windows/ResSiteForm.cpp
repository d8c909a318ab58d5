#include "data/windows/ResSiteForm.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QLabel>

namespace zarn {

namespace {
db::Database openDatabase() {
    return db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb"));
}
bool handingOver() {
    return shared().gSiteFormMode == QLatin1String("NEW") ||
           shared().gSiteFormMode == QLatin1String("EDIT");
}
} // namespace

ResSiteForm::ResSiteForm() {
    ui.setupUi(this);
}

void ResSiteForm::load() {
    // The soil catalogue is read once; a missing one is said once.
    guarded([&] { m_soilHeaders = db::SoilHeaders(shared().gSystemPath); });
    fillList(handingOver() ? shared().gSiteEdited : shared().gSite);
}

void ResSiteForm::fillList(const QString &select) {
    QStringList names;
    guarded([&] { names = db::SiteNames(openDatabase()); });
    QSignalBlocker blocker(ui.ResSiteList);
    ui.ResSiteList->clear();
    ui.ResSiteList->addItems(names);
    ui.ResSiteList->setCurrentIndex(names.indexOf(select));
    blocker.unblock();
    if (ui.ResSiteList->currentIndex() >= 0)
        showDetails(ui.ResSiteList->currentText());
}

void ResSiteForm::on_ResSiteList_currentTextChanged(const QString &text) {
    showDetails(text);
}

// Shows the site's fields and the header of its default soil. Browsing
// changes no shared value: the soil becomes current with the site, on "OK".
void ResSiteForm::showDetails(const QString &site) {
    std::optional<db::SiteEntry> s;
    const bool read = guarded([&] { s = db::FindSite(openDatabase(), site); });
    m_shown = s;
    if (!read || !s)
        return;
    const std::pair<QLabel *, QString> panels[] = {
        {ui.ResSiteCountry, s->country},       {ui.ResSiteLat, s->latitude},
        {ui.ResSiteLong, s->longitude},        {ui.ResSiteAddress1, s->address1},
        {ui.ResSiteAddress2, s->address2},     {ui.ResSiteEmail, s->email},
        {ui.ResSitePhone, s->phone},           {ui.ResSiteFax, s->fax},
        {ui.ResSitePostalCode, s->postalCode}, {ui.ResSiteCity, s->city},
        {ui.ResSiteShortSite, s->shortSite},   {ui.ResSiteElevation, s->elevation},
    };
    for (const auto &[panel, value] : panels)
        panel->setText(value);
    for (const QString &header : m_soilHeaders)
        if (db::SoilNumberOfHeader(header) == s->defaultSoil)
            ui.ResSiteDefSoil->setText(header);
}

void ResSiteForm::on_ResSiteAddNewButton_clicked() {
    shared().gSiteFormMode = QStringLiteral("NEW");
    close();
    WindowRegistry::show(QStringLiteral("ResSiteNewForm"));
}

void ResSiteForm::on_ResSiteEditButton_clicked() {
    shared().gSiteEdited = ui.ResSiteList->currentText();
    shared().gSiteFormMode = QStringLiteral("EDIT");
    close();
    WindowRegistry::show(QStringLiteral("ResSiteEditForm"));
}

void ResSiteForm::on_ResSiteDeleteButton_clicked() {
    const QString site = ui.ResSiteList->currentText();
    if (ui.ResSiteList->currentIndex() < 0)
        return;
    guarded([&] {
        const db::Database db = openDatabase();
        const QString refused = db::SiteInUse(db, site, shared().gSite);
        if (!refused.isEmpty()) {
            showMessage(refused, windowTitle(), MsgIcon::Exclamation);
            return;
        }
        if (showMessage(QStringLiteral("Delete the site \"%1\"?").arg(site), windowTitle(),
                        MsgIcon::Question, MsgButtons::YesNo, 1) != MsgResult::Yes)
            return;
        db::DeleteSite(db, site);
        fillList(shared().gSite);
    });
}

void ResSiteForm::on_ResSiteOKButton_clicked() {
    SharedState &s = shared();
    if (ui.ResSiteList->currentIndex() >= 0 && m_shown) {
        s.gSite = ui.ResSiteList->currentText();
        s.gShortSite = m_shown->shortSite;
        if (m_shown->defaultSoil != 0)
            s.gSoil = static_cast<std::int16_t>(m_shown->defaultSoil);
    }
    close();
    s.gSiteFormMode = QStringLiteral("    ");
    if (s.gSiteCaller == QLatin1String("SETUP")) {
        if (QWidget *setup = WindowRegistry::find(QStringLiteral("ZarnSetupSystemForm")))
            if (auto *panel = setup->findChild<QLabel *>(QStringLiteral("ZarnSetupSystemLocation")))
                panel->setText(s.gSite);
        s.gSiteCaller = QStringLiteral("     ");
    }
}

// Nothing chosen here becomes current. The hand-over is over too, so the next
// site list selects the current site again.
void ResSiteForm::on_ResSiteCancelButton_clicked() {
    shared().gSiteFormMode = QStringLiteral("    ");
    close();
}

ZARN_REGISTER_WINDOW(ResSiteForm)

} // namespace zarn
