#include "cropmodel/inputfiles.h"

#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace zarn::cropmodel {

namespace {

[[noreturn]] void fieldError(const QString &file, const QString &field, const QString &text,
                             const QString &why) {
    fileError(QStringLiteral("%1 was not written: the %2 \"%3\" %4.").arg(file, field, text, why));
}

// `value` by `pattern`, refused when the text is wider than `width`
// (the pattern's own width unless given).
QString fitted(const QString &file, const QString &field, double value, const QString &pattern,
               int width = -1) {
    const QString text = FormatNumber(value, pattern);
    const int limit = width < 0 ? int(pattern.size()) : width;
    if (text.size() > limit)
        fieldError(file, field, text, QStringLiteral("does not fit in its %1 columns").arg(limit));
    return text;
}

QString rightAligned(const QString &text, int width) {
    return text.rightJustified(width, u' ');
}

// A number typed as text, right-aligned in 4 columns (blanks dropped).
QString number4(const QString &file, const QString &field, const QString &text) {
    QString digits = text;
    digits.remove(u' ');
    if (digits.size() > 4)
        fieldError(file, field, digits, QStringLiteral("has more than 4 characters"));
    return rightAligned(digits, 4);
}

} // namespace

int YearOfText(const QString &yearText, const QString &fieldName) {
    const QString t = yearText.trimmed();
    bool allDigits = !t.isEmpty() && t.size() <= 4;
    for (QChar c : t)
        allDigits = allDigits && c >= u'0' && c <= u'9';
    if (!allDigits)
        fileError(QStringLiteral("The %1 \"%2\" is not a valid year; nothing was written.")
                      .arg(fieldName, yearText));
    int year = t.toInt();
    if (t.size() <= 2)
        year += year < 30 ? 2000 : 1900;
    if (year < 100)
        fileError(QStringLiteral("The %1 \"%2\" is not a valid year; nothing was written.")
                      .arg(fieldName, yearText));
    return year;
}

QString TwoDigitYear(int year) {
    return QString::number(((year % 100) + 100) % 100).rightJustified(2, u'0');
}

// ---- CROPMAN.sg8 ----------------------------------------------------------

QStringList CropManagementLines(const CropManagementHeader &h, const CropManagementValues &v) {
    const QString file = kCropManagementFile;
    const QString yy = TwoDigitYear(YearOfText(h.yearText, QStringLiteral("simulation year")));
    const QString soil = number4(file, QStringLiteral("soil number"), h.soilNumber);
    const QString variety = number4(file, QStringLiteral("variety number"), h.varietyNumber);
    const QString title = h.title.left(40).leftJustified(40, u' ');
    const QString line1 = h.inst + h.shortSite + yy + QStringLiteral("01") + u' ' +
                          QStringLiteral(" 1") + u' ' + title + u' ' + soil + u' ' + variety;

    const struct {
        const char *name;
        double value;
        const char *pattern;
    } fields[] = {
        {"simulation start day", v.startDay, "000"},
        {"planting day", v.plantingDay, "000"},
        {"plant density", v.plantDensity, "000.00"},
        {"row spacing", v.rowSpacing, "00.000"},
        {"planting depth", v.plantingDepth, "00.00"},
        {"irrigation option", v.irrigationOption, "00"},
        {"nitrogen option", v.nitrogenOption, "00"},
        {"irrigation efficiency", v.irrigationEfficiency, "000.00"},
        {"irrigation soil depth", v.irrigationSoilDepth, "00.00"},
        {"usable water", v.irrigationUsable, "0000.0"},
        {"value of field 11", v.kept11, "000.00"},
        {"value of field 12", double(v.kept12), "00"},
        {"value of field 13", double(v.kept13), "000"},
    };
    QString line2;
    for (const auto &f : fields)
        line2 += u' ' +
                 fitted(file, QString::fromLatin1(f.name), f.value, QString::fromLatin1(f.pattern));
    return {line1, line2};
}

void WriteCropManagement(const QString &ceresDir, const CropManagementHeader &header,
                         const CropManagementValues &values) {
    requireDirectory(ceresDir);
    const QStringList lines = CropManagementLines(header, values);
    writeLines(ceresDir, kCropManagementFile, lines, QStringLiteral("writing crop management"));
}

std::optional<CropManagementValues> CropManagementFromLines(const QStringList &lines) {
    if (lines.size() < 2)
        return std::nullopt;
    const QString &l = lines[1];
    auto num = [&l](int start, int width) { return LeadingNumber(column(l, start, width)); };
    CropManagementValues v;
    v.startDay = num(2, 3);
    v.plantingDay = num(6, 3);
    // Density, spacing and depth over the whole width they are written in, so
    // a file read and written again keeps its decimals.
    v.plantDensity = num(10, 6);
    v.rowSpacing = num(17, 6);
    v.plantingDepth = num(24, 5);
    v.irrigationOption = num(30, 2);
    v.nitrogenOption = num(33, 2);
    v.irrigationEfficiency = num(36, 6);
    v.irrigationSoilDepth = num(43, 5);
    v.irrigationUsable = num(49, 6);
    v.kept11 = float(num(56, 6));
    // Integers as the window keeps them: whole numbers, out-of-range values as 0.
    auto whole = [](double x) { return x > -1e9 && x < 1e9 ? int(std::llround(x)) : 0; };
    v.kept12 = whole(num(63, 2));
    v.kept13 = whole(num(66, 3));
    return v;
}

std::optional<CropManagementValues> ReadCropManagement(const QString &ceresDir) {
    requireDirectory(ceresDir);
    return CropManagementFromLines(
        readLines(ceresDir, kCropManagementReadName, QStringLiteral("reading crop management")));
}

// ---- genetics.sg9 ---------------------------------------------------------

QString VarietyLine(const VarietyValues &v) {
    const QString f = kVarietyFile;
    return QStringLiteral("  ") + fitted(f, QStringLiteral("variety number"), v.number, "##") +
           u' ' + v.name +
           fitted(f, QStringLiteral("degree-days shoot to juvenile"), v.degDaysJuvenile, "000.0") +
           fitted(f, QStringLiteral("optimal photoperiod"), v.photoperiod, "00.00") + u' ' +
           fitted(f, QStringLiteral("speed of development"), v.speedOfDevelopment, "000.00") +
           u' ' +
           fitted(f, QStringLiteral("degree-days flowering to maturity"), v.degDaysMaturity,
                  "000.00") +
           u' ' + fitted(f, QStringLiteral("correction factor 1"), v.correction1, "00.0") + u' ' +
           fitted(f, QStringLiteral("correction factor 2"), v.correction2, "0.00");
}

void WriteVariety(const QString &ceresDir, const VarietyValues &values) {
    requireDirectory(ceresDir);
    const QString line = VarietyLine(values);
    writeLines(ceresDir, kVarietyFile, {line}, QStringLiteral("writing the variety"));
}

// ---- NITBAL.sg4 -----------------------------------------------------------

QString NitrogenBalanceLine(const NitrogenBalance &v) {
    const QString f = kNitrogenBalanceFile;
    const QString yy = TwoDigitYear(YearOfText(v.yearText, QStringLiteral("simulation year")));
    return v.inst + v.shortSite + yy + QStringLiteral("01  1 ") + u' ' +
           fitted(f, QStringLiteral("residue mass"), v.residueMass, "0000.") + u' ' +
           fitted(f, QStringLiteral("residue depth"), v.residueDepth, "0000.") + u' ' +
           fitted(f, QStringLiteral("C:N ratio"), v.carbonNitrogen, "0000.") + u' ' +
           fitted(f, QStringLiteral("root residue weight"), v.residueWeight, "0000.");
}

void WriteNitrogenBalance(const QString &ceresDir, const NitrogenBalance &values) {
    requireDirectory(ceresDir);
    const QString line = NitrogenBalanceLine(values);
    writeLines(ceresDir, kNitrogenBalanceFile, {line},
               QStringLiteral("writing the nitrogen balance"));
}

// ---- schedules --------------------------------------------------------------

QString ScheduleFileName(ScheduleKind kind) {
    return kind == ScheduleKind::Irrigation ? kIrrigationScheduleFile : kFertiliserScheduleFile;
}

QString ScheduleHeaderLine(const ScheduleHeader &h) {
    return QStringLiteral(" 1 ") + h.inst + h.shortSite + TwoDigitYear(h.year) +
           QStringLiteral("01");
}

QString ScheduleEventLine(ScheduleKind kind, const ScheduleEvent &e) {
    const QString f = ScheduleFileName(kind);
    const QString day = fitted(f, QStringLiteral("day of year"), e.dayOfYear, "000");
    if (kind == ScheduleKind::Irrigation)
        return u' ' + day + u' ' +
               rightAligned(fitted(f, QStringLiteral("water amount"), e.amount, "####.0", 6), 6);
    return u' ' + day + u' ' +
           rightAligned(fitted(f, QStringLiteral("nitrogen amount"), e.amount, "###.0", 5), 5) +
           u' ' + rightAligned(fitted(f, QStringLiteral("depth"), e.depth, "###.0", 5), 5) + u' ' +
           rightAligned(fitted(f, QStringLiteral("fertiliser type"), e.type, "##", 2), 2);
}

QString ScheduleEndLine(ScheduleKind kind) {
    return kind == ScheduleKind::Irrigation ? QStringLiteral("  -1   -1")
                                            : QStringLiteral("  -1  -1.0  -1.0 -1");
}

void StartSchedule(const QString &ceresDir, ScheduleKind kind, const ScheduleHeader &header) {
    requireDirectory(ceresDir);
    writeLines(ceresDir, ScheduleFileName(kind), {ScheduleHeaderLine(header)},
               QStringLiteral("starting the schedule"));
}

void AppendScheduleEvent(const QString &ceresDir, ScheduleKind kind, const ScheduleEvent &event) {
    requireDirectory(ceresDir);
    const QString line = ScheduleEventLine(kind, event);
    appendLines(ceresDir, ScheduleFileName(kind), {line},
                QStringLiteral("adding a schedule event"));
}

void EndSchedule(const QString &ceresDir, ScheduleKind kind, const ScheduleHeader &header,
                 int eventsWritten) {
    requireDirectory(ceresDir);
    const QString action = QStringLiteral("ending the schedule");
    if (eventsWritten <= 0)
        writeLines(ceresDir, ScheduleFileName(kind),
                   {ScheduleHeaderLine(header), ScheduleEndLine(kind)}, action);
    else
        appendLines(ceresDir, ScheduleFileName(kind), {ScheduleEndLine(kind)}, action);
}

// ---- DVPTLEAF.SG ----------------------------------------------------------

void CopyLeafGroup(const QString &programDir, const QString &ceresDir, int varietyNumber) {
    requireDirectory(ceresDir);
    const QStringList lines =
        readLines(programDir, kLeafCatalogue, QStringLiteral("reading the leaf catalogue"));
    QStringList group;
    for (qsizetype i = 0; i < lines.size(); i += 5) {
        if (LeadingNumber(column(lines[i], 1, 2)) == varietyNumber) {
            group = lines.mid(i, 5);
            break;
        }
    }
    if (group.isEmpty())
        fileError(QStringLiteral("The leaf catalogue %1 has no group for variety %2; %3 was not "
                                 "written.")
                      .arg(QDir::toNativeSeparators(findFile(programDir, kLeafCatalogue)))
                      .arg(varietyNumber)
                      .arg(kLeafFile));
    writeLines(ceresDir, kLeafFile, group, QStringLiteral("writing the leaf data"));
}

} // namespace zarn::cropmodel
