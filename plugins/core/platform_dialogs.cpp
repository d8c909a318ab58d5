// platform_dialogs.cpp - the dialog manager of the platform layer.
//
// A dialog runs for real: its controls are built from the dialog resource,
// the dialog procedure gets WM_INITDIALOG and then one WM_COMMAND per button
// the user presses, and works on the controls through the usual calls (check
// state, texts, text limits, the window's user word, EndDialog). The host
// presents the dialog (hostif.h) and reports the control states and the
// pressed button. Handles are checked: a stale or foreign handle is ignored.
#include "core/platform.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace ux::platform {

struct Window {
    Window *dialog = nullptr; // the dialog itself, or the control's dialog
    bool isDialog = false;
    // Control.
    int id = 0;
    int kind = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string text;
    unsigned checked = 0;
    std::uint32_t limit = DEFAULT_TEXT_LIMIT;
    std::intptr_t userData = 0;
    // Dialog.
    const UXDialogResource *resource = nullptr;
    std::vector<std::unique_ptr<Window>> controls;
    std::intptr_t user = 0;
    std::intptr_t msgResult = 0;
    bool ended = false;
    std::intptr_t result = 0;
};

namespace {

// The dialogs that are running (a procedure may open a nested one).
std::vector<Window *> gRunning;

bool isLive(Hwnd window) {
    if (window == nullptr)
        return false;
    for (Window *dialog : gRunning) {
        if (dialog == window)
            return true;
        for (const auto &control : dialog->controls)
            if (control.get() == window)
                return true;
    }
    return false;
}

Window *control(Hwnd dialog, int id) {
    if (!isLive(dialog) || !dialog->isDialog)
        return nullptr;
    for (const auto &item : dialog->controls)
        if (item->id == id)
            return item.get();
    return nullptr;
}

bool hasCheck(const Window *window) {
    return window->kind == UXHOST_CONTROL_CHECKBOX || window->kind == UXHOST_CONTROL_RADIO;
}

constexpr int kMaxRounds = 64; // presentations of one dialog before it is given up

} // namespace

std::intptr_t dialogBox(const ResourceModule &module, const char *name, void *owner,
                        DialogProc procedure, LParam param) {
    const UXDialogResource *resource = findDialog(module, name);
    if (resource == nullptr || procedure == nullptr)
        return -1;

    auto dialog = std::make_unique<Window>();
    dialog->isDialog = true;
    dialog->dialog = dialog.get();
    dialog->resource = resource;
    dialog->text = resource->caption != nullptr ? resource->caption : "";
    for (std::uint32_t i = 0; resource->controls != nullptr && i < resource->control_count; ++i) {
        const UXDialogControl &source = resource->controls[i];
        auto item = std::make_unique<Window>();
        item->dialog = dialog.get();
        item->id = source.id;
        item->kind = source.kind;
        item->x = source.x;
        item->y = source.y;
        item->cx = source.cx;
        item->cy = source.cy;
        item->text = source.text != nullptr ? source.text : "";
        dialog->controls.push_back(std::move(item));
    }
    Window *self = dialog.get();
    gRunning.push_back(self);
    struct Unregister {
        Window *self;
        ~Unregister() { gRunning.erase(std::find(gRunning.begin(), gRunning.end(), self)); }
    } unregister{self};

    WParam first =
        self->controls.empty() ? 0 : reinterpret_cast<WParam>(self->controls.front().get());
    procedure(self, WM_INITDIALOG, first, param);

    const UXHostInterface *host = hostInterface();
    for (int round = 0; !self->ended; ++round) {
        if (round == kMaxRounds) {
            self->ended = true;
            self->result = UXHOST_IDCANCEL;
            break;
        }
        // Present the controls as they stand; edit boxes get room for what
        // may be typed into them.
        std::vector<UXHostControl> states(self->controls.size());
        std::vector<std::vector<char>> buffers(self->controls.size());
        for (std::size_t i = 0; i < self->controls.size(); ++i) {
            const Window &item = *self->controls[i];
            std::size_t room = item.text.size();
            if (item.kind == UXHOST_CONTROL_EDIT)
                room = std::max<std::size_t>(room, item.limit);
            buffers[i].assign(room + 1, '\0');
            std::memcpy(buffers[i].data(), item.text.c_str(), item.text.size());
            states[i] = UXHostControl{item.id,
                                      item.kind,
                                      item.x,
                                      item.y,
                                      item.cx,
                                      item.cy,
                                      static_cast<std::int32_t>(item.checked),
                                      buffers[i].data(),
                                      static_cast<std::uint32_t>(buffers[i].size()),
                                      item.kind == UXHOST_CONTROL_EDIT ? item.limit : 0};
        }
        UXHostDialog presented{sizeof(UXHostDialog), resource->name,
                               self->text.c_str(),   resource->font_name,
                               resource->point_size, resource->cx,
                               resource->cy,         static_cast<std::uint32_t>(states.size()),
                               states.data()};
        int button = UXHOST_IDCANCEL;
        if (host != nullptr && host->run_dialog != nullptr) {
            button = host->run_dialog(host->context, owner, &presented);
            if (button <= 0)
                button = UXHOST_IDCANCEL;
        }
        // Take back what the user changed: check states and typed texts,
        // the latter within the box's limit.
        for (std::size_t i = 0; i < self->controls.size(); ++i) {
            Window &item = *self->controls[i];
            if (hasCheck(&item))
                item.checked = states[i].checked < 0
                                   ? 0u
                                   : std::min(2u, static_cast<unsigned>(states[i].checked));
            if (item.kind == UXHOST_CONTROL_EDIT) {
                buffers[i].back() = '\0';
                std::string typed(buffers[i].data());
                if (typed != item.text) {
                    if (typed.size() > item.limit)
                        typed.resize(item.limit);
                    item.text = typed;
                }
            }
        }
        Window *pressed = control(self, button);
        WParam command = static_cast<WParam>(static_cast<std::uint16_t>(button)) |
                         (static_cast<WParam>(BN_CLICKED) << 16);
        procedure(self, WM_COMMAND, command, reinterpret_cast<LParam>(pressed));
        if (!self->ended && button == UXHOST_IDCANCEL) {
            // A Cancel the procedure ignores still closes the dialog.
            self->ended = true;
            self->result = UXHOST_IDCANCEL;
        }
    }
    return self->result;
}

bool endDialog(Hwnd dialog, std::intptr_t result) {
    if (!isLive(dialog) || !dialog->isDialog)
        return false;
    dialog->ended = true;
    dialog->result = result;
    return true;
}

Hwnd getDlgItem(Hwnd dialog, int id) {
    return control(dialog, id);
}

std::intptr_t sendMessage(Hwnd window, std::uint32_t message, WParam wparam, LParam lparam) {
    if (!isLive(window))
        return 0;
    switch (message) {
    case WM_SETTEXT:
        window->text = lparam != 0 ? reinterpret_cast<const char *>(lparam) : "";
        return 1;
    case WM_GETTEXT: {
        char *buffer = reinterpret_cast<char *>(lparam);
        if (buffer == nullptr || wparam == 0)
            return 0;
        std::size_t length = std::min<std::size_t>(window->text.size(), wparam - 1);
        std::memcpy(buffer, window->text.data(), length);
        buffer[length] = '\0';
        return static_cast<std::intptr_t>(length);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<std::intptr_t>(window->text.size());
    case EM_LIMITTEXT:
        if (window->kind != UXHOST_CONTROL_EDIT)
            return 0;
        window->limit =
            wparam == 0 ? DEFAULT_TEXT_LIMIT
                        : static_cast<std::uint32_t>(std::min<WParam>(wparam, DEFAULT_TEXT_LIMIT));
        return 0;
    case BM_GETCHECK:
        return hasCheck(window) ? static_cast<std::intptr_t>(window->checked) : 0;
    case BM_SETCHECK:
        if (hasCheck(window))
            window->checked = static_cast<unsigned>(std::min<WParam>(wparam, 2));
        return 0;
    default:
        return 0;
    }
}

bool checkDlgButton(Hwnd dialog, int id, unsigned state) {
    Window *item = control(dialog, id);
    if (item == nullptr || !hasCheck(item))
        return false;
    item->checked = std::min(state, 2u);
    return true;
}

unsigned isDlgButtonChecked(Hwnd dialog, int id) {
    Window *item = control(dialog, id);
    return item != nullptr && hasCheck(item) ? item->checked : 0;
}

bool setDlgItemText(Hwnd dialog, int id, const char *text) {
    Window *item = control(dialog, id);
    if (item == nullptr)
        return false;
    item->text = text != nullptr ? text : "";
    return true;
}

std::size_t getDlgItemText(Hwnd dialog, int id, char *buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    Window *item = control(dialog, id);
    if (item == nullptr)
        return 0;
    return static_cast<std::size_t>(
        sendMessage(item, WM_GETTEXT, size, reinterpret_cast<LParam>(buffer)));
}

std::intptr_t setWindowLong(Hwnd window, int index, std::intptr_t value) {
    if (!isLive(window))
        return 0;
    std::intptr_t *word = nullptr;
    if (index == GWL_USERDATA)
        word = &window->userData;
    else if (window->isDialog && index == DWL_USER)
        word = &window->user;
    else if (window->isDialog && index == DWL_MSGRESULT)
        word = &window->msgResult;
    if (word == nullptr)
        return 0;
    std::intptr_t previous = *word;
    *word = value;
    return previous;
}

std::intptr_t getWindowLong(Hwnd window, int index) {
    if (!isLive(window))
        return 0;
    if (index == GWL_USERDATA)
        return window->userData;
    if (window->isDialog && index == DWL_USER)
        return window->user;
    if (window->isDialog && index == DWL_MSGRESULT)
        return window->msgResult;
    return 0;
}

} // namespace ux::platform
