#pragma once
// The cursor layer over the two database files Sorghum.mdb and Soils.mdb
// (SQLite files opened through Qt SQL).
//
// Every user action opens the database by path, opens a table, works on it and
// closes both again; no connection is held between actions. A Database owns one
// uniquely named Qt SQL connection, which is removed when the Database and every
// Cursor made from it are gone (or on close()).
//
// Table order is rowid (insertion) order; "the last record" is the highest rowid.
// A cursor takes the table's rowids once when it is opened and fetches rows in
// blocks as it moves, so reading a whole table is a single pass. Records added
// through the cursor are appended to its order; rows added by other cursors after
// it was opened are not seen by it.
//
// Field names are matched case-insensitively and taken as they stand (blanks and
// signs included: "Capital Cost", "Postal Code", "e-mail", "CorrectionStalk&Leaves").
//
// Writes follow the recordset style: addNew() or edit() starts a pending record,
// setValue() fills it, update() saves it in one transaction, cancelUpdate()
// drops it. deleteCurrent() deletes in one transaction. SQLite stores any value
// in any column, so values are checked against each column's declared type:
//   INTEGER / INT...        whole number (a fractional value is rounded)
//   REAL / DOUBLE / NUMERIC number
//   BOOLEAN / BOOL / YESNO  yes/no (bool, 0 / non-zero, "true"/"false"/"yes"/"no")
//   TEXT(n) / VARCHAR(n)    text, cut to its first n characters when saved
//   anything else           text without a width
// A number field refuses a text that is not a number (an empty text stores
// Null). Read back, values carry the column's kind (double, qlonglong, bool,
// QString); Null reads as an invalid QVariant.
//
// Every failure throws zarn::UserError with the title "Database Error" and a text
// naming the file and, where they apply, the table, field, index or value. A
// failed write leaves the stored data as they were.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>

namespace zarn::db {

// Title of every message about a failed database operation.
inline const QString kErrorTitle = QStringLiteral("Database Error");

namespace detail {
struct Connection;
struct CursorState;
} // namespace detail

class Cursor;

// How a table is opened. Both kinds offer every operation of Cursor; the kind is
// kept for callers that mirror the design's choice (seeks are made on table
// cursors there).
enum class CursorKind { Dynaset, Table };

// The declared kind of a column.
enum class FieldKind { Text, Number, Integer, YesNo };

class Database {
public:
    // Opens an existing database file read-write. A missing file is a UserError
    // naming it; the file is never created. A file that is not a database is a
    // UserError too.
    static Database open(const QString &path);

    Database(Database &&) noexcept;
    Database &operator=(Database &&) noexcept;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    // Opens a whole table (never a query text). A missing table is a UserError
    // naming the file and the table.
    Cursor openTable(const QString &table, CursorKind kind = CursorKind::Dynaset) const;
    Cursor openDynaset(const QString &table) const;
    Cursor openTableCursor(const QString &table) const;

    const QString &path() const;
    bool hasTable(const QString &table) const; // case-insensitive
    QStringList tableNames() const;            // as stored
    QStringList
    fieldNames(const QString &table) const; // in column order; UserError if no such table
    // Named indexes of the table, by the names the program uses. An index that
    // would share its name with a table is stored as "<table>.<index>" and
    // listed (and chosen) by the part after the dot.
    QStringList indexNames(const QString &table) const;

    // The Qt SQL connection, for a bound data source (QSqlTableModel) in a
    // window. Every model and query made on it must be destroyed before the
    // Database is closed.
    QSqlDatabase connection() const;

    // Closes the file at once; cursors made from this Database stop working
    // (their operations throw). Without close(), the file is closed when the
    // Database and every Cursor made from it are gone, so a cursor may outlive
    // the Database object it came from.
    void close();
    bool isOpen() const;

private:
    friend class Transaction;
    explicit Database(std::shared_ptr<detail::Connection> c);
    std::shared_ptr<detail::Connection> m_conn;
};

class Cursor {
public:
    Cursor(Cursor &&) noexcept;
    Cursor &operator=(Cursor &&) noexcept;
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;
    ~Cursor();

    const QString &table() const; // the table's name as stored
    const QString &path() const;  // the database file
    CursorKind kind() const;
    QStringList fieldNames() const; // in column order, as stored
    bool hasField(const QString &field) const;
    FieldKind fieldKind(const QString &field) const; // UserError if no such field
    int fieldWidth(const QString &field) const;      // text width, 0 when unlimited

    // --- position ---
    // An opened cursor stands on its first record (EOF and BOF when empty).
    bool eof() const;        // past the last record (also after a seek without match)
    bool bof() const;        // before the first record
    bool hasCurrent() const; // a record is current: not at BOF or EOF, not just deleted
    int recordCount() const;
    int position() const; // 0-based index of the current record in table order; -1 if none
    qint64 rowid() const; // rowid of the current record; UserError when there is none
    void moveFirst();
    void moveLast();
    // Moving drops a pending addNew()/edit() that was not saved, as leaving a
    // record does in a recordset.
    void moveNext();     // from the last record to EOF; at EOF a UserError
    void movePrevious(); // from the first record to BOF (from EOF to the last); at BOF a UserError
    void moveTo(int index); // 0-based "record index+1"; UserError when out of range

    // --- reading (the pending record while addNew/edit is open) ---
    QVariant value(const QString &field) const; // UserError: no such field, no current record
    QString text(const QString &field) const;   // Null reads as ""; numbers as text
    double number(const QString &field) const;  // Null or a text that is no number read as 0
    qint64 integer(const QString &field) const; // number() rounded to the nearest whole number
    bool yesNo(const QString &field) const;     // Null reads as false

    // --- writing ---
    void addNew(); // starts a new pending record (fields Null / column default)
    void edit();   // starts editing the current record
    void setValue(const QString &field, const QVariant &value); // needs addNew()/edit()
    void update();        // saves the pending record; an added record becomes current
    void cancelUpdate();  // drops the pending record
    bool editing() const; // addNew() or edit() is pending
    // The value as setValue() would store it (converted to the field's kind,
    // text cut to its width), or the UserError setValue() would throw. For
    // writers that go through a Qt SQL model instead of a cursor.
    QVariant checkValue(const QString &field, const QVariant &value) const;
    // Deletes the current record. Afterwards no record is current: moveNext()
    // goes to the record that followed it, movePrevious() to the one before.
    void deleteCurrent();

    // --- index and seek ---
    // Chooses a named index of the table (names compared case-insensitively);
    // a missing index is a UserError naming file, table and index.
    void setIndex(const QString &index);
    QString index() const;
    QStringList indexFields() const;
    // Moves to the first record in index order whose key fields equal keys
    // (texts compared case-insensitively, numbers by value); fewer keys than
    // index fields compare a leading part of the key. With no such record
    // noMatch() is true and there is no current record.
    void seek(const QVariantList &keys);
    void seek(const QVariant &key) { seek(QVariantList{key}); }
    bool noMatch() const;

    // Ends the cursor (a pending record is dropped). Called by the destructor.
    void close();

private:
    friend class Database;
    explicit Cursor(std::unique_ptr<detail::CursorState> s);
    std::unique_ptr<detail::CursorState> m_s;
};

inline Cursor Database::openDynaset(const QString &table) const {
    return openTable(table, CursorKind::Dynaset);
}
inline Cursor Database::openTableCursor(const QString &table) const {
    return openTable(table, CursorKind::Table);
}

// Groups the writes of every cursor of one Database into a single transaction,
// for actions that write many records (loading a catalogue, importing weather):
// either all of them are stored (commit()) or none (the destructor rolls back
// when commit() was not reached, e.g. when a UserError ends the action). Inside
// it, update() and deleteCurrent() do not commit on their own. After a rollback
// the cursors of that Database may still list the records added in it; open
// the tables again before going on. One Transaction per Database at a time.
class Transaction {
public:
    explicit Transaction(const Database &db);
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();
    void commit(); // UserError when the file refuses the commit (then rolled back)

private:
    std::shared_ptr<detail::Connection> m_conn;
    bool m_done = false;
};

// Opens table Defaults of db and moves to its last record, the current defaults.
// An empty table is a UserError "The table Defaults of <file> holds no record".
Cursor openLastDefaults(const Database &db);

// Throws the UserError that every failure of this layer throws.
[[noreturn]] void fail(const QString &text);

} // namespace zarn::db
