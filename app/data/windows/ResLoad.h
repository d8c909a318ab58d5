#pragma once
// "Loading Management ": loading methods (table Load).
#include "data/windows/boundform.h"
#include "ui_ResLoad.h"

namespace zarn {

class ResLoad : public BoundForm {
    Q_OBJECT
public:
    ResLoad();

    Ui::ResLoad ui;

private slots:
    void on_ResLoadNewButton_clicked() { newRecord(); }
    void on_ResLoadSaveButton_clicked() { saveRecord(); }
    void on_ResLoadDeleteButton_clicked() { deleteRecord(); }
    void on_ResLoadOKButton_clicked() { close(); }
    void on_ResLoadCancelButton_clicked() { cancel(); }
    void on_ResLoadExitButton_clicked() { close(); }
};

} // namespace zarn
