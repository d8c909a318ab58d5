#include "cropmodel/editors.h"

#include "cropmodel/numbers.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "data/database.h"
#include "data/lookup.h"
#include "shell/defaults.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace zarn::cropmodel {

// ---- schedule dates -------------------------------------------------------

QStringList ScheduleMonthNames() {
    return {QStringLiteral("January "), QStringLiteral("February "), QStringLiteral("March "),
            QStringLiteral("April "),   QStringLiteral("May "),      QStringLiteral("June "),
            QStringLiteral("July "),    QStringLiteral("August "),   QStringLiteral("September "),
            QStringLiteral("October "), QStringLiteral("November "), QStringLiteral("December ")};
}

int MonthOfText(const QString &monthText) {
    const QString t = monthText.trimmed();
    const QStringList names = ScheduleMonthNames();
    for (int i = 0; i < names.size(); ++i)
        if (t.compare(names[i].trimmed(), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

int ScheduleDaysInMonth(int month, int year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

QStringList DayNumbers(int n) {
    QStringList days;
    for (int d = 1; d <= n; ++d)
        days << QString::number(d);
    return days;
}

int ScheduleYear(int year) {
    if (year >= 0 && year < 100)
        return year + (year < 30 ? 2000 : 1900);
    return year;
}

std::optional<int> ScheduleDayOfYear(const QString &monthText, const QString &dayText, int year) {
    const int month = MonthOfText(monthText);
    bool ok = false;
    const int day = dayText.trimmed().toInt(&ok);
    if (month == 0 || !ok)
        return std::nullopt;
    const QDate date(ScheduleYear(year), month, day);
    if (!date.isValid())
        return std::nullopt;
    return date.dayOfYear();
}

// ---- scroll values --------------------------------------------------------

double WholeAndTenths(int whole, int tenths) {
    return double(whole * 10 + tenths) / 10.0;
}

// ---- option texts ---------------------------------------------------------

QString IrrigationOptionText(int option) {
    switch (option) {
    case 1:
        return QStringLiteral("None");
    case 2:
        return QStringLiteral("User Defined");
    case 3:
        return QStringLiteral("Automatic");
    case 4:
        return QStringLiteral("No Stress");
    default:
        return QString();
    }
}

QString NitrogenOptionText(double option) {
    if (option == 0)
        return QStringLiteral("No Nitrogen Stress");
    if (option == 1)
        return QStringLiteral("User Defined");
    return QString();
}

// ---- experiment request ---------------------------------------------------

ExperimentRequest ParseExperimentRequest(const QString &request) {
    ExperimentRequest r;
    r.mode = request.left(6);
    r.code = request.mid(6, 8);
    r.yearText = request.mid(10, 2);
    r.numberText = request.mid(12, 2);
    r.title = request.mid(15, 40);
    return r;
}

// ---- soils ----------------------------------------------------------------

std::vector<SoilRow> ReadSoilRows(const QString &programDir) {
    const db::Database soils = db::Database::open(findFile(programDir, kSoilDatabase));
    std::vector<SoilRow> rows;
    db::Cursor soil = soils.openTable(QStringLiteral("Soil"));
    for (; !soil.eof(); soil.moveNext()) {
        SoilRow row;
        row.idumsl = soil.number(QStringLiteral("IDUMSL"));
        row.pedon = soil.text(QStringLiteral("PEDON"));
        row.taxon = soil.text(QStringLiteral("TAXON"));
        row.salb = soil.number(QStringLiteral("SALB"));
        row.u = soil.number(QStringLiteral("U"));
        row.swcon = soil.number(QStringLiteral("SWCON"));
        row.cn2 = soil.number(QStringLiteral("CN2"));
        row.tav = soil.number(QStringLiteral("TAV"));
        row.amp = soil.number(QStringLiteral("AMP"));
        row.dmod = soil.number(QStringLiteral("DMOD"));
        row.rwumx = soil.number(QStringLiteral("RWUMX"));
        rows.push_back(std::move(row));
    }
    static const char *const kLayerFields[10] = {"DLAYR", "LL", "DUL", "SAT",  "SWINIT",
                                                 "WR",    "BD", "OC",  "DNH4", "DNO3"};
    db::Cursor layers = soils.openTable(QStringLiteral("SoilLayers"));
    for (; !layers.eof(); layers.moveNext()) {
        const double id = layers.number(QStringLiteral("IDUMSL"));
        std::array<double, 10> layer{};
        for (int i = 0; i < 10; ++i)
            layer[i] = layers.number(QString::fromLatin1(kLayerFields[i]));
        for (SoilRow &row : rows)
            if (row.idumsl == id)
                row.layers.push_back(layer);
    }
    return rows;
}

QString SoilListLine(const SoilRow &row) {
    return SignedText(row.idumsl) + u' ' + row.pedon + u' ' + row.taxon;
}

QString SoilLayerLine(const std::array<double, 10> &layer) {
    QStringList parts;
    parts << FormatNumber(layer[0], QStringLiteral("000000"));
    for (int i = 1; i <= 5; ++i)
        parts << FormatNumber(layer[i], QStringLiteral("00.000"));
    for (int i = 6; i <= 7; ++i)
        parts << FormatNumber(layer[i], QStringLiteral("00.00"));
    for (int i = 8; i <= 9; ++i)
        parts << FormatNumber(layer[i], QStringLiteral("000.0"));
    return parts.join(u' ');
}

// ---- varieties ------------------------------------------------------------

std::vector<VarietyRow> ReadVarietyRows(const QString &programDir) {
    const db::Database sorghum = db::Database::open(referenceDatabase(programDir));
    std::vector<VarietyRow> rows;
    db::Cursor c = sorghum.openTable(QStringLiteral("Variety"));
    for (; !c.eof(); c.moveNext()) {
        VarietyRow r;
        r.name = c.text(QStringLiteral("VarietyName"));
        r.number = c.number(QStringLiteral("VarietyNumber"));
        r.degDaysJuvenile = c.number(QStringLiteral("DegDaysEmergeToJuvenile"));
        r.photoperiod = c.number(QStringLiteral("OptimalPotoperiod"));
        r.speedOfDevelopment = c.number(QStringLiteral("SpeedOfDevelopment"));
        r.degDaysMaturity = c.number(QStringLiteral("DegDaysFloraToMaturity"));
        r.correction1 = c.number(QStringLiteral("CorrectionStalk&Leaves"));
        r.correction2 = c.number(QStringLiteral("CorrectionStalk&Epis"));
        rows.push_back(std::move(r));
    }
    return rows;
}

// ---- leaf and nitrogen lists ----------------------------------------------

QString LeafListLine(const QString &firstLine, const QString &varietyName) {
    return firstLine + QStringLiteral("    (") + varietyName + u')';
}

int NitrogenLineTreatment(const QString &line) {
    return int(LeadingNumber(column(line, 10, 2)));
}

// ---- schedule files -------------------------------------------------------

FileSnapshot FileSnapshot::take(const QString &dir, const QString &name) {
    FileSnapshot s;
    s.m_dir = dir;
    s.m_name = name;
    const QString path = findFile(dir, name);
    QFile f(path);
    if (f.exists() && f.open(QIODevice::ReadOnly)) {
        s.m_existed = true;
        s.m_bytes = f.readAll();
    }
    return s;
}

void FileSnapshot::restore() const {
    const QString path = findFile(m_dir, m_name);
    if (!m_existed) {
        removeFile(m_dir, m_name);
        return;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(m_bytes) != m_bytes.size() || !f.commit())
        fileError(QStringLiteral("%1 could not be put back as it was.")
                      .arg(QDir::toNativeSeparators(path)));
}

// ---- institutes and sites -------------------------------------------------

QStringList DistinctFieldTexts(const QString &programDir, const QString &table,
                               const QString &field) {
    const db::Database sorghum = db::Database::open(referenceDatabase(programDir));
    QStringList texts;
    for (const QString &t : fieldTexts(sorghum, table, field))
        if (!texts.contains(t))
            texts << t;
    return texts;
}

QString NameOfCode(const QString &programDir, const QString &table, const QString &nameField,
                   const QString &codeField, const QString &code) {
    const db::Database sorghum = db::Database::open(referenceDatabase(programDir));
    QString name;
    for (db::Cursor c = sorghum.openTable(table); !c.eof(); c.moveNext())
        if (c.text(codeField).compare(code, Qt::CaseInsensitive) == 0)
            name = c.text(nameField);
    return name;
}

} // namespace zarn::cropmodel
