#include "data/windows/ResEnergyConversionForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResEnergyConversionForm::ResEnergyConversionForm() {
    ui.setupUi(this);
    bind(QStringLiteral("EnergyConversion"), ui.ResECRecordsData,
         {
             {"ResECDescription", "Description"},
             {"ResECEngType", "EnergyTypes"},
             {"ResECEngFuelMix", "FuelMix"},
             {"ResECEngMaxRate", "EnergyInputMaxRate"},
             {"ResECInput1", "EnergyInput1"},
             {"ResECInput1Rate", "EnergyInput1Rate"},
             {"ResECInput1Units", "EnergyInput1Units"},
             {"ResECInput1Cost", "EnergyInput1Cost"},
             {"ResECInput1CostUnits", "EnergyInput1CostUnits"},
             {"ResECOutput1", "EnergyOutput1"},
             {"ResECOutput1Rate", "EnergyOutput1Rate"},
             {"ResECOutput1Units", "EnergyOutput1Units"},
             {"ResECOutput1Cost", "EnergyOutput1Cost"},
             {"ResECOutput1CostUnits", "EnergyOutput1CostUnits"},
             {"ResECEfficiency1", "Efficiency1"},
             {"ResECInput2", "EnergyInput2"},
             {"ResECInput2Rate", "EnergyInput2Rate"},
             {"ResECInput2Units", "EnergyInput2Units"},
             {"ResECInput2Cost", "EnergyInput2Cost"},
             {"ResECInput2CostUnits", "EnergyInput2CostUnits"},
             {"ResECOutput2", "EnergyOutput2"},
             {"ResECOutput2Rate", "EnergyOutput2Rate"},
             {"ResECOutput2Units", "EnergyOutput2Units"},
             {"ResECOutput2Cost", "EnergyOutput2Cost"},
             {"ResECOutput2CostUnits", "EnergyOutput2CostUnits"},
             {"ResECEfficiency2", "Efficiency2"},
             {"ResECInput3", "EnergyInput3"},
             {"ResECInput3Rate", "EnergyInput3Rate"},
             {"ResECInput3Units", "EnergyInput3Units"},
             {"ResECInput3Cost", "EnergyInput3Cost"},
             {"ResECInput3CostUnits", "EnergyInput3CostUnits"},
             {"ResECOutput3", "EnergyOutput3"},
             {"ResECOutput3Rate", "EnergyOutput3Rate"},
             {"ResECOutput3Units", "EnergyOutput3Units"},
             {"ResECOutput3Cost", "EnergyOutput3Cost"},
             {"ResECOutput3CostUnits", "EnergyOutput3CostUnits"},
             {"ResECEfficiency3", "Efficiency3"},
             {"ResECEngCapitalCost", "CapitalCost"},
             {"ResECEngCapitalCostCurrency", "CapitalCostCurrency"},
             {"ResECEngMaintCost", "MaintenanceCost"},
             {"ResECEngMaintCostUnits", "MaintenanceCostUnits"},
             {"ResECEngMaintRate", "MaintenanceCostRate"},
         });
}

ZARN_REGISTER_WINDOW(ResEnergyConversionForm)

} // namespace zarn
