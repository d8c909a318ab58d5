#pragma once
// "Juice Extraction Module": a window without fields; "OK" and "Cancel" close it.
#include "shell/windows/zarnwindow.h"
#include "ui_ResJuiceExtForm.h"

namespace zarn {

class ResJuiceExtForm : public ZarnWindow {
    Q_OBJECT
public:
    ResJuiceExtForm();

    Ui::ResJuiceExtForm ui;

private slots:
    void on_ResJuiceExtOKButton_clicked() { close(); }
    void on_ResJuiceExtCancelButton_clicked() { close(); }
};

} // namespace zarn
