#pragma once
// Reference lookups: "read the table from first to last and take every record
// whose key equals the value; the last match wins; none leaves the values as
// they were". SQLite is asked for the last matching row in rowid order, which
// gives the same record without reading the table.
//
// Keys compare as the stored values do: texts exactly (case and blanks
// count), numbers by value. A missing table or key field is a UserError naming
// the file, table and field, like every failure of the cursor layer.

#include "data/database.h"

#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <optional>

namespace zarn::db {

// A snapshot of one record, read with the cursor layer's rules: fields by name
// (case-insensitive), Null as "" / 0 / false, a text that is no number as 0.
class Record {
public:
    Record() = default;
    Record(QSqlRecord record, QString table, QString path);

    bool hasField(const QString &field) const;
    QVariant value(const QString &field) const; // UserError when there is no such field
    QString text(const QString &field) const;
    double number(const QString &field) const;
    qint64 integer(const QString &field) const;
    bool yesNo(const QString &field) const;
    qint64 rowid() const { return m_rowid; }
    const QString &table() const { return m_table; }

private:
    QSqlRecord m_record;
    QString m_table;
    QString m_path;
    qint64 m_rowid = 0;
};

// The last record of table whose keyField equals key, or nothing.
std::optional<Record> lastMatch(const Database &db, const QString &table, const QString &keyField,
                                const QVariant &key);

// Every record of table whose keyField equals key, in table order.
std::vector<Record> allMatches(const Database &db, const QString &table, const QString &keyField,
                               const QVariant &key);

// The first `count` records of table in table order (fewer when the table
// holds fewer), without reading the rest of the table.
std::vector<Record> firstRecords(const Database &db, const QString &table, int count);

} // namespace zarn::db
