#include "cropmodel/windows/crswthfileviewform.h"

#include "cropmodel/experiments.h"
#include "cropmodel/textfiles.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

crswthfileviewform::crswthfileviewform() {
    ui.setupUi(this);
}

void crswthfileviewform::load() {
    const QString ceres = shared().gCeresPath;
    guarded(
        [&] { ui.crswthfileviewExperimentList->addItems(cropmodel::ReadExperimentList(ceres)); });
    guarded([&] {
        const QString name = cropmodel::WeatherFileName(ceres);
        ui.crswthfileviewCurrentWeatherFile->setText(name);
        const QStringList lines = cropmodel::readLines(
            ceres, name, QStringLiteral("reading the weather file of the last experiment"));
        ui.crswthfileviewWeatherList->addItems(lines.mid(1));
    });
}

void crswthfileviewform::on_crswthfileviewNewButton_clicked() {
    WindowRegistry::show(QStringLiteral("CeresWInForm"));
}

void crswthfileviewform::on_crswthfileviewOKButton_clicked() {
    close();
}

void crswthfileviewform::on_crswthfileviewCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(crswthfileviewform)

} // namespace zarn
