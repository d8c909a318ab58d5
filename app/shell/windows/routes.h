#pragma once
// Navigation tables: a window lists which of its controls opens which window,
// and connects them in its constructor with connectRoutes(). A control is a
// button (its click) or a menu entry (its choice); both are found by their
// design names among the window's children.
//
//     const Route kRoutes[] = {
//         {"ZarnDefaultButton", "ZarnDefaultForm"},
//         {"mnuDefaults", "ZarnDefaultForm"},
//     };
//     connectRoutes(this, kRoutes);

#include <QString>
#include <QWidget>
#include <functional>
#include <span>

namespace zarn {

struct Route {
    const char *control; // objectName of the button or menu entry
    const char *window;  // name of the window it opens (WindowRegistry::show)
};

// Connects every control of the table to showing its window. A control that
// the window does not have is a fault of the table: it is reported on the
// program's error output and left out.
void connectRoutes(QWidget *from, std::span<const Route> routes);

// Runs `action` when the named control of `from` is clicked or chosen. Returns
// false (and reports it) when `from` has no such button or menu entry.
bool onActivated(QWidget *from, const char *control, std::function<void()> action);

} // namespace zarn
