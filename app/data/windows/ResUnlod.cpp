#include "data/windows/ResUnlod.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResUnlod::ResUnlod() {
    ui.setupUi(this);
    bind(QStringLiteral("Unload"), ui.ResUnlodRecordsData,
         {
             {"ResLoadDescript", "Description"},
             {"ResLoadPerson", "PersonnelRequired"},
             {"ResLoadSkill", "SkillLevel"},
             {"ResLoadFuel", "FuelUse"},
             {"ResLoadLife", "LifeTime"},
         });
}

ZARN_REGISTER_WINDOW(ResUnlod)

} // namespace zarn
