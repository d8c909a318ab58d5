// destfile.cpp - the "Disk file" export destination.
//
// Asks the user for the file that receives an export (Save dialog, overwrite
// question), deletes an existing file the user agreed to replace, and hands
// the chosen names to the engine, which writes the file itself.
#include "destfile/destfile.h"

#include <cstdlib>
#include <cstring>

#include "core/platform.h"
#include "core/startup.h"
#include "core/uxd_abi.h"

namespace {

namespace platform = ux::platform;

static_assert(UXD_SAVE_DIALOG_FLAGS ==
                  (UXHOST_OFN_HIDEREADONLY | UXHOST_OFN_NOCHANGEDIR | UXHOST_OFN_PATHMUSTEXIST |
                   UXHOST_OFN_SHAREAWARE | UXHOST_OFN_NOTESTFILECREATE),
              "the Save dialog's option bits");

const ux::TextSpec kStartupTexts[] = {{UXD_TEXT_NAME}};
ux::PluginStartup gStartup(destfile::kLanguageBaseName, &destfile::kOwnResources, kStartupTexts);

DestinationEntry gEntry = {sizeof(DestinationEntry), nullptr, 0};
const DestinationEntry *const gEntries[] = {&gEntry};
const DestinationTable gTable = {sizeof(DestinationTable), 1, gEntries};

// Stored-form options: the size word, then the name and its NUL; the size is
// the name's length plus 7.
constexpr std::size_t kStoredOverhead = 7;
constexpr std::size_t kDecodedSize = sizeof(DestinationOptions);

std::uint16_t sizeWord(const void *blob) {
    std::uint16_t word;
    std::memcpy(&word, blob, sizeof word);
    return word;
}

// Copies `name` into a name buffer; 5 when it does not fit.
std::uint32_t copyName(char *buffer, const char *name) {
    if (name == nullptr)
        name = "";
    std::size_t length = strnlen(name, UXD_NAME_BUFFER);
    if (length >= UXD_NAME_BUFFER)
        return UX_EINVALID;
    std::memcpy(buffer, name, length + 1);
    return UX_OK;
}

// The name an options blob carries: *found is false when it carries none.
std::uint32_t nameFromOptions(const void *options, char *buffer, bool *found) {
    *found = false;
    if (options == nullptr)
        return UX_OK;
    std::uint16_t word = sizeWord(options);
    const char *bytes = static_cast<const char *>(options);
    if ((word & UX_BLOB_STORED) != 0) {
        // Stored form: the name follows inline and ends inside the blob.
        std::size_t size = word & ~UX_BLOB_STORED;
        if (size <= sizeof word)
            return UX_EINVALID;
        const void *end = std::memchr(bytes + sizeof word, '\0', size - sizeof word);
        if (end == nullptr)
            return UX_EINVALID;
        *found = true;
        return copyName(buffer, bytes + sizeof word);
    }
    if (word < kDecodedSize)
        return UX_OK;
    const char *name;
    std::memcpy(&name, bytes + offsetof(DestinationOptions, name), sizeof name);
    if (name == nullptr)
        return UX_OK;
    *found = true;
    return copyName(buffer, name);
}

} // namespace

struct UXDInstance {
    void *owner;
    DestinationInfo info;
    char **names;
    void *stored; // the last stored-form options blob
};

namespace {

void destroy(UXDInstance *instance) {
    if (instance == nullptr)
        return;
    if (instance->names != nullptr) {
        for (std::uint16_t i = 0; i < instance->info.name_count; ++i)
            std::free(instance->names[i]);
        std::free(instance->names);
    }
    std::free(instance->stored);
    std::free(instance);
}

int showMessage(void *owner, std::uint32_t textId, std::uint32_t type) {
    char caption[ux::kTextBuffer];
    char text[ux::kTextBuffer];
    gStartup.loadText(UXD_TEXT_EXISTS_CAPTION, caption, sizeof caption);
    gStartup.loadText(textId, text, sizeof text);
    return platform::messageBox(owner, text, caption, type);
}

// Names one file into `buffer` (UXD_NAME_BUFFER characters).
std::uint32_t nameFile(const UXDInstance &instance, const void *options, const FileRequest &request,
                       char *buffer) {
    if (request.name_fixed != 0)
        return copyName(buffer, request.fixed_name);

    bool found = false;
    std::uint32_t result = nameFromOptions(options, buffer, &found);
    if (result != UX_OK || found)
        return result;

    // The filter: description, NUL, pattern, NUL and a closing NUL.
    char filter[UXD_FILTER_BUFFER];
    bool hasFilter = request.filter_description != nullptr && request.filter_pattern != nullptr;
    if (hasFilter) {
        std::size_t description = strnlen(request.filter_description, sizeof filter);
        std::size_t pattern = strnlen(request.filter_pattern, sizeof filter);
        if (description + pattern + 3 > sizeof filter)
            return UX_EINVALID;
        std::memcpy(filter, request.filter_description, description);
        filter[description] = '\0';
        std::memcpy(filter + description + 1, request.filter_pattern, pattern);
        filter[description + 1 + pattern] = '\0';
        filter[description + pattern + 2] = '\0';
    }

    const char *prefill = request.initial_name != nullptr     ? request.initial_name
                          : request.filter_pattern != nullptr ? request.filter_pattern
                                                              : "*.*";
    result = copyName(buffer, prefill);
    if (result != UX_OK)
        return result;

    UXHostSaveFile dialog{};
    dialog.owner = instance.owner;
    dialog.filter = hasFilter ? filter : nullptr;
    dialog.filter_index = hasFilter ? 1 : 0;
    dialog.file = buffer;
    dialog.file_capacity = UXD_NAME_BUFFER;
    dialog.file_title = nullptr;
    dialog.file_title_capacity = 0;
    dialog.initial_dir = request.initial_dir;
    dialog.title = request.title;
    dialog.flags = UXD_SAVE_DIALOG_FLAGS;
    dialog.default_ext = request.default_extension;
    if (!platform::saveFileDialog(dialog))
        return UX_ECANCELLED;

    // The name is handed over as chosen: only where the file system ignores
    // case may it be lower-cased without naming another file.
    if (platform::fileNamesIgnoreCase())
        platform::lowerCase(buffer);

    switch (platform::fileState(buffer)) {
    case platform::FileState::Missing:
        break;
    case platform::FileState::ReadOnly:
        showMessage(instance.owner, UXD_TEXT_READ_ONLY, UXHOST_MB_OK | UXHOST_MB_ICONSTOP);
        return UX_ECANCELLED;
    case platform::FileState::Writable:
        if (showMessage(instance.owner, UXD_TEXT_OVERWRITE,
                        UXHOST_MB_YESNO | UXHOST_MB_ICONQUESTION) != UXHOST_IDYES)
            return UX_ECANCELLED;
        // Not checked: when it fails, the engine meets the old file as it writes.
        platform::deleteFile(buffer);
        break;
    }
    return UX_OK;
}

} // namespace

extern "C" {

UX_EXPORT uint32_t UXDInitialize(uint32_t) {
    std::uint32_t result = gStartup.initialize();
    gEntry.name = gStartup.text(UXD_TEXT_NAME);
    return result;
}

UX_EXPORT uint32_t UXDTerminate(void) {
    gStartup.terminate();
    gEntry.name = gStartup.text(UXD_TEXT_NAME);
    return UX_OK;
}

UX_EXPORT uint16_t UXDGetVersion(void) {
    return UX_INTERFACE_VERSION;
}

UX_EXPORT const DestinationTable *UXDGetExportDestinations(void) {
    return &gTable;
}

UX_EXPORT uint32_t UXDInitExportDestination(void *owner, uint32_t, const void *options,
                                            const DestinationRequest *request,
                                            UXDInstance **instance, DestinationInfo **info) {
    if (instance != nullptr)
        *instance = nullptr;
    if (info != nullptr)
        *info = nullptr;
    if (request == nullptr || instance == nullptr || info == nullptr)
        return UX_EINVALID;
    std::uint16_t count = request->file_count;
    if (count != 0 && request->files == nullptr)
        return UX_EINVALID;

    auto *created = static_cast<UXDInstance *>(std::calloc(1, sizeof(UXDInstance)));
    char **names = static_cast<char **>(std::calloc(count == 0 ? 1 : count, sizeof(char *)));
    if (created == nullptr || names == nullptr) {
        std::free(created);
        std::free(names);
        return UX_ENOMEM;
    }
    created->owner = owner;
    created->info.size = sizeof(DestinationInfo);
    created->info.name_count = count;
    created->info.names = names;
    created->names = names;

    for (std::uint16_t i = 0; i < count; ++i) {
        std::uint32_t result = UX_OK;
        const FileRequest *file = request->files[i];
        names[i] = static_cast<char *>(std::calloc(UXD_NAME_BUFFER, 1));
        if (names[i] == nullptr)
            result = UX_ENOMEM;
        else if (file == nullptr)
            result = UX_EINVALID;
        else
            result = nameFile(*created, options, *file, names[i]);
        if (result != UX_OK) {
            destroy(created);
            return result;
        }
    }
    *instance = created;
    *info = &created->info;
    return UX_OK;
}

UX_EXPORT uint32_t UXDTermExportDestination(UXDInstance *instance, uint32_t) {
    destroy(instance);
    return UX_OK;
}

UX_EXPORT uint32_t UXDEncodeDestinationOptions(UXDInstance *instance, const void **blob,
                                               uint16_t *size) {
    if (blob != nullptr)
        *blob = nullptr;
    if (size != nullptr)
        *size = 0;
    if (instance == nullptr || blob == nullptr || size == nullptr)
        return UX_EINVALID;
    if (instance->info.name_count == 0)
        return UX_EINVALID; // no name to keep
    const char *name = instance->names[0];
    std::size_t length = std::strlen(name);
    std::size_t total = length + kStoredOverhead;
    std::free(instance->stored);
    instance->stored = std::calloc(total, 1);
    if (instance->stored == nullptr)
        return UX_ENOMEM;
    std::uint16_t word = static_cast<std::uint16_t>(total | UX_BLOB_STORED);
    char *bytes = static_cast<char *>(instance->stored);
    std::memcpy(bytes, &word, sizeof word);
    std::memcpy(bytes + sizeof word, name, length + 1);
    *blob = instance->stored;
    *size = static_cast<std::uint16_t>(total);
    return UX_OK;
}

UX_EXPORT uint32_t UXDDecodeDestinationOptions(UXDInstance *instance, void **blob) {
    if (blob != nullptr)
        *blob = nullptr;
    if (instance == nullptr || blob == nullptr)
        return UX_EINVALID;
    if (instance->info.name_count == 0)
        return UX_EINVALID;
    auto *decoded = static_cast<DestinationOptions *>(std::malloc(kDecodedSize));
    char *copy = strdup(instance->names[0]);
    if (decoded == nullptr || copy == nullptr) {
        std::free(decoded);
        std::free(copy);
        return UX_ENOMEM;
    }
    decoded->size = kDecodedSize;
    decoded->name = copy;
    *blob = decoded;
    return UX_OK;
}

UX_EXPORT uint32_t UXDFreeDestinationOptions(uint32_t, void *blob) {
    // Only the decoded form is the caller's to free; a stored-form blob
    // belongs to its instance.
    if (blob == nullptr || sizeWord(blob) != kDecodedSize)
        return UX_OK;
    auto *decoded = static_cast<DestinationOptions *>(blob);
    std::free(decoded->name);
    std::free(decoded);
    return UX_OK;
}

UX_EXPORT uint32_t UXDExportToDestination(UXDInstance *, uint32_t) {
    return UX_OK;
}

UX_EXPORT const char *UXDGetErrorText(UXDInstance *) {
    return nullptr;
}

} // extern "C"
