#pragma once
// The crop model's output file OUT2.SG: every line of it, and the yield,
// maturity date and sowing date the output scan finds in it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOut2Form.h"

namespace zarn {

class CeresOut2Form : public ZarnWindow {
    Q_OBJECT
public:
    CeresOut2Form();
    void load() override;

    Ui::CeresOut2Form ui;

private slots:
    void on_CeresOut2OKButton_clicked();
    void on_CeresOut2CancelButton_clicked();
};

} // namespace zarn
