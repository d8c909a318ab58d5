#include "cropmodel/experiments.h"

#include "cropmodel/textfiles.h"
#include "data/database.h"

#include <QDir>
#include <QFileInfo>

namespace zarn::cropmodel {

namespace {

const QString kReading = QStringLiteral("reading the experiment directory");
const QString kWriting = QStringLiteral("writing the experiment directory");

// The lines of SGEXP.DIR without the blank lines at its end, which are not
// records (an editor often leaves one).
QStringList experimentLines(const QString &ceresDir) {
    QStringList lines = readLines(ceresDir, kExperimentFile, kReading);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// Pads `text` to `width` (zeros in front or blanks behind); a longer text is
// cut to its first `width` characters and flagged.
QString fit(const QString &text, int width, bool zeros, bool &tooLong) {
    tooLong = text.size() > width;
    if (tooLong)
        return text.left(width);
    return zeros ? text.rightJustified(width, u'0') : text.leftJustified(width, u' ');
}

bool codeMatches(const QString &line, const QString &code) {
    return !code.isEmpty() && line.left(8) == code.left(8);
}

// The code found by scanning a table for its last row whose `keyField`
// equals `name`; with no match the first two characters of the name.
QString lookUpCode(const db::Database &db, const QString &table, const QString &keyField,
                   const QString &codeField, const QString &name, bool lower) {
    QString code = name.left(2);
    db::Cursor c = db.openDynaset(table);
    for (c.moveFirst(); !c.eof(); c.moveNext())
        if (c.text(keyField) == name)
            code = lower ? c.text(codeField).toLower() : c.text(codeField);
    return code;
}

void rewriteThroughCopy(const QString &ceresDir, const QStringList &newLines) {
    // sgexp.dat takes the new content first; SGEXP.DIR is then replaced by a
    // rename of a copy of it, so at every moment SGEXP.DIR is whole.
    writeLines(ceresDir, kExperimentCopy, newLines, kWriting);
    writeLines(ceresDir, kExperimentFile, newLines, kWriting);
}

QStringList linesForRewrite(const QString &ceresDir) {
    requireDirectory(ceresDir);
    removeFile(ceresDir, kExperimentCopy);
    return readLines(ceresDir, kExperimentFile, kReading);
}

} // namespace

QString ExperimentRecord::title() const {
    return column(line1, 10, 40);
}
QString ExperimentRecord::file1() const {
    return column(line1, 51, 12);
}
QString ExperimentRecord::file2() const {
    return column(line1, 64, 12);
}
QString ExperimentRecord::file(int n) const {
    return n >= 4 && n <= 9 ? column(line2, 1 + (n - 4) * 13, 12) : QString();
}
QString ExperimentRecord::fileA() const {
    return column(line3, 1, 12);
}
QString ExperimentRecord::fileB() const {
    return column(line3, 14, 12);
}
QString ExperimentRecord::out(int n) const {
    return n >= 1 && n <= 6 ? column(line3, 27 + (n - 1) * 8, 7) : QString();
}

QString ExperimentListLine(const QString &line1) {
    return column(line1, 1, 8) + u' ' + column(line1, 10, 40);
}

std::vector<ExperimentRecord> ReadExperiments(const QString &ceresDir) {
    requireDirectory(ceresDir);
    std::vector<ExperimentRecord> records;
    if (!fileExists(ceresDir, kExperimentFile))
        return records;
    const QStringList lines = experimentLines(ceresDir);
    for (qsizetype i = 0; i < lines.size(); i += 3) {
        ExperimentRecord r;
        r.line1 = lines[i];
        r.line2 = i + 1 < lines.size() ? lines[i + 1] : QString();
        r.line3 = i + 2 < lines.size() ? lines[i + 2] : QString();
        records.push_back(r);
    }
    return records;
}

QStringList ReadExperimentList(const QString &ceresDir) {
    QStringList list;
    for (const ExperimentRecord &r : ReadExperiments(ceresDir))
        list << ExperimentListLine(r.line1);
    return list;
}

FoundExperiment ReadExperiment(const QString &ceresDir, const QString &code) {
    FoundExperiment result;
    for (const ExperimentRecord &r : ReadExperiments(ceresDir))
        if (codeMatches(r.line1, code)) {
            result.found = true;
            result.record = r;
        }
    return result;
}

ExperimentFit FitExperimentFieldsWithCodes(const ExperimentFields &f, const QString &instituteCode,
                                           const QString &siteCode) {
    ExperimentFit out;
    out.instituteCode = instituteCode;
    out.siteCode = siteCode;
    auto field = [&out](ExperimentField which, const QString &text, int width, bool zeros) {
        bool tooLong = false;
        QString fitted = fit(text, width, zeros, tooLong);
        out.tooLong[static_cast<int>(which)] = tooLong;
        out.error = out.error || tooLong;
        return fitted;
    };
    using F = ExperimentField;
    const QString year = field(F::Year, f.year, 2, true);
    const QString number = field(F::Number, f.number, 2, true);
    const QString title = field(F::Title, f.title, 40, false);
    const QString file1 = field(F::File1, f.file1, 12, false);
    const QString file2 = field(F::File2, f.file2, 12, false);
    QStringList files;
    for (int k = 0; k < 6; ++k)
        files << field(static_cast<F>(static_cast<int>(F::File4) + k), f.files[size_t(k)], 12,
                       false);
    const QString fileA = field(F::FileA, f.fileA, 12, false);
    const QString fileB = field(F::FileB, f.fileB, 12, false);
    QStringList outs;
    for (int k = 0; k < 6; ++k)
        outs << field(static_cast<F>(static_cast<int>(F::Out1) + k), f.outs[size_t(k)], 7, false);

    out.record.line1 =
        instituteCode + siteCode + year + number + u' ' + title + u' ' + file1 + u' ' + file2;
    out.record.line2 = files.join(u' ');
    out.record.line3 = fileA + u' ' + fileB + u' ' + outs.join(u' ');
    return out;
}

ExperimentFit FitExperimentFields(const QString &programDir, const ExperimentFields &fields) {
    const db::Database db = db::Database::open(findFile(programDir, QStringLiteral("Sorghum.mdb")));
    const QString inst = lookUpCode(db, QStringLiteral("Institutes"), QStringLiteral("Institute"),
                                    QStringLiteral("Inst"), fields.institute, true);
    const QString site = lookUpCode(db, QStringLiteral("Sites"), QStringLiteral("Sites"),
                                    QStringLiteral("ShortSite"), fields.site, true);
    return FitExperimentFieldsWithCodes(fields, inst, site);
}

QString LastExperimentFileName(const QString &ceresDir, int fileNumber, const QString &what) {
    requireDirectory(ceresDir);
    if (!fileExists(ceresDir, kExperimentFile))
        fileError(QStringLiteral("The experiment directory %1 does not exist, so no %2 is named.")
                      .arg(QDir::toNativeSeparators(ceresDir + kExperimentFile), what));
    const std::vector<ExperimentRecord> records = ReadExperiments(ceresDir);
    if (records.empty())
        fileError(QStringLiteral("The experiment directory %1 holds no experiment, so no %2 is "
                                 "named.")
                      .arg(QDir::toNativeSeparators(findFile(ceresDir, kExperimentFile)), what));
    const ExperimentRecord &last = records.back();
    const QString name = fileNumber == 1 ? last.file1() : last.file(fileNumber);
    return checkedPlainName(name, kExperimentFile,
                            QStringLiteral("%1 name (File %2)").arg(what).arg(fileNumber));
}

QString WeatherFileName(const QString &ceresDir) {
    return LastExperimentFileName(ceresDir, 1, QStringLiteral("weather file"));
}

void AppendExperiment(const QString &ceresDir, const ExperimentRecord &record) {
    requireDirectory(ceresDir);
    const QStringList added{record.line1, record.line2, record.line3};
    if (fileExists(ceresDir, kExperimentFile)) {
        const QStringList lines = readLines(ceresDir, kExperimentFile, kReading);
        if (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
            // The new record goes after the last record, not after the blank
            // lines that end the file.
            writeLines(ceresDir, kExperimentFile, experimentLines(ceresDir) + added, kWriting);
            return;
        }
    }
    appendLines(ceresDir, kExperimentFile, added, kWriting);
}

QStringList CopyExperimentLines(const QStringList &lines, const QString &code,
                                const ExperimentRecord *replacement) {
    QStringList out;
    int state = 0;
    for (const QString &line : lines) {
        switch (state) {
        case 0:
            if (codeMatches(line, code)) {
                if (replacement)
                    out << replacement->line1;
                state = 1;
            } else {
                out << line;
            }
            break;
        case 1:
            if (replacement)
                out << replacement->line2;
            state = 2;
            break;
        case 2:
            if (replacement)
                out << replacement->line3;
            state = 3;
            break;
        default:
            out << line;
            break;
        }
    }
    // A match on one of the last two lines: the new record is still written whole.
    if (replacement && state == 1)
        out << replacement->line2;
    if (replacement && (state == 1 || state == 2))
        out << replacement->line3;
    return out;
}

void ReplaceExperiment(const QString &ceresDir, const ExperimentRecord &record) {
    const QStringList lines = linesForRewrite(ceresDir);
    rewriteThroughCopy(ceresDir, CopyExperimentLines(lines, record.code(), &record));
}

void DeleteExperiment(const QString &ceresDir, const QString &code) {
    const QStringList lines = linesForRewrite(ceresDir);
    rewriteThroughCopy(ceresDir, CopyExperimentLines(lines, code, nullptr));
}

} // namespace zarn::cropmodel
