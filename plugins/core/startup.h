// startup.h - counted start-up and language resources, shared by every plug-in.
//
// Each plug-in holds one PluginStartup (library-wide state: one copy per loaded
// plug-in, because uxcore is linked into each shared object) and forwards its
// initialise and terminate exports to it:
//
//     static const ux::TextSpec kTexts[] = {{1000}, {1001}, {1002}, {1003}, {1004}};
//     static ux::PluginStartup gStartup("lngpln", &kOwnResources, kTexts);
//     extern "C" uint32_t UXFInitialize(uint32_t) { return gStartup.initialize(); }
//     extern "C" uint32_t UXFTerminate(void) { return gStartup.terminate(); }
//
// The first initialize():
//   1. finds the language library: the plug-in's own path, `sLanguage` of
//      section `intl` of the profile, its first two characters; base name +
//      those two + ".so" in the plug-in's directory, accepted only when it
//      exports GetResDllVersion answering UX_RESDLL_VERSION (and its tables);
//   2. loads each text by number from the resource module (the accepted
//      language library, else the plug-in's own tables) into a buffer of the
//      text's size (255, or 16 for one-character texts) and keeps a copy.
//   A missing required text answers 7, a failed copy 2. Then the language
//   library is released, the plug-in's own tables become the resource module
//   and the texts are loaded from them, so the plug-in goes on working with
//   its own texts; the use count stays raised, and later calls answer 0.
// Later initialize() calls only count. The terminate() that brings the count
// to 0 releases the language library and the texts.
//
// Not thread-safe: the engine calls a plug-in from one thread at a time.
#ifndef UX_STARTUP_H
#define UX_STARTUP_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/platform.h"
#include "core/resources.h"

namespace ux {

// The resource text buffer sizes.
inline constexpr std::size_t kTextBuffer = 255;
inline constexpr std::size_t kShortTextBuffer = 16; // one-character texts

// One text a plug-in loads at start-up.
struct TextSpec {
    std::uint32_t id;
    std::size_t bufferSize = kTextBuffer; // the text is cut to bufferSize - 1
    bool required = true;                 // false: an absent text is the empty text
};

class PluginStartup {
public:
    // `baseName`: the six-character language library base name ("lngpln").
    // `ownResources`: the plug-in's own tables (static data).
    // `texts`: the texts loaded at start-up (static data).
    // `modulePath`: the plug-in's file path, whose directory holds the
    // language library; null means the module that contains this code
    // (tests pass a path of their own).
    PluginStartup(const char *baseName, const UXResourceTables *ownResources,
                  std::span<const TextSpec> texts, const char *modulePath = nullptr);
    ~PluginStartup();
    PluginStartup(const PluginStartup &) = delete;
    PluginStartup &operator=(const PluginStartup &) = delete;

    // Counted start-up. Returns 0 (also when already initialised), 7 or 2.
    std::uint32_t initialize();
    // Lowers the count; at 0 or below releases the library and the texts.
    // Returns 0.
    std::uint32_t terminate();

    // A text loaded at start-up (by number), or null when it is not loaded.
    // Valid until the balancing terminate().
    const char *text(std::uint32_t id) const;

    // Loads a further text on demand from the resource module into `buffer`
    // (cut to size - 1); a text the language library lacks comes from the
    // plug-in's own tables. Returns its length, 0 when it is missing.
    std::size_t loadText(std::uint32_t id, char *buffer, std::size_t size) const;

    // The module texts and dialogs are loaded from: the language library's
    // tables while one is accepted, else the plug-in's own.
    const platform::ResourceModule &resources() const { return resources_; }
    // The module that holds dialog `name`: the resource module, or the
    // plug-in's own tables when a language library lacks the dialog (the
    // dialog is then shown in the plug-in's language rather than not at all).
    const platform::ResourceModule &dialogModule(const char *name) const;

    int useCount() const { return useCount_; }
    bool languageLibraryLoaded() const { return library_ != nullptr; }

private:
    void findLanguageLibrary();
    void releaseLanguageLibrary();
    std::uint32_t loadTexts();
    void freeTexts();

    const char *baseName_;
    const UXResourceTables *ownResources_;
    std::span<const TextSpec> specs_;
    const char *modulePath_;
    int useCount_ = 0;
    void *library_ = nullptr;
    int libraryUses_ = 0;
    platform::ResourceModule resources_;
    platform::ResourceModule own_;
    char **texts_ = nullptr; // one allocated copy per spec, parallel to specs_
};

} // namespace ux

#endif // UX_STARTUP_H
