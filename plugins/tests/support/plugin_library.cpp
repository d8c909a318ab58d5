// plugin_library.cpp - test helpers (see plugin_library.h).
#include "support/plugin_library.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace uxtest {

std::string moduleDir() {
    return UX_MODULE_DIR;
}

PluginLibrary::PluginLibrary(const std::string &name) {
    std::string path = moduleDir() + "/" + name + ".so";
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char *message = dlerror();
        error_ = message != nullptr ? message : path;
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr)
        dlclose(handle_);
}

void *PluginLibrary::rawSymbol(const char *name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

TempDir::TempDir() {
    char pattern[] = "/tmp/uxtest-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Files made read-only by a test must not keep their directory alive.
    for (const auto &entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string &name) const {
    return path_ + "/" + name;
}

std::string TempDir::write(const std::string &name, const std::string &contents) const {
    std::string path = file(name);
    std::ofstream out(path, std::ios::binary);
    out << contents;
    if (!out)
        throw std::runtime_error("cannot write " + path);
    return path;
}

ProfileScope::ProfileScope(std::optional<std::string> contents) {
    path_ = contents ? dir_.write("win.ini", *contents) : dir_.file("win.ini");
    if (const char *old = getenv("UX_PROFILE"))
        previous_ = old;
    setenv("UX_PROFILE", path_.c_str(), 1);
}

ProfileScope::~ProfileScope() {
    if (previous_)
        setenv("UX_PROFILE", previous_->c_str(), 1);
    else
        unsetenv("UX_PROFILE");
}

std::optional<std::string> readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace uxtest
