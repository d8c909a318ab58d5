#pragma once
// "ZARN Process Energy HP Steam Configuration": the ten combustion slots.
#include "processing/windows/conversionunitswindow.h"
#include "ui_zarnModPEHPSteamForm.h"

namespace zarn {

class zarnModPEHPSteamForm : public ConversionUnitsWindow {
    Q_OBJECT
public:
    zarnModPEHPSteamForm();

    Ui::zarnModPEHPSteamForm ui;

protected:
    void save() override;

private:
    void selectColumn(int column);

private slots:
    void on_zarnModPEHPSEngSelect2Button_clicked();
    void on_zarnModPEHPSEngSelect3Button_clicked();
};

} // namespace zarn
