// Counted start-up and the language library search, run on the core's
// PluginStartup with a plug-in of fmtplain's texts whose file lies in the
// module directory, where the test language libraries lngplnx?.so are.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/startup.h"
#include "support/plugin_library.h"

namespace {

const UXStringResource kOwnStrings[] = {
    {1000, "Text"},         {1001, "Tab-separated text"},    {1002, "Choose Export File"},
    {1003, "Text (*.txt)"}, {1004, "Tab-separated (*.ttx)"},
};
const UXResourceTables kOwn = {kOwnStrings, 5, nullptr, 0};
const ux::TextSpec kTexts[] = {{1000}, {1001}, {1002}, {1003}, {1004}};

std::string pluginPath() {
    return uxtest::moduleDir() + "/fmtplain.so";
}

struct Plugin {
    std::string path = pluginPath();
    ux::PluginStartup startup{"lngpln", &kOwn, kTexts, path.c_str()};
};

TEST(Startup, SecondInitialiseOnlyCountsAndTheBalancingTerminateReleases) {
    uxtest::ProfileScope profile("[intl]\nsLanguage=xab\n");
    Plugin plugin;
    ASSERT_EQ(plugin.startup.initialize(), 0u);
    const char *name = plugin.startup.text(1000);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "Klartext");
    EXPECT_TRUE(plugin.startup.languageLibraryLoaded());

    EXPECT_EQ(plugin.startup.initialize(), 0u);
    EXPECT_EQ(plugin.startup.useCount(), 2);
    EXPECT_EQ(plugin.startup.text(1000), name) << "the second call must not load again";

    EXPECT_EQ(plugin.startup.terminate(), 0u);
    EXPECT_EQ(plugin.startup.text(1000), name) << "released by the first of two terminates";
    EXPECT_TRUE(plugin.startup.languageLibraryLoaded());

    EXPECT_EQ(plugin.startup.terminate(), 0u);
    EXPECT_EQ(plugin.startup.text(1000), nullptr);
    EXPECT_FALSE(plugin.startup.languageLibraryLoaded());
    EXPECT_EQ(plugin.startup.resources().tables, &kOwn);

    // An unbalanced terminate changes nothing; a new start-up works again.
    EXPECT_EQ(plugin.startup.terminate(), 0u);
    EXPECT_EQ(plugin.startup.useCount(), 0);
    EXPECT_EQ(plugin.startup.initialize(), 0u);
    EXPECT_STREQ(plugin.startup.text(1000), "Klartext");
    plugin.startup.terminate();
}

struct LanguageCase {
    const char *what;
    const char *profile; // null: no profile file at all
    std::uint32_t result;
    const char *name;   // text 1000 after start-up
    const char *filter; // text 1003
    bool library;
};

void PrintTo(const LanguageCase &c, std::ostream *out) {
    *out << c.what;
}

class StartupLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(StartupLanguage, ChoosesTheResourceModule) {
    const LanguageCase &c = GetParam();
    uxtest::ProfileScope profile(c.profile ? std::optional<std::string>(c.profile) : std::nullopt);
    Plugin plugin;
    EXPECT_EQ(plugin.startup.initialize(), c.result);
    EXPECT_EQ(plugin.startup.languageLibraryLoaded(), c.library);
    EXPECT_EQ(plugin.startup.resources().tables == &kOwn, !c.library);
    ASSERT_NE(plugin.startup.text(1000), nullptr);
    EXPECT_STREQ(plugin.startup.text(1000), c.name);
    ASSERT_NE(plugin.startup.text(1003), nullptr);
    EXPECT_STREQ(plugin.startup.text(1003), c.filter);
    EXPECT_EQ(plugin.startup.initialize(), 0u) << "a failed start-up leaves the count raised";
    plugin.startup.terminate();
    plugin.startup.terminate();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupLanguage,
    ::testing::Values(LanguageCase{"NoProfileFile", nullptr, 0, "Text", "Text (*.txt)", false},
                      LanguageCase{"NoLanguageKey", "[intl]\nsCountry=Nowhere\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"EmptyLanguage", "[intl]\nsLanguage=\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"KeyInAnotherSection", "[windows]\nsLanguage=xa\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"NoLibraryForTheCode", "[intl]\nsLanguage=qqq\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"LibraryWithoutVersion", "[intl]\nsLanguage=xnn\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"LibraryWithWrongVersion", "[intl]\nsLanguage=xvv\n", 0, "Text",
                                   "Text (*.txt)", false},
                      LanguageCase{"GoodLibrary", "[intl]\nsLanguage=xab\n", 0, "Klartext",
                                   "Klartext (*.txt)", true},
                      LanguageCase{"OnlyTheFirstTwoLettersCount",
                                   "; settings\r\n[Intl]\r\n SLANGUAGE = \"xa-zz\"\r\n", 0,
                                   "Klartext", "Klartext (*.txt)", true},
                      LanguageCase{"LibraryLackingAText", "[intl]\nsLanguage=xmm\n", 7, "Text",
                                   "Text (*.txt)", false}),
    [](const ::testing::TestParamInfo<LanguageCase> &info) { return info.param.what; });

TEST(Startup, TextsAreCutToTheirBuffersAndOptionalTextsMayBeAbsent) {
    uxtest::ProfileScope profile(std::nullopt);
    const std::string longText(400, 'L');
    const UXStringResource strings[] = {{1, longText.c_str()}, {2, "a separator"}};
    const UXResourceTables own = {strings, 2, nullptr, 0};
    const ux::TextSpec texts[] = {{1}, {2, ux::kShortTextBuffer}, {3, ux::kTextBuffer, false}};
    std::string path = pluginPath();
    ux::PluginStartup startup("lngpln", &own, texts, path.c_str());
    ASSERT_EQ(startup.initialize(), 0u);
    EXPECT_EQ(std::string(startup.text(1)), std::string(254, 'L'));
    EXPECT_STREQ(startup.text(2), "a separator"); // 11 characters fit into 16
    EXPECT_STREQ(startup.text(3), "");
    char small[4];
    EXPECT_EQ(startup.loadText(2, small, sizeof small), 3u);
    EXPECT_STREQ(small, "a s");
    startup.terminate();
}

TEST(Startup, OwnTablesLackingARequiredTextAnswer7WithoutTexts) {
    uxtest::ProfileScope profile(std::nullopt);
    const UXStringResource strings[] = {{1000, "Text"}};
    const UXResourceTables own = {strings, 1, nullptr, 0};
    std::string path = pluginPath();
    ux::PluginStartup startup("lngpln", &own, kTexts, path.c_str());
    EXPECT_EQ(startup.initialize(), 7u);
    EXPECT_EQ(startup.text(1000), nullptr);
    EXPECT_EQ(startup.terminate(), 0u);
}

TEST(Startup, FindsTheLibraryBesideTheModuleThatHoldsTheCode) {
    // Without a path of its own the start-up looks beside the test program,
    // where no language library lies.
    uxtest::ProfileScope profile("[intl]\nsLanguage=xa\n");
    ux::PluginStartup startup("lngpln", &kOwn, kTexts);
    EXPECT_EQ(startup.initialize(), 0u);
    EXPECT_FALSE(startup.languageLibraryLoaded());
    EXPECT_STREQ(startup.text(1000), "Text");
    startup.terminate();
}

} // namespace
