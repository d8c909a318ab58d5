#include "cropmodel/textfiles.h"

#include "shell/messages.h"
#include "shell/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace zarn::cropmodel {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value, so that they survive a read and a write.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

QString describe(const QString &action, const QString &path) {
    QString text = QStringLiteral("The file ") + printable(QDir::toNativeSeparators(path));
    if (!action.isEmpty())
        text += QStringLiteral(" (") + action + QStringLiteral(")");
    return text;
}

// A file reached through a symbolic link must stay in the directory it is
// named in: a link that leads elsewhere (or nowhere) is refused, so a name
// read from a file never reads or overwrites a file outside the program's
// directories.
void requireInsideDirectory(const QString &path, const QString &action) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return;
    const QString target = info.canonicalFilePath();
    const QString dir = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (target.isEmpty())
        fileError(describe(action, path) +
                  QStringLiteral(" is a link to %1, which does not exist.")
                      .arg(printable(QDir::toNativeSeparators(info.symLinkTarget()))));
    if (QFileInfo(target).absolutePath() != dir)
        fileError(describe(action, path) +
                  QStringLiteral(" is a link to %1, outside the directory %2; it is not used.")
                      .arg(printable(QDir::toNativeSeparators(target)),
                           printable(QDir::toNativeSeparators(dir))));
}

QByteArray readBytes(const QString &path, const QString &action) {
    QFileInfo info(path);
    if (!info.exists())
        fileError(describe(action, path) + QStringLiteral(" does not exist."));
    if (info.isDir())
        fileError(describe(action, path) + QStringLiteral(" is a directory, not a file."));
    if (!info.isFile())
        fileError(describe(action, path) + QStringLiteral(" is not a regular file."));
    requireInsideDirectory(path, action);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fileError(describe(action, path) + QStringLiteral(" cannot be read: ") + f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        fileError(describe(action, path) + QStringLiteral(" cannot be read: ") + f.errorString());
    return bytes;
}

void writeBytes(const QString &path, const QByteArray &bytes, const QString &action) {
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    if (!QFileInfo(dir).isDir())
        fileError(describe(action, path) + QStringLiteral(" cannot be written: the directory ") +
                  QDir::toNativeSeparators(dir) + QStringLiteral(" does not exist."));
    if (info.exists() && !info.isFile())
        fileError(describe(action, path) +
                  QStringLiteral(" cannot be written: it is a directory or a device, not a file."));
    requireInsideDirectory(path, action);
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target on commit. Every step is checked before the commit: a write
    // that fails part-way (disk full, file-size limit) can still leave commit()
    // willing to rename the short temporary file into place.
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly))
        fileError(describe(action, path) + QStringLiteral(" cannot be written: ") +
                  f.errorString());
    const bool written = f.write(bytes) == bytes.size() && f.flush() &&
                         f.error() == QFileDevice::NoError && f.size() == bytes.size();
    if (!written) {
        const QString why = f.errorString();
        f.cancelWriting();
        fileError(describe(action, path) + QStringLiteral(" cannot be written: ") + why);
    }
    if (!f.commit())
        fileError(describe(action, path) + QStringLiteral(" cannot be written: ") +
                  f.errorString());
}

} // namespace

void fileError(const QString &text) {
    throw UserError(kFileErrorTitle, text);
}

QString fromWindows1252(const QByteArray &bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray toWindows1252(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out += encodeChar(c.unicode());
    return out;
}

QString findFile(const QString &dir, const QString &name) {
    const QString exact = dir + name;
    if (QFileInfo::exists(exact))
        return exact;
    QDir d(dir);
    if (!d.exists())
        return exact;
    const QStringList entries = d.entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + entry;
    return exact;
}

bool fileExists(const QString &dir, const QString &name) {
    return QFileInfo(findFile(dir, name)).isFile();
}

QStringList splitLines(const QByteArray &content) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = content.size();
    while (start < n) {
        qsizetype end = content.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = n;
        qsizetype stop = end;
        if (stop > start && content[stop - 1] == '\r')
            --stop;
        lines << fromWindows1252(content.mid(start, stop - start));
        start = last ? n : end + 1;
    }
    return lines;
}

QByteArray joinLines(const QStringList &lines) {
    QByteArray out;
    for (const QString &line : lines) {
        out += toWindows1252(line);
        out += "\r\n";
    }
    return out;
}

QStringList readLinesAt(const QString &path, const QString &action) {
    return splitLines(readBytes(path, action));
}

QStringList readLines(const QString &dir, const QString &name, const QString &action) {
    return readLinesAt(findFile(dir, name), action);
}

void writeLinesAt(const QString &path, const QStringList &lines, const QString &action) {
    writeBytes(path, joinLines(lines), action);
}

void writeLines(const QString &dir, const QString &name, const QStringList &lines,
                const QString &action) {
    writeLinesAt(findFile(dir, name), lines, action);
}

void appendLines(const QString &dir, const QString &name, const QStringList &lines,
                 const QString &action) {
    const QString path = findFile(dir, name);
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        bytes = readBytes(path, action);
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += "\r\n";
    }
    bytes += joinLines(lines);
    writeBytes(path, bytes, action);
}

void removeFile(const QString &dir, const QString &name) {
    const QString path = findFile(dir, name);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() || !QFile::remove(path))
        fileError(QStringLiteral("The file ") + QDir::toNativeSeparators(path) +
                  QStringLiteral(" cannot be deleted."));
}

int deleteMatching(const QString &dir, const QString &pattern) {
    QDir d(dir);
    if (!d.exists())
        fileError(QStringLiteral("The directory ") + QDir::toNativeSeparators(dir) +
                  QStringLiteral(" does not exist (deleting ") + pattern + QStringLiteral(")."));
    const QRegularExpression rx = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
    int count = 0;
    const QStringList entries = d.entryList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (!rx.match(entry).hasMatch())
            continue;
        const QFileInfo info(dir + entry);
        if (info.isDir() && !info.isSymLink())
            fileError(QStringLiteral("The file ") +
                      printable(QDir::toNativeSeparators(dir + entry)) +
                      QStringLiteral(" cannot be deleted: it is a directory."));
        if (!QFile::remove(dir + entry))
            fileError(QStringLiteral("The file ") + QDir::toNativeSeparators(dir + entry) +
                      QStringLiteral(" cannot be deleted."));
        ++count;
    }
    return count;
}

QString checkedPlainName(const QString &name, const QString &sourceFile, const QString &what) {
    const QString plain = name.trimmed();
    auto isSeparator = [](QChar c) { return c == u'/' || c == u'\\'; };
    const QStringList parts = QString(plain).replace(u'\\', u'/').split(u'/');
    QString problem;
    if (plain.isEmpty())
        problem = QStringLiteral("is empty");
    else if (plain.contains(QChar(0)))
        problem = QStringLiteral("contains a zero character");
    else if (isSeparator(plain.front()) || (plain.size() > 1 && plain[1] == u':'))
        problem = QStringLiteral("is a full path");
    else if (parts.contains(QStringLiteral("..")))
        problem = QStringLiteral("leads out of the crop-model directory (\"..\")");
    else if (parts.size() > 1)
        problem = QStringLiteral("names a file in another directory");
    else if (plain == u'.')
        problem = QStringLiteral("names the directory itself");
    else if (plain.contains(QStringLiteral("..")))
        problem = QStringLiteral("contains \"..\"");
    else if (plain.contains(u':'))
        problem = QStringLiteral("contains \":\"");
    if (!problem.isEmpty())
        fileError(
            QStringLiteral("The ") + what + QStringLiteral(" \"") + printable(plain) +
            QStringLiteral("\" read from ") + sourceFile + QStringLiteral(" ") + problem +
            QStringLiteral("; only a plain file name in the crop-model directory is accepted."));
    return plain;
}

void requireDirectory(const QString &dir, const QString &what) {
    if (!QFileInfo(dir).isDir())
        fileError(QStringLiteral("The ") + what + u' ' + printable(QDir::toNativeSeparators(dir)) +
                  QStringLiteral(" does not exist."));
}

QString column(const QString &line, int start, int width) {
    if (start < 1 || width <= 0 || start > line.size())
        return QString();
    return line.mid(start - 1, width);
}

} // namespace zarn::cropmodel
