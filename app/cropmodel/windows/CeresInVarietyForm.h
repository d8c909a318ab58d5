#pragma once
// The variety window: the varieties of Sorghum.mdb; choosing one makes it
// the default, "OK" writes genetics.sg9.
#include "cropmodel/editors.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInVarietyForm.h"

namespace zarn {

class CeresInVarietyForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInVarietyForm();
    void load() override;

    Ui::CeresInVarietyForm ui;

private slots:
    void on_CeresInVarietyList_currentRowChanged(int row);
    void on_CeresInVarietyOKButton_clicked();
    void on_CeresInVarietyCancelButton_clicked();
    void on_CeresInVarietyHelpButton_clicked();

private:
    void showVariety(int row);
    std::vector<cropmodel::VarietyRow> m_varieties;
    bool m_loading = false;
};

} // namespace zarn
