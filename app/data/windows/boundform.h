#pragma once
// Base of every bound window: text fields tied by name to the fields of one
// table, a record navigation bar, and the common buttons.
//
// Making a bound window
//   1. Layout (.ui): the bound fields with their design names (QLineEdit,
//      QPlainTextEdit, QComboBox or QCheckBox: whatever has a user property),
//      the fixed captions as zarn::CaptionField, a zarn::RecordBar for the
//      navigation bar (both promoted, header "data/windows/boundwidgets.h";
//      the bar's caption is "Records" unless its "caption" property says
//      otherwise) and the window's buttons.
//   2. Class: derive from BoundForm; in the constructor call ui.setupUi(this)
//      and then
//          bind(QStringLiteral("Load"), ui.ResLoadRecordsData,
//               {{"ResLoadDescript", "Description"}, {"ResLoadFuel", "FuelUse"}});
//      The first binding's control gets the focus for a new record.
//   3. One slot per button, calling the common action it stands for:
//          void on_ResLoadNewButton_clicked() { newRecord(); }
//      newRecord()  "New"/"Add": an empty new record, saved like any edit
//      saveRecord() "Save": stores the record shown
//      deleteRecord() "Delete": asks Yes/No, then deletes the record shown
//      okSaving()   "OK" that saves the record shown, then closes
//      close()      "OK" that only closes, "Exit": the close saves the edits
//      cancel()     "Cancel": drops a new record never saved, then closes
//      showFirstField() e.g. an "Edit" button: focus to the first bound field
//   4. ZARN_REGISTER_WINDOW(Class) in the .cpp. Nothing else: load() opens the
//      table in gDatabasePath and shows its first record.
//
// What the frame guarantees
//   - Records show in table order; the bar moves first / previous / next / last
//     and shows "k of n", "New record" or "No record".
//   - Moving off a record and closing the window (any way) store its edits;
//     only fields whose text was changed are written, by rowid (db::TableModel).
//   - A new record nobody typed into is never stored; leaving it drops it.
//   - A value the table refuses (text in a number field) is reported naming
//     the field; nothing is stored and the window stays on the record (a close
//     is refused) until the value is corrected.
//   - Save or Delete with no record shown says so, naming the window.
//   - Every message goes through the message service. When the table cannot
//     be opened (missing file, table or field) load() says why and closes.
//
// Beyond the common buttons
//   - A window with a load step of its own overrides load() and calls
//     BoundForm::load() first; when the table could not be opened that has
//     closed the window (model().isOpen() is false): return at once.
//   - Fields that are not bound (a cost the design leaves unbound) are plain
//     QLineEdits the frame does not touch.
//   - Windows that also write through code (the equipment window) use the
//     protected helpers: saveShown() before their own write, showStored()
//     after it, setUnboundEntry() while the fields show something else.
//   - model() is a db::TableModel: rowid(row), fieldIndex(name), ValueRole
//     for the stored values as numbers.
#include "data/tablemodel.h"
#include "data/windows/boundwidgets.h"
#include "shell/windows/zarnwindow.h"

#include <QString>
#include <initializer_list>
#include <vector>

class QDataWidgetMapper;

namespace zarn {

// A control of the window, by name, tied to a field of the table, by name.
struct FieldBinding {
    const char *control;
    const char *field;
};

class BoundForm : public ZarnWindow {
    Q_OBJECT
public:
    void load() override;

    db::TableModel &model() { return m_model; }
    int shownRow() const; // -1 when no record is shown
    RecordBar *recordBar() const { return m_bar; }

protected:
    BoundForm();
    void bind(const QString &table, RecordBar *bar, std::initializer_list<FieldBinding> fields);

    // The common actions.
    void newRecord();
    void saveRecord();
    void deleteRecord();
    void okSaving();
    void cancel();
    void showFirstField();

    // Stores the edits of the record shown (an untouched new record is dropped).
    // False when the table refused them; the message has been shown.
    bool saveShown();
    // Reads the table again as stored and shows the record with this rowid (the
    // first record when it is gone). Pending edits are dropped.
    void showStored(qint64 rowid);
    // While on, the fields show an entry that is not the record shown: nothing
    // is taken from them or put into them, and the bar does not move.
    void setUnboundEntry(bool on);
    bool unboundEntry() const { return m_unbound; }
    QWidget *firstField() const;

    void closeEvent(QCloseEvent *event) override;

private:
    enum class Move { First, Previous, Next, Last };
    void move(Move move);
    void showRow(int row);
    void clearFields();
    void noRecordShown(const QString &action);

    db::TableModel m_model;
    QDataWidgetMapper *m_mapper;
    RecordBar *m_bar = nullptr;
    QString m_table;
    std::vector<FieldBinding> m_bindings;
    std::vector<QWidget *> m_fields;
    bool m_unbound = false;
};

} // namespace zarn
