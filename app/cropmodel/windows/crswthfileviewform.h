#pragma once
// The weather-file viewer: the experiments of SGEXP.DIR, the weather file of
// the last one (the experiment the model runs) and that file's day lines.
#include "shell/windows/zarnwindow.h"
#include "ui_crswthfileviewform.h"

namespace zarn {

class crswthfileviewform : public ZarnWindow {
    Q_OBJECT
public:
    crswthfileviewform();
    void load() override;

    Ui::crswthfileviewform ui;

private slots:
    void on_crswthfileviewNewButton_clicked();
    void on_crswthfileviewOKButton_clicked();
    void on_crswthfileviewCancelButton_clicked();
};

} // namespace zarn
