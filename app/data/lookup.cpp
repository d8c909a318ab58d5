#include "data/lookup.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace zarn::db {

namespace {

QString quoted(const QString &identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The stored names of table and field (both looked up case-insensitively).
std::pair<QString, QString> storedNames(const Database &db, const QString &table,
                                        const QString &field) {
    QString storedTable;
    for (const QString &t : db.tableNames())
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            storedTable = t;
    if (storedTable.isEmpty())
        fail(QStringLiteral("The table %1 does not exist in %2").arg(table, db.path()));
    for (const QString &f : db.fieldNames(storedTable))
        if (f.compare(field, Qt::CaseInsensitive) == 0)
            return {storedTable, f};
    fail(QStringLiteral("The field %1 does not exist in table %2 of %3")
             .arg(field, storedTable, db.path()));
}

std::vector<Record> select(const Database &db, const QString &table, const QString &keyField,
                           const QVariant &key, bool lastOnly) {
    const auto [t, f] = storedNames(db, table, keyField);
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT rowid AS zarn_rowid, * FROM %1 WHERE %2 = ? ORDER BY rowid %3")
                  .arg(quoted(t), quoted(f),
                       lastOnly ? QStringLiteral("DESC LIMIT 1") : QStringLiteral("ASC")));
    q.addBindValue(key);
    if (!q.exec())
        fail(QStringLiteral("The table %1 of %2 cannot be read: %3")
                 .arg(t, db.path(), q.lastError().text()));
    std::vector<Record> rows;
    while (q.next())
        rows.emplace_back(q.record(), t, db.path());
    return rows;
}

} // namespace

Record::Record(QSqlRecord record, QString table, QString path)
    : m_record(std::move(record)), m_table(std::move(table)), m_path(std::move(path)) {
    const int i = m_record.indexOf(QStringLiteral("zarn_rowid"));
    if (i >= 0) {
        m_rowid = m_record.value(i).toLongLong();
        m_record.remove(i);
    }
}

bool Record::hasField(const QString &field) const {
    return m_record.indexOf(field) >= 0;
}

QVariant Record::value(const QString &field) const {
    const int i = m_record.indexOf(field);
    if (i < 0)
        fail(QStringLiteral("The field %1 does not exist in table %2 of %3")
                 .arg(field, m_table, m_path));
    return m_record.value(i);
}

QString Record::text(const QString &field) const {
    const QVariant v = value(field);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    return v.toString();
}

double Record::number(const QString &field) const {
    const QVariant v = value(field);
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

qint64 Record::integer(const QString &field) const {
    return qint64(std::llround(number(field)));
}

bool Record::yesNo(const QString &field) const {
    const QVariant v = value(field);
    if (v.isNull())
        return false;
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes"))
        return true;
    return number(field) != 0.0;
}

std::optional<Record> lastMatch(const Database &db, const QString &table, const QString &keyField,
                                const QVariant &key) {
    auto rows = select(db, table, keyField, key, true);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

std::vector<Record> allMatches(const Database &db, const QString &table, const QString &keyField,
                               const QVariant &key) {
    return select(db, table, keyField, key, false);
}

std::vector<Record> firstRecords(const Database &db, const QString &table, int count) {
    QString stored;
    for (const QString &t : db.tableNames())
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            stored = t;
    if (stored.isEmpty())
        fail(QStringLiteral("The table %1 does not exist in %2").arg(table, db.path()));
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT rowid AS zarn_rowid, * FROM %1 ORDER BY rowid LIMIT ?")
                  .arg(quoted(stored)));
    q.addBindValue(std::max(0, count));
    if (!q.exec())
        fail(QStringLiteral("The table %1 of %2 cannot be read: %3")
                 .arg(stored, db.path(), q.lastError().text()));
    std::vector<Record> rows;
    while (q.next())
        rows.emplace_back(q.record(), stored, db.path());
    return rows;
}

} // namespace zarn::db
