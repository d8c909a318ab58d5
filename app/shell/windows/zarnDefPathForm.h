#pragma once
// "Z.A.R.N.  System Default Path": chooses the program (system) directory for
// the running process.
#include "shell/windows/pathlists.h"
#include "shell/windows/zarnwindow.h"
#include "ui_zarnDefPathForm.h"

namespace zarn {

class zarnDefPathForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnDefPathForm();
    void load() override;

    PathLists *pathLists() const { return m_lists; }

    Ui::zarnDefPathForm ui;

private slots:
    void on_ZARNStartPathDrive_activated(int index);
    void on_ZARNStartPathOKButton_clicked();
    void on_ZARNStartPathCancelButton_clicked();

private:
    PathLists *m_lists = nullptr;
};

} // namespace zarn
