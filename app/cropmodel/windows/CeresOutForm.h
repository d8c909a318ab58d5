#pragma once
// The output windows CeresOut1Form ... CeresOut5Form: one class serves the
// five, each registered under its own name. Window N lists every line of the
// model output file OUTN.SG; windows 1 to 4 also show the yield, maturity date
// and sowing date the output scan finds in it (OK and Cancel close), window 5
// only lists its file (Exit closes). Controls are named after their window:
// CeresOut3List, CeresOut3Yield, CeresOut5ExitButton...
#include "shell/windows/zarnwindow.h"
#include "ui_CeresOutForm.h"

namespace zarn {

class CeresOutForm : public ZarnWindow {
    Q_OBJECT
public:
    explicit CeresOutForm(int fileNumber);
    void load() override;

    int fileNumber() const { return m_fileNumber; }

    Ui::CeresOutForm ui;

private:
    int m_fileNumber;
};

} // namespace zarn
