#pragma once
// "Variety Resource": sorghum varieties (table Variety). The two correction
// factors "One" and "Two" are not bound.
#include "data/windows/boundform.h"
#include "ui_resVarietyForm.h"

namespace zarn {

class resVarietyForm : public BoundForm {
    Q_OBJECT
public:
    resVarietyForm();

    Ui::resVarietyForm ui;

private slots:
    void on_zarnModCropOKButton_clicked() { close(); }
    void on_zarnModCropCancelButton_clicked() { cancel(); }
};

} // namespace zarn
