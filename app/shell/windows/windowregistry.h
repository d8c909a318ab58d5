#pragma once
// Reaches every window of ZARN by its name (the window's objectName).
//
// Each window class registers a factory under its name (ZARN_REGISTER_WINDOW in
// its .cpp). There is at most one instance of each window: it is created on
// first reference (its load step runs then), destroyed when it closes, brought
// to the front when shown again, and always modeless.
//
// A name with no registered window (a window still to be built) gets the
// message "<name> is not yet available" from show().

#include <QString>
#include <QWidget>
#include <functional>

namespace zarn {

class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;

    // Called once per window class at static-initialisation time.
    static bool registerWindow(const QString &name, Factory factory);
    static bool isRegistered(const QString &name);

    // The open instance, or nullptr; never creates.
    static QWidget *find(const QString &name);
    template <class T> static T *find(const QString &name) { return qobject_cast<T *>(find(name)); }

    // The instance, created (and loaded) when absent but not shown.
    // nullptr when no window of that name exists.
    static QWidget *get(const QString &name);
    template <class T> static T *get(const QString &name) { return qobject_cast<T *>(get(name)); }

    // Creates when absent, shows, raises and activates. For a name with no
    // window, shows the not-available message and returns nullptr.
    static QWidget *show(const QString &name);

    // Closes the window when it is open (it is destroyed on close).
    static void close(const QString &name);

    // Names of the open windows.
    static QStringList openWindows();

    // Closes every open window (program end, tests).
    static void closeAll();

    // Drops a closing window from the registry at once, so the next reference
    // creates a fresh instance (called by the window base classes).
    static void forget(QWidget *window);
};

// Text shown for a window that is still to be built.
QString notYetAvailableText(const QString &name);

} // namespace zarn

#define ZARN_REGISTER_WINDOW(Class)                                                                \
    namespace {                                                                                    \
    const bool zarn_registered_##Class =                                                           \
        zarn::WindowRegistry::registerWindow(QStringLiteral(#Class), [] { return new Class; });    \
    }
