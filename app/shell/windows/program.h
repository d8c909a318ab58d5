#pragma once
// How the program ends: at once on the main menu's "Exit", or when its last
// window has closed.

namespace zarn {

// Closes every window and leaves the event loop with the given status.
void endProgram(int status = 0);

// Number of times endProgram() was called (tests check that the program ended).
int programEndRequests();

// After a window has closed: when no window is visible once the current event
// has been handled (a window that closes and opens another in one handler does
// not end the program), the program ends.
void endProgramIfNoWindowLeft();

// Whether closing the last window ends the program (on in the program, off in
// tests, which open and close windows freely).
void setEndOnLastWindow(bool on);

} // namespace zarn
