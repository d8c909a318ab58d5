#pragma once
// The electricity-production module window; it has no data of its own yet.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModElecProdForm.h"

namespace zarn {

class zarnModElecProdForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModElecProdForm();

    Ui::zarnModElecProdForm ui;

private slots:
    void on_zarnModElecProdOKButton_clicked();
    void on_zarnModElecProdCancelButton_clicked();
};

} // namespace zarn
