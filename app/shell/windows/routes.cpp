#include "shell/windows/routes.h"

#include "shell/windows/windowregistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QDebug>

namespace zarn {

bool onActivated(QWidget *from, const char *control, std::function<void()> action) {
    const QString name = QString::fromLatin1(control);
    if (auto *button = from->findChild<QAbstractButton *>(name)) {
        QObject::connect(button, &QAbstractButton::clicked, from, [action] { action(); });
        return true;
    }
    if (auto *entry = from->findChild<QAction *>(name)) {
        QObject::connect(entry, &QAction::triggered, from, [action] { action(); });
        return true;
    }
    qCritical().noquote() << from->objectName() << "has no control named" << name;
    return false;
}

void connectRoutes(QWidget *from, std::span<const Route> routes) {
    for (const Route &r : routes) {
        const QString window = QString::fromLatin1(r.window);
        onActivated(from, r.control, [window] { WindowRegistry::show(window); });
    }
}

} // namespace zarn
