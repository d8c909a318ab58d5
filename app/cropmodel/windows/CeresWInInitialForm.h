#pragma once
// The weather-files initialise window: lists the institutes and sites of the
// database, showing the last row of each with its code. Its "Initialise
// Files" button carries no action; "OK" and "Cancel" close it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresWInInitialForm.h"

namespace zarn {

class CeresWInInitialForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresWInInitialForm();
    void load() override;

    Ui::CeresWInInitialForm ui;

private slots:
    void on_CeresWInInitialOKButton_clicked();
    void on_CeresWInInitialCancelButton_clicked();
};

} // namespace zarn
