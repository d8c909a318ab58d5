#pragma once
// The run-result window: reads the yield of the last crop-model run from
// OUT1.SG when it opens, adds it to the yields list and shows all yields so
// far on the yields chart.
#include "shell/windows/zarnwindow.h"
#include "ui_CERESRunForm.h"

namespace zarn {

class CERESRunForm : public ZarnWindow {
    Q_OBJECT
public:
    CERESRunForm();
    void load() override;

    Ui::CERESRunForm ui;

private slots:
    void on_CERESRunOKButtom_clicked();
    void on_CERESRunCancelButton_clicked();
};

} // namespace zarn
