#pragma once
// The experiment amendment window: creates, changes or deletes one
// experiment of SGEXP.DIR, as asked by the experiment directory window.
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInSGEXPDispForm.h"

namespace zarn {

class CeresInSGEXPDispForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInSGEXPDispForm();
    void load() override;

    Ui::CeresInSGEXPDispForm ui;

private slots:
    void on_CeresInSGEXPDispSaveButton_clicked();
    void on_CeresInSGEXPDispDeleteButton_clicked();
    void on_CeresInSGEXPDispOKButton_clicked();
    void on_CeresInSGEXPDispCancelButton_clicked();

private:
    void fill(const QString &request);
    void refreshList(const QString &code);
    QString m_mode;
    QString m_code;
};

} // namespace zarn
