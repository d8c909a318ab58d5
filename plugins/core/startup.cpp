// startup.cpp - counted start-up and language resources (see startup.h).
#include "core/startup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace ux {

namespace {

// Path buffers of the module file and the language library.
constexpr std::size_t kPathBuffer = 260;
// The profile value sLanguage is read into a buffer of this size.
constexpr std::size_t kLanguageBuffer = 257;

// An address inside this module: uxcore is linked into each plug-in, so it
// names the plug-in's own shared object.
void moduleAnchor() {}

} // namespace

PluginStartup::PluginStartup(const char *baseName, const UXResourceTables *ownResources,
                             std::span<const TextSpec> texts, const char *modulePath)
    : baseName_(baseName), ownResources_(ownResources), specs_(texts), modulePath_(modulePath) {
    resources_.tables = ownResources_;
    own_.tables = ownResources_;
}

PluginStartup::~PluginStartup() {
    freeTexts();
    releaseLanguageLibrary();
}

std::uint32_t PluginStartup::initialize() {
    if (useCount_++ >= 1)
        return 0;
    std::uint32_t result = 0;
    try {
        findLanguageLibrary();
    } catch (const std::bad_alloc &) {
        result = 2;
    }
    if (result == 0)
        result = loadTexts();
    if (result != 0) {
        // The language library failed us: go on with the plug-in's own
        // resources. The caller still learns about the failure.
        freeTexts();
        releaseLanguageLibrary();
        if (loadTexts() != 0)
            freeTexts();
    }
    return result;
}

std::uint32_t PluginStartup::terminate() {
    if (useCount_ <= 0)
        return 0; // unbalanced: nothing is held any more
    if (--useCount_ <= 0) {
        useCount_ = 0;
        freeTexts();
        releaseLanguageLibrary();
    }
    return 0;
}

const char *PluginStartup::text(std::uint32_t id) const {
    if (texts_ == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < specs_.size(); ++i)
        if (specs_[i].id == id)
            return texts_[i];
    return nullptr;
}

std::size_t PluginStartup::loadText(std::uint32_t id, char *buffer, std::size_t size) const {
    std::size_t length = platform::loadString(resources_, id, buffer, size);
    if (length == 0 && resources_.tables != ownResources_) {
        // A text the language library lacks is shown in the plug-in's language.
        platform::ResourceModule own{ownResources_};
        length = platform::loadString(own, id, buffer, size);
    }
    return length;
}

const platform::ResourceModule &PluginStartup::dialogModule(const char *name) const {
    return platform::findDialog(resources_, name) != nullptr ? resources_ : own_;
}

void PluginStartup::findLanguageLibrary() {
    releaseLanguageLibrary();
    if (baseName_ == nullptr)
        return;

    // The plug-in's own file; its directory holds the language library. On
    // this platform module paths need no conversion of character sets.
    char path[kPathBuffer];
    std::size_t length = 0;
    if (modulePath_ != nullptr) {
        length = std::strlen(modulePath_);
        if (length >= sizeof path)
            return;
        std::memcpy(path, modulePath_, length + 1);
    } else {
        length = platform::moduleFilePath(reinterpret_cast<const void *>(&moduleAnchor), path,
                                          sizeof path);
    }
    if (length == 0)
        return;
    std::string directory(path, length);
    std::size_t slash = directory.find_last_of('/');
    // A bare file name lies in the current directory; "./" keeps the loader
    // from searching its own paths.
    directory = slash == std::string::npos ? std::string("./") : directory.substr(0, slash + 1);

    char language[kLanguageBuffer];
    if (platform::profileString("intl", "sLanguage", "", language, sizeof language) == 0)
        return;
    std::string letters(language, std::min<std::size_t>(2, std::strlen(language)));
    if (letters.find('/') != std::string::npos)
        return; // never leave the directory

    std::string name = directory + baseName_ + letters + ".so";
    if (name.size() >= kPathBuffer)
        return;

    void *library = platform::loadLibrary(name.c_str());
    if (library == nullptr)
        return;
    auto version = reinterpret_cast<UXGetResDllVersionFn>(
        platform::findSymbol(library, UX_RESDLL_VERSION_SYMBOL));
    auto tables = reinterpret_cast<UXGetResourceTablesFn>(
        platform::findSymbol(library, UX_RESDLL_TABLES_SYMBOL));
    const UXResourceTables *found = nullptr;
    if (version != nullptr && version() == UX_RESDLL_VERSION && tables != nullptr)
        found = tables();
    if (found == nullptr) {
        platform::freeLibrary(library);
        return;
    }
    library_ = library;
    libraryUses_ = 1;
    resources_.tables = found;
}

void PluginStartup::releaseLanguageLibrary() {
    if (library_ != nullptr && --libraryUses_ <= 0) {
        platform::freeLibrary(library_);
        library_ = nullptr;
        libraryUses_ = 0;
    }
    resources_.tables = ownResources_;
}

std::uint32_t PluginStartup::loadTexts() {
    freeTexts();
    if (specs_.empty())
        return 0;
    texts_ = static_cast<char **>(std::calloc(specs_.size(), sizeof(char *)));
    if (texts_ == nullptr)
        return 2;
    // Every text is looked up first, so that a missing required one is
    // reported before anything is copied; then each is loaded again into its
    // buffer and copied.
    char buffer[kTextBuffer];
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < specs_.size(); ++i) {
            const TextSpec &spec = specs_[i];
            std::size_t size = std::min(spec.bufferSize, sizeof buffer);
            std::size_t length = platform::loadString(resources_, spec.id, buffer, size);
            if (length == 0 && spec.required)
                return 7;
            if (pass == 0)
                continue;
            texts_[i] = static_cast<char *>(std::malloc(length + 1));
            if (texts_[i] == nullptr)
                return 2;
            std::memcpy(texts_[i], buffer, length);
            texts_[i][length] = '\0';
        }
    }
    return 0;
}

void PluginStartup::freeTexts() {
    if (texts_ == nullptr)
        return;
    for (std::size_t i = 0; i < specs_.size(); ++i)
        std::free(texts_[i]);
    std::free(texts_);
    texts_ = nullptr;
}

} // namespace ux
