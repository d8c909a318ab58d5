#pragma once
// The computations behind the crop-model input editors: day of year of the
// schedule windows' month and day lists, the scroll-bar values, the option
// texts, the experiment request passed between the experiment windows, the
// list lines of the soil, leaf and nitrogen windows, and the reading of the
// soil and variety rows the windows show.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zarn::cropmodel {

// ---- schedule dates -------------------------------------------------------

// "January " ... "December ", each with its trailing blank, as the month lists show them.
QStringList ScheduleMonthNames();

// 1..12 for a month text (blanks around it ignored, case ignored); 0 for any other text.
int MonthOfText(const QString &monthText);

// The days the day list offers for `month` (1..12) of `year`: 30 for April,
// June, September and November; February 29 when the year is divisible by 4,
// else 28; 31 otherwise.
int ScheduleDaysInMonth(int month, int year);

// "1" ... "n".
QStringList DayNumbers(int n);

// The day of year (1 January = 1) of the date month text + day text + "," +
// year. Nothing when the text names no date of the calendar (31 February, 29
// February 1900, a day that is no number). A year below 100 is read as
// 1930-2029, as a two-digit year is.
std::optional<int> ScheduleDayOfYear(const QString &monthText, const QString &dayText, int year);

// The year of the schedule dates: `year` itself, or 1930-2029 for 0-99.
int ScheduleYear(int year);

// ---- scroll values --------------------------------------------------------

// Ranges of the schedule scroll bars: every value they give fits its column
// of the schedule files ("####.0" water, "###.0" amount and depth, "##" type).
inline constexpr int kIrrigationQuantityMin = 0;
inline constexpr int kIrrigationQuantityMax = 9999;
inline constexpr int kFertiliserWholeMax = 999;
inline constexpr int kFertiliserTenthsMax = 9;
inline constexpr int kFertiliserTypeMax = 99;

// whole + 0.1 x tenths, exact to the tenth.
double WholeAndTenths(int whole, int tenths);

// ---- option texts ---------------------------------------------------------

// "None", "User Defined", "Automatic", "No Stress" for options 1-4; "" otherwise.
QString IrrigationOptionText(int option);
// "No Nitrogen Stress" for 0, "User Defined" for 1; "" otherwise.
QString NitrogenOptionText(double option);

// ---- experiment request ---------------------------------------------------

// The text passed from the experiment list to the amendment window: the mode
// word ("Create", "Change" or "Delete") followed by the chosen list line.
struct ExperimentRequest {
    QString mode;       // characters 1-6
    QString code;       // characters 7-14
    QString yearText;   // characters 11-12
    QString numberText; // characters 13-14
    QString title;      // 40 characters from 16
    QString instCode() const { return code.left(2); }
    QString siteCode() const { return code.mid(2, 2); }
};
ExperimentRequest ParseExperimentRequest(const QString &request);

// ---- crop management ------------------------------------------------------

inline constexpr int kTitleWidth = 40;
inline const QString kTitleTooLongText =
    QStringLiteral("The Title may only be 40 characters long, the excess will be truncated ");
inline const QString kTitleTooLongTitle = QStringLiteral("Title length Too Long");

// ---- soils ----------------------------------------------------------------

// One row of table Soil of Soils.mdb with its layers (table SoilLayers).
struct SoilRow {
    double idumsl = 0;
    QString pedon;
    QString taxon;
    double salb = 0, u = 0, swcon = 0, cn2 = 0, tav = 0, amp = 0, dmod = 0, rwumx = 0;
    // DLAYR, LL, DUL, SAT, SWINIT, WR, BD, OC, DNH4, DNO3 of each layer, in table order.
    std::vector<std::array<double, 10>> layers;
};

// Every row of Soil in Soils.mdb of `programDir`, in table order, each with
// its SoilLayers rows. A missing database or table throws UserError.
std::vector<SoilRow> ReadSoilRows(const QString &programDir);

// The soil list line: SignedText of IDUMSL, PEDON and TAXON separated by blanks.
QString SoilListLine(const SoilRow &row);

// A layer line: DLAYR "000000", LL DUL SAT SWINIT WR "00.000", BD OC "00.00",
// DNH4 DNO3 "000.0", separated by single blanks.
QString SoilLayerLine(const std::array<double, 10> &layer);

// ---- varieties ------------------------------------------------------------

struct VarietyRow {
    QString name;
    double number = 0;
    double degDaysJuvenile = 0;
    double photoperiod = 0;
    double speedOfDevelopment = 0;
    double degDaysMaturity = 0;
    double correction1 = 0;
    double correction2 = 0;
};

// Every row of Variety in Sorghum.mdb of `programDir`, in table order.
std::vector<VarietyRow> ReadVarietyRows(const QString &programDir);

// ---- leaf and nitrogen lists ----------------------------------------------

// A line of the leaf list: the group's first line + "    (" + variety name + ")".
QString LeafListLine(const QString &firstLine, const QString &varietyName);

// The treatment number of a NITROGEN.TOT line: LeadingNumber of characters 10-11.
int NitrogenLineTreatment(const QString &line);

inline const QString kTreatmentErrorText = QStringLiteral("ERROR: Treatment number NOT equal 1");
inline const QString kTreatmentErrorTitle = QStringLiteral("Treatment Number");

// ---- schedule files -------------------------------------------------------

// The schedule file as it stood when a schedule window opened, so "Cancel" can
// put it back: its bytes, or its absence.
class FileSnapshot {
public:
    // Takes the file `name` of `dir` (found whatever its case).
    static FileSnapshot take(const QString &dir, const QString &name);
    // Puts the file back as it was (removing it when it did not exist).
    // Throws UserError when it cannot be written.
    void restore() const;

private:
    QString m_dir;
    QString m_name;
    bool m_existed = false;
    QByteArray m_bytes;
};

// ---- institutes and sites -------------------------------------------------

// The texts of `field` of `table` in Sorghum.mdb of `programDir`, each once,
// in table order.
QStringList DistinctFieldTexts(const QString &programDir, const QString &table,
                               const QString &field);

// The `nameField` of the last row of `table` whose `codeField` equals `code`
// ignoring case (Institute by Inst, Sites by ShortSite); "" when none does.
QString NameOfCode(const QString &programDir, const QString &table, const QString &nameField,
                   const QString &codeField, const QString &code);

} // namespace zarn::cropmodel
