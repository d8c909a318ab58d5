#pragma once
// The two path windows of the defaults: the program (system) directory and the
// crop-model directory, changed for the running process only.
//
// Directory texts use "/" and keep one trailing separator. This platform has
// no drive letters: the "drives" offered are the file-system root and the
// user's home directory, and the drive values of the shared state stay empty.

#include <QString>
#include <QStringList>

namespace zarn {

// The drives the drive lists offer: "/" and the home directory (with its
// trailing "/"), once each.
QStringList pathDrives();

// The drive of drives that holds dir: the longest one dir begins with.
QString driveOf(const QString &dir, const QStringList &drives);

// dir cleaned (no "." or ".." parts, no doubled separators) with one trailing "/".
QString directoryText(const QString &dir);

// The path text for a chosen file: the directory, "/" and the name.
QString fileText(const QString &dir, const QString &fileName);

// "OK" of the system default path window: gSystemPath becomes dir with its
// trailing "/". A directory that holds no Sorghum.mdb is refused with a
// UserError naming the directory and the missing file; nothing changes.
void chooseSystemDirectory(const QString &dir);

// "OK" of the crop-model location window: gCeresPath becomes dir with its
// trailing "/"; gCeresDrive stays empty (no drives here).
void chooseCeresDirectory(const QString &dir);

} // namespace zarn
