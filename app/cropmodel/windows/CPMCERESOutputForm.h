#pragma once
// The output chooser: one option button per model output file, each opening
// its output window.
#include "shell/windows/zarnwindow.h"
#include "ui_CPMCERESOutputForm.h"

namespace zarn {

class CPMCERESOutputForm : public ZarnWindow {
    Q_OBJECT
public:
    CPMCERESOutputForm();

    Ui::CPMCERESOutputForm ui;

private slots:
    void on_CPMCERESOutputExitButton_clicked();
};

} // namespace zarn
