#include "processing/windows/zarnCalcLoadingVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcLoadingVariablesForm::zarnCalcLoadingVariablesForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(zarnCalcLoadingVariablesForm)

} // namespace zarn
