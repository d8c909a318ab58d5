#pragma once
// The crop model's input files written from the input editors: crop
// management (CROPMAN.sg8), variety (genetics.sg9), residue and nitrogen
// balance (NITBAL.sg4), irrigation and fertiliser schedules (irrigate.sg6,
// fert.sg7) and leaf development (DVPTLEAF.SG).
//
// Every writer checks all its values before it writes: a value wider than its
// columns, a number of more than 4 characters or a year field that is no year
// throws UserError naming the field, and nothing is written. Files are
// replaced through a temporary file, so a failure leaves the old file whole.

#include <QString>
#include <QStringList>
#include <optional>

namespace zarn::cropmodel {

inline const QString kCropManagementFile = QStringLiteral("CROPMAN.sg8");
inline const QString kCropManagementReadName = QStringLiteral("CROPMAN.SG8");
inline const QString kVarietyFile = QStringLiteral("genetics.sg9");
inline const QString kNitrogenBalanceFile = QStringLiteral("NITBAL.sg4");
inline const QString kIrrigationScheduleFile = QStringLiteral("irrigate.sg6");
inline const QString kFertiliserScheduleFile = QStringLiteral("fert.sg7");
inline const QString kLeafFile = QStringLiteral("DVPTLEAF.SG");
inline const QString kLeafCatalogue = QStringLiteral("LEAF.TOT");

// The year that the date text "1 jan," + `yearText` names: blanks around it
// are dropped; 1 to 4 digits; a year below 100 is read as 1930-2029 (0-29 in
// the 2000s). Anything else (empty, letters, a sign) throws UserError naming
// `fieldName` and the text.
int YearOfText(const QString &yearText, const QString &fieldName = QStringLiteral("Year"));

// The last two digits of `year` ("96", "07").
QString TwoDigitYear(int year);

// ---- CROPMAN.sg8 ----------------------------------------------------------

// Line 1 of CROPMAN.sg8.
struct CropManagementHeader {
    QString inst;          // gInst
    QString shortSite;     // gShortSite
    QString yearText;      // the window's "Year:" field
    QString title;         // cut to 40 characters
    QString soilNumber;    // text of the soil number (blanks dropped, at most 4 characters)
    QString varietyNumber; // text of the variety number (likewise)
};

// Line 2 of CROPMAN.sg8, fields 1 to 13.
struct CropManagementValues {
    double startDay = 0;             // 1: day of year
    double plantingDay = 0;          // 2: day of year
    double plantDensity = 0;         // 3
    double rowSpacing = 0;           // 4
    double plantingDepth = 0;        // 5
    double irrigationOption = 0;     // 6: gIrrigationOption
    double nitrogenOption = 0;       // 7: gNitrogenOption
    double irrigationEfficiency = 0; // 8: gIrrigationEfficiency
    double irrigationSoilDepth = 0;  // 9: gIrrigationSoilDepth
    double irrigationUsable = 0;     // 10: gIrrigationUsable
    float kept11 = 0;                // 11-13: kept from the file read on opening
    int kept12 = 0;
    int kept13 = 0;
};

// The two lines, checked. Throws UserError naming the field that does not fit.
QStringList CropManagementLines(const CropManagementHeader &header,
                                const CropManagementValues &values);

// Writes CROPMAN.sg8 in `ceresDir`.
void WriteCropManagement(const QString &ceresDir, const CropManagementHeader &header,
                         const CropManagementValues &values);

// Reads CROPMAN.SG8 in `ceresDir`: the values of the first even line (start
// day 2-4, planting day 6-8, density 10-15, spacing 17-22, depth 24-28, then
// fields 6 to 13 at their columns), each through LeadingNumber. A file of
// fewer than two lines gives no values; a missing file throws UserError.
std::optional<CropManagementValues> ReadCropManagement(const QString &ceresDir);
std::optional<CropManagementValues> CropManagementFromLines(const QStringList &lines);

// ---- genetics.sg9 ---------------------------------------------------------

struct VarietyValues {
    double number = 0;             // "##"
    QString name;                  // as the list shows it
    double degDaysJuvenile = 0;    // "000.0", written right after the name
    double photoperiod = 0;        // "00.00", no blank before it
    double speedOfDevelopment = 0; // "000.00"
    double degDaysMaturity = 0;    // "000.00"
    double correction1 = 0;        // "00.0"
    double correction2 = 0;        // "0.00"
};

QString VarietyLine(const VarietyValues &values);
void WriteVariety(const QString &ceresDir, const VarietyValues &values);

// ---- NITBAL.sg4 -----------------------------------------------------------

struct NitrogenBalance {
    QString inst;           // gInst
    QString shortSite;      // gShortSite
    QString yearText;       // the crop-management window's year field
    double residueMass = 0; // "0000." each
    double residueDepth = 0;
    double carbonNitrogen = 0;
    double residueWeight = 0;
};

QString NitrogenBalanceLine(const NitrogenBalance &values);
void WriteNitrogenBalance(const QString &ceresDir, const NitrogenBalance &values);

// ---- irrigate.sg6 / fert.sg7 ----------------------------------------------

enum class ScheduleKind { Irrigation, Fertiliser };

QString ScheduleFileName(ScheduleKind kind);

struct ScheduleHeader {
    QString inst;      // gInst
    QString shortSite; // gShortSite
    int year = 0;      // year of the first event's date (its last two digits are written)
};

struct ScheduleEvent {
    int dayOfYear = 0; // "000"
    double amount = 0; // irrigation: water "####.0" in 6; fertiliser: nitrogen "###.0" in 5
    double depth = 0;  // fertiliser only: "###.0" in 5
    double type = 0;   // fertiliser only: "##" in 2
};

QString ScheduleHeaderLine(const ScheduleHeader &header);
QString ScheduleEventLine(ScheduleKind kind, const ScheduleEvent &event); // checked
QString ScheduleEndLine(ScheduleKind kind);

// The first event: the file is created (replacing an older schedule) with
// its header line.
void StartSchedule(const QString &ceresDir, ScheduleKind kind, const ScheduleHeader &header);
// Appends one event line.
void AppendScheduleEvent(const QString &ceresDir, ScheduleKind kind, const ScheduleEvent &event);
// OK of the schedule window: appends the end line; when no event was written
// (`eventsWritten` 0) the file is first started with its header, so it always
// holds a header and an end line.
void EndSchedule(const QString &ceresDir, ScheduleKind kind, const ScheduleHeader &header,
                 int eventsWritten);

// ---- DVPTLEAF.SG ----------------------------------------------------------

// Copies to DVPTLEAF.SG in `ceresDir` the five-line group of LEAF.TOT in
// `programDir` whose first line (lines 1, 6, 11, ...) has the variety number
// in columns 1-2 (compared as numbers). No such group throws UserError and
// writes nothing.
void CopyLeafGroup(const QString &programDir, const QString &ceresDir, int varietyNumber);

} // namespace zarn::cropmodel
