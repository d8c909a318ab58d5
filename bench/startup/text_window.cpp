// A second reference: the bare window with one line of text, so that the cost
// every window with text pays once (font configuration and the first font) is
// seen apart from ZARN's own startup work.
#include "paint_quit.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLabel w(QStringLiteral("Tarnwick (ZARN)"));
    w.resize(640, 420);
    QuitOnFirstPaint quit;
    w.installEventFilter(&quit);
    w.show();
    return app.exec();
}
