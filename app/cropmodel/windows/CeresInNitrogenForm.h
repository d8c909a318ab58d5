#pragma once
// The nitrogen balance window: residues from the records of NITROGEN.TOT,
// the nitrogen option, and the way to a new fertiliser schedule; "OK" writes
// NITBAL.sg4.
#include "cropmodel/editors.h"
#include "shell/windows/widgets3d.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CeresInNitrogenForm.h"

namespace zarn {

class CeresInNitrogenForm : public ZarnWindow {
    Q_OBJECT
public:
    CeresInNitrogenForm();
    void load() override;

    Ui::CeresInNitrogenForm ui;

private slots:
    void on_CeresInNitrogenList_activated(int index);
    void on_CeresInNitrogenNoStressOption_clicked();
    void on_CeresInNitrogenFileOption_clicked();
    void on_CeresInNitrogenScheduleButton_clicked();
    void on_CeresInNitrogenOKButton_clicked();
    void on_CeresInNitrogenCancelButton_clicked();

private:
    void showRecord(const QString &line);
    void choose(int option);
};

} // namespace zarn
