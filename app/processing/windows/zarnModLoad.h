#pragma once
// The loading module: the loading methods, showing the chosen one's crew,
// skill, fuel use and life time, with a warning for a fuel use above 150.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnModLoad.h"

namespace zarn {

class zarnModLoad : public ZarnWindow {
    Q_OBJECT
public:
    zarnModLoad();
    void load() override;

    Ui::zarnModLoad ui;

private:
    void showMethod();

private slots:
    void on_zarnModLoadDescription_editTextChanged(const QString &text);
    void on_zarnModLoadDescription_activated(int index);
    void on_zarnModFuelUse_textChanged(const QString &text);
    void on_zarnModLoadOKButton_clicked();
    void on_zarnModLoadCancelButton_clicked();
};

} // namespace zarn
