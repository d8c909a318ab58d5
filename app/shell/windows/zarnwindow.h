#pragma once
// Base of every ZARN window: a top-level, modeless widget that deletes itself
// when closed. load() is the window's load step; the registry calls it once,
// right after construction, before the window is first shown.

#include <QMainWindow>
#include <QWidget>

namespace zarn {

class ZarnWindow : public QWidget {
    Q_OBJECT
public:
    explicit ZarnWindow(QWidget *parent = nullptr);
    virtual void load() {}

protected:
    void closeEvent(QCloseEvent *event) override;
};

// The same for windows with a menu bar.
class ZarnMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ZarnMainWindow(QWidget *parent = nullptr);
    virtual void load() {}

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace zarn
