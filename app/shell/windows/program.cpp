#include "shell/windows/program.h"

#include "cropmodel/modelrun.h"
#include "shell/messages.h"
#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QWidget>

namespace zarn {

const char *const kStopModelQuestion =
    "The crop model is still running. Stop it and end Tarnwick (ZARN)?";

namespace {

int g_endRequests = 0;

// Asked while the model runs: true when the user chose to stop it (it is
// stopped then) or when no model runs.
bool stopModelIfAsked() {
    if (!cropmodel::modelIsRunning())
        return true;
    const MsgResult answer =
        showMessage(QString::fromUtf8(kStopModelQuestion), QStringLiteral("Tarnwick (ZARN)"),
                    MsgIcon::Question, MsgButtons::YesNo, 1);
    if (answer != MsgResult::Yes)
        return false;
    cropmodel::stopCropModel();
    return true;
}

} // namespace

bool endProgram(int status) {
    if (!stopModelIfAsked())
        return false;
    ++g_endRequests;
    WindowRegistry::closeAll();
    QCoreApplication::exit(status);
    return true;
}

int programEndRequests() {
    return g_endRequests;
}

bool mayCloseWindow(const QWidget *closing) {
    if (!cropmodel::modelIsRunning())
        return true;
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (w != closing && w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose))
            return true;
    return stopModelIfAsked();
}

} // namespace zarn
