#pragma once
// The crop model's output file OUT5.SG: every line of it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOut5Form.h"

namespace zarn {

class CeresOut5Form : public ZarnWindow {
    Q_OBJECT
public:
    CeresOut5Form();
    void load() override;

    Ui::CeresOut5Form ui;

private slots:
    void on_CeresOut5ExitButton_clicked();
};

} // namespace zarn
