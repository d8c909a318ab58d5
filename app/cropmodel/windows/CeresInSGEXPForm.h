#pragma once
// The experiment directory window: the experiments of SGEXP.DIR, the
// files of the chosen one, and the way to create, change or delete one.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInSGEXPForm.h"

namespace zarn {

class CeresInSGEXPForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInSGEXPForm();
    void load() override;

    // Reads the list again from SGEXP.DIR and selects the line of `code`
    // (filling the panels from it); called after an amendment was saved.
    void refresh(const QString &code);

    Ui::CeresInSGEXPForm ui;

private slots:
    void on_CeresInSGEXPList_currentRowChanged(int row);
    void on_CeresInSGEXPCreateButton_clicked();
    void on_CeresInSGEXPChangeButton_clicked();
    void on_CeresInSGEXPDeleteButton_clicked();
    void on_CeresInSGEXPOKButton_clicked();
    void on_CeresInSGEXPCancelButton_clicked();

private:
    void request(const QString &mode);
    void showExperiment(const QString &code);
};

} // namespace zarn
