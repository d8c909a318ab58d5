#pragma once
// "Windows CERES Location": chooses the crop-model directory for the running
// process.
#include "shell/windows/pathlists.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ZARNDefWinCeresPathForm.h"

namespace zarn {

class ZARNDefWinCeresPathForm : public ZarnWindow {
    Q_OBJECT
public:
    ZARNDefWinCeresPathForm();
    void load() override;

    PathLists *pathLists() const { return m_lists; }

    Ui::ZARNDefWinCeresPathForm ui;

private slots:
    void on_ZARNDefWCPathDrive_activated(int index);
    void on_ZARNDefWCPathOKButton_clicked();
    void on_ZARNDefWCPathCancelButton_clicked();

private:
    PathLists *m_lists = nullptr;
};

} // namespace zarn
