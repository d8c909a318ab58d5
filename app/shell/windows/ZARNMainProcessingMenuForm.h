#pragma once
// The main working window "Tarnwick (ZARN)": every other window is reached from
// its three groups of option buttons and its menu bar.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNMainProcessingMenuForm.h"

namespace zarn {

class ZARNMainProcessingMenuForm : public ZarnMainWindow {
    Q_OBJECT
public:
    ZARNMainProcessingMenuForm();
    void load() override;

    Ui::ZARNMainProcessingMenuForm ui;

private slots:
    void on_ZARNButton_clicked();
    void on_ResourcesButton_clicked();
    void on_CERESButton_clicked();
    void on_ExitButton_clicked();
    void on_mnuExit_triggered();
};

} // namespace zarn
