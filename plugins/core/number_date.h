// number_date.h - the number and date options of the plug-ins that offer them
// (separated values, DIF, record style).
//
// Two options per formatter instance, both off in a fresh one: same number
// formats as in the report, same date formats as in the report. They are set
// in the number and date options dialog (resource "FmtOptDlg", procedure
// FmtOptionsDlgProc, exported by each such plug-in) or from a 10-byte
// NumberDateOptions blob. While an option is off, numbers (dates) are handed
// to the engine's FormatRawValue with the plug-in's NumberFormatRecord
// (DateFormatRecord), which is library-wide and filled from the [Intl]
// section of the profile (win.ini) at every job start:
//
//   iCurrDigits (2)  decimals of currency fields and their rounding code
//   iDigits (2)      decimals of number fields and their rounding code
//   iLZero (1)       leading zero before the decimal separator
//   iNegCurr (0)     negative style and currency placement
//   sDecimal (".")   decimal separator (first character; empty gives 0)
//   sThousand (",")  thousands separator (first character; empty gives 0)
//   sShortDate ("yy-MM-dd")  order, leading zeros, year digits, separator
//
// Texts are read into 100 characters, a value in double quotes without them.
// Just before a number is formatted the record's decimals and rounding code
// are set for the field's kind: integers 0 decimals and code 0, numbers the
// iDigits of the job, currency the iCurrDigits of the job.
#ifndef UX_NUMBER_DATE_H
#define UX_NUMBER_DATE_H

#include <cstdint>

#include "core/formatter.h"
#include "core/platform.h"
#include "core/resources.h"
#include "core/startup.h"

namespace ux {

// The library-wide format records and what the job start read for them.
struct LocaleFormats {
    NumberFormatRecord number;
    DateFormatRecord date;
    char dateSeparator[2]; // both separator pointers point here
    std::uint16_t currencyDigits;
    std::uint16_t numberDigits;
};

// The plug-in's records (one copy per loaded plug-in).
LocaleFormats &localeFormats();
// Refills the records from the profile; `constant` goes to offset 14 of the
// number record (1 in the separated-values plug-in, 0 in the others).
void readLocaleFormats(std::uint32_t constant);
// The rounding code for a number of decimals (0 -> 6, 1 -> 5 ... 5 -> 1,
// 6 -> 13 ... 10 -> 17, any other -> 6).
std::uint16_t roundingCode(int decimals);
// The number record with the decimals and rounding code of `kind` set.
const NumberFormatRecord *numberRecordFor(std::uint16_t kind);

// The dialog's control ids.
inline constexpr int kSameNumbersBox = 101;
inline constexpr int kSameDatesBox = 102;

inline constexpr UXDialogControl kFmtOptDlgControls[] = {
    {UXHOST_CONTROL_CHECKBOX, kSameNumbersBox, "Same &number formats as in report", 8, 8, 140, 12},
    {UXHOST_CONTROL_CHECKBOX, kSameDatesBox, "Same &date formats as in report", 8, 24, 140, 12},
    {UXHOST_CONTROL_DEFPUSHBUTTON, UXHOST_IDOK, "OK", 156, 8, 46, 14},
    {UXHOST_CONTROL_PUSHBUTTON, UXHOST_IDCANCEL, "Cancel", 156, 26, 46, 14},
};
// The number and date options dialog, for the plug-ins' own resource tables.
inline constexpr UXDialogResource kFmtOptDlg = {"FmtOptDlg",
                                                "Number and Date Format Dialog",
                                                "Helv",
                                                8,
                                                210,
                                                55,
                                                kFmtOptDlgControls,
                                                sizeof kFmtOptDlgControls /
                                                    sizeof kFmtOptDlgControls[0]};

// A formatter with the two options and the locale-based records.
class OptionsFormatter : public Formatter {
public:
    // `startup`: the plug-in's, whose resource module holds the dialog.
    // `constant`: offset 14 of the number record.
    OptionsFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex,
                     const PluginStartup &startup, std::uint32_t constant);

    // Shows the number and date options dialog; 0, or 6 when cancelled (or
    // when the dialog cannot be shown).
    std::uint32_t numberDateDialog();
    // Takes both options from a NumberDateOptions blob; 5 when its size word
    // is not 10.
    std::uint32_t applyNumberDateBlob(const void *blob);
    // The options as a NumberDateOptions record kept in the instance.
    std::uint32_t encodeNumberDate(const void **blob, std::uint16_t *size);
    // A newly allocated NumberDateOptions record (std::malloc; 2 on failure).
    std::uint32_t decodeNumberDate(void **blob);

protected:
    std::uint32_t readLocale() override;
    const void *formatRecordFor(FieldItem *item, std::uint16_t kind) override;
    const PluginStartup &startup_;

private:
    std::uint32_t constant_;
    NumberDateOptions encoded_{};
};

} // namespace ux

extern "C" {
// The number and date options dialog's procedure: WM_INITDIALOG keeps the
// instance (lparam) with the dialog and checks the boxes from its options;
// OK stores both boxes in the instance and ends with 1; Cancel ends with 2.
UX_EXPORT std::intptr_t FmtOptionsDlgProc(ux::platform::Hwnd dialog, std::uint32_t message,
                                          ux::platform::WParam wparam, ux::platform::LParam lparam);
}

#endif // UX_NUMBER_DATE_H
