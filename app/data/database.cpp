#include "data/database.h"

#include "shell/usererror.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace zarn::db {

void fail(const QString &text) {
    throw UserError(kErrorTitle, text);
}

namespace {

QString quoted(const QString &identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

struct Column {
    QString name;
    FieldKind kind = FieldKind::Text;
    int width = 0;
};

// Kind and width from a declared column type such as "TEXT(10)", "REAL",
// "INTEGER", "BOOLEAN". Same order of tests as SQLite's own affinity rules,
// with yes/no recognised first.
Column columnFromDeclaration(const QString &name, const QString &declared) {
    Column c;
    c.name = name;
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("BOOL")) || t.contains(QLatin1String("YESNO")) ||
        t == QLatin1String("BIT"))
        c.kind = FieldKind::YesNo;
    else if (t.contains(QLatin1String("INT")))
        c.kind = FieldKind::Integer;
    else if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) ||
             t.contains(QLatin1String("TEXT")))
        c.kind = FieldKind::Text;
    else if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
             t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("NUM")) ||
             t.contains(QLatin1String("DEC")) || t.contains(QLatin1String("CURRENCY")) ||
             t.contains(QLatin1String("MONEY")))
        c.kind = FieldKind::Number;
    else
        c.kind = FieldKind::Text;
    if (c.kind == FieldKind::Text) {
        static const QRegularExpression widthRe(QStringLiteral("\\(\\s*(\\d+)\\s*\\)"));
        const auto m = widthRe.match(t);
        if (m.hasMatch())
            c.width = m.captured(1).toInt();
    }
    return c;
}

bool isNumericType(const QVariant &v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

std::optional<double> parseNumber(const QString &text) {
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<bool> parseYesNo(const QString &text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("on"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("off"))
        return false;
    if (const auto d = parseNumber(t))
        return *d != 0;
    return std::nullopt;
}

QString numberText(double d) {
    return QString::number(d, 'g', 15);
}

qint64 roundedWhole(double d) {
    if (d >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (d <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return std::llround(d);
}

// A stored value as the column's kind. Values put in by other means than this
// layer may not fit their column; those are passed on as they are.
QVariant fromStored(const Column &c, const QVariant &raw) {
    if (raw.isNull() || !raw.isValid())
        return QVariant();
    switch (c.kind) {
    case FieldKind::Text:
        if (isNumericType(raw) && raw.typeId() == QMetaType::Double)
            return numberText(raw.toDouble());
        return raw.toString();
    case FieldKind::Number:
        if (isNumericType(raw))
            return raw.toDouble();
        if (const auto d = parseNumber(raw.toString()))
            return *d;
        return raw.toString();
    case FieldKind::Integer:
        if (raw.typeId() == QMetaType::Double)
            return roundedWhole(raw.toDouble());
        if (isNumericType(raw))
            return raw.toLongLong();
        if (const auto d = parseNumber(raw.toString()))
            return roundedWhole(*d);
        return raw.toString();
    case FieldKind::YesNo:
        if (raw.typeId() == QMetaType::Bool)
            return raw.toBool();
        if (isNumericType(raw))
            return raw.toDouble() != 0;
        if (const auto b = parseYesNo(raw.toString()))
            return *b;
        return raw.toString();
    }
    return raw;
}

} // namespace

namespace detail {

struct Connection {
    QString path;
    QString name;
    bool open = false;
    bool inTransaction = false; // a Transaction groups the writes

    ~Connection() { close(); }

    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

    void close() {
        if (!open)
            return;
        open = false;
        inTransaction = false; // closing drops what was not committed
        {
            QSqlDatabase d = QSqlDatabase::database(name, false);
            d.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    void requireOpen() const {
        if (!open)
            fail(QStringLiteral("The database %1 is closed.").arg(path));
    }

    // The stored spelling of a table, or "" when there is none.
    QString tableName(const QString &table) const {
        requireOpen();
        QSqlQuery q(db());
        q.prepare(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
        q.addBindValue(table);
        if (!q.exec())
            fail(QStringLiteral("The tables of %1 cannot be read: %2")
                     .arg(path, q.lastError().text()));
        return q.next() ? q.value(0).toString() : QString();
    }

    QString requireTable(const QString &table) const {
        const QString stored = tableName(table);
        if (stored.isEmpty())
            fail(QStringLiteral("The table %1 does not exist in %2.").arg(table, path));
        return stored;
    }

    std::vector<Column> columns(const QString &table) const {
        QSqlQuery q(db());
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))))
            fail(QStringLiteral("The fields of table %1 of %2 cannot be read: %3")
                     .arg(table, path, q.lastError().text()));
        std::vector<Column> cols;
        while (q.next())
            cols.push_back(columnFromDeclaration(q.value(1).toString(), q.value(2).toString()));
        return cols;
    }

    // Named indexes of a table: pairs of (name the program uses, name stored).
    // SQLite keeps tables and indexes in one name space, so an index named
    // like its table is stored as "<table>.<index>"; the program knows it by
    // the part after the dot. Indexes SQLite makes by itself are left out.
    QList<QPair<QString, QString>> indexes(const QString &table) const {
        QSqlQuery q(db());
        q.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? "
                           "AND name NOT LIKE 'sqlite_autoindex_%' ORDER BY name"));
        q.addBindValue(table);
        if (!q.exec())
            fail(QStringLiteral("The indexes of table %1 of %2 cannot be read: %3")
                     .arg(table, path, q.lastError().text()));
        QList<QPair<QString, QString>> names;
        const QString prefix = table + QLatin1Char('.');
        while (q.next()) {
            const QString stored = q.value(0).toString();
            const QString shown =
                stored.startsWith(prefix, Qt::CaseInsensitive) ? stored.mid(prefix.size()) : stored;
            names.append({shown, stored});
        }
        return names;
    }
};

struct Pending {
    bool adding = false;
    QHash<int, QVariant> values; // column number -> value as stored
};

struct CursorState {
    std::shared_ptr<Connection> conn;
    QString table;
    CursorKind kind = CursorKind::Dynaset;
    std::vector<Column> cols;
    QHash<QString, int> colByName; // lower-case name -> column number

    std::vector<qint64> ids; // rowids in table order
    QHash<qint64, QVariantList> cache;
    int pos = 0; // -1 BOF, ids.size() EOF
    bool afterDelete = false;
    bool noMatch = false;
    std::optional<Pending> pending;

    QString indexName;
    std::vector<int> indexCols;
    bool closed = false;

    static constexpr int kBlock = 256;

    int count() const { return int(ids.size()); }
    bool hasCurrent() const { return !afterDelete && pos >= 0 && pos < count(); }

    void requireUsable() const {
        if (closed)
            fail(QStringLiteral("The table %1 of %2 is closed.").arg(table, conn->path));
        conn->requireOpen();
    }

    int column(const QString &field) const {
        const auto it = colByName.constFind(field.toLower());
        if (it == colByName.constEnd())
            fail(QStringLiteral("The field %1 does not exist in table %2 of %3.")
                     .arg(field, table, conn->path));
        return it.value();
    }

    void requireCurrent(const QString &field = QString()) const {
        if (hasCurrent())
            return;
        if (field.isEmpty())
            fail(QStringLiteral("There is no current record in table %1 of %2.")
                     .arg(table, conn->path));
        fail(QStringLiteral(
                 "There is no current record in table %1 of %2 to read the field %3 from.")
                 .arg(table, conn->path, field));
    }

    void loadIds() {
        QSqlQuery q(conn->db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoted(table))))
            fail(QStringLiteral("The table %1 of %2 cannot be read: %3")
                     .arg(table, conn->path, q.lastError().text()));
        ids.clear();
        while (q.next())
            ids.push_back(q.value(0).toLongLong());
    }

    // Fetches the rows of the block around index i into the cache.
    void fetchBlock(int i) {
        const int first = (i / kBlock) * kBlock;
        const int last = std::min(count() - 1, first + kBlock - 1);
        QSqlQuery q(conn->db());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid BETWEEN ? AND ?")
                      .arg(quoted(table)));
        q.addBindValue(ids[size_t(first)]);
        q.addBindValue(ids[size_t(last)]);
        if (!q.exec())
            fail(QStringLiteral("The table %1 of %2 cannot be read: %3")
                     .arg(table, conn->path, q.lastError().text()));
        while (q.next()) {
            QVariantList row;
            row.reserve(int(cols.size()));
            for (int c = 0; c < int(cols.size()); ++c)
                row << q.value(c + 1);
            cache.insert(q.value(0).toLongLong(), row);
        }
    }

    void fetchOne(qint64 rowid) {
        QSqlQuery q(conn->db());
        q.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table)));
        q.addBindValue(rowid);
        if (!q.exec())
            fail(QStringLiteral("The table %1 of %2 cannot be read: %3")
                     .arg(table, conn->path, q.lastError().text()));
        if (!q.next()) {
            cache.remove(rowid);
            return;
        }
        QVariantList row;
        for (int c = 0; c < int(cols.size()); ++c)
            row << q.value(c);
        cache.insert(rowid, row);
    }

    const QVariantList &currentRow() {
        const qint64 id = ids[size_t(pos)];
        if (!cache.contains(id))
            fetchBlock(pos);
        if (!cache.contains(id)) // deleted by someone else since the cursor was opened
            fail(QStringLiteral("The current record of table %1 of %2 was deleted.")
                     .arg(table, conn->path));
        return cache[id];
    }

    void leaveRecord() {
        pending.reset();
        afterDelete = false;
        noMatch = false;
    }

    QString valueText(const QVariant &v) const {
        return v.typeId() == QMetaType::Double ? numberText(v.toDouble()) : v.toString();
    }

    // A value converted for storing in column c, or a UserError when the column
    // refuses it.
    QVariant toStored(int c, const QVariant &v) const {
        const Column &col = cols[size_t(c)];
        if (!v.isValid() || v.isNull())
            return QVariant();
        auto refuse = [&](const QString &what) {
            fail(QStringLiteral("The field %1 of table %2 in %3 takes %4; \"%5\" is not accepted.")
                     .arg(col.name, table, conn->path, what, valueText(v)));
        };
        const bool isText = v.typeId() == QMetaType::QString ||
                            v.typeId() == QMetaType::QByteArray || v.typeId() == QMetaType::QChar;
        switch (col.kind) {
        case FieldKind::Text: {
            QString t;
            if (v.typeId() == QMetaType::Bool)
                t = v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
            else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
                t = numberText(v.toDouble());
            else
                t = v.toString();
            if (col.width > 0 && t.size() > col.width)
                t.truncate(col.width);
            return t;
        }
        case FieldKind::Number:
        case FieldKind::Integer: {
            double d = 0;
            if (v.typeId() == QMetaType::Bool) {
                d = v.toBool() ? -1 : 0;
            } else if (isNumericType(v)) {
                if (col.kind == FieldKind::Integer && v.typeId() != QMetaType::Double &&
                    v.typeId() != QMetaType::Float)
                    return v.toLongLong();
                d = v.toDouble();
                if (!std::isfinite(d))
                    refuse(QStringLiteral("a number"));
            } else if (isText) {
                const QString t = v.toString();
                if (t.trimmed().isEmpty())
                    return QVariant();
                const auto parsed = parseNumber(t);
                if (!parsed)
                    refuse(QStringLiteral("a number"));
                d = *parsed;
            } else {
                refuse(QStringLiteral("a number"));
            }
            if (col.kind == FieldKind::Integer)
                return roundedWhole(d);
            return d;
        }
        case FieldKind::YesNo: {
            if (v.typeId() == QMetaType::Bool)
                return v.toBool() ? 1 : 0;
            if (isNumericType(v))
                return v.toDouble() != 0 ? 1 : 0;
            if (isText) {
                if (v.toString().trimmed().isEmpty())
                    return QVariant();
                if (const auto b = parseYesNo(v.toString()))
                    return *b ? 1 : 0;
            }
            refuse(QStringLiteral("yes or no"));
        }
        }
        return v;
    }

    // Runs q in a transaction of its own; returns the rowid of an inserted row
    // (read before the statement is finished, while the driver still has it).
    qint64 runInTransaction(QSqlQuery &q, const QString &what, bool needsRow = false) {
        QSqlDatabase d = conn->db();
        if (conn->inTransaction) { // one statement is atomic; the Transaction decides on the rest
            if (!q.exec())
                fail(QStringLiteral("%1 in table %2 of %3 failed: %4")
                         .arg(what, table, conn->path, q.lastError().text()));
            const qint64 inserted = q.lastInsertId().toLongLong();
            const int affected = q.numRowsAffected();
            q.finish();
            if (needsRow && affected == 0)
                fail(QStringLiteral("%1 in table %2 of %3 failed: the record no longer exists.")
                         .arg(what, table, conn->path));
            return inserted;
        }
        if (!d.transaction())
            fail(QStringLiteral("%1 in table %2 of %3 cannot start: %4")
                     .arg(what, table, conn->path, d.lastError().text()));
        if (!q.exec()) {
            const QString err = q.lastError().text();
            q.finish();
            d.rollback();
            fail(QStringLiteral("%1 in table %2 of %3 failed: %4")
                     .arg(what, table, conn->path, err));
        }
        const qint64 inserted = q.lastInsertId().toLongLong();
        const int affected = q.numRowsAffected();
        q.finish();
        if (needsRow && affected == 0) {
            d.rollback();
            fail(QStringLiteral("%1 in table %2 of %3 failed: the record no longer exists.")
                     .arg(what, table, conn->path));
        }
        if (!d.commit()) {
            const QString err = d.lastError().text();
            d.rollback();
            fail(QStringLiteral("%1 in table %2 of %3 failed: %4")
                     .arg(what, table, conn->path, err));
        }
        return inserted;
    }

    // Index of rowid in ids; inserted in rowid order when the cursor has not seen it.
    int indexOfId(qint64 id) {
        auto it = std::lower_bound(ids.begin(), ids.end(), id);
        if (it == ids.end() || *it != id)
            it = ids.insert(it, id);
        return int(it - ids.begin());
    }
};

} // namespace detail

// ---------------------------------------------------------------- Database

Database::Database(std::shared_ptr<detail::Connection> c) : m_conn(std::move(c)) {}
Database::Database(Database &&) noexcept = default;
Database &Database::operator=(Database &&) noexcept = default;
Database::~Database() = default;

Database Database::open(const QString &path) {
    const QFileInfo fi(path);
    if (!fi.exists())
        fail(QStringLiteral("The database file %1 does not exist.").arg(path));
    if (fi.isDir())
        fail(QStringLiteral("The database file %1 is a directory, not a database.").arg(path));
    if (!fi.isFile())
        fail(QStringLiteral("The database file %1 is not a regular file.").arg(path));
    if (fi.size() == 0)
        fail(QStringLiteral("The database file %1 is empty: it holds no tables.").arg(path));

    static quint64 serial = 0;
    auto conn = std::make_shared<detail::Connection>();
    conn->path = path;
    conn->name = QStringLiteral("zarn-db-%1").arg(++serial);
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn->name);
        conn->open = true; // from here the connection is removed again on failure
        if (!d.isValid())
            fail(QStringLiteral(
                     "The database file %1 cannot be opened: the SQLite driver is missing.")
                     .arg(path));
        // mode=rw: open an existing file for reading and writing, never create one.
        d.setDatabaseName(QUrl::fromLocalFile(fi.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                          QStringLiteral("?mode=rw"));
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!d.open())
            fail(QStringLiteral("The database file %1 cannot be opened: %2")
                     .arg(path, d.lastError().text()));
        QSqlQuery q(d);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            fail(QStringLiteral("The file %1 is not a database that can be read: %2")
                     .arg(path, q.lastError().text()));
    }
    return Database(std::move(conn));
}

const QString &Database::path() const {
    return m_conn->path;
}

bool Database::isOpen() const {
    return m_conn && m_conn->open;
}

void Database::close() {
    if (m_conn)
        m_conn->close();
}

QSqlDatabase Database::connection() const {
    m_conn->requireOpen();
    return m_conn->db();
}

bool Database::hasTable(const QString &table) const {
    return !m_conn->tableName(table).isEmpty();
}

QStringList Database::tableNames() const {
    m_conn->requireOpen();
    QSqlQuery q(m_conn->db());
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                               "LIKE 'sqlite_%' ORDER BY rowid")))
        fail(QStringLiteral("The tables of %1 cannot be read: %2")
                 .arg(m_conn->path, q.lastError().text()));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QStringList Database::fieldNames(const QString &table) const {
    QStringList names;
    for (const auto &c : m_conn->columns(m_conn->requireTable(table)))
        names << c.name;
    return names;
}

QStringList Database::indexNames(const QString &table) const {
    QStringList names;
    for (const auto &n : m_conn->indexes(m_conn->requireTable(table)))
        names << n.first;
    return names;
}

Cursor Database::openTable(const QString &table, CursorKind kind) const {
    auto s = std::make_unique<detail::CursorState>();
    s->conn = m_conn;
    s->table = m_conn->requireTable(table);
    s->kind = kind;
    s->cols = m_conn->columns(s->table);
    for (int c = 0; c < int(s->cols.size()); ++c)
        s->colByName.insert(s->cols[size_t(c)].name.toLower(), c);
    s->loadIds();
    s->pos = 0;
    return Cursor(std::move(s));
}

// ---------------------------------------------------------------- Cursor

Cursor::Cursor(std::unique_ptr<detail::CursorState> s) : m_s(std::move(s)) {}
Cursor::Cursor(Cursor &&) noexcept = default;
Cursor &Cursor::operator=(Cursor &&) noexcept = default;
Cursor::~Cursor() = default;

void Cursor::close() {
    if (!m_s)
        return;
    m_s->pending.reset();
    m_s->cache.clear();
    m_s->closed = true;
}

const QString &Cursor::table() const {
    return m_s->table;
}
const QString &Cursor::path() const {
    return m_s->conn->path;
}
CursorKind Cursor::kind() const {
    return m_s->kind;
}

QStringList Cursor::fieldNames() const {
    QStringList names;
    for (const auto &c : m_s->cols)
        names << c.name;
    return names;
}

bool Cursor::hasField(const QString &field) const {
    return m_s->colByName.contains(field.toLower());
}
FieldKind Cursor::fieldKind(const QString &field) const {
    return m_s->cols[size_t(m_s->column(field))].kind;
}
int Cursor::fieldWidth(const QString &field) const {
    return m_s->cols[size_t(m_s->column(field))].width;
}

bool Cursor::eof() const {
    return m_s->count() == 0 || m_s->pos >= m_s->count();
}
bool Cursor::bof() const {
    return m_s->count() == 0 || m_s->pos < 0;
}
bool Cursor::hasCurrent() const {
    return m_s->hasCurrent();
}
int Cursor::recordCount() const {
    return m_s->count();
}
int Cursor::position() const {
    return m_s->hasCurrent() ? m_s->pos : -1;
}

qint64 Cursor::rowid() const {
    m_s->requireUsable();
    m_s->requireCurrent();
    return m_s->ids[size_t(m_s->pos)];
}

void Cursor::moveFirst() {
    m_s->requireUsable();
    m_s->leaveRecord();
    m_s->pos = 0;
}

void Cursor::moveLast() {
    m_s->requireUsable();
    m_s->leaveRecord();
    m_s->pos = m_s->count() == 0 ? 0 : m_s->count() - 1;
}

void Cursor::moveNext() {
    m_s->requireUsable();
    if (m_s->afterDelete) { // the record after the deleted one already stands at pos
        m_s->leaveRecord();
        return;
    }
    if (eof())
        fail(QStringLiteral("There is no record after the last one in table %1 of %2.")
                 .arg(m_s->table, path()));
    m_s->leaveRecord();
    ++m_s->pos;
}

void Cursor::movePrevious() {
    m_s->requireUsable();
    if (m_s->afterDelete) {
        m_s->leaveRecord();
        m_s->pos = std::max(-1, m_s->pos - 1);
        return;
    }
    if (bof())
        fail(QStringLiteral("There is no record before the first one in table %1 of %2.")
                 .arg(m_s->table, path()));
    m_s->leaveRecord();
    m_s->pos = std::min(m_s->pos, m_s->count()) - 1;
}

void Cursor::moveTo(int index) {
    m_s->requireUsable();
    if (index < 0 || index >= m_s->count())
        fail(QStringLiteral("The table %1 of %2 has no record %3; it holds %4 records.")
                 .arg(m_s->table, path())
                 .arg(index + 1)
                 .arg(m_s->count()));
    m_s->leaveRecord();
    m_s->pos = index;
}

QVariant Cursor::value(const QString &field) const {
    m_s->requireUsable();
    const int c = m_s->column(field);
    const auto &col = m_s->cols[size_t(c)];
    if (m_s->pending) {
        const auto it = m_s->pending->values.constFind(c);
        if (it != m_s->pending->values.constEnd())
            return fromStored(col, it.value());
        if (m_s->pending->adding)
            return QVariant();
    }
    m_s->requireCurrent(col.name);
    return fromStored(col, m_s->currentRow()[c]);
}

QString Cursor::text(const QString &field) const {
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return m_s->valueText(v);
}

double Cursor::number(const QString &field) const {
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    if (isNumericType(v))
        return v.toDouble();
    return parseNumber(v.toString()).value_or(0);
}

qint64 Cursor::integer(const QString &field) const {
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::LongLong)
        return v.toLongLong();
    return roundedWhole(number(field));
}

bool Cursor::yesNo(const QString &field) const {
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        return false;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isNumericType(v))
        return v.toDouble() != 0;
    return parseYesNo(v.toString()).value_or(false);
}

void Cursor::addNew() {
    m_s->requireUsable();
    m_s->pending = detail::Pending{true, {}};
}

void Cursor::edit() {
    m_s->requireUsable();
    m_s->requireCurrent();
    m_s->currentRow(); // the record must still be there
    m_s->pending = detail::Pending{false, {}};
}

bool Cursor::editing() const {
    return m_s->pending.has_value();
}

void Cursor::cancelUpdate() {
    m_s->pending.reset();
}

void Cursor::setValue(const QString &field, const QVariant &value) {
    m_s->requireUsable();
    const int c = m_s->column(field);
    if (!m_s->pending)
        fail(QStringLiteral(
                 "The field %1 of table %2 in %3 cannot be written without AddNew or Edit.")
                 .arg(m_s->cols[size_t(c)].name, m_s->table, path()));
    m_s->pending->values.insert(c, m_s->toStored(c, value));
}

QVariant Cursor::checkValue(const QString &field, const QVariant &value) const {
    return fromStored(m_s->cols[size_t(m_s->column(field))],
                      m_s->toStored(m_s->column(field), value));
}

void Cursor::update() {
    m_s->requireUsable();
    if (!m_s->pending)
        fail(QStringLiteral("Update without AddNew or Edit in table %1 of %2.")
                 .arg(m_s->table, path()));
    const detail::Pending p = *m_s->pending;
    QList<int> colsSet = p.values.keys();
    std::sort(colsSet.begin(), colsSet.end());

    QSqlQuery q(m_s->conn->db());
    if (p.adding) {
        if (colsSet.isEmpty()) {
            q.prepare(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_s->table)));
        } else {
            QStringList names, marks;
            for (int c : colsSet) {
                names << quoted(m_s->cols[size_t(c)].name);
                marks << QStringLiteral("?");
            }
            q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(quoted(m_s->table), names.join(QStringLiteral(", ")),
                               marks.join(QStringLiteral(", "))));
            for (int c : colsSet)
                q.addBindValue(p.values.value(c));
        }
        qint64 id = m_s->runInTransaction(q, QStringLiteral("Adding a record"));
        if (id <= 0) { // the driver did not report the rowid: the new row is the last one
            m_s->loadIds();
            id = m_s->ids.empty() ? 0 : m_s->ids.back();
        }
        m_s->pending.reset();
        m_s->afterDelete = false;
        m_s->noMatch = false;
        m_s->pos = m_s->indexOfId(id);
        m_s->fetchOne(id);
        return;
    }

    m_s->requireCurrent();
    const qint64 id = m_s->ids[size_t(m_s->pos)];
    if (!colsSet.isEmpty()) {
        QStringList sets;
        for (int c : colsSet)
            sets << quoted(m_s->cols[size_t(c)].name) + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                      .arg(quoted(m_s->table), sets.join(QStringLiteral(", "))));
        for (int c : colsSet)
            q.addBindValue(p.values.value(c));
        q.addBindValue(id);
        m_s->runInTransaction(q, QStringLiteral("Saving a record"), true);
    }
    m_s->pending.reset();
    m_s->fetchOne(id);
}

void Cursor::deleteCurrent() {
    m_s->requireUsable();
    m_s->requireCurrent();
    const qint64 id = m_s->ids[size_t(m_s->pos)];
    QSqlQuery q(m_s->conn->db());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_s->table)));
    q.addBindValue(id);
    m_s->runInTransaction(q, QStringLiteral("Deleting a record"), true);
    m_s->pending.reset();
    m_s->cache.remove(id);
    m_s->ids.erase(m_s->ids.begin() + m_s->pos);
    m_s->afterDelete = true;
}

void Cursor::setIndex(const QString &index) {
    m_s->requireUsable();
    QString shown, stored;
    for (const auto &n : m_s->conn->indexes(m_s->table))
        if (n.first.compare(index, Qt::CaseInsensitive) == 0) {
            shown = n.first;
            stored = n.second;
        }
    if (stored.isEmpty())
        fail(QStringLiteral("The index %1 does not exist on table %2 of %3.")
                 .arg(index, m_s->table, path()));
    QSqlQuery q(m_s->conn->db());
    if (!q.exec(QStringLiteral("PRAGMA index_info(%1)").arg(quoted(stored))))
        fail(QStringLiteral("The index %1 of table %2 of %3 cannot be read: %4")
                 .arg(shown, m_s->table, path(), q.lastError().text()));
    std::vector<int> cols;
    while (q.next()) {
        const int cid = q.value(1).toInt();
        if (cid < 0 || cid >= int(m_s->cols.size()))
            fail(QStringLiteral("The index %1 of table %2 of %3 is not on plain fields.")
                     .arg(shown, m_s->table, path()));
        cols.push_back(cid);
    }
    m_s->indexName = shown;
    m_s->indexCols = cols;
}

QString Cursor::index() const {
    return m_s->indexName;
}

QStringList Cursor::indexFields() const {
    QStringList names;
    for (int c : m_s->indexCols)
        names << m_s->cols[size_t(c)].name;
    return names;
}

void Cursor::seek(const QVariantList &keys) {
    m_s->requireUsable();
    if (m_s->indexName.isEmpty())
        fail(QStringLiteral("A seek in table %1 of %2 needs an index; none is chosen.")
                 .arg(m_s->table, path()));
    if (keys.isEmpty() || keys.size() > int(m_s->indexCols.size()))
        fail(QStringLiteral(
                 "The index %1 of table %2 of %3 has %4 key fields; a seek gave %5 values.")
                 .arg(m_s->indexName, m_s->table, path())
                 .arg(m_s->indexCols.size())
                 .arg(keys.size()));
    m_s->leaveRecord();

    QStringList where, order;
    QVariantList binds;
    bool nullKey = false;
    for (int k = 0; k < int(m_s->indexCols.size()); ++k) {
        const int c = m_s->indexCols[size_t(k)];
        const bool text = m_s->cols[size_t(c)].kind == FieldKind::Text;
        const QString name = quoted(m_s->cols[size_t(c)].name) +
                             (text ? QStringLiteral(" COLLATE NOCASE") : QString());
        order << name;
        if (k < keys.size()) {
            QVariant stored = m_s->toStored(c, keys[k]);
            if (stored.isNull())
                nullKey = true;
            where << name + QStringLiteral(" = ?");
            binds << stored;
        }
    }
    m_s->noMatch = true;
    m_s->pos = m_s->count(); // no current record unless found
    if (nullKey)
        return;
    order << QStringLiteral("rowid");
    QSqlQuery q(m_s->conn->db());
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY %3 LIMIT 1")
                  .arg(quoted(m_s->table), where.join(QStringLiteral(" AND ")),
                       order.join(QStringLiteral(", "))));
    for (const auto &b : binds)
        q.addBindValue(b);
    if (!q.exec())
        fail(QStringLiteral("A seek on index %1 of table %2 of %3 failed: %4")
                 .arg(m_s->indexName, m_s->table, path(), q.lastError().text()));
    if (!q.next())
        return;
    const qint64 id = q.value(0).toLongLong();
    m_s->noMatch = false;
    m_s->pos = m_s->indexOfId(id);
    if (!m_s->cache.contains(id))
        m_s->fetchOne(id);
}

bool Cursor::noMatch() const {
    return m_s->noMatch;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(const Database &db) : m_conn(db.m_conn) {
    m_conn->requireOpen();
    if (m_conn->inTransaction)
        fail(QStringLiteral("A transaction on %1 is already open.").arg(m_conn->path));
    QSqlDatabase d = m_conn->db();
    if (!d.transaction())
        fail(QStringLiteral("A transaction on %1 cannot start: %2")
                 .arg(m_conn->path, d.lastError().text()));
    m_conn->inTransaction = true;
}

Transaction::~Transaction() {
    if (m_done || !m_conn->open)
        return;
    m_conn->db().rollback();
    m_conn->inTransaction = false;
}

void Transaction::commit() {
    if (m_done)
        return;
    m_conn->requireOpen();
    m_done = true;
    m_conn->inTransaction = false;
    QSqlDatabase d = m_conn->db();
    if (!d.commit()) {
        const QString err = d.lastError().text();
        d.rollback();
        fail(QStringLiteral("The changes to %1 cannot be saved: %2").arg(m_conn->path, err));
    }
}

// ---------------------------------------------------------------- helpers

Cursor openLastDefaults(const Database &db) {
    Cursor c = db.openTable(QStringLiteral("Defaults"));
    if (c.recordCount() == 0)
        fail(QStringLiteral("The table Defaults of %1 holds no record").arg(db.path()));
    c.moveLast();
    return c;
}

} // namespace zarn::db
