#pragma once
namespace zarn {
// Installs the responder that shows every message as a real modal QMessageBox.
void installMessageBoxResponder();
} // namespace zarn
