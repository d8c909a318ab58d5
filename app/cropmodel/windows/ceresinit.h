#pragma once
// The initial soil conditions window: the blocks of soilinit.tot, shown for
// choosing; nothing is written.
#include "shell/windows/zarnwindow.h"
#include "ui_ceresinit.h"

namespace zarn {

class ceresinit : public ZarnWindow {
    Q_OBJECT
public:
    ceresinit();
    void load() override;

    Ui::ceresinit ui;

private slots:
    void on_ceresinitOKButton_clicked();
    void on_ceresinitCancelButton_clicked();
};

} // namespace zarn
