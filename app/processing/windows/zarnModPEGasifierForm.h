#pragma once
// "ZARN Gasifier Configuration": the ten gasifier slots.
#include "processing/windows/conversionunitswindow.h"
#include "ui_zarnModPEGasifierForm.h"

namespace zarn {

class zarnModPEGasifierForm : public ConversionUnitsWindow {
    Q_OBJECT
public:
    zarnModPEGasifierForm();

    Ui::zarnModPEGasifierForm ui;

protected:
    void save() override;
};

} // namespace zarn
