#pragma once
// Research institutes (table Institutes) and sites (table Sites) of
// Sorghum.mdb, and the soil profile headers of the soil catalogue that the
// site windows offer as a site's default soil.
//
// Names are compared exactly (case and blanks count), except where a site is
// found through index "site", which compares as the index does.

#include "data/database.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zarn::db {

// ---- institutes --------------------------------------------------------------

// Every Institute in table order.
QStringList InstituteNames(const Database &db);

// The Inst of the last record named `name`; nothing when there is none.
std::optional<QString> InstituteCode(const Database &db, const QString &name);

// Stores `code` as Inst of every record named `name`; when there is none,
// appends one with the first 2 characters of `code`. Returns true when a
// record was appended.
bool SaveInstitute(const Database &db, const QString &name, const QString &code);

// Deletes every record named `name`; returns how many.
int DeleteInstitute(const Database &db, const QString &name);

// ---- sites -------------------------------------------------------------------

// A site as its windows show and type it. Numbers are kept as the texts typed
// (they are stored as their leading number).
struct SiteEntry {
    QString name; // Sites
    QString shortSite;
    QString address1;
    QString address2;
    QString city;
    QString postalCode; // at most 10 characters are stored
    QString country;
    QString phone;
    QString fax;
    QString email;
    QString latitude;
    QString longitude;
    QString elevation;
    int defaultSoil = 0; // Default Soil Type
};

// Every Sites name in table order.
QStringList SiteNames(const Database &db);

// The record whose Sites equals `name` (the last one); numbers as the fields
// show them. Nothing when there is none.
std::optional<SiteEntry> FindSite(const Database &db, const QString &name);

// The ShortSite of the last record whose name, trimmed and upper-cased,
// equals `name` trimmed and upper-cased; nothing when there is none.
std::optional<QString> ShortSiteOf(const Database &db, const QString &name);

// Appends a site record.
void AppendSite(const Database &db, const SiteEntry &site);

// Finds the record `originalName` through index "site" and stores the entry
// over it (its name included). A name that no record has is a UserError.
void UpdateSite(const Database &db, const QString &originalName, const SiteEntry &site);

// Why the site may not be deleted: it is `currentSite`, a Land record names
// it, or the last Defaults record names it. Empty when it may be deleted.
QString SiteInUse(const Database &db, const QString &name, const QString &currentSite);

// Deletes every record whose Sites equals `name`; returns how many.
int DeleteSite(const Database &db, const QString &name);

// ---- soil catalogue ------------------------------------------------------------

// The profile header lines of the soil catalogue (sprofile.tot in
// `programDir`): its first line and the first line after each end line. Blank
// lines are no headers. A missing catalogue throws UserError naming it.
QStringList SoilHeaders(const QString &programDir);
QStringList SoilHeadersInLines(const QStringList &lines);

// The soil number of a header: the number in its columns 1-3.
int SoilNumberOfHeader(const QString &header);

} // namespace zarn::db
