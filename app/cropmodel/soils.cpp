#include "cropmodel/soils.h"

#include "cropmodel/catalogues.h"
#include "cropmodel/experiments.h"
#include "cropmodel/numbers.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "shell/usererror.h"

#include <QDir>
#include <QFileInfo>

namespace zarn::cropmodel {

const std::array<const char *, 12> kSoilParameterFields = {
    "SALB", "U",      "SWCON",  "CN2",    "TAV",   "AMP",
    "DMOD", "SWCON1", "SWCON2", "SWCON3", "RWUMX", "PHFAC3",
};
const std::array<const char *, 12> kSoilLayerFields = {
    "DLAYR", "LL", "DUL", "SAT", "SWINIT", "WR", "BD", "OC", "DNH4", "DNO3", "UK1", "UK2",
};

namespace {

struct Field {
    int start;
    int width;
};

// Columns of the parameter and layer lines of sprofile.tot.
constexpr std::array<Field, 12> kParameterColumns = {{
    {1, 6},
    {7, 5},
    {13, 6},
    {20, 6},
    {27, 5},
    {33, 5},
    {39, 3},
    {43, 9},
    {53, 6},
    {60, 5},
    {66, 5},
    {72, 4},
}};
constexpr std::array<Field, 12> kLayerColumns = {{
    {1, 6},
    {7, 6},
    {14, 6},
    {21, 6},
    {28, 6},
    {35, 6},
    {42, 5},
    {48, 5},
    {54, 4},
    {59, 4},
    {64, 4},
    {69, 4},
}};

// Patterns of sprofile.sg2.
const std::array<const char *, 12> kParameterPatterns = {
    "00.00", "00.00",     "000.00", "000.00", "000.0", "000.0",
    "0.0",   ".0000E+00", "0000.0", "00.00",  "00.00", "0.00",
};
const std::array<const char *, 10> kLayerPatterns = {
    "0000.", "00.000", "00.000", "00.000", "00.000", "00.000", "00.00", "00.00", "000.0", "000.0",
};

template <size_t N>
std::array<double, N> readColumns(const QString &line, const std::array<Field, N> &cols) {
    std::array<double, N> values{};
    for (size_t k = 0; k < N; ++k)
        values[k] = LeadingNumber(column(line, cols[k].start, cols[k].width));
    return values;
}

QString soilDatabasePath(const QString &programDir) {
    return findFile(programDir, kSoilDatabase);
}

db::Database openSoils(const QString &programDir) {
    return db::Database::open(soilDatabasePath(programDir));
}

void fillSoils(const db::Database &db, const std::vector<SoilProfile> &profiles) {
    db::Cursor soil = db.openDynaset(QStringLiteral("Soil"));
    db::Cursor layers = db.openDynaset(QStringLiteral("SoilLayers"));
    for (soil.moveFirst(); !soil.eof(); soil.moveNext())
        soil.deleteCurrent();
    for (layers.moveFirst(); !layers.eof(); layers.moveNext())
        layers.deleteCurrent();
    for (const SoilProfile &p : profiles) {
        int layerNumber = 0;
        for (const auto &layer : p.layers) {
            layers.addNew();
            layers.setValue(QStringLiteral("IDUMSL"), p.idumsl);
            layers.setValue(QStringLiteral("DLayerNumber"), ++layerNumber);
            for (size_t k = 0; k < layer.size(); ++k)
                layers.setValue(QString::fromLatin1(kSoilLayerFields[k]), layer[k]);
            layers.update();
        }
        soil.addNew();
        soil.setValue(QStringLiteral("IDUMSL"), p.idumsl);
        soil.setValue(QStringLiteral("PEDON"), p.pedon);
        soil.setValue(QStringLiteral("TAXON"), p.taxon);
        for (size_t k = 0; k < p.parameters.size(); ++k)
            soil.setValue(QString::fromLatin1(kSoilParameterFields[k]), p.parameters[k]);
        soil.setValue(QStringLiteral("NLAYRTotal"), int(p.layers.size()));
        soil.update();
    }
}

} // namespace

std::vector<SoilProfile> ParseSoilCatalogue(const QStringList &lines) {
    std::vector<SoilProfile> profiles;
    SoilProfile current;
    int state = 1;
    for (const QString &line : lines) {
        switch (state) {
        case 1:
            current = SoilProfile{};
            current.idumsl = LeadingNumber(column(line, 1, 3));
            current.pedon = column(line, 4, 12);
            current.taxon = column(line, 17, 60);
            state = 2;
            break;
        case 2:
            current.parameters = readColumns(line, kParameterColumns);
            state = 3;
            break;
        default:
            if (IsCatalogueEndLine(line)) {
                profiles.push_back(current);
                state = 1;
            } else {
                current.layers.push_back(readColumns(line, kLayerColumns));
            }
            break;
        }
    }
    if (state == 3) // a catalogue without its last end line
        profiles.push_back(current);
    return profiles;
}

int LoadSoilCatalogueFile(const QString &cataloguePath, const QString &soilsDbPath) {
    const std::vector<SoilProfile> profiles = ParseSoilCatalogue(
        readLinesAt(cataloguePath, QStringLiteral("reading the soil catalogue")));
    if (!QFileInfo(soilsDbPath).isFile())
        throw UserError(db::kErrorTitle, QStringLiteral("The soil database %1 does not exist.")
                                             .arg(QDir::toNativeSeparators(soilsDbPath)));

    // One transaction: every row is replaced, or (on any failure) none is.
    db::Database db = db::Database::open(soilsDbPath);
    db::Transaction transaction(db);
    fillSoils(db, profiles);
    transaction.commit();
    db.close();
    return int(profiles.size());
}

int LoadSoilCatalogue(const QString &programDir) {
    return LoadSoilCatalogueFile(findFile(programDir, kSoilCatalogue),
                                 soilDatabasePath(programDir));
}

QStringList SoilProfileLines(const QString &programDir, int soilNumber) {
    const db::Database db = openSoils(programDir);
    db::Cursor soil = db.openTableCursor(QStringLiteral("Soil"));
    soil.setIndex(QStringLiteral("SoilIndex"));
    soil.seek(soilNumber);
    if (soil.noMatch() || !soil.hasCurrent())
        throw UserError(db::kErrorTitle, QStringLiteral("Soil %1 is not in table Soil of %2.")
                                             .arg(soilNumber)
                                             .arg(QDir::toNativeSeparators(db.path())));
    QStringList lines;
    lines << SignedText(soil.number(QStringLiteral("IDUMSL"))) + u' ' +
                 soil.text(QStringLiteral("PEDON")) + u' ' + soil.text(QStringLiteral("TAXON"));
    QStringList params;
    for (size_t k = 0; k < kSoilParameterFields.size(); ++k)
        params << FormatNumber(soil.number(QString::fromLatin1(kSoilParameterFields[k])),
                               QString::fromLatin1(kParameterPatterns[k]));
    lines << u' ' + params.join(u' ');

    const qint64 layerCount = soil.integer(QStringLiteral("NLAYRTotal"));
    db::Cursor layers = db.openTableCursor(QStringLiteral("SoilLayers"));
    layers.setIndex(QStringLiteral("SoilLayerIndex"));
    for (qint64 layer = 1; layer <= layerCount; ++layer) {
        layers.seek(QVariantList{soilNumber, layer});
        if (layers.noMatch() || !layers.hasCurrent())
            throw UserError(db::kErrorTitle,
                            QStringLiteral("Layer %1 of soil %2 is not in table SoilLayers of %3.")
                                .arg(layer)
                                .arg(soilNumber)
                                .arg(QDir::toNativeSeparators(db.path())));
        QStringList values;
        for (size_t k = 0; k < kLayerPatterns.size(); ++k)
            values << FormatNumber(layers.number(QString::fromLatin1(kSoilLayerFields[k])),
                                   QString::fromLatin1(kLayerPatterns[k]));
        lines << u' ' + values.join(u' ');
    }
    lines << QStringLiteral(" -001.");
    return lines;
}

void WriteSoilProfile(const QString &programDir, const QString &ceresDir, int soilNumber) {
    requireDirectory(ceresDir);
    const QStringList lines = SoilProfileLines(programDir, soilNumber);
    writeLines(ceresDir, kSoilProfileFile, lines, QStringLiteral("writing the soil profile"));
}

QString InitialConditionsFileName(const QString &ceresDir) {
    return LastExperimentFileName(ceresDir, 5, QStringLiteral("initial-conditions file"));
}

QStringList InitialConditionsLines(const QString &firstLine,
                                   const std::vector<double> &layerDepths) {
    QStringList lines{firstLine};
    for (double depth : layerDepths)
        lines << FormatNumber(depth, QStringLiteral("    00")) + u' ' + QStringLiteral(" 0.100") +
                     u' ' + QStringLiteral(" 0.1") + u' ' + QStringLiteral(" 0.1") + u' ' +
                     QStringLiteral(" 6.0");
    lines << QStringLiteral("   -1. -1.0   -1.0 -1.0 -1.0");
    return lines;
}

void WriteInitialConditions(const QString &programDir, const QString &ceresDir, int soilNumber) {
    const QString name = InitialConditionsFileName(ceresDir);
    const QStringList old =
        readLines(ceresDir, name, QStringLiteral("reading the initial-conditions file"));
    const QString firstLine = old.isEmpty() ? QString() : old.first();

    std::vector<double> depths;
    {
        const db::Database db = openSoils(programDir);
        db::Cursor layers = db.openDynaset(QStringLiteral("SoilLayers"));
        for (layers.moveFirst(); !layers.eof(); layers.moveNext())
            if (layers.number(QStringLiteral("IDUMSL")) == soilNumber)
                depths.push_back(layers.number(QStringLiteral("DLAYR")));
    }
    writeLines(ceresDir, name, InitialConditionsLines(firstLine, depths),
               QStringLiteral("writing the initial-conditions file"));
}

} // namespace zarn::cropmodel
