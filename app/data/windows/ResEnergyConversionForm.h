#pragma once
// "Resource Energy Conversion": the catalogue of energy conversion units
// (table EnergyConversion).
#include "data/windows/boundform.h"
#include "ui_ResEnergyConversionForm.h"

namespace zarn {

class ResEnergyConversionForm : public BoundForm {
    Q_OBJECT
public:
    ResEnergyConversionForm();

    Ui::ResEnergyConversionForm ui;

private slots:
    void on_ResECNewButton_clicked() { newRecord(); }
    void on_ResECOKButton_clicked() { okSaving(); }
    void on_ResECCancelButton_clicked() { cancel(); }
};

} // namespace zarn
