#pragma once
// The read-only catalogue files of the program directory that offer choices
// in the input editors: sprofile.tot (soils), soilinit.tot (initial soils),
// LEAF.TOT (leaf groups) and NITROGEN.TOT (residue and nitrogen records).
// A missing catalogue throws UserError naming it.

#include <QString>
#include <QStringList>
#include <vector>

namespace zarn::cropmodel {

inline const QString kSoilCatalogue = QStringLiteral("sprofile.tot");
inline const QString kInitialSoilCatalogue = QStringLiteral("soilinit.tot");
inline const QString kNitrogenCatalogue = QStringLiteral("NITROGEN.TOT");

// True when columns 1-6 of `line` read as -1: the end of a profile or block.
bool IsCatalogueEndLine(const QString &line);

// ---- sprofile.tot ----------------------------------------------------------

// The soil of the crop-management window: the profile whose header (the first
// line of the file and every line after an end line) has `soilNumber` in
// columns 1-3 (compared as numbers; the last such profile).
struct CatalogueSoil {
    bool found = false;
    QString number; // header columns 1-3
    QString name;   // header columns 16-75
};
CatalogueSoil FindCatalogueSoil(const QString &programDir, int soilNumber);
CatalogueSoil FindCatalogueSoilInLines(const QStringList &lines, int soilNumber);

// ---- soilinit.tot ----------------------------------------------------------

// The first line of every block (blocks end with a line whose columns 1-6
// read as -1; a last block without an end line still counts).
QStringList ReadInitialSoilCatalogue(const QString &programDir);
QStringList InitialSoilBlockNames(const QStringList &lines);

// ---- LEAF.TOT --------------------------------------------------------------

struct LeafGroup {
    int varietyNumber = 0; // LeadingNumber of columns 1-2 of the first line
    QStringList lines;     // the five lines (fewer at a short end of file)
};
std::vector<LeafGroup> ReadLeafCatalogue(const QString &programDir);
std::vector<LeafGroup> LeafGroupsFromLines(const QStringList &lines);

// ---- NITROGEN.TOT ----------------------------------------------------------

struct NitrogenRecord {
    QString line;              // the line as it stands (the window lists it)
    int treatment = 0;         // columns 10-11
    double residueMass = 0;    // columns 13-17
    double residueDepth = 0;   // columns 19-23
    double carbonNitrogen = 0; // columns 25-29
    double residueWeight = 0;  // columns 31-35
};
std::vector<NitrogenRecord> ReadNitrogenCatalogue(const QString &programDir);
NitrogenRecord NitrogenRecordFromLine(const QString &line);

} // namespace zarn::cropmodel
