#include "data/windows/ResJuiceExtForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResJuiceExtForm::ResJuiceExtForm() {
    ui.setupUi(this);
}

ZARN_REGISTER_WINDOW(ResJuiceExtForm)

} // namespace zarn
