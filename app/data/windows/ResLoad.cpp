#include "data/windows/ResLoad.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResLoad::ResLoad() {
    ui.setupUi(this);
    bind(QStringLiteral("Load"), ui.ResLoadRecordsData,
         {
             {"ResLoadDescript", "Description"},
             {"ResLoadPerson", "PersonnelRequired"},
             {"ResLoadSkill", "SkillLevel"},
             {"ResLoadFuel", "FuelUse"},
             {"ResLoadLife", "LifeTime"},
         });
}

ZARN_REGISTER_WINDOW(ResLoad)

} // namespace zarn
