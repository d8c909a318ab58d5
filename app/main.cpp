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
    // Qt's last-window rule ends the program when its last window closes
    // (see shell/windows/program.h).
    QApplication::setQuitOnLastWindowClosed(true);
    zarn::installMessageBoxResponder();
    if (!zarn::WindowRegistry::show(QStringLiteral("ZARNMainMenu")))
        return 1;
    return app.exec();
}
