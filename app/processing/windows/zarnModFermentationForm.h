#pragma once
// The fermentation module window; it has no data of its own yet.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModFermentationForm.h"

namespace zarn {

class zarnModFermentationForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModFermentationForm();

    Ui::zarnModFermentationForm ui;

private slots:
    void on_zarnModFermentationOKButton_clicked();
    void on_zarnModFermentationCancelButton_clicked();
};

} // namespace zarn
