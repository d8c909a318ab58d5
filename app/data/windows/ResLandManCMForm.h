#pragma once
// "Crop Planting, Management and Maintenance": the planting cost per hectare
// (seed of a variety, sown by a machine with its fuel and crew) and the
// maintenance costs, and their overall total.
#include "data/landcosts.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ResLandManCMForm.h"

namespace zarn {

class ResLandManCMForm : public ZarnWindow {
    Q_OBJECT
public:
    ResLandManCMForm();
    void load() override;

    Ui::ResLandManCMForm ui;

private slots:
    void on_ResLandManCMPlantingList_activated(int index);
    void on_ResLandManCMSowingUnitList_activated(int index);
    void on_ResCropManCMFOKButton_clicked();
    void on_ResCropManCMFCancelButton_clicked() { close(); }

private:
    // Shows the seed cost and quantity of the variety named in the list.
    void showVariety(const db::Database &db);
    void sumMaintenance();
    void sumOverall();

    db::MachineValues m_machine;
};

} // namespace zarn
