#pragma once
// The fertilise window, kept without behaviour: "Exit" closes it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInFertiliseForm.h"

namespace zarn {

class CeresInFertiliseForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInFertiliseForm();

    Ui::CeresInFertiliseForm ui;

private slots:
    void on_CeresInFertiliseExitButton_clicked();
};

} // namespace zarn
