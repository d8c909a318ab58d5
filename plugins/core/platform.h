// platform.h - everything the export plug-ins need of the operating system.
//
// One narrow layer: string and dialog resources, the module's own path,
// language libraries, the profile file (win.ini), message boxes, dialogs,
// the Save dialog, font measurement, file attributes and deletion, and
// lower-casing. platform_linux.cpp implements it for Linux; boxes, dialogs,
// the Save dialog and font metrics go to the host interface (hostif.h).
//
// Buffers: every function that fills a caller's buffer takes its size (the
// terminating NUL included), never writes past it, and always terminates the
// text when the size is not 0.
#ifndef UX_PLATFORM_H
#define UX_PLATFORM_H

#include <cstddef>
#include <cstdint>

#include "core/hostif.h"
#include "core/resources.h"

namespace ux::platform {

// ---------------------------------------------------------------------------
// Resources
// ---------------------------------------------------------------------------

// The module from which texts and dialogs are loaded: the plug-in's own
// tables or those of an accepted language library. Null tables hold nothing.
struct ResourceModule {
    const UXResourceTables *tables = nullptr;
};

// Copies string `id` into `buffer` (at most size - 1 characters; a longer
// text is cut) and returns the number of characters copied; 0 when the
// module has no such string (or size is 0).
std::size_t loadString(const ResourceModule &module, std::uint32_t id, char *buffer,
                       std::size_t size);

// The dialog resource called `name` (case-insensitive), or null.
const UXDialogResource *findDialog(const ResourceModule &module, const char *name);

// ---------------------------------------------------------------------------
// Modules and language libraries
// ---------------------------------------------------------------------------

// Full path of the module (the plug-in's shared object, or the program) that
// contains `address`. Returns its length; 0 when it is unknown or does not
// fit in `size` (a cut path would name another file).
std::size_t moduleFilePath(const void *address, char *buffer, std::size_t size);

// Loads a shared object by path. Null when it cannot be loaded. Loading never
// shows anything to the user.
void *loadLibrary(const char *path);
// A symbol of a loaded library, or null.
void *findSymbol(void *library, const char *name);
// Releases a library loaded by loadLibrary (null allowed).
void freeLibrary(void *library);

// ---------------------------------------------------------------------------
// Profile (win.ini)
// ---------------------------------------------------------------------------

// The profile file: $UX_PROFILE when set and not empty, else
// $XDG_CONFIG_HOME/win.ini, else $HOME/.config/win.ini. Copies the path into
// `buffer`; returns its length, 0 when there is none or it does not fit.
std::size_t profilePath(char *buffer, std::size_t size);

// Reads `key` of `section` (both case-insensitive) from the profile file,
// blanks around the value and one pair of enclosing quotes removed, into
// `buffer`, cut to size - 1 characters. When the file, the section or the key
// is missing, `fallback` (null = empty) is copied instead. Returns the number
// of characters copied.
std::size_t profileString(const char *section, const char *key, const char *fallback, char *buffer,
                          std::size_t size);

// The value's leading decimal number (optional sign), or `fallback` when the
// key is missing or its value does not start with a number.
int profileInt(const char *section, const char *key, int fallback);

// ---------------------------------------------------------------------------
// The host interface
// ---------------------------------------------------------------------------

// Installs a copy of `host` (null removes it). Returns 0, or 5 when its size or
// version does not match. UXSetHostInterface forwards here.
std::uint32_t setHostInterface(const UXHostInterface *host);
// The installed interface, or null.
const UXHostInterface *hostInterface();

// ---------------------------------------------------------------------------
// Message boxes
// ---------------------------------------------------------------------------

// A modal box: `type` = UXHOST_MB_* buttons | icon. Returns the button the
// user pressed; UXHOST_IDCANCEL without a host or when the box fails.
int messageBox(void *owner, const char *text, const char *caption, std::uint32_t type);

// ---------------------------------------------------------------------------
// Dialog manager
// ---------------------------------------------------------------------------

// A dialog or one of its controls, as the dialog procedure sees it.
struct Window;
using Hwnd = Window *;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using DialogProc = std::intptr_t (*)(Hwnd dialog, std::uint32_t message, WParam wparam,
                                     LParam lparam);

// The messages the manager sends and understands.
inline constexpr std::uint32_t WM_SETTEXT = 0x000C;
inline constexpr std::uint32_t WM_GETTEXT = 0x000D; // wparam buffer size, lparam buffer
inline constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;
inline constexpr std::uint32_t WM_INITDIALOG = 0x0110; // wparam first control, lparam = param
inline constexpr std::uint32_t WM_COMMAND = 0x0111;    // wparam = id | notification << 16,
                                                       // lparam = the control
inline constexpr std::uint32_t EM_LIMITTEXT = 0x00C5;  // wparam = limit (0 = the default)
inline constexpr std::uint32_t BM_GETCHECK = 0x00F0;
inline constexpr std::uint32_t BM_SETCHECK = 0x00F1; // wparam = state
inline constexpr std::uint32_t BN_CLICKED = 0;
// Window words (setWindowLong / getWindowLong).
inline constexpr int DWL_MSGRESULT = 0;
inline constexpr int DWL_USER = 8;
inline constexpr int GWL_USERDATA = -21;
// The limit of an edit box until EM_LIMITTEXT changes it.
inline constexpr std::uint32_t DEFAULT_TEXT_LIMIT = 30000;

// Runs the dialog resource `name` of `module` modally, owned by `owner`:
// builds the controls from the resource, sends WM_INITDIALOG with `param`,
// then presents the dialog through the host and sends the pressed button to
// the procedure as WM_COMMAND / BN_CLICKED, until the procedure calls
// endDialog. A Cancel (also: no host, or the host closing the dialog without
// a button) that the procedure does not end closes the dialog with
// UXHOST_IDCANCEL, so a dialog never waits forever.
// Returns the value given to endDialog; -1 when the resource is missing.
std::intptr_t dialogBox(const ResourceModule &module, const char *name, void *owner,
                        DialogProc procedure, LParam param);

// Ends the running dialog with `result` once the procedure returns.
bool endDialog(Hwnd dialog, std::intptr_t result);
// The control `id` of the dialog, or null.
Hwnd getDlgItem(Hwnd dialog, int id);
// Sends a message to a dialog or control (the messages listed above).
std::intptr_t sendMessage(Hwnd window, std::uint32_t message, WParam wparam, LParam lparam);
bool checkDlgButton(Hwnd dialog, int id, unsigned state);
unsigned isDlgButtonChecked(Hwnd dialog, int id);
bool setDlgItemText(Hwnd dialog, int id, const char *text);
// Copies the control's text (cut to size - 1); returns the characters copied.
std::size_t getDlgItemText(Hwnd dialog, int id, char *buffer, std::size_t size);
// The dialog's window words (DWL_USER, GWL_USERDATA, DWL_MSGRESULT).
// setWindowLong returns the previous value; other indexes hold nothing.
std::intptr_t setWindowLong(Hwnd window, int index, std::intptr_t value);
std::intptr_t getWindowLong(Hwnd window, int index);

// ---------------------------------------------------------------------------
// Save dialog and fonts
// ---------------------------------------------------------------------------

// Shows the Save dialog. True when the user chose a name, which is then in
// request.file, NUL-terminated; false when cancelled, without a host, or when
// the host's answer does not fit the buffer.
bool saveFileDialog(UXHostSaveFile &request);

// The average character width of `font` on device context `dc`; false when
// it cannot be measured (no host, or the host fails).
bool averageCharWidth(void *dc, void *font, int &width);

// ---------------------------------------------------------------------------
// Files and texts
// ---------------------------------------------------------------------------

enum class FileState {
    Missing,  // no file of that name
    Writable, // an existing file that may be replaced
    ReadOnly, // an existing file (or directory) that cannot be replaced
};
FileState fileState(const char *path);
// Deletes a file; true on success.
bool deleteFile(const char *path);

// True on file systems that ignore the case of names (not on Linux), where a
// chosen name may be lower-cased without naming another file.
bool fileNamesIgnoreCase();

// Lower-cases an 8-bit ANSI (Windows-1252) text in place.
void lowerCase(char *text);

} // namespace ux::platform

#endif // UX_PLATFORM_H
