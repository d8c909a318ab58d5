#include "processing/windows/zarnCalcMillProcessForm.h"
#include "cropmodel/numbers.h"

#include "processing/calculation.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnCalcMillProcessForm::zarnCalcMillProcessForm() {
    ui.setupUi(this);
}

// Whole tonnes per day; the coal and LP-steam rows have no figures.
void zarnCalcMillProcessForm::load() {
    const SharedState &s = shared();
    const auto whole = [](double v) { return cropmodel::PlainDecimal(processing::wholePart(v)); };
    ui.zarnCalcMillType->setText(s.gCrushingMethod);
    ui.zarnCalcMillCrushRate->setText(whole(s.gCrushRate));
    ui.zarnCalcMillBagasseReqd->setText(whole(s.gDailySteamBagasse));
    ui.zarnCalcMillProcessSugarOut->setText(whole(s.gDailySugar));
    ui.zarnCalcMillBagasseOut->setText(whole(s.gDailyBagasseOut));
    ui.zarnCalcMillHPSteamUsed->setText(whole(s.gDailyHPSteam));
}

ZARN_REGISTER_WINDOW(zarnCalcMillProcessForm)

} // namespace zarn
