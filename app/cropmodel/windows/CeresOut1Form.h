#pragma once
// The crop model's output file OUT1.SG: every line of it, and the yield,
// maturity date and sowing date the output scan finds in it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOut1Form.h"

namespace zarn {

class CeresOut1Form : public ZarnWindow {
    Q_OBJECT
public:
    CeresOut1Form();
    void load() override;

    Ui::CeresOut1Form ui;

private slots:
    void on_CeresOut1OKButton_clicked();
    void on_CeresOut1CancelButton_clicked();
};

} // namespace zarn
