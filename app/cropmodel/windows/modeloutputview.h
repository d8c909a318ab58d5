#pragma once
// Filling the output windows CeresOut1Form ... CeresOut5Form from a model
// output file of the crop-model directory.

#include <QString>

class QListWidget;
class QLineEdit;

namespace zarn {

// Lists every line of `fileName` (found in gCeresPath whatever its case) in
// `list`. When the yield, maturity and sowing fields are given, the output
// scan fills them (the yield as the run-result window stores it, "0" when the
// file has no maturity line). A file that cannot be read, or outputs still
// being written by a running model, give a message and leave every control
// empty. Returns true when the file was shown.
bool showModelOutput(const QString &fileName, QListWidget *list, QLineEdit *yield = nullptr,
                     QLineEdit *maturity = nullptr, QLineEdit *sowing = nullptr);

} // namespace zarn
