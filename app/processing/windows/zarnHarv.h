#pragma once
// "Harvest Selection": the harvest methods, showing the chosen one's rate,
// crew, fuel use, life time and the occupation of each crew member.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnHarv.h"

namespace zarn {

class zarnHarv : public ZarnWindow {
    Q_OBJECT
public:
    zarnHarv();
    void load() override;

    Ui::zarnHarv ui;

private:
    void showMethod();

private slots:
    void on_zarnModHarvestMethod_editTextChanged(const QString &text);
    void on_zarnModHarvestMethod_activated(int index);
    void on_zarnHarvOKButton_clicked();
    void on_zarnHarvCancelButton_clicked();
};

} // namespace zarn
