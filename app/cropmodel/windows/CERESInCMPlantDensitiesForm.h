#pragma once
// The sowing window: plant density, row spacing and sowing depth of the
// crop-management window, edited and put back into it on "OK".
#include "shell/windows/zarnwindow.h"
#include "ui_CERESInCMPlantDensitiesForm.h"

namespace zarn {

class CERESInCMPlantDensitiesForm : public ZarnWindow {
    Q_OBJECT
public:
    CERESInCMPlantDensitiesForm();
    void load() override;

    Ui::CERESInCMPlantDensitiesForm ui;

private slots:
    void on_CERESInCMPlantDensitiesOKButton_clicked();
    void on_CERESInCMPlantDensitiesCancelButton_clicked();
};

} // namespace zarn
