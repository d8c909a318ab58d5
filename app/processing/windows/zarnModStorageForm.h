#pragma once
// The storage module window; it has no data of its own yet.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModStorageForm.h"

namespace zarn {

class zarnModStorageForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModStorageForm();

    Ui::zarnModStorageForm ui;

private slots:
    void on_zarnModStorageOKButton_clicked();
    void on_zarnModStorageCancelButton_clicked();
};

} // namespace zarn
