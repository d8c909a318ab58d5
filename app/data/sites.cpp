#include "data/sites.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "data/lookup.h"

#include <cmath>

namespace zarn::db {

namespace {

const QString kInstitutes = QStringLiteral("Institutes");
const QString kInstitute = QStringLiteral("Institute");
const QString kSites = QStringLiteral("Sites");

QStringList columnOf(const Database &db, const QString &table, const QString &field) {
    QStringList values;
    for (Cursor c = db.openTable(table); !c.eof(); c.moveNext())
        values << c.text(field);
    return values;
}

int deleteWhere(const Database &db, const QString &table, const QString &field,
                const QString &value) {
    Transaction t(db);
    int deleted = 0;
    Cursor c = db.openTable(table);
    for (c.moveFirst(); !c.eof(); c.moveNext()) {
        if (c.text(field) != value)
            continue;
        c.deleteCurrent();
        ++deleted;
    }
    t.commit();
    return deleted;
}

void storeSite(Cursor &c, const SiteEntry &s) {
    using cropmodel::LeadingNumber;
    c.setValue(QStringLiteral("Sites"), s.name);
    c.setValue(QStringLiteral("ShortSite"), s.shortSite);
    c.setValue(QStringLiteral("Country"), s.country);
    c.setValue(QStringLiteral("Address1"), s.address1);
    c.setValue(QStringLiteral("Address2"), s.address2);
    c.setValue(QStringLiteral("e-mail"), s.email);
    c.setValue(QStringLiteral("Phone"), s.phone);
    c.setValue(QStringLiteral("Fax"), s.fax);
    c.setValue(QStringLiteral("City"), s.city);
    c.setValue(QStringLiteral("Postal Code"), s.postalCode.left(10));
    c.setValue(QStringLiteral("Latitude"), LeadingNumber(s.latitude));
    c.setValue(QStringLiteral("Longitude"), LeadingNumber(s.longitude));
    c.setValue(QStringLiteral("Elevation"), LeadingNumber(s.elevation));
    c.setValue(QStringLiteral("Default Soil Type"), s.defaultSoil);
}

} // namespace

QStringList InstituteNames(const Database &db) {
    return columnOf(db, kInstitutes, kInstitute);
}

std::optional<QString> InstituteCode(const Database &db, const QString &name) {
    if (auto r = lastMatch(db, kInstitutes, kInstitute, name))
        return r->text(QStringLiteral("Inst"));
    return std::nullopt;
}

bool SaveInstitute(const Database &db, const QString &name, const QString &code) {
    Transaction t(db);
    Cursor c = db.openTable(kInstitutes);
    bool matched = false;
    for (c.moveFirst(); !c.eof(); c.moveNext()) {
        if (c.text(kInstitute) != name)
            continue;
        c.edit();
        c.setValue(QStringLiteral("Inst"), code);
        c.update();
        matched = true;
    }
    if (!matched) {
        c.addNew();
        c.setValue(kInstitute, name);
        c.setValue(QStringLiteral("Inst"), code.left(2));
        c.update();
    }
    t.commit();
    return !matched;
}

int DeleteInstitute(const Database &db, const QString &name) {
    return deleteWhere(db, kInstitutes, kInstitute, name);
}

QStringList SiteNames(const Database &db) {
    return columnOf(db, kSites, kSites);
}

std::optional<SiteEntry> FindSite(const Database &db, const QString &name) {
    const auto r = lastMatch(db, kSites, kSites, name);
    if (!r)
        return std::nullopt;
    SiteEntry s;
    s.name = r->text(QStringLiteral("Sites"));
    s.shortSite = r->text(QStringLiteral("ShortSite"));
    s.address1 = r->text(QStringLiteral("Address1"));
    s.address2 = r->text(QStringLiteral("Address2"));
    s.city = r->text(QStringLiteral("City"));
    s.postalCode = r->text(QStringLiteral("Postal Code"));
    s.country = r->text(QStringLiteral("Country"));
    s.phone = r->text(QStringLiteral("Phone"));
    s.fax = r->text(QStringLiteral("Fax"));
    s.email = r->text(QStringLiteral("e-mail"));
    s.latitude = r->text(QStringLiteral("Latitude"));
    s.longitude = r->text(QStringLiteral("Longitude"));
    s.elevation = r->text(QStringLiteral("Elevation"));
    const double soil = r->number(QStringLiteral("Default Soil Type"));
    s.defaultSoil = soil > -32768 && soil < 32768 ? int(std::lround(soil)) : 0;
    return s;
}

std::optional<QString> ShortSiteOf(const Database &db, const QString &name) {
    std::optional<QString> shortSite;
    const QString wanted = name.trimmed().toUpper();
    for (Cursor c = db.openTable(kSites); !c.eof(); c.moveNext())
        if (c.text(kSites).trimmed().toUpper() == wanted)
            shortSite = c.text(QStringLiteral("ShortSite"));
    return shortSite;
}

void AppendSite(const Database &db, const SiteEntry &site) {
    Cursor c = db.openTable(kSites);
    c.addNew();
    storeSite(c, site);
    c.update();
}

void UpdateSite(const Database &db, const QString &originalName, const SiteEntry &site) {
    Cursor c = db.openTableCursor(kSites);
    c.setIndex(QStringLiteral("site"));
    c.seek(originalName);
    if (c.noMatch())
        fail(QStringLiteral("No site \"%1\" is stored in table Sites of %2; nothing was changed.")
                 .arg(originalName, db.path()));
    c.edit();
    storeSite(c, site);
    c.update();
}

QString SiteInUse(const Database &db, const QString &name, const QString &currentSite) {
    if (name == currentSite)
        return QStringLiteral("\"%1\" is the current site; choose another site before deleting "
                              "it.")
            .arg(name);
    if (lastMatch(db, QStringLiteral("Land"), QStringLiteral("Site"), name.left(35)))
        return QStringLiteral("A land record of table Land lies at \"%1\"; the site is kept.")
            .arg(name);
    Cursor defaults = openLastDefaults(db);
    if (defaults.text(QStringLiteral("Site")) == name)
        return QStringLiteral("The saved defaults name \"%1\" as their site; the site is kept.")
            .arg(name);
    return QString();
}

int DeleteSite(const Database &db, const QString &name) {
    return deleteWhere(db, kSites, kSites, name);
}

QStringList SoilHeadersInLines(const QStringList &lines) {
    QStringList headers;
    bool header = true;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (header)
            headers << line;
        header = cropmodel::IsCatalogueEndLine(line);
    }
    return headers;
}

QStringList SoilHeaders(const QString &programDir) {
    return SoilHeadersInLines(cropmodel::readLines(programDir, cropmodel::kSoilCatalogue,
                                                   QStringLiteral("reading the soil types")));
}

int SoilNumberOfHeader(const QString &header) {
    const double n = cropmodel::LeadingNumber(cropmodel::column(header, 1, 3));
    return n > -1000 && n < 1000 ? int(std::lround(n)) : 0;
}

} // namespace zarn::db
