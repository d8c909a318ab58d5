#pragma once
// The fertiliser schedule window: nitrogen applications by date, written
// to fert.sg7; "OK" ends the schedule, "Cancel" puts the file back as it was.
#include "cropmodel/editors.h"
#include "cropmodel/inputfiles.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CERESInCMNitrogenAutoApplic.h"

namespace zarn {

class CERESInCMNitrogenAutoApplic : public ZarnWindow {
    Q_OBJECT
public:
    CERESInCMNitrogenAutoApplic();
    void load() override;

    Ui::CERESInCMNitrogenAutoApplic ui;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_CERESInCMNitrogenAutoApplicMonthCombo_activated(int index);
    void on_CERESInCMNitrogenAutoApplicDayCombo_activated(int index);
    void on_CERESInCMNitrogenAutoApplicAmountScroll_valueChanged(int value);
    void on_CERESInCMNitrogenAutoApplicAmountTenthsScroll_valueChanged(int value);
    void on_CERESInCMNitrogenAutoApplicDepthScroll_valueChanged(int value);
    void on_CERESInCMNitrogenAutoApplicDepthTenthsScroll_valueChanged(int value);
    void on_CERESInCMNitrogenAutoApplicCreateButton_clicked();
    void on_CERESInCMNitrogenAutoApplicOKButton_clicked();
    void on_CERESInCMNitrogenAutoApplicCancelButton_clicked();

private:
    void computeDayOfYear();
    void showAmount();
    void showDepth();
    cropmodel::ScheduleHeader header() const;
    cropmodel::FileSnapshot m_before; // the schedule file as it was on opening
    bool m_ended = false;
};

} // namespace zarn
