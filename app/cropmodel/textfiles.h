#pragma once
// Text files of the crop-model exchange: the files in the program directory
// (catalogues) and in the crop-model directory (model inputs and outputs).
//
// - Names are looked up case-insensitively: an existing file is found whatever
//   the case of its name; a file that does not exist yet is created with the
//   name exactly as the caller spells it.
// - Contents are 8-bit Windows-1252 text. Reading accepts lines ended by CR LF
//   or LF and a last line without an end; any byte is accepted (undefined
//   Windows-1252 bytes map to the control characters of the same value, so a
//   line read and written again keeps its bytes). Writing ends every line with
//   CR LF.
// - A file reached through a symbolic link is read or written only when the
//   link leads to a file in the same directory; any other link is refused.
// - A file is never rewritten in place: the new content goes to a temporary
//   file in the same directory, which is flushed and renamed over the old one.
//   A failure leaves the old file as it was and throws UserError.
//
// Every failure throws zarn::UserError with the title kFileErrorTitle and a
// text naming the file and the action.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zarn::cropmodel {

inline const QString kFileErrorTitle = QStringLiteral("Crop Model File Error");

// Windows-1252 conversion. Characters that Windows-1252 cannot hold are
// written as "?".
QString fromWindows1252(const QByteArray &bytes);
QByteArray toWindows1252(const QString &text);

// The path of the file `name` in directory `dir` (which ends in "/"): the
// existing file whose name equals `name` ignoring case (an exact match is
// preferred), else dir + name. `name` must be a plain name (no separator).
QString findFile(const QString &dir, const QString &name);

// True when findFile(dir, name) names an existing regular file.
bool fileExists(const QString &dir, const QString &name);

// Splits file content into lines (CR LF or LF; a final line without an end
// counts; an end at the very end of the content adds no empty line).
QStringList splitLines(const QByteArray &content);

// Joins lines, each followed by CR LF, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

// All lines of the file at `path`. A missing or unreadable file throws
// UserError naming the file and `action` ("reading the experiment directory").
QStringList readLinesAt(const QString &path, const QString &action = QString());

// All lines of `name` in `dir`, found case-insensitively.
QStringList readLines(const QString &dir, const QString &name, const QString &action = QString());

// Replaces the whole file at `path` with `lines` (temporary file, flush,
// rename). Creates the file when missing. Throws UserError on failure; the old
// file is then untouched.
void writeLinesAt(const QString &path, const QStringList &lines, const QString &action = QString());

// Same for `name` in `dir`: rewrites the existing file whatever the case of
// its name, or creates dir + name.
void writeLines(const QString &dir, const QString &name, const QStringList &lines,
                const QString &action = QString());

// Adds `lines` at the end of `name` in `dir` (created when missing). The file
// is rewritten as a whole through a temporary file, so a failure leaves it as
// it was; the existing bytes are kept, and a last line without an end is
// ended first.
void appendLines(const QString &dir, const QString &name, const QStringList &lines,
                 const QString &action = QString());

// Removes `name` from `dir` (any case). A missing file is no error; a file
// that exists but cannot be removed throws UserError.
void removeFile(const QString &dir, const QString &name);

// Deletes every file of `dir` whose name matches the wildcard `pattern`
// ("out?.sg": "?" one character, "*" any run) ignoring case. No match is no
// error. Returns the number of files deleted; a file that cannot be deleted
// throws UserError.
int deleteMatching(const QString &dir, const QString &pattern);

// A file name read from a file (`sourceFile`, e.g. "SGEXP.DIR") that is to be
// opened in a directory of the program: blanks around it are dropped, and it
// must then be a plain name, not empty, with no "/" or "\" and no "..". Returns
// the name; anything else throws UserError naming the value, the source and
// what is wrong with it (a full path, a ".." that leads out, another directory).
QString checkedPlainName(const QString &name, const QString &sourceFile,
                         const QString &what = QStringLiteral("file name"));

// Throws UserError unless `dir` is an existing directory: "The <what> <dir>
// does not exist."
void requireDirectory(const QString &dir,
                      const QString &what = QStringLiteral("crop-model directory"));

// Characters of `line` from 1-based column `start`, at most `width` of them;
// a field that runs past the end of the line is cut short, a start beyond the
// end gives "".
QString column(const QString &line, int start, int width);

// Throws the UserError of this layer: title kFileErrorTitle, text `text`.
[[noreturn]] void fileError(const QString &text);

} // namespace zarn::cropmodel
