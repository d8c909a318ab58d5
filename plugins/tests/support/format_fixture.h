// format_fixture.h - the shared fixture of the format plug-in tests.
//
// One plug-in per test program, loaded once for the suite from the module
// directory; every test initialises it (one user), installs a scripted host
// and runs under a private, empty profile (no language library, default
// locale) unless it opens a ProfileScope of its own. run() builds a layout and
// runs one job through the stand-in report engine.
//
//     struct Plain { static constexpr const char *name = "fmtplain"; };
//     class PlainTest : public uxtest::FormatFixture<Plain> {};
#ifndef UXTEST_FORMAT_FIXTURE_H
#define UXTEST_FORMAT_FIXTURE_H

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/plugin_library.h"

namespace uxtest {

// A copy of a field of a packed engine record: GoogleTest compares by
// reference, and a reference to a packed field may be misaligned.
template <class T> T packed(T value) {
    return value;
}

template <class Plugin> class FormatFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { plugin_ = new uxhost::FormatPlugin(Plugin::name); }
    static void TearDownTestSuite() {
        delete plugin_;
        plugin_ = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(plugin_->initialize(0), 0u);
        ASSERT_TRUE(host_.installInto(plugin_->handle()));
    }
    void TearDown() override {
        uxhost::ScriptedHost::uninstallFrom(plugin_->handle());
        plugin_->terminate();
    }

    // One job of format `index` on `spec` with `records`; `options` is the
    // blob for UXFInitExportFormat (null: the plug-in's dialogs).
    uxhost::FormatOutcome run(const uxhost::LayoutSpec &spec, std::vector<uxhost::Record> records,
                              std::uint32_t index,
                              const std::function<void(uxhost::Engine &)> &prepare = {},
                              const void *options = nullptr) {
        layout_ = std::make_unique<uxhost::BuiltLayout>(spec);
        return uxhost::runFormat(*plugin_, index, *layout_, std::move(records), prepare, options);
    }

    static uxhost::FormatPlugin *plugin_;
    ProfileScope profile_{std::nullopt}; // no language library, default locale
    uxhost::ScriptedHost host_;
    std::unique_ptr<uxhost::BuiltLayout> layout_;
};
template <class Plugin> uxhost::FormatPlugin *FormatFixture<Plugin>::plugin_ = nullptr;

} // namespace uxtest

#endif // UXTEST_FORMAT_FIXTURE_H
