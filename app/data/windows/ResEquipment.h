#pragma once
// "Equipment": the machinery (table Equipment). Its fields are bound to the
// record shown, and it also saves through code:
//   "New"  shows an empty entry (texts empty, numbers 0, the currency symbol as
//          capital cost units) that is not bound: the record shown is left as
//          it is and the bar does not move until the entry is saved.
//   "Save" after "New" appends the entry as a new record; otherwise it writes
//          the fields over every record of the type typed in the name field
//          (none when no record has that type). Either way the window then
//          shows the table as stored and the mode returns to blank.
//   "OK", "Cancel" close the window; an entry made by "New" and not saved is
//          dropped, edits of the record shown are stored as on any close.
#include "data/equipment.h"
#include "data/windows/boundform.h"
#include "ui_ResEquipment.h"

namespace zarn {

class ResEquipment : public BoundForm {
    Q_OBJECT
public:
    ResEquipment();

    Ui::ResEquipment ui;
    // " " while showing records, "NEW" while showing an entry made by "New".
    const QString &mode() const { return m_mode; }

private slots:
    void on_ResEquipNewButton_clicked();
    void on_ResEquipSaveButton_clicked();
    void on_ResEquipOKButton_clicked() { close(); }
    void on_ResEquipCancelButton_clicked() { close(); }

private:
    db::EquipmentEntry entry() const;

    QString m_mode = QStringLiteral(" ");
};

} // namespace zarn
