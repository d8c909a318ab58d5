#include "cropmodel/windows/CeresOut3Form.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

CeresOut3Form::CeresOut3Form() {
    ui.setupUi(this);
}

void CeresOut3Form::load() {
    showModelOutput(QStringLiteral("OUT3.SG"), ui.CeresOut3List, ui.CeresOut3Yield,
                    ui.CeresOut3Maturity, ui.CeresOut3Sowing);
}

void CeresOut3Form::on_CeresOut3OKButton_clicked() {
    close();
}

void CeresOut3Form::on_CeresOut3CancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresOut3Form)

} // namespace zarn
