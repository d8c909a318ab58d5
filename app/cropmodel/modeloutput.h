#pragma once
// Reading the crop model's output files OUT1.SG ... OUT5.SG.

#include <QString>
#include <QStringList>

namespace zarn::cropmodel {

// What the scan of an output file found.
struct ModelOutput {
    QStringList lines; // every line of the file, in file order
    bool maturityFound = false;
    double yield = 0;     // yield at physiological maturity (the stored number / 100)
    QString maturityDate; // columns 1-6 of the maturity line
    bool sowingFound = false;
    QString sowingDate; // the 10 characters from c + 18 of the "Planting date" line
};

// Reads `fileName` ("OUT1.SG") in `ceresDir`, found whatever the case of its
// name. For each line and each start column c from 10 to 20: where the 22
// characters from c are "PHYSIOLOGICAL MATURITY" the yield is LeadingNumber of
// the 9 characters from c + 23, divided by 100, and the maturity date columns
// 1-6; where the 13 characters from c are "Planting date" the sowing date is
// the 10 characters from c + 18. When several lines match, the last one gives
// the values. A missing or unreadable file throws UserError.
ModelOutput ScanModelOutput(const QString &ceresDir, const QString &fileName);

// The same scan over lines already read.
ModelOutput ScanModelOutputLines(const QStringList &lines);

// The calculation window's own reading of OUT1.SG in `ceresDir`: the first
// line on which "PHYSIOLOGICAL MATURITY" starts at a column c from 10 to 20
// (tried in that order) gives LeadingNumber of the 9 characters from c + 24;
// no such line gives 0. The value is returned as stored (not divided by 100).
// A missing or unreadable OUT1.SG throws UserError.
double ReadCalculationYield(const QString &ceresDir);

// The same rule over lines already read.
double CalculationYieldFromLines(const QStringList &lines);

} // namespace zarn::cropmodel
