#pragma once
// What the two unit-configuration windows (HP steam and gasifier) share: the
// ten unit lists, the "Unit Data" columns, the quantity field, the column
// button, the save and "Exit". Both windows carry the same control names.
//
// Each window keeps the slot last chosen in its own lists; the column buttons
// address that slot only, and with none chosen they say so and write nothing.
#include "processing/conversionunits.h"
#include "shell/windows/zarnwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <array>

namespace zarn {

class ConversionUnitsWindow : public ZarnWindow {
    Q_OBJECT
public:
    explicit ConversionUnitsWindow(processing::UnitKind kind);
    void load() override;

    // The slot (1..10) last chosen in this window's lists; 0 before any choice.
    int chosenSlot() const { return m_slot; }

protected:
    // Finds the shared controls by name; called by the window after setupUi().
    void bindControls();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *field(const QString &name) const;
    std::array<double, 3> efficiencies() const;
    std::array<double, 3> outputRates() const;
    void showColumns(const processing::UnitColumns &columns);
    // True when a slot is chosen; otherwise shows why nothing is stored.
    bool requireSlot();
    virtual void save() = 0;

    const processing::UnitKind m_kind;
    int m_slot = 0;
    std::array<QComboBox *, processing::kSlotsPerKind> m_lists{};
    std::array<QWidget *, processing::kSlotsPerKind> m_listLabels{};

private:
    void chooseUnit(int k);
    void recomputeOutput(int n);
    bool m_filling = false; // values put in by the window run no change handler

private slots:
    void on_zarnModPEHPSGen1_activated(int index);
    void on_zarnModPEHPSGen2_activated(int index);
    void on_zarnModPEHPSGen3_activated(int index);
    void on_zarnModPEHPSGen4_activated(int index);
    void on_zarnModPEHPSGen5_activated(int index);
    void on_zarnModPEHPSGen6_activated(int index);
    void on_zarnModPEHPSGen7_activated(int index);
    void on_zarnModPEHPSGen8_activated(int index);
    void on_zarnModPEHPSGen9_activated(int index);
    void on_zarnModPEHPSGen10_activated(int index);
    void on_zarnModPEHPSGEfficiency1_textChanged(const QString &text);
    void on_zarnModPEHPSGEfficiency2_textChanged(const QString &text);
    void on_zarnModPEHPSGEfficiency3_textChanged(const QString &text);
    void on_zarnMPEHPSGUQuantity_textChanged(const QString &text);
    void on_zarnModPEHPSEngSelect1Button_clicked();
    void on_zarnModPEHPSSaveButton_clicked();
    void on_zarnModPEHPSEngExitButton_clicked();
};

} // namespace zarn
