#pragma once
// "Land Management": the three land costs per hectare of the current stored
// calculation (land rent, land preparation, crop management) and their total.
// The options open the window of each cost; their "OK" shows the new cost
// here (showCost) while this window is open.
#include "shell/windows/zarnwindow.h"
#include "ui_ResCropManagementForm.h"

namespace zarn {

class ResCropManagementForm : public ZarnWindow {
    Q_OBJECT
public:
    ResCropManagementForm();
    void load() override;

    Ui::ResCropManagementForm ui;

    // Shows a cost computed in a cost window in the panel of its land record
    // ("Land Rent", "Land Preparation", "Crop Management") and the new total.
    void showCost(const QString &processName, double cost, const QString &shown);

private slots:
    void on_ResCropManagementOKButton_clicked() { close(); }
    void on_ResCropManagementCancelButton_clicked() { close(); }

private:
    void showTotal();
};

} // namespace zarn
