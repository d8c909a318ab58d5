#include "data/windows/ResEnergyForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResEnergyForm::ResEnergyForm() {
    ui.setupUi(this);
    bind(QStringLiteral("Energy"), ui.ResEnergyRecordsData,
         {
             {"ResEnergyType", "Description"},
             {"ResEnUnit", "EnergyUnit"},
             {"ResEnCurAmt", "Cost"},
             {"ResEnergyCurType", "Currency"},
             {"ResEnDensitytxt", "Density"},
             {"Text2", "Moisture"},
             {"ResEnC", "CompCarbon"},
             {"ResEnH", "CompHydrogen"},
             {"ResEnN", "CompNitrogen"},
             {"ResEnO", "CompOxygen"},
             {"ResEnS", "CompSulphur"},
         });
}

ZARN_REGISTER_WINDOW(ResEnergyForm)

} // namespace zarn
