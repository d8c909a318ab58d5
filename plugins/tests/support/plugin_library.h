// plugin_library.h - test helpers: a plug-in loaded from the module
// directory, a private temporary directory, and a private win.ini profile.
#ifndef UXTEST_PLUGIN_LIBRARY_H
#define UXTEST_PLUGIN_LIBRARY_H

#include <optional>
#include <string>

namespace uxtest {

// The directory where the build puts every plug-in and language library.
std::string moduleDir();

// A plug-in (or language library) loaded with dlopen from moduleDir().
class PluginLibrary {
public:
    explicit PluginLibrary(const std::string &name); // "destfile" -> destfile.so
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    void *handle() const { return handle_; }
    const std::string &error() const { return error_; }
    // The exported symbol `name` as a function pointer type, or null.
    template <class Fn> Fn symbol(const char *name) const {
        return reinterpret_cast<Fn>(rawSymbol(name));
    }
    void *rawSymbol(const char *name) const;

private:
    void *handle_ = nullptr;
    std::string error_;
};

// A fresh directory under /tmp, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::string &path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string &name) const;
    // Writes a file (binary) and returns its path.
    std::string write(const std::string &name, const std::string &contents) const;

private:
    std::string path_;
};

// Points UX_PROFILE at a private win.ini with `contents` for its lifetime
// (no contents: at a file that does not exist); restores the variable after.
class ProfileScope {
public:
    explicit ProfileScope(std::optional<std::string> contents);
    ~ProfileScope();
    ProfileScope(const ProfileScope &) = delete;
    ProfileScope &operator=(const ProfileScope &) = delete;
    const std::string &path() const { return path_; }

private:
    TempDir dir_;
    std::string path_;
    std::optional<std::string> previous_;
};

// Reads a whole file; nullopt when it cannot be opened.
std::optional<std::string> readFile(const std::string &path);

} // namespace uxtest

#endif // UXTEST_PLUGIN_LIBRARY_H
