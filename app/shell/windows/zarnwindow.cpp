#include "shell/windows/zarnwindow.h"

#include "shell/windows/program.h"
#include "shell/windows/windowregistry.h"

#include <QCloseEvent>

namespace zarn {

ZarnWindow::ZarnWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ZarnWindow::closeEvent(QCloseEvent *event) {
    if (!mayCloseWindow(this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted())
        WindowRegistry::forget(this);
}

ZarnMainWindow::ZarnMainWindow(QWidget *parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ZarnMainWindow::closeEvent(QCloseEvent *event) {
    if (!mayCloseWindow(this)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        WindowRegistry::forget(this);
}

} // namespace zarn
