#include "shell/windows/pathlists.h"

#include "shell/defaultpaths.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QTreeView>

namespace zarn {

namespace {
// A path as the file-system model names it: no trailing "/" but for the root.
QString modelPath(const QString &dir) {
    return QDir::cleanPath(dir);
}
} // namespace

PathLists::PathLists(QComboBox *drives, QTreeView *directories, QListView *files,
                     const QString &pattern, QObject *parent)
    : QObject(parent), m_drives(drives), m_dirView(directories), m_fileView(files),
      m_dirModel(new QFileSystemModel(this)), m_fileModel(new QFileSystemModel(this)) {
    m_drives->addItems(pathDrives());

    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_dirView->setModel(m_dirModel);
    connect(m_dirModel, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (directoryText(m_directory).startsWith(directoryText(loaded)))
            revealDirectory();
    });
    for (int column = 1; column < m_dirModel->columnCount(); ++column)
        m_dirView->hideColumn(column);
    connect(m_dirView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onDirectoryCurrent(current); });

    m_fileModel->setFilter(QDir::Files);
    m_fileModel->setNameFilters({pattern});
    m_fileModel->setNameFilterDisables(false);
    m_fileView->setModel(m_fileModel);
    connect(m_fileView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onFileCurrent(current); });
}

void PathLists::start(const QString &dir) {
    const QString shown = QDir(dir).exists() && !dir.isEmpty()
                              ? directoryText(QDir(dir).absolutePath())
                              : directoryText(QDir::homePath());
    m_quiet = true;
    QString drive = driveOf(shown, pathDrives());
    if (drive.isEmpty())
        drive = QStringLiteral("/");
    m_drives->setCurrentIndex(m_drives->findText(drive));
    showDrive(drive);
    showDirectory(shown);
    m_quiet = false;
}

void PathLists::chooseDrive(int index) {
    if (index < 0 || index >= m_drives->count())
        return;
    showDrive(m_drives->itemText(index));
    showDirectory(m_drive);
    emit directoryChosen(m_directory);
}

void PathLists::chooseDirectory(const QString &dir) {
    const QModelIndex index = m_dirModel->index(modelPath(dir));
    if (index.isValid())
        m_dirView->setCurrentIndex(index);
}

void PathLists::chooseFile(const QString &fileName) {
    const QModelIndex index = m_fileModel->index(modelPath(m_directory + fileName));
    if (index.isValid())
        m_fileView->setCurrentIndex(index);
}

void PathLists::showDrive(const QString &drive) {
    m_drive = drive;
    m_dirModel->setRootPath(modelPath(drive));
    m_dirView->setRootIndex(m_dirModel->index(modelPath(drive)));
}

// Moves the directory list's choice and the file list to dir, quietly.
void PathLists::showDirectory(const QString &dir) {
    m_directory = directoryText(dir);
    const bool quiet = m_quiet;
    m_quiet = true;
    revealDirectory();
    m_fileModel->setRootPath(modelPath(m_directory));
    m_fileView->setRootIndex(m_fileModel->index(modelPath(m_directory)));
    m_fileView->setCurrentIndex(QModelIndex());
    m_quiet = quiet;
}

// Shows the chosen directory in the directory list: its parents expanded, it
// current and scrolled to. Folders load in the background, so this runs again
// as each parent's folders arrive.
void PathLists::revealDirectory() {
    const bool quiet = m_quiet;
    m_quiet = true;
    const QModelIndex index = m_dirModel->index(modelPath(m_directory));
    if (index.isValid() && index != m_dirView->rootIndex()) {
        for (QModelIndex p = index.parent(); p.isValid() && p != m_dirView->rootIndex();
             p = p.parent())
            m_dirView->expand(p);
        if (m_dirView->currentIndex() != index)
            m_dirView->setCurrentIndex(index);
        m_dirView->scrollTo(index);
    } else {
        m_dirView->setCurrentIndex(QModelIndex());
    }
    m_quiet = quiet;
}

void PathLists::onDirectoryCurrent(const QModelIndex &index) {
    if (m_quiet || !index.isValid())
        return;
    showDirectory(m_dirModel->filePath(index));
    emit directoryChosen(m_directory);
}

void PathLists::onFileCurrent(const QModelIndex &index) {
    if (m_quiet || !index.isValid())
        return;
    emit fileChosen(fileText(m_directory, m_fileModel->fileName(index)));
}

} // namespace zarn
