#include "cropmodel/modeloutput.h"

#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"

namespace zarn::cropmodel {

namespace {
const QString kMaturity = QStringLiteral("PHYSIOLOGICAL MATURITY");
const QString kPlanting = QStringLiteral("Planting date");
constexpr int kFirstColumn = 10;
constexpr int kLastColumn = 20;
} // namespace

ModelOutput ScanModelOutputLines(const QStringList &lines) {
    ModelOutput out;
    out.lines = lines;
    for (const QString &line : lines) {
        for (int c = kFirstColumn; c <= kLastColumn; ++c) {
            if (column(line, c, 22) == kMaturity) {
                out.maturityFound = true;
                out.yield = LeadingNumber(column(line, c + 23, 9)) / 100.0;
                out.maturityDate = column(line, 1, 6);
            }
            if (column(line, c, 13) == kPlanting) {
                out.sowingFound = true;
                out.sowingDate = column(line, c + 18, 10);
            }
        }
    }
    return out;
}

ModelOutput ScanModelOutput(const QString &ceresDir, const QString &fileName) {
    return ScanModelOutputLines(
        readLines(ceresDir, fileName, QStringLiteral("reading the crop model output")));
}

double CalculationYieldFromLines(const QStringList &lines) {
    for (const QString &line : lines)
        for (int c = kFirstColumn; c <= kLastColumn; ++c)
            if (column(line, c, 22) == kMaturity)
                return LeadingNumber(column(line, c + 24, 9));
    return 0;
}

double ReadCalculationYield(const QString &ceresDir) {
    return CalculationYieldFromLines(readLines(ceresDir, QStringLiteral("OUT1.SG"),
                                               QStringLiteral("reading the crop model output")));
}

} // namespace zarn::cropmodel
