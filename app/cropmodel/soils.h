#pragma once
// The soil database Soils.mdb and the soil files made from it: loading the
// soil catalogue sprofile.tot into tables Soil and SoilLayers, the soil
// profile sprofile.sg2 and the initial-conditions file named in SGEXP.DIR.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zarn::cropmodel {

inline const QString kSoilDatabase = QStringLiteral("Soils.mdb");
inline const QString kSoilProfileFile = QStringLiteral("sprofile.sg2");

// One profile of sprofile.tot.
struct SoilProfile {
    double idumsl = 0; // header columns 1-3
    QString pedon;     // header columns 4-15
    QString taxon;     // header columns 17-76
    // SALB, U, SWCON, CN2, TAV, AMP, DMOD, SWCON1, SWCON2, SWCON3, RWUMX, PHFAC3
    std::array<double, 12> parameters{};
    // DLAYR, LL, DUL, SAT, SWINIT, WR, BD, OC, DNH4, DNO3, UK1, UK2 per layer
    std::vector<std::array<double, 12>> layers;
};

// Column names of Soil (parameters) and SoilLayers (layer values), in the
// order of SoilProfile.
extern const std::array<const char *, 12> kSoilParameterFields;
extern const std::array<const char *, 12> kSoilLayerFields;

// Reads the catalogue lines with three states: header, parameter line, then
// layer lines until a line whose columns 1-6 read as -1 ends the profile. A
// last profile without an end line is ended by the end of the file (one whose
// parameter line is missing is dropped).
std::vector<SoilProfile> ParseSoilCatalogue(const QStringList &lines);

// Replaces every row of Soil and SoilLayers in the database `soilsDbPath`
// with the profiles of the catalogue `cataloguePath`, in one transaction, so a
// failure leaves the tables as they were. Returns the number of profiles.
// Failures throw UserError naming the file.
int LoadSoilCatalogueFile(const QString &cataloguePath, const QString &soilsDbPath);

// LoadSoilCatalogue: sprofile.tot of `programDir` into Soils.mdb of `programDir`.
int LoadSoilCatalogue(const QString &programDir);

// The lines of sprofile.sg2 for `soilNumber` from Soils.mdb of `programDir`:
// the Soil row sought through SoilIndex, the layers 1 to NLAYRTotal through
// SoilLayerIndex, the end line " -001.". A soil or layer that is not there
// throws UserError.
QStringList SoilProfileLines(const QString &programDir, int soilNumber);

// WriteSoilProfile: writes sprofile.sg2 into `ceresDir`.
void WriteSoilProfile(const QString &programDir, const QString &ceresDir, int soilNumber);

// The name of the initial-conditions file: File 5 (line 2 columns 14-25) of
// the last experiment of SGEXP.DIR in `ceresDir`, blanks around it dropped and
// checked to be a plain file name. No experiment, an empty name or a name with
// a directory in it throws UserError.
QString InitialConditionsFileName(const QString &ceresDir);

// WriteInitialConditions: rewrites the initial-conditions file in `ceresDir`
// for `soilNumber`: its first line kept (an empty file counts as an empty
// first line), one line per SoilLayers row of the soil in table order
// (DLAYR "    00" and the fixed starting values), then the end line. Nothing
// is written when anything is missing (SGEXP.DIR, the file it names,
// Soils.mdb). Called at every load of the main menu for gSoil and when a soil
// is chosen in the soil window.
void WriteInitialConditions(const QString &programDir, const QString &ceresDir, int soilNumber);

// The lines written, from the kept first line and the soil's DLAYR values.
QStringList InitialConditionsLines(const QString &firstLine,
                                   const std::vector<double> &layerDepths);

} // namespace zarn::cropmodel
