#include "data/windows/ResJob.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

ResJob::ResJob() {
    ui.setupUi(this);
    bind(QStringLiteral("Occupation"), ui.ResJobRecordsData,
         {
             {"ResJobDescription", "Description"},
             {"ResJobRef", "Reference"},
             {"ResJobSkillName", "SkillName"},
             {"ResJobSkillLevel", "SkillRate"},
             {"ResJobLabourCostRate", "LabourCostRate"},
             {"ResJobLabourCostCurr", "LabourCostCurrency"},
             {"ResJobLabourCostRateUnit", "LabourCostRateUnit"},
         });
}

ZARN_REGISTER_WINDOW(ResJob)

} // namespace zarn
