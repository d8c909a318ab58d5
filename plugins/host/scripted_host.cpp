// scripted_host.cpp - the scripted host interface (see scripted_host.h).
#include "host/scripted_host.h"

#include <dlfcn.h>

#include <cstring>

namespace uxhost {

namespace {

std::optional<std::string> optionalText(const char *text) {
    if (text == nullptr)
        return std::nullopt;
    return std::string(text);
}

// Splits a filter "a\0b\0...\0\0" into its texts (bounded, in case a
// plug-in forgets the closing NUL).
std::vector<std::string> splitFilter(const char *filter) {
    std::vector<std::string> parts;
    constexpr std::size_t kMaxFilter = 4096;
    std::size_t offset = 0;
    while (offset < kMaxFilter && filter[offset] != '\0') {
        std::size_t length = strnlen(filter + offset, kMaxFilter - offset);
        parts.emplace_back(filter + offset, length);
        offset += length + 1;
    }
    return parts;
}

ScriptedHost *self(void *context) {
    return static_cast<ScriptedHost *>(context);
}

} // namespace

ScriptedHost::ScriptedHost() {
    interface_.size = sizeof(UXHostInterface);
    interface_.version = UXHOST_VERSION;
    interface_.context = this;
    interface_.message_box = &ScriptedHost::messageBox;
    interface_.run_dialog = &ScriptedHost::runDialog;
    interface_.save_file = &ScriptedHost::saveFile;
    interface_.average_char_width = &ScriptedHost::averageCharWidth;
}

bool ScriptedHost::installInto(void *pluginHandle) const {
    if (pluginHandle == nullptr)
        return false;
    auto install =
        reinterpret_cast<UXSetHostInterfaceFn>(dlsym(pluginHandle, "UXSetHostInterface"));
    return install != nullptr && install(&interface_) == 0;
}

bool ScriptedHost::uninstallFrom(void *pluginHandle) {
    if (pluginHandle == nullptr)
        return false;
    auto install =
        reinterpret_cast<UXSetHostInterfaceFn>(dlsym(pluginHandle, "UXSetHostInterface"));
    return install != nullptr && install(nullptr) == 0;
}

void ScriptedHost::queueBoxAnswer(std::int32_t answer) {
    boxAnswers_.push_back(answer);
}

void ScriptedHost::queueDialogAnswer(DialogAnswer answer) {
    dialogAnswers_.push_back(std::move(answer));
}

void ScriptedHost::queueSaveAnswer(std::string name) {
    saveAnswers_.emplace_back(std::move(name));
}

void ScriptedHost::queueSaveCancel() {
    saveAnswers_.emplace_back(std::nullopt);
}

void ScriptedHost::clearRecords() {
    boxes_.clear();
    dialogs_.clear();
    saves_.clear();
    fonts_.clear();
}

const ScriptedHost::ControlRecord *ScriptedHost::DialogRecord::control(std::int32_t id) const {
    for (const ControlRecord &item : controls)
        if (item.id == id)
            return &item;
    return nullptr;
}

std::int32_t ScriptedHost::messageBox(void *context, void *owner, const char *text,
                                      const char *caption, std::uint32_t type) {
    ScriptedHost &host = *self(context);
    std::int32_t answer = UXHOST_IDCANCEL;
    if (!host.boxAnswers_.empty()) {
        answer = host.boxAnswers_.front();
        host.boxAnswers_.pop_front();
    }
    host.boxes_.push_back(
        {owner, text != nullptr ? text : "", caption != nullptr ? caption : "", type, answer});
    return answer;
}

std::int32_t ScriptedHost::runDialog(void *context, void *owner, UXHostDialog *dialog) {
    ScriptedHost &host = *self(context);
    DialogRecord record{owner, {}, {}, {}, 0, {}, UXHOST_IDCANCEL};
    if (dialog == nullptr)
        return 0;
    record.name = dialog->name != nullptr ? dialog->name : "";
    record.caption = dialog->caption != nullptr ? dialog->caption : "";
    record.fontName = dialog->font_name != nullptr ? dialog->font_name : "";
    record.pointSize = dialog->point_size;
    for (std::uint32_t i = 0; i < dialog->control_count; ++i) {
        const UXHostControl &item = dialog->controls[i];
        record.controls.push_back({item.id, item.kind, item.checked,
                                   item.text != nullptr ? item.text : "", item.text_limit,
                                   item.text_capacity});
    }
    DialogAnswer answer;
    answer.button = UXHOST_IDCANCEL;
    if (!host.dialogAnswers_.empty()) {
        answer = std::move(host.dialogAnswers_.front());
        host.dialogAnswers_.pop_front();
    }
    // Apply the scripted states as a user would: only to controls that take
    // them, and never typing more than the box accepts.
    for (std::uint32_t i = 0; i < dialog->control_count; ++i) {
        UXHostControl &item = dialog->controls[i];
        auto check = answer.checks.find(item.id);
        if (check != answer.checks.end() &&
            (item.kind == UXHOST_CONTROL_CHECKBOX || item.kind == UXHOST_CONTROL_RADIO))
            item.checked = check->second;
        auto typed = answer.texts.find(item.id);
        if (typed != answer.texts.end() && item.kind == UXHOST_CONTROL_EDIT &&
            item.text != nullptr && item.text_capacity != 0) {
            std::size_t length = typed->second.size();
            if (length > item.text_limit)
                length = item.text_limit;
            if (length > item.text_capacity - 1)
                length = item.text_capacity - 1;
            std::memcpy(item.text, typed->second.data(), length);
            item.text[length] = '\0';
        }
    }
    record.button = answer.button;
    host.dialogs_.push_back(std::move(record));
    return answer.button;
}

std::int32_t ScriptedHost::saveFile(void *context, UXHostSaveFile *request) {
    ScriptedHost &host = *self(context);
    if (request == nullptr)
        return 0;
    SaveRecord record{};
    record.owner = request->owner;
    record.hasFilter = request->filter != nullptr;
    if (record.hasFilter)
        record.filter = splitFilter(request->filter);
    record.filterIndex = request->filter_index;
    if (request->file != nullptr && request->file_capacity != 0)
        record.file.assign(request->file, strnlen(request->file, request->file_capacity));
    record.fileCapacity = request->file_capacity;
    record.hasFileTitle = request->file_title != nullptr;
    record.initialDir = optionalText(request->initial_dir);
    record.title = optionalText(request->title);
    record.flags = request->flags;
    record.defaultExt = optionalText(request->default_ext);
    record.chosen = false;

    std::optional<std::string> answer;
    if (!host.saveAnswers_.empty()) {
        answer = std::move(host.saveAnswers_.front());
        host.saveAnswers_.pop_front();
    }
    if (answer && request->file != nullptr && answer->size() < request->file_capacity) {
        std::memcpy(request->file, answer->c_str(), answer->size() + 1);
        record.chosen = true;
        record.answer = *answer;
    }
    host.saves_.push_back(std::move(record));
    return host.saves_.back().chosen ? 1 : 0;
}

std::int32_t ScriptedHost::averageCharWidth(void *context, void *dc, void *font,
                                            std::int32_t *width) {
    ScriptedHost &host = *self(context);
    FontRecord record{dc, font, false, 0};
    if (!host.measurementFails_ && width != nullptr) {
        auto known = host.fontWidths_.find(font);
        record.width = known != host.fontWidths_.end() ? known->second : host.defaultFontWidth_;
        record.measured = true;
        *width = record.width;
    }
    host.fonts_.push_back(record);
    return record.measured ? 1 : 0;
}

} // namespace uxhost
