#pragma once
// The startup window. Its load step runs the startup sequence.
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNMainMenu.h"

namespace zarn {

class ZARNMainMenu : public ZarnWindow {
    Q_OBJECT
public:
    ZARNMainMenu();
    void load() override;

    Ui::ZARNMainMenu ui;

private slots:
    void on_ZARNMMWizardButton_clicked();
    void on_zarnMainMenuOKButton_clicked();
    void on_zarnMainMenuExitButton_clicked();
};

} // namespace zarn
