// resources.cpp - string and dialog resources looked up in compiled tables.
#include "core/platform.h"

#include <cstring>
#include <strings.h>

namespace ux::platform {

std::size_t loadString(const ResourceModule &module, std::uint32_t id, char *buffer,
                       std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    const UXResourceTables *tables = module.tables;
    if (tables == nullptr || tables->strings == nullptr)
        return 0;
    for (std::uint32_t i = 0; i < tables->string_count; ++i) {
        const UXStringResource &entry = tables->strings[i];
        if (entry.id != id || entry.text == nullptr)
            continue;
        std::size_t length = std::strlen(entry.text);
        if (length > size - 1)
            length = size - 1;
        std::memcpy(buffer, entry.text, length);
        buffer[length] = '\0';
        return length;
    }
    return 0;
}

const UXDialogResource *findDialog(const ResourceModule &module, const char *name) {
    const UXResourceTables *tables = module.tables;
    if (name == nullptr || tables == nullptr || tables->dialogs == nullptr)
        return nullptr;
    for (std::uint32_t i = 0; i < tables->dialog_count; ++i) {
        const UXDialogResource &dialog = tables->dialogs[i];
        if (dialog.name != nullptr && strcasecmp(dialog.name, name) == 0)
            return &dialog;
    }
    return nullptr;
}

} // namespace ux::platform
