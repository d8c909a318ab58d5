#pragma once
// The irrigation window: the water-supply option and its coefficients, and
// the way to a new irrigation schedule.
#include "shell/windows/widgets3d.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInIrrigationForm.h"

namespace zarn {

class CeresInIrrigationForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInIrrigationForm();
    void load() override;

    Ui::CeresInIrrigationForm ui;

private slots:
    void on_CeresInIrrigationNoneOption_clicked();
    void on_CeresInIrrigationFileOption_clicked();
    void on_CeresInIrrigationAutoOption_clicked();
    void on_CeresInIrrigationNoStressOption_clicked();
    void on_CeresInIrrigationScheduleButton_clicked();
    void on_CeresInIrrigationOKButton_clicked();
    void on_CeresInIrrigationCancelButton_clicked();

private:
    void choose(int option);
};

} // namespace zarn
