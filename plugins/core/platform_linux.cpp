// platform_linux.cpp - the plug-ins' platform layer on Linux: modules and
// libraries (dladdr, dlopen), the win.ini profile file, the host interface
// with message boxes, the Save dialog and font measurement, files and
// lower-casing. The dialog manager is in platform_dialogs.cpp.
#include "core/platform.h"

#include <dlfcn.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace ux::platform {

namespace {

// Copies `text` into `buffer` (cut to size - 1); returns the characters copied.
std::size_t copyCut(const char *text, char *buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::size_t length = text == nullptr ? 0 : std::strlen(text);
    if (length > size - 1)
        length = size - 1;
    if (length != 0)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return length;
}

// Copies `text` only when it fits whole; returns its length, else 0.
std::size_t copyWhole(const std::string &text, char *buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    if (text.empty() || text.size() >= size)
        return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return text.size();
}

std::string trim(const std::string &text) {
    const char *blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Looks `key` of `section` up in the profile file; true when found.
bool lookUpProfile(const char *section, const char *key, std::string &value) {
    if (section == nullptr || key == nullptr)
        return false;
    char path[PATH_MAX];
    if (profilePath(path, sizeof path) == 0)
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string line;
    bool inSection = false;
    while (std::getline(file, line)) {
        std::string text = trim(line);
        if (text.empty() || text[0] == ';')
            continue;
        if (text[0] == '[') {
            std::size_t close = text.find(']');
            std::string name =
                trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = strcasecmp(name.c_str(), section) == 0;
            continue;
        }
        if (!inSection)
            continue;
        std::size_t equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        if (strcasecmp(trim(text.substr(0, equals)).c_str(), key) != 0)
            continue;
        value = trim(text.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return true;
    }
    return false;
}

bool gHostInstalled = false;
UXHostInterface gHost{};

} // namespace

// ---------------------------------------------------------------------------
// Modules and libraries

std::size_t moduleFilePath(const void *address, char *buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] == '\0')
        return 0;
    std::string path = info.dli_fname;
    if (path.find('/') == std::string::npos) {
        // The main program is reported by its bare name.
        char self[PATH_MAX];
        ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
        if (length <= 0)
            return 0;
        self[length] = '\0';
        path = self;
    } else {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr)
            path = resolved;
    }
    return copyWhole(path, buffer, size);
}

void *loadLibrary(const char *path) {
    if (path == nullptr || path[0] == '\0')
        return nullptr;
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

void *findSymbol(void *library, const char *name) {
    if (library == nullptr || name == nullptr)
        return nullptr;
    return dlsym(library, name);
}

void freeLibrary(void *library) {
    if (library != nullptr)
        dlclose(library);
}

// ---------------------------------------------------------------------------
// Profile

std::size_t profilePath(char *buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    const char *profile = std::getenv("UX_PROFILE");
    if (profile != nullptr && profile[0] != '\0')
        return copyWhole(profile, buffer, size);
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] != '\0')
        return copyWhole(std::string(config) + "/win.ini", buffer, size);
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return copyWhole(std::string(home) + "/.config/win.ini", buffer, size);
    return 0;
}

std::size_t profileString(const char *section, const char *key, const char *fallback, char *buffer,
                          std::size_t size) {
    std::string value;
    if (lookUpProfile(section, key, value))
        return copyCut(value.c_str(), buffer, size);
    return copyCut(fallback, buffer, size);
}

int profileInt(const char *section, const char *key, int fallback) {
    std::string value;
    if (!lookUpProfile(section, key, value))
        return fallback;
    const char *text = value.c_str();
    char *end = nullptr;
    errno = 0;
    long number = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || number < INT_MIN || number > INT_MAX)
        return fallback;
    return static_cast<int>(number);
}

// ---------------------------------------------------------------------------
// Host interface

std::uint32_t setHostInterface(const UXHostInterface *host) {
    if (host == nullptr) {
        gHostInstalled = false;
        gHost = UXHostInterface{};
        return 0;
    }
    if (host->size != sizeof(UXHostInterface) || host->version != UXHOST_VERSION)
        return 5;
    gHost = *host;
    gHostInstalled = true;
    return 0;
}

const UXHostInterface *hostInterface() {
    return gHostInstalled ? &gHost : nullptr;
}

int messageBox(void *owner, const char *text, const char *caption, std::uint32_t type) {
    const UXHostInterface *host = hostInterface();
    if (host == nullptr || host->message_box == nullptr)
        return UXHOST_IDCANCEL;
    int answer = host->message_box(host->context, owner, text != nullptr ? text : "",
                                   caption != nullptr ? caption : "", type);
    return answer <= 0 ? UXHOST_IDCANCEL : answer;
}

bool saveFileDialog(UXHostSaveFile &request) {
    request.size = sizeof(UXHostSaveFile);
    if (request.file == nullptr || request.file_capacity == 0)
        return false;
    const UXHostInterface *host = hostInterface();
    if (host == nullptr || host->save_file == nullptr)
        return false;
    if (host->save_file(host->context, &request) == 0)
        return false;
    // The chosen name must be terminated inside its buffer.
    if (std::memchr(request.file, '\0', request.file_capacity) == nullptr) {
        request.file[request.file_capacity - 1] = '\0';
        return false;
    }
    if (request.file_title != nullptr && request.file_title_capacity != 0)
        request.file_title[request.file_title_capacity - 1] = '\0';
    return true;
}

bool averageCharWidth(void *dc, void *font, int &width) {
    const UXHostInterface *host = hostInterface();
    if (host == nullptr || host->average_char_width == nullptr)
        return false;
    std::int32_t measured = 0;
    if (host->average_char_width(host->context, dc, font, &measured) == 0 || measured <= 0)
        return false;
    width = measured;
    return true;
}

// ---------------------------------------------------------------------------
// Files and texts

FileState fileState(const char *path) {
    if (path == nullptr || path[0] == '\0')
        return FileState::Missing;
    struct stat info {};
    if (stat(path, &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::ReadOnly;
    // Directories and files without any write permission cannot be replaced,
    // whoever runs the program.
    if (S_ISDIR(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return FileState::ReadOnly;
    return access(path, W_OK) == 0 ? FileState::Writable : FileState::ReadOnly;
}

bool deleteFile(const char *path) {
    return path != nullptr && unlink(path) == 0;
}

bool fileNamesIgnoreCase() {
    return false;
}

void lowerCase(char *text) {
    if (text == nullptr)
        return;
    for (unsigned char *c = reinterpret_cast<unsigned char *>(text); *c != 0; ++c) {
        if (*c >= 'A' && *c <= 'Z')
            *c = static_cast<unsigned char>(*c + 0x20);
        else if (*c >= 0xC0 && *c <= 0xDE && *c != 0xD7) // Latin-1 capitals, not the sign ×
            *c = static_cast<unsigned char>(*c + 0x20);
        else if (*c == 0x8A || *c == 0x8C || *c == 0x8E) // Š Œ Ž
            *c = static_cast<unsigned char>(*c + 0x10);
        else if (*c == 0x9F) // Ÿ
            *c = 0xFF;
    }
}

} // namespace ux::platform

extern "C" UXHOST_EXPORT uint32_t UXSetHostInterface(const UXHostInterface *host) {
    return ux::platform::setHostInterface(host);
}
