#pragma once
// The drive, directory and file lists of the two path windows, over the real
// file system.
//
// The drive list offers the root "/" and the home directory; the directory
// list is a tree of the chosen drive's folders; the file list shows the chosen
// directory's files that match a pattern ("*.exe"). Each choice of the user
// (or a move that follows from one, as a new drive moves the directory list)
// is reported by a signal; start() sets the lists up without reporting.
// Directory texts keep their trailing "/".
#include <QObject>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QListView;
class QModelIndex;
class QTreeView;

namespace zarn {

class PathLists : public QObject {
    Q_OBJECT
public:
    PathLists(QComboBox *drives, QTreeView *directories, QListView *files, const QString &pattern,
              QObject *parent);

    // Shows dir: its drive chosen in the drive list, dir chosen in the
    // directory list, its files in the file list. A directory that does not
    // exist shows the home directory instead.
    void start(const QString &dir);

    QString drive() const { return m_drive; }
    QString directory() const { return m_directory; }

    // The drive list's entry at index was chosen: the directory list moves to
    // that drive (reported as a directory choice).
    void chooseDrive(int index);

    // For tests: chooses a directory or a file of the current directory as
    // the user would.
    void chooseDirectory(const QString &dir);
    void chooseFile(const QString &fileName);

    QFileSystemModel *directoryModel() const { return m_dirModel; }
    QFileSystemModel *fileModel() const { return m_fileModel; }

signals:
    void directoryChosen(const QString &dir);
    void fileChosen(const QString &path);

private:
    void showDrive(const QString &drive);
    void showDirectory(const QString &dir);
    void revealDirectory();
    void onDirectoryCurrent(const QModelIndex &index);
    void onFileCurrent(const QModelIndex &index);

    QComboBox *m_drives;
    QTreeView *m_dirView;
    QListView *m_fileView;
    QFileSystemModel *m_dirModel;
    QFileSystemModel *m_fileModel;
    QString m_drive;
    QString m_directory;
    bool m_quiet = false; // set while the lists are moved by code
};

} // namespace zarn
