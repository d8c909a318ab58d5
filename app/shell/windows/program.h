#pragma once
// How the program ends: at once on the main menu's "Exit", or by Qt's
// last-window rule when its last window has closed (a window that closes and
// opens another in one handler does not end it). While the crop model runs,
// either way first asks whether to stop the model.

class QWidget;

namespace zarn {

// Closes every window and leaves the event loop with the given status. While
// the crop model runs it asks first; "No" leaves the program and the model
// running and returns false.
bool endProgram(int status = 0);

// Number of times the program ended through endProgram() (tests check that
// the program ended).
int programEndRequests();

// Whether `closing` may close: always, unless the crop model is running and
// no other window would be left. Then the user is asked whether to stop the
// model; "Yes" stops it (the run ends as a run error) and lets the window
// close, so the program ends; "No" keeps the window and the model.
bool mayCloseWindow(const QWidget *closing);

// The question asked before the program ends during a model run.
extern const char *const kStopModelQuestion;

} // namespace zarn
