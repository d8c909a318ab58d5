#include "cropmodel/windows/modeloutputview.h"

#include "cropmodel/modeloutput.h"
#include "cropmodel/modelrun.h"
#include "cropmodel/textfiles.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>

namespace zarn {

bool showModelOutput(const QString &fileName, QListWidget *list, QLineEdit *yield,
                     QLineEdit *maturity, QLineEdit *sowing) {
    // The files have fixed columns; a fixed-pitch font keeps them lined up.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->clear();
    for (QLineEdit *field : {yield, maturity, sowing})
        if (field)
            field->clear();

    if (cropmodel::modelIsRunning()) {
        showMessage(cropmodel::modelStillRunningText(), cropmodel::kRunRefusedTitle,
                    MsgIcon::Exclamation);
        return false;
    }

    cropmodel::ModelOutput output;
    const bool read = guarded([&] {
        const QString dir = shared().gCeresPath;
        if (yield || maturity || sowing)
            output = cropmodel::ScanModelOutput(dir, fileName);
        else
            output.lines = cropmodel::readLines(dir, fileName,
                                                QStringLiteral("reading the crop model output"));
    });
    if (!read)
        return false;

    list->addItems(output.lines);
    if (yield)
        yield->setText(cropmodel::yieldText(output.yield));
    if (maturity)
        maturity->setText(output.maturityDate);
    if (sowing)
        sowing->setText(output.sowingDate);
    return true;
}

} // namespace zarn
