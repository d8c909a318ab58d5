#include "cropmodel/windows/CERESInCMIrrigManualForm.h"

#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QCloseEvent>

namespace zarn {

using cropmodel::ScheduleKind;

CERESInCMIrrigManualForm::CERESInCMIrrigManualForm() {
    ui.setupUi(this);
}

void CERESInCMIrrigManualForm::load() {
    SharedState &s = shared();
    m_before = cropmodel::FileSnapshot::take(s.gCeresPath,
                                             cropmodel::ScheduleFileName(ScheduleKind::Irrigation));
    s.gIrrigationRecordCount = 0;
    ui.CERESInCMIrrigManualInstitutePanel->setText(s.gInstitute);
    ui.CERESInCMIrrigManualSitePanel->setText(s.gSite);
    ui.CERESInCMIrrigManualYearPanel->setText(QString::number(s.gCurrentYear));
    ui.CERESInCMIrrigManualMonthCombo->addItems(cropmodel::ScheduleMonthNames());
    // Text typed into the list is taken as it stands, never added to it.
    ui.CERESInCMIrrigManualDayCombo->setInsertPolicy(QComboBox::NoInsert);
    ui.CERESInCMIrrigManualDayCombo->addItems(cropmodel::DayNumbers(31));
    ui.CERESInCMIrrigManualMonthCombo->setCurrentIndex(0);
    ui.CERESInCMIrrigManualDayCombo->setCurrentIndex(0);
    ui.CERESInCMIrrigManualQuantityScroll->setRange(cropmodel::kIrrigationQuantityMin,
                                                    cropmodel::kIrrigationQuantityMax);
    ui.CERESInCMIrrigManualQuantityScroll->setValue(1);
    ui.CERESInCMIrrigManualQuantityEdit->setText(QStringLiteral("1"));
    ui.CERESInCMIrrigManualJulianPanel->setText(QStringLiteral("1"));
    ui.CERESInCMIrrigManualHeaderPanel->setText(QStringLiteral("0"));
    ui.CERESInCMIrrigManualRecordsPanel->setText(QStringLiteral("0"));
}

cropmodel::ScheduleHeader CERESInCMIrrigManualForm::header() const {
    const SharedState &s = shared();
    return {s.gInst, s.gShortSite, cropmodel::ScheduleYear(s.gCurrentYear)};
}

void CERESInCMIrrigManualForm::computeDayOfYear() {
    const QString month = ui.CERESInCMIrrigManualMonthCombo->currentText();
    const int year = shared().gCurrentYear;
    std::optional<int> day =
        cropmodel::ScheduleDayOfYear(month, ui.CERESInCMIrrigManualDayCombo->currentText(), year);
    if (!day) {
        showMessage(QStringLiteral("You Must Choose a Valid Date (Day of Month)"),
                    QStringLiteral("Invalid Date"), MsgIcon::Exclamation);
        ui.CERESInCMIrrigManualDayCombo->setEditText(QStringLiteral("01"));
        day = cropmodel::ScheduleDayOfYear(month, QStringLiteral("1"), year);
    }
    ui.CERESInCMIrrigManualJulianPanel->setText(QString::number(day.value_or(1)));
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualMonthCombo_activated(int index) {
    // The day list holds the chosen month's days; the day chosen stays.
    const QString day = ui.CERESInCMIrrigManualDayCombo->currentText();
    ui.CERESInCMIrrigManualDayCombo->clear();
    ui.CERESInCMIrrigManualDayCombo->addItems(cropmodel::DayNumbers(
        cropmodel::ScheduleDaysInMonth(index + 1, cropmodel::ScheduleYear(shared().gCurrentYear))));
    ui.CERESInCMIrrigManualDayCombo->setEditText(day);
    computeDayOfYear();
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualDayCombo_activated(int) {
    computeDayOfYear();
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualQuantityScroll_valueChanged(int value) {
    ui.CERESInCMIrrigManualQuantityEdit->setText(QString::number(value));
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualCreateButton_clicked() {
    SharedState &s = shared();
    cropmodel::ScheduleEvent event;
    event.dayOfYear = int(cropmodel::LeadingNumber(ui.CERESInCMIrrigManualJulianPanel->text()));
    event.amount = cropmodel::LeadingNumber(ui.CERESInCMIrrigManualQuantityEdit->text());
    const bool written = guarded([&] {
        // Checked before the file is started, so a refused event writes nothing.
        cropmodel::ScheduleEventLine(ScheduleKind::Irrigation, event);
        if (s.gIrrigationRecordCount == 0) {
            cropmodel::StartSchedule(s.gCeresPath, ScheduleKind::Irrigation, header());
            ui.CERESInCMIrrigManualHeaderPanel->setText(QStringLiteral("1"));
        }
        cropmodel::AppendScheduleEvent(s.gCeresPath, ScheduleKind::Irrigation, event);
    });
    if (!written)
        return;
    ++s.gIrrigationRecordCount;
    ui.CERESInCMIrrigManualRecordsPanel->setText(QString::number(s.gIrrigationRecordCount));
    ui.CERESInCMIrrigManualJulianPanel->setText(QStringLiteral("1"));
    ui.CERESInCMIrrigManualQuantityScroll->setValue(1);
    ui.CERESInCMIrrigManualQuantityEdit->setText(QStringLiteral("1"));
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualOKButton_clicked() {
    const SharedState &s = shared();
    if (!guarded([&] {
            cropmodel::EndSchedule(s.gCeresPath, ScheduleKind::Irrigation, header(),
                                   s.gIrrigationRecordCount);
        }))
        return;
    m_ended = true;
    close();
}

void CERESInCMIrrigManualForm::on_CERESInCMIrrigManualCancelButton_clicked() {
    close();
}

void CERESInCMIrrigManualForm::closeEvent(QCloseEvent *event) {
    // Closed without "OK": the schedule file goes back to what it was, so no
    // schedule without its end line is left behind.
    if (!m_ended && shared().gIrrigationRecordCount > 0)
        guarded([&] { m_before.restore(); });
    m_ended = true;
    ZarnWindow::closeEvent(event);
}

ZARN_REGISTER_WINDOW(CERESInCMIrrigManualForm)

} // namespace zarn
