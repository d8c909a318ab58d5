#pragma once
// The help window: one page of set-up notes.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnMainMenuHelpForm.h"

namespace zarn {

class zarnMainMenuHelpForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnMainMenuHelpForm();
    Ui::zarnMainMenuHelpForm ui;

private slots:
    void on_zarnMainMenuHelpExitButton_clicked() { close(); }
};

} // namespace zarn
