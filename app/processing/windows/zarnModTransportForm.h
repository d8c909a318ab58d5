#pragma once
// The transport module: the transport methods, showing the default one.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModTransportForm.h"

namespace zarn {

class zarnModTransportForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModTransportForm();
    void load() override;

    Ui::zarnModTransportForm ui;

private slots:
    void on_zarnModTransportOKButton_clicked();
    void on_zarnModTransportCancelButton_clicked();
};

} // namespace zarn
