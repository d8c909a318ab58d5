#include "cropmodel/windows/CeresOut2Form.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresOut2Form::CeresOut2Form() {
    ui.setupUi(this);
}

void CeresOut2Form::load() {
    showModelOutput(QStringLiteral("OUT2.SG"), ui.CeresOut2List, ui.CeresOut2Yield,
                    ui.CeresOut2Maturity, ui.CeresOut2Sowing);
}

void CeresOut2Form::on_CeresOut2OKButton_clicked() {
    close();
}

void CeresOut2Form::on_CeresOut2CancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresOut2Form)

} // namespace zarn
