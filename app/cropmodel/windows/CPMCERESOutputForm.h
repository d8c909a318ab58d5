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
    void on_CERESOut1Button_clicked();
    void on_CERESOut2Button_clicked();
    void on_CERESOut3Button_clicked();
    void on_CERESOut4Button_clicked();
    void on_CERESOut5Button_clicked();
    void on_CPMCERESOutputExitButton_clicked();
};

} // namespace zarn
