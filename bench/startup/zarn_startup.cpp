// ZARN's real startup (main menu load: defaults from Sorghum.mdb, wizard flag,
// variety lookup, window creation) on the built bundle, ending at the first paint
// of ZARNMainMenu.
#include "paint_quit.h"
#include "shell/startup.h"
#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zarn::setProgramDirectory(QStringLiteral(ZARN_BUNDLE_DIR));
    QDir::setCurrent(QStringLiteral(ZARN_BUNDLE_DIR));
    QWidget *menu = zarn::WindowRegistry::show(QStringLiteral("ZARNMainMenu"));
    if (!menu)
        return 1;
    QuitOnFirstPaint quit;
    menu->installEventFilter(&quit);
    return app.exec();
}
