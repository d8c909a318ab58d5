#include "cropmodel/catalogues.h"

#include "cropmodel/inputfiles.h"
#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"

#include <cmath>

namespace zarn::cropmodel {

namespace {
int wholeNumber(double x) {
    return x > -1e9 && x < 1e9 ? int(std::llround(x)) : 0;
}
} // namespace

bool IsCatalogueEndLine(const QString &line) {
    return LeadingNumber(column(line, 1, 6)) == -1;
}

CatalogueSoil FindCatalogueSoilInLines(const QStringList &lines, int soilNumber) {
    CatalogueSoil soil;
    bool header = true;
    for (const QString &line : lines) {
        if (header && LeadingNumber(column(line, 1, 3)) == soilNumber) {
            soil.found = true;
            soil.number = column(line, 1, 3);
            soil.name = column(line, 16, 60);
        }
        header = IsCatalogueEndLine(line);
    }
    return soil;
}

CatalogueSoil FindCatalogueSoil(const QString &programDir, int soilNumber) {
    return FindCatalogueSoilInLines(
        readLines(programDir, kSoilCatalogue, QStringLiteral("reading the soil catalogue")),
        soilNumber);
}

QStringList InitialSoilBlockNames(const QStringList &lines) {
    QStringList names;
    bool first = true;
    for (const QString &line : lines) {
        if (first)
            names << line;
        first = IsCatalogueEndLine(line);
    }
    return names;
}

QStringList ReadInitialSoilCatalogue(const QString &programDir) {
    return InitialSoilBlockNames(readLines(programDir, kInitialSoilCatalogue,
                                           QStringLiteral("reading the initial-soil catalogue")));
}

std::vector<LeafGroup> LeafGroupsFromLines(const QStringList &lines) {
    std::vector<LeafGroup> groups;
    for (qsizetype i = 0; i < lines.size(); i += 5) {
        LeafGroup g;
        g.varietyNumber = wholeNumber(LeadingNumber(column(lines[i], 1, 2)));
        g.lines = lines.mid(i, 5);
        groups.push_back(g);
    }
    return groups;
}

std::vector<LeafGroup> ReadLeafCatalogue(const QString &programDir) {
    return LeafGroupsFromLines(
        readLines(programDir, kLeafCatalogue, QStringLiteral("reading the leaf catalogue")));
}

NitrogenRecord NitrogenRecordFromLine(const QString &line) {
    NitrogenRecord r;
    r.line = line;
    r.treatment = wholeNumber(LeadingNumber(column(line, 10, 2)));
    r.residueMass = LeadingNumber(column(line, 13, 5));
    r.residueDepth = LeadingNumber(column(line, 19, 5));
    r.carbonNitrogen = LeadingNumber(column(line, 25, 5));
    r.residueWeight = LeadingNumber(column(line, 31, 5));
    return r;
}

std::vector<NitrogenRecord> ReadNitrogenCatalogue(const QString &programDir) {
    std::vector<NitrogenRecord> records;
    for (const QString &line : readLines(programDir, kNitrogenCatalogue,
                                         QStringLiteral("reading the nitrogen catalogue")))
        records.push_back(NitrogenRecordFromLine(line));
    return records;
}

} // namespace zarn::cropmodel
