#pragma once
// The station-file import window: choose an hourly weather-station file
// ("*.w??"), preview it ("Load File", which also finds a change of year) and
// add its complete days to table CeresWeather ("Process the File").
#include "shell/windows/zarnwindow.h"
#include "ui_CeresWInForm.h"

class QListWidgetItem;

namespace zarn {

class CeresWInForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresWInForm();
    void load() override;

    // The directory the lists show (ends in "/").
    QString directory() const { return m_dir; }
    // Shows `dir` in the directory and file lists.
    void showDirectory(const QString &dir);

    Ui::CeresWInForm ui;

private slots:
    void on_CeresWInDirList_itemActivated(QListWidgetItem *item);
    void on_CeresWInFileList_itemClicked(QListWidgetItem *item);
    void on_CeresWInLoadFileButton_clicked();
    void on_CeresWInFileProcess_clicked();
    void on_CeresWInInitialise_clicked();
    void on_CeresWInOKBtn_clicked();
    void on_CeresWInCancelBtn_clicked();

private:
    void chooseFile(const QString &name);
    void setYearChange(bool change);

    QString m_dir;
    QString m_file;           // the chosen station file, full path
    bool m_previewed = false; // "Load File" ran on m_file
};

} // namespace zarn
