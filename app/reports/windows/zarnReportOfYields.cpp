#include "reports/windows/zarnReportOfYields.h"

#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

zarnReportOfYields::zarnReportOfYields() {
    ui.setupUi(this);
}

void zarnReportOfYields::load() {
    ui.RepYieldGraph->chartPoints().load(shared());
    ui.RepYieldGraph->draw();
}

void zarnReportOfYields::on_RepYieldLoadButton_clicked() {
    ui.RepYieldGraph->chartPoints().fill(shared());
    ui.RepYieldGraph->draw();
}

void zarnReportOfYields::on_RepYieldResetButton_clicked() {
    ui.RepYieldGraph->chartPoints().reset(shared());
    ui.RepYieldGraph->draw();
}

void zarnReportOfYields::on_RepYieldOKButton_clicked() {
    close();
}

void zarnReportOfYields::on_RepYieldCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnReportOfYields)

} // namespace zarn
