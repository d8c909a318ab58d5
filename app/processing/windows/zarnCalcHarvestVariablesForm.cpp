#include "processing/windows/zarnCalcHarvestVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcHarvestVariablesForm::zarnCalcHarvestVariablesForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(zarnCalcHarvestVariablesForm)

} // namespace zarn
