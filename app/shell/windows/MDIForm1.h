#pragma once
// The older multiple-document frame. Nothing in the program opens it; its menu
// opens the same windows as the main working window's menus.
#include "shell/windows/zarnwindow.h"
#include "ui_MDIForm1.h"

namespace zarn {

class MDIForm1 : public ZarnMainWindow {
    Q_OBJECT
public:
    MDIForm1();

    Ui::MDIForm1 ui;

private slots:
    void on_mdiExit_triggered();
};

} // namespace zarn
