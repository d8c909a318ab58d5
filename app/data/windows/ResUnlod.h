#pragma once
// "Unloading Management ": unloading methods (table Unload); the loading
// window's layout, field names included.
#include "data/windows/boundform.h"
#include "ui_ResUnlod.h"

namespace zarn {

class ResUnlod : public BoundForm {
    Q_OBJECT
public:
    ResUnlod();

    Ui::ResUnlod ui;

private slots:
    void on_ResUnlodNewButton_clicked() { newRecord(); }
    void on_ResUnlodDeleteButton_clicked() { deleteRecord(); }
    void on_ResUnlodOKButton_clicked() { okSaving(); }
    void on_ResUnlodCancelButton_clicked() { cancel(); }
};

} // namespace zarn
