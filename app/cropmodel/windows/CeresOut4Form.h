#pragma once
// The crop model's output file OUT4.SG: every line of it, and the yield,
// maturity date and sowing date the output scan finds in it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOut4Form.h"

namespace zarn {

class CeresOut4Form : public ZarnWindow {
    Q_OBJECT
public:
    CeresOut4Form();
    void load() override;

    Ui::CeresOut4Form ui;

private slots:
    void on_CeresOut4OKButton_clicked();
    void on_CeresOut4CancelButton_clicked();
};

} // namespace zarn
