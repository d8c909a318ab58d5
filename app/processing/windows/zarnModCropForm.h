#pragma once
// The crop-inputs module: the varieties, showing the default one's
// composition and water use.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModCropForm.h"

namespace zarn {

class zarnModCropForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModCropForm();
    void load() override;

    Ui::zarnModCropForm ui;

private slots:
    void on_zarnModCropOKButton_clicked();
    void on_zarnModCropCancelButton_clicked();
};

} // namespace zarn
