#include "shell/windows/program.h"

#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QTimer>

namespace zarn {

namespace {
int g_endRequests = 0;
bool g_endOnLastWindow = false;
} // namespace

void endProgram(int status) {
    ++g_endRequests;
    WindowRegistry::closeAll();
    QCoreApplication::exit(status);
}

void setEndOnLastWindow(bool on) {
    g_endOnLastWindow = on;
}

int programEndRequests() {
    return g_endRequests;
}

void endProgramIfNoWindowLeft() {
    QTimer::singleShot(0, qApp, [] {
        for (const QString &name : WindowRegistry::openWindows())
            if (QWidget *w = WindowRegistry::find(name); w && w->isVisible())
                return;
        if (g_endOnLastWindow)
            endProgram(0);
    });
}

} // namespace zarn
