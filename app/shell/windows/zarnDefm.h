#pragma once
// "Z.A.R.N. Default Part 1": the default variety, the method of each
// processing step, the energy type, the currency and the energy of moist
// bagasse. Its lists are saved only by "OK" of the system default window
// (or by any other save of the defaults while it is open).
#include "shell/defaults.h"
#include "shell/windows/zarnwindow.h"
#include "ui_zarnDefm.h"

namespace zarn {

class zarnDefm : public ZarnWindow {
    Q_OBJECT
public:
    zarnDefm();
    ~zarnDefm() override;
    void load() override;

    // The current texts of the lists.
    DefaultsLists lists() const;

    Ui::zarnDefm ui;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_zarnDefMoistBagasseEnergy_textEdited(const QString &text);
    void on_zarnDefmOKButton_clicked();
    void on_zarnDefmCancelButton_clicked();
    void on_zarnDefmCurrentDirectoryEntry_triggered();

private:
    void stopSupplyingLists();
    bool m_supplying = false;
};

} // namespace zarn
