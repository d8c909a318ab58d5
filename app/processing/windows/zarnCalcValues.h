#pragma once
// "Calculation Values": the cost side of a calculation. Creates a calculation
// of the fourteen standard steps, pages through the steps of the current
// calculation, saves edits and added steps, totals the labour and energy
// costs and hands the totals to the calculation window.
#include "processing/costaccounts.h"
#include "shell/windows/zarnwindow.h"
#include "ui_zarnCalcValues.h"

#include <optional>

namespace zarn {

class zarnCalcValues : public ZarnWindow {
    Q_OBJECT
public:
    zarnCalcValues();
    void load() override;

    Ui::zarnCalcValues ui;

    // Position (table order) of the record on display, if any.
    std::optional<int> currentRecord() const { return m_current; }
    bool newRecordPending() const { return m_newRecord; }

private slots:
    void on_zarnCalcValuesCreateCalculationButton_clicked();
    void on_zarnCalcValuesNewProcessRecordButton_clicked();
    void on_zarnCalcValuesSaveButton_clicked();
    void on_zarnCalcValuesFirstButton_clicked();
    void on_zarnCalcValuesPreviousButton_clicked();
    void on_zarnCalcValuesNextButton_clicked();
    void on_zarnCalcValuesCalculateTotalProcessCostsButton_clicked();
    void on_zarnCalcValuesOKButton_clicked();
    void on_zarnCalcValuesCancelButton_clicked();
    void on_zarnCalcValueEnergy1cbo_activated(int index);
    void on_zarnCalcValueEnergy2cbo_activated(int index);

private:
    int calculationNumber() const;
    void showRecord(int position, const processing::ProcessRecord &record);
    void showStep(const db::Database &db, const QString &processName);
    void progress(const QString &text);
    void energy1Chosen();
    void energy2Chosen();
    processing::ProcessRecord fieldValues() const;

    std::optional<int> m_current;
    bool m_newRecord = false;
    processing::CostTotals m_totals;
};

} // namespace zarn
