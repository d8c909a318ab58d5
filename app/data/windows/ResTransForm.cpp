#include "data/windows/ResTransForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResTransForm::ResTransForm() {
    ui.setupUi(this);
    bind(QStringLiteral("Transport"), ui.ResTransRecordsData,
         {
             {"ResTransport", "Description"},
             {"ResTranCost", "Cost"},
             {"ResTran", "Currency"},
             {"Text1", "FuelUse"},
             {"ResTranLifeTime", "LifeTime"},
         });
}

ZARN_REGISTER_WINDOW(ResTransForm)

} // namespace zarn
