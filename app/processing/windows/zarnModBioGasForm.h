#pragma once
// The biogas module window; it has no data of its own yet.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModBioGasForm.h"

namespace zarn {

class zarnModBioGasForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModBioGasForm();

    Ui::zarnModBioGasForm ui;

private slots:
    void on_zarnModBioGasOKButton_clicked();
    void on_zarnModBioGasCancelButton_clicked();
};

} // namespace zarn
