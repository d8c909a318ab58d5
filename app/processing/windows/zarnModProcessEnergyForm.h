#pragma once
// The process-energy module: what the mill requires per hour, and the energy
// the configured conversion units make available.
#include "processing/conversionunits.h"
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModProcessEnergyForm.h"

namespace zarn {

class zarnModProcessEnergyForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnModProcessEnergyForm();
    void load() override;

    // The "Energies" columns, filled by the saves of the configuration windows.
    void showCombustion(const processing::CombustionTotals &totals);
    void showGasification(const processing::GasifierTotals &totals);

    Ui::zarnModProcessEnergyForm ui;

private:
    void configure(processing::UnitKind kind, const QString &window);

private slots:
    void on_zarnModPEHPSEngOKButton_clicked();
    void on_zarnModPEHPSEngancelButton_clicked();
    void on_CombustOrGasToggle_clicked();
    void on_zarnCalcPESteamConfiguration_clicked();
    void on_zarnModPEGasifForm_clicked();
};

} // namespace zarn
