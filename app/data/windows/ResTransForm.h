#pragma once
// "Transport": transport methods (table Transport).
#include "data/windows/boundform.h"
#include "ui_ResTransForm.h"

namespace zarn {

class ResTransForm : public BoundForm {
    Q_OBJECT
public:
    ResTransForm();

    Ui::ResTransForm ui;

private slots:
    void on_ResTransNewButton_clicked() { newRecord(); }
    void on_ResTransOKButton_clicked() { okSaving(); }
    void on_ResTransCancelButton_clicked() { cancel(); }
};

} // namespace zarn
