#include "cropmodel/windows/CeresOut1Form.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresOut1Form::CeresOut1Form() {
    ui.setupUi(this);
}

void CeresOut1Form::load() {
    showModelOutput(QStringLiteral("OUT1.SG"), ui.CeresOut1List, ui.CeresOut1Yield,
                    ui.CeresOut1Maturity, ui.CeresOut1Sowing);
}

void CeresOut1Form::on_CeresOut1OKButton_clicked() {
    close();
}

void CeresOut1Form::on_CeresOut1CancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresOut1Form)

} // namespace zarn
