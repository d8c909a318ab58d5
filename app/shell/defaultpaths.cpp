#include "shell/defaultpaths.h"

#include "cropmodel/textfiles.h"
#include "shell/sharedstate.h"
#include "shell/usererror.h"

#include <QDir>

namespace zarn {

QStringList pathDrives() {
    QStringList drives{QStringLiteral("/")};
    const QString home = directoryText(QDir::homePath());
    if (!drives.contains(home))
        drives << home;
    return drives;
}

QString driveOf(const QString &dir, const QStringList &drives) {
    const QString d = directoryText(dir);
    QString best;
    for (const QString &drive : drives)
        if (d.startsWith(drive) && drive.size() > best.size())
            best = drive;
    return best;
}

QString directoryText(const QString &dir) {
    QString d = QDir::cleanPath(QDir::fromNativeSeparators(dir));
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

QString fileText(const QString &dir, const QString &fileName) {
    return directoryText(dir) + fileName;
}

void chooseSystemDirectory(const QString &dir) {
    const QString d = directoryText(dir);
    const QString database = QStringLiteral("Sorghum.mdb");
    // Every database action opens the reference database of this directory.
    if (!cropmodel::fileExists(d, database))
        throw UserError(QStringLiteral("System Default Path"),
                        QStringLiteral("The directory %1 holds no %2, so it cannot be the ZARN "
                                       "system directory; the system path stays %3")
                            .arg(d, database, shared().gSystemPath));
    shared().gSystemPath = d;
}

void chooseCeresDirectory(const QString &dir) {
    shared().gCeresPath = directoryText(dir);
    shared().gCeresDrive = QString();
}

} // namespace zarn
