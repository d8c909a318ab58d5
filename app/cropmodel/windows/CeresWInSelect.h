#pragma once
// The weather window: choose a period with the day, month and year lists,
// generate the CERES weather file of that period from table CeresWeather, or
// list the days of a year that the table lacks (MetMiss.dat).
#include "cropmodel/weather.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CeresWInSelect.h"

#include <optional>

namespace zarn {

class CeresWInSelect : public ZarnWindow {
    Q_OBJECT
public:
    CeresWInSelect();

    // The date the three lists show.
    cropmodel::ChosenDate chosenDate() const;

    Ui::CeresWInSelect ui;

private slots:
    void on_CeresWInSelectStartDateButton_clicked();
    void on_CeresWInSelectEndDateButton_clicked();
    void on_CeresWInSelectGenerateFileButton_clicked();
    void on_CeresWInSelectCheckYearButton_clicked();
    void on_CeresWInSelectExitButton_clicked();

private:
    std::optional<cropmodel::ChosenDate> m_start;
    std::optional<cropmodel::ChosenDate> m_end;
};

} // namespace zarn
