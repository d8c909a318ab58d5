#pragma once
// The treatment window, kept without behaviour: "Exit" closes it.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInTreatmentform.h"

namespace zarn {

class CeresInTreatmentform : public ZarnWindow {
    Q_OBJECT
public:
    CeresInTreatmentform();

    Ui::CeresInTreatmentform ui;

private slots:
    void on_CeresInTreatmentExitButton_clicked();
};

} // namespace zarn
