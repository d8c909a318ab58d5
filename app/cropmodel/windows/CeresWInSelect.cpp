#include "cropmodel/windows/CeresWInSelect.h"
#include "shell/defaults.h"

#include "cropmodel/textfiles.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2025;

QString databasePath() {
    return zarn::referenceDatabase(shared().gSystemPath);
}

} // namespace

CeresWInSelect::CeresWInSelect() {
    ui.setupUi(this);
    for (int d = 1; d <= 31; ++d)
        ui.CeresWInSelectDayList->addItem(QString::number(d));
    for (int m = 1; m <= 12; ++m)
        ui.CeresWInSelectMonthList->addItem(cropmodel::MonthName(m));
    for (int y = kFirstYear; y <= kLastYear; ++y)
        ui.CeresWInSelectYearList->addItem(QString::number(y));
}

cropmodel::ChosenDate CeresWInSelect::chosenDate() const {
    return cropmodel::ChosenDate{ui.CeresWInSelectDayList->currentIndex() + 1,
                                 ui.CeresWInSelectMonthList->currentIndex() + 1,
                                 kFirstYear + ui.CeresWInSelectYearList->currentIndex()};
}

void CeresWInSelect::on_CeresWInSelectStartDateButton_clicked() {
    m_start = chosenDate();
    ui.CeresWInSelectStartDate->setText(m_start->text());
}

void CeresWInSelect::on_CeresWInSelectEndDateButton_clicked() {
    m_end = chosenDate();
    ui.CeresWInSelectEndDate->setText(m_end->text());
    if (!m_start) {
        showMessage(QStringLiteral("Choose the Start Date first; the file name needs both dates."),
                    windowTitle(), MsgIcon::Exclamation);
        return;
    }
    guarded([&] {
        const SharedState &s = shared();
        ui.CeresWInSelectFileName->setText(
            cropmodel::WeatherFileNameFor(s.gInst, s.gShortSite, *m_start, *m_end));
    });
}

void CeresWInSelect::on_CeresWInSelectGenerateFileButton_clicked() {
    if (!m_start || !m_end) {
        showMessage(QStringLiteral("Choose the Start Date and the End Date first."), windowTitle(),
                    MsgIcon::Exclamation);
        return;
    }
    ui.CeresWInSelectResult->setText(QStringLiteral("Working ..."));
    QString result = QStringLiteral("No weather file was written");
    guarded([&] {
        const SharedState &s = shared();
        const cropmodel::GeneratedWeatherFile file = cropmodel::GenerateWeatherFile(
            databasePath(), s.gCeresPath, ui.CeresWInSelectFileName->text(), s.gInst, s.gShortSite,
            *m_start, *m_end);
        result = QStringLiteral("File Generation Finish: ") + file.path;
    });
    ui.CeresWInSelectResult->setText(result);
}

void CeresWInSelect::on_CeresWInSelectCheckYearButton_clicked() {
    ui.CeresWInSelectResult->setText(QStringLiteral("Working ..."));
    QString result = QStringLiteral("The year was not checked");
    guarded([&] {
        const SharedState &s = shared();
        const cropmodel::YearCheck check = cropmodel::CheckWeatherYear(
            databasePath(), s.gSystemPath, s.gInst, s.gShortSite, chosenDate().year);
        result = QStringLiteral("Year Check Finish: ") + check.path;
    });
    ui.CeresWInSelectResult->setText(result);
}

void CeresWInSelect::on_CeresWInSelectExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresWInSelect)

} // namespace zarn
