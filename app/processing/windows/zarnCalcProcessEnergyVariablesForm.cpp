#include "processing/windows/zarnCalcProcessEnergyVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcProcessEnergyVariablesForm::zarnCalcProcessEnergyVariablesForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(zarnCalcProcessEnergyVariablesForm)

} // namespace zarn
