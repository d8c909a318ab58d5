#pragma once
// "Energy Management": fuels and energy carriers (table Energy).
#include "data/windows/boundform.h"
#include "ui_ResEnergyForm.h"

namespace zarn {

class ResEnergyForm : public BoundForm {
    Q_OBJECT
public:
    ResEnergyForm();

    Ui::ResEnergyForm ui;

private slots:
    void on_ResEnergyNewButton_clicked() { newRecord(); }
    void on_ResEnergyDeleteButton_clicked() { deleteRecord(); }
    void on_ResEnergyOKButton_clicked() { okSaving(); }
    void on_ResEnergyCancelButton_clicked() { cancel(); }
};

} // namespace zarn
