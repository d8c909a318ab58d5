#pragma once
// The soil window: the soils of Soils.mdb with their layers; choosing one
// rewrites the initial-conditions file for it, "OK" writes its profile.
#include "cropmodel/editors.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ceresoil.h"

namespace zarn {

class ceresoil : public ZarnWindow {
    Q_OBJECT
public:
    ceresoil();
    void load() override;

    Ui::ceresoil ui;

private slots:
    void on_CeresoilList_currentRowChanged(int row);
    void on_CeresoilOKButton_clicked();
    void on_CeresoilCancelButton_clicked();

private:
    void showSoil(int row);
    std::vector<cropmodel::SoilRow> m_soils;
    bool m_loading = false;
};

} // namespace zarn
