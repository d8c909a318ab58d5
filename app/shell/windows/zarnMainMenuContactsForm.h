#pragma once
// The project contacts: a button per person fills the contact panels.
#include "shell/windows/zarnwindow.h"
#include "ui_zarnMainMenuContactsForm.h"

namespace zarn {

class zarnMainMenuContactsForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnMainMenuContactsForm();
    Ui::zarnMainMenuContactsForm ui;

private slots:
    void on_zarnMMContactCoordButton_clicked() { showContact(0); }
    void on_zarnMMContactResearchButton_clicked() { showContact(1); }
    void on_zarnMMContactProgButton_clicked() { showContact(2); }
    void on_zarnMMContactExitButton_clicked() { close(); }

private:
    void showContact(int person);
};

} // namespace zarn
