#pragma once
// "Land Rental, Purchase or Opportunity Costs": the land plots (table Land),
// bound to the record shown, with a save of its own:
//   "New"    shows an empty entry that is not bound (the record shown stays
//            as it is and the bar does not move until the entry is saved).
//   "Save"   after "New" appends the entry and makes it the land of the saved
//            defaults; otherwise stores the shown land and writes its sub-total
//            into the current calculation's "Land Rent" record.
//   "Delete" deletes the record shown after a question; never the current land.
//   "OK"     makes the land shown current (gLandName, the saved defaults) and
//            shows its sub-total in the land management summary; closes.
// The sub-total is the rental cost: the two fields mirror each other.
#include "data/landcosts.h"
#include "data/windows/boundform.h"
#include "ui_ResLandManCostsForm.h"

namespace zarn {

class ResLandManCostsForm : public BoundForm {
    Q_OBJECT
public:
    ResLandManCostsForm();
    void load() override;

    Ui::ResLandManCostsForm ui;
    // " " while showing records, "NEW" while showing an entry made by "New".
    const QString &mode() const { return m_mode; }

private slots:
    void on_ResLandManCostsRental_textChanged(const QString &text);
    void on_ResLandManCostsTotalTxt_textChanged(const QString &text);
    void on_ResLandManCostsSite_textChanged(const QString &text);
    void on_ResLandManCostsSiteList_activated(int index);
    void on_ResLandManCostsNewButton_clicked();
    void on_ResLandManCostsSaveButton_clicked();
    void on_ResLandManCostsDeleteButton_clicked();
    void on_ResLandManCostsOKButton_clicked();
    void on_ResLandManCostsCancelButton_clicked() { close(); }

private:
    db::LandEntry entry() const;

    QString m_mode = QStringLiteral(" ");
};

} // namespace zarn
