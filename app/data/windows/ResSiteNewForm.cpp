#include "data/windows/ResSiteNewForm.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
db::Database openDatabase() {
    return db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb"));
}
} // namespace

SiteEntryForm::SiteEntryForm(const char *name, const QString &title, const QString &frame) {
    setObjectName(QString::fromLatin1(name));
    ui.setupUi(this);
    setWindowTitle(title);
    ui.ResSiteNewFrame->setTitle(frame);
}

void SiteEntryForm::fillSoilList() {
    QStringList headers;
    guarded([&] { headers = db::SoilHeaders(shared().gSystemPath); });
    ui.ResSiteNewSoilList->clear();
    ui.ResSiteNewSoilList->addItems(headers);
    ui.ResSiteNewSoilList->setCurrentIndex(int(headers.size()) - 1);
}

db::SiteEntry SiteEntryForm::entry() const {
    db::SiteEntry s;
    s.name = ui.ResSiteNewName->text();
    s.shortSite = ui.ResSiteNewShortName->text();
    s.address1 = ui.ResSiteNewAddress1->text();
    s.address2 = ui.ResSiteNewAddress2->text();
    s.city = ui.ResSiteNewCity->text();
    s.postalCode = ui.ResSiteNewPostalCode->text();
    s.country = ui.ResSiteNewCountry->text();
    s.phone = ui.ResSiteNewPhone->text();
    s.fax = ui.ResSiteNewFax->text();
    s.email = ui.ResSiteNewEmail->text();
    s.latitude = ui.ResSiteNewLat->text();
    s.longitude = ui.ResSiteNewLong->text();
    s.elevation = ui.ResSiteNewElevation->text();
    // The soil number stands right-aligned in columns 1-3 of the header.
    s.defaultSoil = db::SoilNumberOfHeader(ui.ResSiteNewSoilList->currentText());
    return s;
}

void SiteEntryForm::showSite(const db::SiteEntry &s) {
    ui.ResSiteNewName->setText(s.name);
    ui.ResSiteNewShortName->setText(s.shortSite);
    ui.ResSiteNewAddress1->setText(s.address1);
    ui.ResSiteNewAddress2->setText(s.address2);
    ui.ResSiteNewCity->setText(s.city);
    ui.ResSiteNewPostalCode->setText(s.postalCode);
    ui.ResSiteNewCountry->setText(s.country);
    ui.ResSiteNewPhone->setText(s.phone);
    ui.ResSiteNewFax->setText(s.fax);
    ui.ResSiteNewEmail->setText(s.email);
    ui.ResSiteNewLat->setText(s.latitude);
    ui.ResSiteNewLong->setText(s.longitude);
    ui.ResSiteNewElevation->setText(s.elevation);
}

void SiteEntryForm::storeAndReturn() {
    const db::SiteEntry site = entry();
    if (!guarded([&] { store(openDatabase(), site); }))
        return; // the entry stays for the user to correct or cancel
    shared().gSiteEdited = site.name;
    close();
    WindowRegistry::show(QStringLiteral("ResSiteForm"));
}

ResSiteNewForm::ResSiteNewForm()
    : SiteEntryForm("ResSiteNewForm", QStringLiteral("Create a New Site"),
                    QStringLiteral("New Site Details")) {
    // The layout was set up while this was still the base: connect this
    // window's own slots now.
    QMetaObject::connectSlotsByName(this);
}

void ResSiteNewForm::load() {
    const QString blank = QStringLiteral(" ");
    showSite(db::SiteEntry{blank, blank, blank, blank, blank, blank, blank, blank, blank, blank,
                           blank, blank, blank, 0});
    fillSoilList();
}

// The short ID follows the first 2 characters of the name as the user types it.
void ResSiteNewForm::on_ResSiteNewName_textEdited(const QString &text) {
    ui.ResSiteNewShortName->setText(text.left(2));
}

// Nothing is stored and the hand-over ends: the next site list selects the
// current site.
void ResSiteNewForm::on_ResSiteCancelButton_clicked() {
    shared().gSiteFormMode = QStringLiteral("    ");
    close();
}

void ResSiteNewForm::store(const db::Database &db, const db::SiteEntry &site) {
    db::AppendSite(db, site);
}

ResSiteEditForm::ResSiteEditForm()
    : SiteEntryForm("ResSiteEditForm", QStringLiteral("Edit Site Information"),
                    QStringLiteral("Site Details")) {
    QMetaObject::connectSlotsByName(this);
}

void ResSiteEditForm::load() {
    fillSoilList();
    std::optional<db::SiteEntry> site;
    guarded([&] { site = db::FindSite(openDatabase(), shared().gSiteEdited); });
    if (!site)
        return;
    m_openedWith = site->name;
    showSite(*site);
    for (int i = 0; i < ui.ResSiteNewSoilList->count(); ++i)
        if (db::SoilNumberOfHeader(ui.ResSiteNewSoilList->itemText(i)) == site->defaultSoil)
            ui.ResSiteNewSoilList->setCurrentIndex(i);
}

void ResSiteEditForm::store(const db::Database &db, const db::SiteEntry &site) {
    db::UpdateSite(db, m_openedWith.isEmpty() ? site.name : m_openedWith, site);
    m_openedWith = site.name;
}

ZARN_REGISTER_WINDOW(ResSiteNewForm)
ZARN_REGISTER_WINDOW(ResSiteEditForm)

} // namespace zarn
