#pragma once
// "Z.A.R.N Default  Part 2": the two directories, the working year, and the
// current institute and site (shown only).
#include "shell/windows/zarnwindow.h"
#include "ui_zarnDefmMoreForm.h"

namespace zarn {

class zarnDefmMoreForm : public ZarnWindow {
    Q_OBJECT
public:
    zarnDefmMoreForm();
    void load() override;

    Ui::zarnDefmMoreForm ui;

private slots:
    void on_zarnDefmYear_textEdited(const QString &text);
    void on_zarnDefPathButton_clicked();
    void on_ZARNDefWCLocButton_clicked();
    void on_zarnDefmOKButton_clicked();
    void on_zarnDefMoreCancelButton_clicked();
};

} // namespace zarn
