#pragma once
// The irrigation schedule window: water events by date, written to
// irrigate.sg6; "OK" ends the schedule, "Cancel" puts the file back as it was.
#include "cropmodel/editors.h"
#include "cropmodel/inputfiles.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CERESInCMIrrigManualForm.h"

namespace zarn {

class CERESInCMIrrigManualForm : public ZarnWindow {
    Q_OBJECT
public:
    CERESInCMIrrigManualForm();
    void load() override;

    Ui::CERESInCMIrrigManualForm ui;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_CERESInCMIrrigManualMonthCombo_activated(int index);
    void on_CERESInCMIrrigManualDayCombo_activated(int index);
    void on_CERESInCMIrrigManualQuantityScroll_valueChanged(int value);
    void on_CERESInCMIrrigManualCreateButton_clicked();
    void on_CERESInCMIrrigManualOKButton_clicked();
    void on_CERESInCMIrrigManualCancelButton_clicked();

private:
    void computeDayOfYear();
    cropmodel::ScheduleHeader header() const;
    cropmodel::FileSnapshot m_before; // the schedule file as it was on opening
    bool m_ended = false;
};

} // namespace zarn
