#pragma once
// "System Default Form": opens the two default windows and saves the defaults.
#include "shell/windows/zarnwindow.h"
#include "ui_ZarnDefaultForm.h"

namespace zarn {

class ZarnDefaultForm : public ZarnWindow {
    Q_OBJECT
public:
    ZarnDefaultForm();

    Ui::ZarnDefaultForm ui;

private slots:
    void on_ZarnDefPart1Button_clicked();
    void on_ZarnDefPart2Button_clicked();
    void on_zarnDefmOKButton_clicked();
    void on_zarnDefMoreCancelButton_clicked();
};

} // namespace zarn
