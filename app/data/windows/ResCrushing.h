#pragma once
// "Crushing": milling and diffusion methods (table Crushing). The low-pressure
// steam cost field is not bound.
#include "data/windows/boundform.h"
#include "ui_ResCrushing.h"

namespace zarn {

class ResCrushing : public BoundForm {
    Q_OBJECT
public:
    ResCrushing();

    Ui::ResCrushing ui;

private slots:
    void on_ResCrushOKButton_clicked() { close(); }
    void on_ResCrushCancelButton_clicked() { cancel(); }
};

} // namespace zarn
