#include "data/tablemodel.h"

#include "cropmodel/numbers.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace zarn::db {

QString TableModel::numberText(double value) {
    return cropmodel::PlainDecimal(value);
}

TableModel::TableModel(QObject *parent) : QAbstractTableModel(parent) {}

TableModel::~TableModel() {
    m_cursor.reset();
    m_db.reset();
}

void TableModel::open(const QString &path, const QString &table) {
    Database db = Database::open(path);
    Cursor cursor = db.openTable(table);
    std::vector<FieldKind> kinds;
    const QStringList fields = cursor.fieldNames();
    for (const QString &f : fields)
        kinds.push_back(cursor.fieldKind(f));

    beginResetModel();
    m_rows.clear();
    m_cursor.reset();
    m_db.reset();
    m_db.emplace(std::move(db));
    m_cursor.emplace(std::move(cursor));
    m_fields = fields;
    m_kinds = std::move(kinds);
    endResetModel();
    select();
}

void TableModel::close() {
    beginResetModel();
    m_rows.clear();
    m_cursor.reset();
    if (m_db)
        m_db->close();
    m_db.reset();
    m_fields.clear();
    m_kinds.clear();
    endResetModel();
}

QString TableModel::path() const {
    return m_db ? m_db->path() : QString();
}

QString TableModel::table() const {
    return m_cursor ? m_cursor->table() : QString();
}

void TableModel::select() {
    if (!m_cursor)
        return;
    // Read everything before the model changes, so a failure leaves it as it was.
    Cursor cursor = m_db->openTable(m_cursor->table());
    std::vector<Row> rows(size_t(cursor.recordCount()));
    for (int i = 0; i < int(rows.size()); ++i) {
        cursor.moveTo(i);
        rows[size_t(i)].rowid = cursor.rowid();
        for (const QString &f : m_fields)
            rows[size_t(i)].values << cursor.value(f);
    }
    beginResetModel();
    m_cursor.emplace(std::move(cursor));
    m_rows = std::move(rows);
    endResetModel();
}

int TableModel::fieldIndex(const QString &field) const {
    for (int c = 0; c < m_fields.size(); ++c)
        if (m_fields[c].compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString TableModel::fieldName(int column) const {
    return column >= 0 && column < m_fields.size() ? m_fields[column] : QString();
}

int TableModel::storedCount() const {
    int n = int(m_rows.size());
    while (n > 0 && m_rows[size_t(n - 1)].rowid == 0)
        --n;
    return n;
}

void TableModel::requireRow(int row) const {
    if (row < 0 || row >= int(m_rows.size()))
        fail(QStringLiteral("The table %1 of %2 has no record %3.")
                 .arg(table(), path())
                 .arg(row + 1));
}

qint64 TableModel::rowid(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].rowid : 0;
}

int TableModel::rowOf(qint64 rowid) const {
    if (rowid <= 0)
        return -1;
    const int n = storedCount();
    const auto first = m_rows.begin();
    const auto it = std::lower_bound(first, first + n, rowid,
                                     [](const Row &r, qint64 id) { return r.rowid < id; });
    return it != first + n && it->rowid == rowid ? int(it - first) : -1;
}

bool TableModel::isNew(int row) const {
    return row >= 0 && row < int(m_rows.size()) && m_rows[size_t(row)].rowid == 0;
}

bool TableModel::isDirty(int row) const {
    return row >= 0 && row < int(m_rows.size()) && !m_rows[size_t(row)].pending.isEmpty();
}

QVariant TableModel::storedValue(int row, int column) const {
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= m_fields.size())
        return QVariant();
    return m_rows[size_t(row)].values.value(column);
}

QVariant TableModel::shown(const Row &row, int column) const {
    const QVariant v = row.values.value(column);
    if (m_kinds[size_t(column)] == FieldKind::YesNo)
        return v.isValid() && !v.isNull() ? v : QVariant(false);
    if (!v.isValid() || v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double)
        return numberText(v.toDouble());
    return v.toString();
}

int TableModel::insertNewRow() {
    if (!m_cursor)
        fail(QStringLiteral("No table is open for a new record."));
    if (!m_rows.empty() && m_rows.back().rowid == 0)
        return int(m_rows.size()) - 1;
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    Row r;
    for (int c = 0; c < m_fields.size(); ++c)
        r.values << QVariant();
    m_rows.push_back(std::move(r));
    endInsertRows();
    return row;
}

void TableModel::readRow(Row &row) {
    row.rowid = m_cursor->rowid();
    row.values.clear();
    for (const QString &f : m_fields)
        row.values << m_cursor->value(f);
}

void TableModel::submitRow(int row) {
    requireRow(row);
    Row &r = m_rows[size_t(row)];
    if (r.pending.isEmpty())
        return;
    Cursor &c = *m_cursor;
    // Stored rows come first and in the cursor's order, so row k is the
    // cursor's record k.
    if (r.rowid == 0) {
        c.addNew();
    } else {
        c.moveTo(row);
        if (c.rowid() != r.rowid)
            fail(QStringLiteral("The record shown in table %1 of %2 is no longer where it was; "
                                "open the window again.")
                     .arg(table(), path()));
        c.edit();
    }
    QList<int> columns = r.pending.keys();
    std::sort(columns.begin(), columns.end());
    try {
        for (int col : columns)
            c.setValue(m_fields[col], r.pending.value(col));
        c.update();
    } catch (...) {
        if (c.editing())
            c.cancelUpdate();
        throw;
    }
    Row stored;
    readRow(stored);
    r = std::move(stored);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TableModel::revertRow(int row) {
    requireRow(row);
    if (m_rows[size_t(row)].rowid == 0) {
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
        return;
    }
    if (m_rows[size_t(row)].pending.isEmpty())
        return;
    m_rows[size_t(row)].pending.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TableModel::deleteRow(int row) {
    requireRow(row);
    if (m_rows[size_t(row)].rowid != 0) {
        Cursor &c = *m_cursor;
        c.moveTo(row);
        if (c.rowid() != m_rows[size_t(row)].rowid)
            fail(QStringLiteral("The record shown in table %1 of %2 is no longer where it was; "
                                "open the window again.")
                     .arg(table(), path()));
        c.deleteCurrent();
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int TableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= int(m_rows.size()) || index.column() >= m_fields.size())
        return QVariant();
    const Row &r = m_rows[size_t(index.row())];
    if (role == ValueRole)
        return r.values.value(index.column());
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const auto it = r.pending.constFind(index.column());
    if (it != r.pending.constEnd())
        return it.value();
    return shown(r, index.column());
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= int(m_rows.size()) ||
        index.column() >= m_fields.size())
        return false;
    Row &r = m_rows[size_t(index.row())];
    const QVariant before = data(index, Qt::EditRole);
    const QVariant asStored = shown(r, index.column());
    const bool same = asStored.typeId() == QMetaType::Bool
                          ? value.toBool() == asStored.toBool()
                          : value.toString() == asStored.toString();
    if (same)
        r.pending.remove(index.column());
    else
        r.pending.insert(index.column(), value);
    if (data(index, Qt::EditRole) != before)
        emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return fieldName(section);
    return section + 1;
}

} // namespace zarn::db
