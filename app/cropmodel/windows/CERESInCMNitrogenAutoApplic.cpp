#include "cropmodel/windows/CERESInCMNitrogenAutoApplic.h"

#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QCloseEvent>

namespace zarn {

using cropmodel::ScheduleKind;

CERESInCMNitrogenAutoApplic::CERESInCMNitrogenAutoApplic() {
    ui.setupUi(this);
}

void CERESInCMNitrogenAutoApplic::load() {
    SharedState &s = shared();
    m_before = cropmodel::FileSnapshot::take(s.gCeresPath,
                                             cropmodel::ScheduleFileName(ScheduleKind::Fertiliser));
    s.gFertiliserRecordCount = 0;
    ui.CERESInCMNitrogenAutoApplicInstitutePanel->setText(s.gInstitute);
    ui.CERESInCMNitrogenAutoApplicSitePanel->setText(s.gSite);
    ui.CERESInCMNitrogenAutoApplicYearPanel->setText(QString::number(s.gCurrentYear));
    ui.CERESInCMNitrogenAutoApplicMonthCombo->addItems(cropmodel::ScheduleMonthNames());
    // Text typed into the list is taken as it stands, never added to it.
    ui.CERESInCMNitrogenAutoApplicDayCombo->setInsertPolicy(QComboBox::NoInsert);
    ui.CERESInCMNitrogenAutoApplicDayCombo->addItems(cropmodel::DayNumbers(31));
    ui.CERESInCMNitrogenAutoApplicMonthCombo->setCurrentIndex(0);
    ui.CERESInCMNitrogenAutoApplicDayCombo->setCurrentIndex(0);
    for (QScrollBar *whole :
         {ui.CERESInCMNitrogenAutoApplicAmountScroll, ui.CERESInCMNitrogenAutoApplicDepthScroll})
        whole->setRange(0, cropmodel::kFertiliserWholeMax);
    for (QScrollBar *tenths : {ui.CERESInCMNitrogenAutoApplicAmountTenthsScroll,
                               ui.CERESInCMNitrogenAutoApplicDepthTenthsScroll})
        tenths->setRange(0, cropmodel::kFertiliserTenthsMax);
    ui.CERESInCMNitrogenAutoApplicTypeEdit->setMaxLength(2);
    ui.CERESInCMNitrogenAutoApplicAmountEdit->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicDepthEdit->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicTypeEdit->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicJulianPanel->setText(QStringLiteral("1"));
    ui.CERESInCMNitrogenAutoApplicHeaderPanel->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicRecordsPanel->setText(QStringLiteral("0"));
}

cropmodel::ScheduleHeader CERESInCMNitrogenAutoApplic::header() const {
    const SharedState &s = shared();
    return {s.gInst, s.gShortSite, cropmodel::ScheduleYear(s.gCurrentYear)};
}

void CERESInCMNitrogenAutoApplic::computeDayOfYear() {
    const QString month = ui.CERESInCMNitrogenAutoApplicMonthCombo->currentText();
    const int year = shared().gCurrentYear;
    std::optional<int> day = cropmodel::ScheduleDayOfYear(
        month, ui.CERESInCMNitrogenAutoApplicDayCombo->currentText(), year);
    if (!day) {
        showMessage(QStringLiteral("Must set a valid day of the Month"),
                    QStringLiteral("Invalid Date"), MsgIcon::Exclamation);
        ui.CERESInCMNitrogenAutoApplicDayCombo->setEditText(QStringLiteral("01"));
        day = cropmodel::ScheduleDayOfYear(month, QStringLiteral("1"), year);
    }
    ui.CERESInCMNitrogenAutoApplicJulianPanel->setText(QString::number(day.value_or(1)));
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicMonthCombo_activated(int) {
    computeDayOfYear();
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicDayCombo_activated(int) {
    computeDayOfYear();
}

void CERESInCMNitrogenAutoApplic::showAmount() {
    ui.CERESInCMNitrogenAutoApplicAmountEdit->setText(cropmodel::PlainDecimal(
        cropmodel::WholeAndTenths(ui.CERESInCMNitrogenAutoApplicAmountScroll->value(),
                                  ui.CERESInCMNitrogenAutoApplicAmountTenthsScroll->value())));
}

void CERESInCMNitrogenAutoApplic::showDepth() {
    ui.CERESInCMNitrogenAutoApplicDepthEdit->setText(cropmodel::PlainDecimal(
        cropmodel::WholeAndTenths(ui.CERESInCMNitrogenAutoApplicDepthScroll->value(),
                                  ui.CERESInCMNitrogenAutoApplicDepthTenthsScroll->value())));
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicAmountScroll_valueChanged(int) {
    showAmount();
}
void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicAmountTenthsScroll_valueChanged(
    int) {
    showAmount();
}
void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicDepthScroll_valueChanged(int) {
    showDepth();
}
void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicDepthTenthsScroll_valueChanged(
    int) {
    showDepth();
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicCreateButton_clicked() {
    SharedState &s = shared();
    cropmodel::ScheduleEvent event;
    event.depth = cropmodel::LeadingNumber(ui.CERESInCMNitrogenAutoApplicDepthEdit->text());
    if (event.depth < 0.1) {
        showMessage(QStringLiteral("Planting depth must be greater than zero"),
                    QStringLiteral("Planting Depth"), MsgIcon::Exclamation);
        ui.CERESInCMNitrogenAutoApplicDepthEdit->setText(QStringLiteral("0.1"));
        ui.CERESInCMNitrogenAutoApplicDepthEdit->setFocus();
        return;
    }
    event.dayOfYear =
        int(cropmodel::LeadingNumber(ui.CERESInCMNitrogenAutoApplicJulianPanel->text()));
    event.amount = cropmodel::LeadingNumber(ui.CERESInCMNitrogenAutoApplicAmountEdit->text());
    event.type = cropmodel::LeadingNumber(ui.CERESInCMNitrogenAutoApplicTypeEdit->text());
    const bool written = guarded([&] {
        // Checked before the file is started, so a refused event writes nothing.
        cropmodel::ScheduleEventLine(ScheduleKind::Fertiliser, event);
        if (s.gFertiliserRecordCount == 0) {
            cropmodel::StartSchedule(s.gCeresPath, ScheduleKind::Fertiliser, header());
            ui.CERESInCMNitrogenAutoApplicHeaderPanel->setText(QStringLiteral("1"));
        }
        cropmodel::AppendScheduleEvent(s.gCeresPath, ScheduleKind::Fertiliser, event);
    });
    if (!written)
        return;
    ++s.gFertiliserRecordCount;
    ui.CERESInCMNitrogenAutoApplicRecordsPanel->setText(QString::number(s.gFertiliserRecordCount));
    ui.CERESInCMNitrogenAutoApplicJulianPanel->setText(QStringLiteral("1"));
    for (QScrollBar *bar : {ui.CERESInCMNitrogenAutoApplicAmountScroll,
                            ui.CERESInCMNitrogenAutoApplicAmountTenthsScroll,
                            ui.CERESInCMNitrogenAutoApplicDepthScroll,
                            ui.CERESInCMNitrogenAutoApplicDepthTenthsScroll})
        bar->setValue(0);
    ui.CERESInCMNitrogenAutoApplicAmountEdit->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicDepthEdit->setText(QStringLiteral("0"));
    ui.CERESInCMNitrogenAutoApplicTypeEdit->setText(QStringLiteral("0"));
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicOKButton_clicked() {
    const SharedState &s = shared();
    if (!guarded([&] {
            cropmodel::EndSchedule(s.gCeresPath, ScheduleKind::Fertiliser, header(),
                                   s.gFertiliserRecordCount);
        }))
        return;
    m_ended = true;
    close();
}

void CERESInCMNitrogenAutoApplic::on_CERESInCMNitrogenAutoApplicCancelButton_clicked() {
    close();
}

void CERESInCMNitrogenAutoApplic::closeEvent(QCloseEvent *event) {
    // Closed without "OK": the schedule file goes back to what it was, so no
    // schedule without its end line is left behind.
    if (!m_ended && shared().gFertiliserRecordCount > 0)
        guarded([&] { m_before.restore(); });
    m_ended = true;
    ZarnWindow::closeEvent(event);
}

ZARN_REGISTER_WINDOW(CERESInCMNitrogenAutoApplic)

} // namespace zarn
