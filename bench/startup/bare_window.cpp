// The reference: an empty Qt window of the same size, ending at its first paint.
#include "paint_quit.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(640, 420);
    w.setWindowTitle(QStringLiteral("bare"));
    QuitOnFirstPaint quit;
    w.installEventFilter(&quit);
    w.show();
    return app.exec();
}
