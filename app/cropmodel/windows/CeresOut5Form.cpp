#include "cropmodel/windows/CeresOut5Form.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresOut5Form::CeresOut5Form() {
    ui.setupUi(this);
}

void CeresOut5Form::load() {
    showModelOutput(QStringLiteral("OUT5.SG"), ui.CeresOut5List);
}

void CeresOut5Form::on_CeresOut5ExitButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresOut5Form)

} // namespace zarn
