#pragma once
// The table model behind every bound window: one row per record of one table,
// in table (rowid) order, every row keyed by its rowid.
//
// Why not a plain QSqlTableModel: our tables have no primary key, so it finds
// the row to change by comparing every column; of two identical records an edit
// changes both and still reports success. This model writes through the cursor
// layer (database.h) by rowid, so exactly the record shown is changed, with the
// cursor layer's value rules: a text is cut to its field's width, a number field
// refuses a text that is no number (UserError naming file, table, field and
// value; nothing is stored), an empty text stores Null.
//
// Edits are buffered per row: setData() records a pending value (only when it
// differs from what the row shows, so a field nobody changed is never
// rewritten and a stored 0.30000000000000004 shown as "0.3" stays as it is);
// submitRow() stores the row's pending values in one transaction; revertRow()
// drops them. A new record (insertNewRow()) lives only in the model, at the end,
// until submitRow() appends it; a new row nobody typed into is not dirty.
//
// Values: Qt::DisplayRole and Qt::EditRole give text as a text field shows it
// (numbers in plain decimal form, at most 7 significant digits; whole-number
// fields in full; Null as ""); yes/no fields give a bool. ValueRole gives the
// stored value as the cursor reads it (double, qlonglong, bool, QString; Null
// invalid). A pending value is shown as it was typed.
//
// Every failure (missing file, table or field, refused value, record deleted
// meanwhile) is a UserError; the model is then as it was before the call.
// The model holds its database open from open() to close() or destruction.

#include "data/database.h"

#include <QAbstractTableModel>
#include <QHash>
#include <optional>
#include <vector>

namespace zarn::db {

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit TableModel(QObject *parent = nullptr);
    ~TableModel() override;

    // Opens table of the database file at path and reads its records.
    void open(const QString &path, const QString &table);
    void close();
    bool isOpen() const { return m_cursor.has_value(); }
    QString path() const;  // the database file ("" when closed)
    QString table() const; // the table's name as stored ("" when closed)

    // Reads the table again as stored: pending values and a new row are dropped.
    void select();

    // Column of a field (case-insensitive, blanks as they stand); -1 when none.
    int fieldIndex(const QString &field) const;
    QString fieldName(int column) const;

    qint64 rowid(int row) const;                     // 0 for a new row not yet stored
    int rowOf(qint64 rowid) const;                   // -1 when no row has that rowid
    bool isNew(int row) const;                       // a new record not yet stored
    bool isDirty(int row) const;                     // has pending values
    QVariant storedValue(int row, int column) const; // as read, ignoring pending values

    // Appends a new, empty row (at most one at a time: an existing new row is
    // returned instead) and returns its row number.
    int insertNewRow();
    // Stores the row's pending values: a new row is appended to the table and
    // gets its rowid. Without pending values nothing is written (a new row
    // stays new). A UserError leaves the table and the pending values as they were.
    void submitRow(int row);
    // Drops the row's pending values; a new row is removed.
    void revertRow(int row);
    // Deletes the row's record (a new row is only removed).
    void deleteRow(int row);

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A number as a text field shows it: plain decimal form, at most 7
    // significant digits, no trailing zeros (966.0000000000001 -> "966").
    static QString numberText(double value);

private:
    struct Row {
        qint64 rowid = 0; // 0: new, not stored yet
        QVariantList values;
        QHash<int, QVariant> pending;
    };

    QVariant shown(const Row &row, int column) const; // EditRole value
    void readRow(Row &row);                           // from the cursor's current record
    int storedCount() const;
    void requireRow(int row) const;

    std::optional<Database> m_db;
    std::optional<Cursor> m_cursor;
    QStringList m_fields;
    std::vector<FieldKind> m_kinds;
    std::vector<Row> m_rows;
};

} // namespace zarn::db
