#pragma once
// The soil loader: replaces the soils of Soils.mdb with those of the soil
// catalogue sprofile.tot, after asking.
#include "shell/windows/zarnwindow.h"
#include "ui_LoadSoils.h"

namespace zarn {

class LoadSoils : public ZarnWindow {
    Q_OBJECT
public:
    LoadSoils();
    void load() override;

    Ui::LoadSoils ui;

private slots:
    void on_LoadSoilsLoadButton_clicked();
};

} // namespace zarn
