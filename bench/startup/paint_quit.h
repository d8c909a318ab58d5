#pragma once
// Ends the event loop once the watched window has been painted for the first time.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};
