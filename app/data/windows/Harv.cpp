#include "data/windows/Harv.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

Harv::Harv() {
    ui.setupUi(this);
    bind(QStringLiteral("Harvest"), ui.HarvRecordsData,
         {
             {"ModeType", "Method"},
             {"resHarvDayRate", "RateOfHarvest"},
             {"HFuelUse", "FuelUse"},
             {"HEquipLife", "LifeTime"},
             {"HPersonReq", "PersonnelRequirements"},
             {"HPerHour", "PersonnelHours"},
         });
}

ZARN_REGISTER_WINDOW(Harv)

} // namespace zarn
