#pragma once
// The experiment directory SGEXP.DIR of the crop-model directory.
//
// A sequence of experiments of exactly three lines each, recognised by
// counting lines from the start of the file (1, 2, 3, 1, 2, 3, ...). Blank
// lines at the end of the file are not records. Line 1
// starts with the 8-character experiment code: institute (2), site (2),
// year (2), experiment number (2). Line 2 column 14-25 (File 5) names the
// initial-conditions file, line 1 columns 51-62 (File 1) the weather file.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zarn::cropmodel {

inline const QString kExperimentFile = QStringLiteral("SGEXP.DIR");
inline const QString kExperimentCopy = QStringLiteral("sgexp.dat");

// The three lines of one experiment record.
struct ExperimentRecord {
    QString line1;
    QString line2;
    QString line3;

    QString code() const { return line1.left(8); }
    QString title() const; // line 1 columns 10-49
    QString file1() const; // weather file, line 1 columns 51-62
    QString file2() const; // line 1 columns 64-75
    // File 4 ... File 9: line 2, 12 columns each from 1, 14, 27, 40, 53, 66.
    QString file(int n) const; // n = 4..9
    QString fileA() const;     // line 3 columns 1-12
    QString fileB() const;     // line 3 columns 14-25
    QString out(int n) const;  // Out n, n = 1..6: line 3, 7 columns each from 27, 35, ...
};

// The list line that stands for an experiment: line-1 columns 1-8, a blank,
// line-1 columns 10-49.
QString ExperimentListLine(const QString &line1);

// The list lines of every experiment of SGEXP.DIR in `ceresDir`, in file
// order. A missing SGEXP.DIR gives an empty list; one that cannot be read
// throws UserError.
QStringList ReadExperimentList(const QString &ceresDir);

// Every experiment of SGEXP.DIR; a last record with fewer than three lines is
// completed with empty lines.
std::vector<ExperimentRecord> ReadExperiments(const QString &ceresDir);

// The experiment whose line 1 starts with `code` (when several match, the
// last one). `found` tells whether there was one; otherwise the lines are empty.
struct FoundExperiment {
    bool found = false;
    ExperimentRecord record;
};
FoundExperiment ReadExperiment(const QString &ceresDir, const QString &code);

// The field texts of the experiment amendment window.
struct ExperimentFields {
    QString institute; // chosen institute name
    QString site;      // chosen site name
    QString year;      // "Year (yy)"
    QString number;    // "Experiment Number(99)"
    QString title;
    QString file1, file2;
    std::array<QString, 6> files; // File 4 ... File 9
    QString fileA, fileB;
    std::array<QString, 6> outs; // Out 1 ... Out 6
};

// The fields that are compared with their width, in window order.
enum class ExperimentField {
    Year,
    Number,
    Title,
    File1,
    File2,
    File4,
    File5,
    File6,
    File7,
    File8,
    File9,
    FileA,
    FileB,
    Out1,
    Out2,
    Out3,
    Out4,
    Out5,
    Out6,
};
inline constexpr int kExperimentFieldCount = 19;

struct ExperimentFit {
    ExperimentRecord record;                           // the three lines
    std::array<bool, kExperimentFieldCount> tooLong{}; // per ExperimentField
    bool error = false;                                // some field was too long
    QString instituteCode;
    QString siteCode;

    bool isTooLong(ExperimentField f) const { return tooLong[static_cast<int>(f)]; }
};

// Builds the three lines from the fields and the institute and site codes
// already looked up: year and number padded with "0" in front, every other
// field with blanks behind; a field longer than its width is cut to it and
// flagged. The caller writes nothing when `error` is set.
ExperimentFit FitExperimentFieldsWithCodes(const ExperimentFields &fields,
                                           const QString &instituteCode, const QString &siteCode);

// The same, with the codes looked up in Sorghum.mdb of `programDir`: the
// `Inst` (lower case) of the last Institutes row whose `Institute` equals the
// chosen name, else the first two characters of the chosen name unchanged;
// likewise `ShortSite` (lower case) from table Sites. A database that cannot be read throws
// UserError.
ExperimentFit FitExperimentFields(const QString &programDir, const ExperimentFields &fields);

// File `fileNumber` (1, or 4 to 9) of the last experiment of SGEXP.DIR in
// `ceresDir`, blanks around it dropped and checked to be a plain file name;
// `what` names it in messages ("weather file"). A missing SGEXP.DIR, no
// experiment, an empty name or a name with a directory in it throws UserError.
QString LastExperimentFileName(const QString &ceresDir, int fileNumber, const QString &what);

// The daily weather file of the weather-file viewer: File 1 (line 1 columns
// 51-62) of the last experiment of SGEXP.DIR in `ceresDir`, blanks around it
// dropped and checked to be a plain file name. A missing SGEXP.DIR, no
// experiment, an empty name or a name with a directory in it throws UserError.
QString WeatherFileName(const QString &ceresDir);

// Adds the three lines at the end of SGEXP.DIR (created when missing).
void AppendExperiment(const QString &ceresDir, const ExperimentRecord &record);

// Rewrites SGEXP.DIR with the experiment whose code equals columns 1-8 of
// record.line1 replaced by `record`. Every line is compared while searching
// (not only first lines of records); with no match the file is rewritten
// unchanged. The new content is written to sgexp.dat first, then put in place
// of SGEXP.DIR by a rename; sgexp.dat stays as a copy. A failure at any step
// leaves SGEXP.DIR as it was and throws UserError.
void ReplaceExperiment(const QString &ceresDir, const ExperimentRecord &record);

// Rewrites SGEXP.DIR without the experiment of `code`, as ReplaceExperiment.
void DeleteExperiment(const QString &ceresDir, const QString &code);

// The copy rule shared by replace and delete, over lines already read:
// `replacement` null deletes.
QStringList CopyExperimentLines(const QStringList &lines, const QString &code,
                                const ExperimentRecord *replacement);

} // namespace zarn::cropmodel
