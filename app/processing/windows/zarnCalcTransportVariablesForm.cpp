#include "processing/windows/zarnCalcTransportVariablesForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcTransportVariablesForm::zarnCalcTransportVariablesForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(zarnCalcTransportVariablesForm)

} // namespace zarn
