#pragma once
// The unloading module: the unloading methods, showing the default one.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModUnloadForm.h"

namespace zarn {

class zarnModUnloadForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModUnloadForm();
    void load() override;

    Ui::zarnModUnloadForm ui;

private slots:
    void on_zarnModUnloadOKButton_clicked();
    void on_zarnModUnloadCancelButton_clicked();
};

} // namespace zarn
