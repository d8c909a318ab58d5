#pragma once
// "Land Management Preparation": the ploughing cost per hectare of a machine
// (table Equipment) with its fuel (table Energy) and crew (table Occupation),
// recomputed at every change of the plough's width, speed or passes.
#include "data/landcosts.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ResLandPrepForm.h"

namespace zarn {

class ResLandPrepForm : public ZarnWindow {
    Q_OBJECT
public:
    ResLandPrepForm();
    void load() override;

    Ui::ResLandPrepForm ui;

private slots:
    void on_ResLandPrepPloughEquipList_activated(int index);
    void on_ResCropManPrepOKButton_clicked();
    void on_ResCropManPrepCancelButton_clicked() { close(); }

private:
    // Takes the machine's values for the equipment named in the list.
    void chooseEquipment(const db::Database &db);
    void recompute();

    db::MachineValues m_machine;
    double m_total = 0;
    bool m_recomputing = false;
};

} // namespace zarn
