#pragma once
// "Occupation Management": occupations and labour rates (table Occupation).
#include "data/windows/boundform.h"
#include "ui_ResJob.h"

namespace zarn {

class ResJob : public BoundForm {
    Q_OBJECT
public:
    ResJob();

    Ui::ResJob ui;

private slots:
    void on_ResJobNewButton_clicked() { newRecord(); }
    void on_ResJobDeleteButton_clicked() { deleteRecord(); }
    void on_ResJobOKButton_clicked() { okSaving(); }
    void on_ResJobCancelButton_clicked() { cancel(); }
};

} // namespace zarn
