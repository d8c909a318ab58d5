#include "cropmodel/windows/CeresOut4Form.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresOut4Form::CeresOut4Form() {
    ui.setupUi(this);
}

void CeresOut4Form::load() {
    showModelOutput(QStringLiteral("OUT4.SG"), ui.CeresOut4List, ui.CeresOut4Yield,
                    ui.CeresOut4Maturity, ui.CeresOut4Sowing);
}

void CeresOut4Form::on_CeresOut4OKButton_clicked() {
    close();
}

void CeresOut4Form::on_CeresOut4CancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresOut4Form)

} // namespace zarn
