#pragma once
// The leaf data window: the leaf groups of LEAF.TOT by variety; "OK" copies
// the chosen group to DVPTLEAF.SG.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInLeafForm.h"
#include <vector>

namespace zarn {

class CeresInLeafForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInLeafForm();
    void load() override;

    Ui::CeresInLeafForm ui;

private slots:
    void on_CeresInLeafOKButton_clicked();
    void on_CeresInLeafCancelButton_clicked();

private:
    std::vector<int> m_groupVarieties; // variety number of each list line
};

} // namespace zarn
