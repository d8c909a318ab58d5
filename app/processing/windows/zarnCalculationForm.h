#pragma once
// The calculation window "Z.A.R.N. Calculation": reads the crop model's yield,
// works out the mill's balance from the default crushing method, harvest
// method and variety, and for the land area typed the season's products,
// revenue and balance.
#include "processing/calculation.h"
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalculationForm.h"

namespace zarn {

class zarnCalculationForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalculationForm();
    // The load calculation; runs again when the economics window hands back
    // its totals.
    void load() override;

    // The land area changed: the season's products, then the revenue.
    // Throws UserError when the reference database cannot be read.
    void RecalculateProducts();
    // Revenue and balance from the products shown and the process costs.
    void CalculateRevenue();

    Ui::zarnCalculationForm ui;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_zarnCalcLandUsed_textChanged(const QString &text);
    void on_zarnCalcValueButton_clicked();
    void on_ZarnCalcProcessVariablesButton_clicked();
    void on_zarnCalcExit_clicked();

private:
    void loadSteps();
    void setLandText(const QString &text);
    void checkLandArea();
    void showEthanolPerHectare();
    void leadToCropModel();

    // Kept from one event to the next while the window is open.
    processing::CrushingValues m_crushing;
    processing::HarvestValues m_harvest;
    double m_ethanolPrice = 0;
    double m_electricityPrice = 0;
    processing::Revenue m_revenue;
};

} // namespace zarn
