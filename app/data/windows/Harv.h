#pragma once
// "Harvest Database": harvest methods (table Harvest). "Edit" puts the focus on
// the first field.
#include "data/windows/boundform.h"
#include "ui_Harv.h"

namespace zarn {

class Harv : public BoundForm {
    Q_OBJECT
public:
    Harv();

    Ui::Harv ui;

private slots:
    void on_HarvAddButton_clicked() { newRecord(); }
    void on_HarvEditButton_clicked() { showFirstField(); }
    void on_HarvDeleteButton_clicked() { deleteRecord(); }
    void on_HarvOKButton_clicked() { okSaving(); }
    void on_HarvCancelButton_clicked() { cancel(); }
};

} // namespace zarn
