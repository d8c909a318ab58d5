// ZARN: starts the application on its main menu. The process works in its own
// program directory, so files opened by bare name land there.
#include "shell/windows/messagebox.h"
#include "shell/windows/program.h"
#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick (ZARN)"));
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    // The last-window rule is ZARN's own (a window may close before the next
    // one shows): see endProgramIfNoWindowLeft().
    QApplication::setQuitOnLastWindowClosed(false);
    zarn::setEndOnLastWindow(true);
    zarn::installMessageBoxResponder();
    if (!zarn::WindowRegistry::show(QStringLiteral("ZARNMainMenu")))
        return 1;
    return app.exec();
}
