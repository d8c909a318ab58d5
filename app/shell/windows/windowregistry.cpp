#include "shell/windows/windowregistry.h"

#include "shell/messages.h"
#include "shell/windows/zarnwindow.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

namespace zarn {

namespace {
QHash<QString, WindowRegistry::Factory> &factories() {
    static QHash<QString, WindowRegistry::Factory> f;
    return f;
}
QHash<QString, QPointer<QWidget>> &instances() {
    static QHash<QString, QPointer<QWidget>> i;
    return i;
}
} // namespace

QString notYetAvailableText(const QString &name) {
    return QStringLiteral("The window %1 is not yet available.").arg(name);
}

bool WindowRegistry::registerWindow(const QString &name, Factory factory) {
    factories().insert(name, std::move(factory));
    return true;
}

bool WindowRegistry::isRegistered(const QString &name) {
    return factories().contains(name);
}

QWidget *WindowRegistry::find(const QString &name) {
    auto it = instances().find(name);
    if (it == instances().end())
        return nullptr;
    if (it->isNull()) {
        instances().erase(it);
        return nullptr;
    }
    return it->data();
}

QWidget *WindowRegistry::get(const QString &name) {
    if (QWidget *w = find(name))
        return w;
    auto f = factories().find(name);
    if (f == factories().end())
        return nullptr;
    QWidget *w = (*f)();
    w->setObjectName(name);
    instances().insert(name, w);
    // The load step may itself close the window (or open others); it runs once.
    if (auto *zw = qobject_cast<ZarnWindow *>(w))
        zw->load();
    else if (auto *zm = qobject_cast<ZarnMainWindow *>(w))
        zm->load();
    return find(name);
}

QWidget *WindowRegistry::show(const QString &name) {
    if (!isRegistered(name)) {
        showMessage(notYetAvailableText(name), QStringLiteral("Tarnwick (ZARN)"),
                    MsgIcon::Information);
        return nullptr;
    }
    QWidget *w = get(name);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::close(const QString &name) {
    if (QWidget *w = find(name)) {
        instances().remove(name);
        QPointer<QWidget> guard(w);
        if (!w->close() && guard) { // the window refused (it keeps an edit to correct)
            instances().insert(name, guard);
            return;
        }
        if (guard && !guard->isVisible())
            guard->deleteLater();
    }
}

QStringList WindowRegistry::openWindows() {
    QStringList names;
    for (auto it = instances().begin(); it != instances().end(); ++it)
        if (!it->isNull())
            names << it.key();
    names.sort();
    return names;
}

void WindowRegistry::forget(QWidget *window) {
    for (auto it = instances().begin(); it != instances().end();) {
        if (it->isNull() || it->data() == window)
            it = instances().erase(it);
        else
            ++it;
    }
}

void WindowRegistry::closeAll() {
    const QStringList names = openWindows();
    for (const QString &n : names)
        close(n);
}

} // namespace zarn
