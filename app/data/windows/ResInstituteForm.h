#pragma once
// "Institute": the research institutes (table Institutes). The list shows
// every institute; "Save Institute" stores the short code typed for the name
// typed (every record of that name, or a new record), "Delete Institute"
// deletes every record of the name. The current institute is never changed.
#include "shell/windows/zarnwindow.h"
#include "ui_ResInstituteForm.h"

namespace zarn {

class ResInstituteForm : public ZarnWindow {
    Q_OBJECT
public:
    ResInstituteForm();
    void load() override;

    Ui::ResInstituteForm ui;

private slots:
    void on_ResInstituteList_currentTextChanged(const QString &text);
    void on_ResInstituteList_activated(int index);
    void on_ResInstituteCreate_clicked();
    void on_ResInstituteSave_clicked();
    void on_ResInstituteDelete_clicked();
    void on_ResInstituteOKButton_clicked() { close(); }
    void on_ResInstituteCancelButton_clicked() { close(); }

private:
    // Fills the list from the table; its text ends as the last name.
    void rebuildList();
    // Shows the short code of the institute named in the list.
    void showCode();
};

} // namespace zarn
