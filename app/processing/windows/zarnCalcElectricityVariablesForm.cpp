#include "processing/windows/zarnCalcElectricityVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcElectricityVariablesForm::zarnCalcElectricityVariablesForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(zarnCalcElectricityVariablesForm)

} // namespace zarn
