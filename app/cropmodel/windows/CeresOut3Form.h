#pragma once
// The crop model's output file OUT3.SG: every line of it, and the yield,
// maturity date and sowing date the output scan finds in it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOut3Form.h"

namespace zarn {

class CeresOut3Form : public ZarnWindow {
    Q_OBJECT
public:
    CeresOut3Form();
    void load() override;

    Ui::CeresOut3Form ui;

private slots:
    void on_CeresOut3OKButton_clicked();
    void on_CeresOut3CancelButton_clicked();
};

} // namespace zarn
