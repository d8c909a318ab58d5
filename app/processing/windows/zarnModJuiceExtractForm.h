#pragma once
// The juice-extraction module: the extraction methods, showing the default one.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModJuiceExtractForm.h"

namespace zarn {

class zarnModJuiceExtractForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModJuiceExtractForm();
    void load() override;

    Ui::zarnModJuiceExtractForm ui;

private slots:
    void on_zarnModJuiceExtractOKButton_clicked();
    void on_zarnModJuiceExtractCancelButton_clicked();
};

} // namespace zarn
