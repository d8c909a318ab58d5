// destfile.so driven as the engine drives it, loaded from the module
// directory with the scripted host installed. Fields of the packed records
// are read by value (unary +): they may sit at unaligned addresses.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/uxd_abi.h"
#include "host/scripted_host.h"
#include "support/plugin_library.h"

namespace {

struct Destfile {
    uxtest::PluginLibrary library{"destfile"};
    UXDInitializeFn initialize = library.symbol<UXDInitializeFn>("UXDInitialize");
    UXDTerminateFn terminate = library.symbol<UXDTerminateFn>("UXDTerminate");
    UXDGetVersionFn version = library.symbol<UXDGetVersionFn>("UXDGetVersion");
    UXDGetExportDestinationsFn destinations =
        library.symbol<UXDGetExportDestinationsFn>("UXDGetExportDestinations");
    UXDInitExportDestinationFn init =
        library.symbol<UXDInitExportDestinationFn>("UXDInitExportDestination");
    UXDTermExportDestinationFn term =
        library.symbol<UXDTermExportDestinationFn>("UXDTermExportDestination");
    UXDEncodeDestinationOptionsFn encode =
        library.symbol<UXDEncodeDestinationOptionsFn>("UXDEncodeDestinationOptions");
    UXDDecodeDestinationOptionsFn decode =
        library.symbol<UXDDecodeDestinationOptionsFn>("UXDDecodeDestinationOptions");
    UXDFreeDestinationOptionsFn freeOptions =
        library.symbol<UXDFreeDestinationOptionsFn>("UXDFreeDestinationOptions");
    UXDExportToDestinationFn exportTo =
        library.symbol<UXDExportToDestinationFn>("UXDExportToDestination");
    UXDGetErrorTextFn errorText = library.symbol<UXDGetErrorTextFn>("UXDGetErrorText");

    bool complete() const {
        return initialize && terminate && version && destinations && init && term && encode &&
               decode && freeOptions && exportTo && errorText;
    }
};

// A file request as the engine builds it from a format's hint.
struct Request {
    FileRequest file{};
    FileRequest *files[1] = {&file};
    DestinationRequest request{};
    Request() {
        request.file_count = 1;
        request.files = files;
        file.title = "Choose Export File";
    }
    Request &filter(const char *description, const char *pattern) {
        file.filter_description = description;
        file.filter_pattern = pattern;
        file.default_extension = pattern != nullptr ? pattern + 2 : nullptr;
        return *this;
    }
};

std::vector<char> storedBlob(const std::string &name) {
    std::vector<char> blob(name.size() + 7, '\0');
    std::uint16_t word = static_cast<std::uint16_t>(blob.size() | UX_BLOB_STORED);
    std::memcpy(blob.data(), &word, 2);
    std::memcpy(blob.data() + 2, name.c_str(), name.size() + 1);
    return blob;
}

class DestfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(plugin.library.handle(), nullptr) << plugin.library.error();
        ASSERT_TRUE(plugin.complete());
        ASSERT_TRUE(host.installInto(plugin.library.handle()));
        ASSERT_EQ(plugin.initialize(0), 0u);
    }
    void TearDown() override {
        if (instance != nullptr)
            plugin.term(instance, 0);
        if (plugin.terminate)
            plugin.terminate();
        uxhost::ScriptedHost::uninstallFrom(plugin.library.handle());
    }
    // Runs UXDInitExportDestination; keeps the instance for TearDown.
    std::uint32_t choose(const Request &request, const void *options = nullptr) {
        if (instance != nullptr)
            plugin.term(instance, 0);
        instance = nullptr;
        info = nullptr;
        return plugin.init(&owner, 0, options, &request.request, &instance, &info);
    }
    std::string chosen(int i = 0) const { return info->names[i]; }

    uxtest::ProfileScope profile{std::nullopt};
    uxtest::TempDir dir;
    Destfile plugin;
    uxhost::ScriptedHost host;
    int owner = 0;
    UXDInstance *instance = nullptr;
    DestinationInfo *info = nullptr;
};

TEST_F(DestfileTest, PublishesOneDiskFileDestination) {
    EXPECT_EQ(plugin.version(), 0x0100);
    const DestinationTable *table = plugin.destinations();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(+table->size, 8);
    ASSERT_EQ(+table->count, 1);
    const DestinationEntry *entry = table->entries[0];
    EXPECT_EQ(+entry->size, 10);
    EXPECT_STREQ(entry->name, "Disk file");
    EXPECT_EQ(+entry->index, 0u);

    // Counted: a second user shares the start-up; the balancing call releases.
    EXPECT_EQ(plugin.initialize(0), 0u);
    EXPECT_EQ(plugin.terminate(), 0u);
    EXPECT_STREQ(entry->name, "Disk file");
    EXPECT_EQ(plugin.terminate(), 0u);
    EXPECT_EQ(+entry->name, nullptr);
    EXPECT_EQ(plugin.initialize(0), 0u);
    EXPECT_STREQ(entry->name, "Disk file");
}

TEST_F(DestfileTest, PatternFillsTheNameFieldAndTheFilterAndTheNameKeepsItsCase) {
    Request request;
    request.filter("Comma-separated (*.csv)", "*.csv");
    request.file.initial_dir = "/tmp";
    const std::string name = dir.file("Report.CSV");
    host.queueSaveAnswer(name);
    ASSERT_EQ(choose(request), 0u);

    ASSERT_EQ(host.saveRequests().size(), 1u);
    const auto &shown = host.saveRequests()[0];
    EXPECT_EQ(shown.owner, &owner);
    EXPECT_EQ(shown.file, "*.csv");
    EXPECT_EQ(shown.fileCapacity, 260u);
    EXPECT_TRUE(shown.hasFilter);
    EXPECT_EQ(shown.filter, (std::vector<std::string>{"Comma-separated (*.csv)", "*.csv"}));
    EXPECT_EQ(shown.filterIndex, 1u);
    EXPECT_FALSE(shown.hasFileTitle);
    EXPECT_EQ(shown.initialDir, "/tmp");
    EXPECT_EQ(shown.title, "Choose Export File");
    EXPECT_EQ(shown.defaultExt, "csv");
    EXPECT_EQ(shown.flags, 0x1480cu);
    EXPECT_TRUE(host.boxes().empty());

    ASSERT_NE(instance, nullptr);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(+info->size, 52);
    ASSERT_EQ(+info->name_count, 1);
    EXPECT_EQ(chosen(), name) << "handed over as chosen, not lower-cased";
    const auto *bytes = reinterpret_cast<const unsigned char *>(info);
    for (int offset : {2, 10, 21, 28, 40, 51})
        EXPECT_EQ(bytes[offset], 0) << offset;

    EXPECT_EQ(plugin.exportTo(instance, 0), 0u);
    EXPECT_EQ(plugin.errorText(instance), nullptr);
}

TEST_F(DestfileTest, WithoutAFilterTheNameFieldShowsAllFilesOrTheInitialName) {
    Request request;
    request.filter(nullptr, "*.csv"); // a pattern without description is no filter
    request.file.filter_pattern = nullptr;
    host.queueSaveAnswer(dir.file("a.txt"));
    ASSERT_EQ(choose(request), 0u);
    request.file.initial_name = "Yields.txt";
    request.file.filter_description = "Text (*.txt)"; // description alone: still no filter
    host.queueSaveAnswer(dir.file("b.txt"));
    ASSERT_EQ(choose(request), 0u);

    ASSERT_EQ(host.saveRequests().size(), 2u);
    EXPECT_FALSE(host.saveRequests()[0].hasFilter);
    EXPECT_EQ(host.saveRequests()[0].filterIndex, 0u);
    EXPECT_EQ(host.saveRequests()[0].file, "*.*");
    EXPECT_FALSE(host.saveRequests()[1].hasFilter);
    EXPECT_EQ(host.saveRequests()[1].file, "Yields.txt");
}

TEST_F(DestfileTest, CancelHandsOutNothing) {
    Request request;
    request.filter("Text (*.txt)", "*.txt");
    host.queueSaveCancel();
    EXPECT_EQ(choose(request), 6u);
    EXPECT_EQ(instance, nullptr);
    EXPECT_EQ(info, nullptr);
    // Without any host the Save dialog counts as cancelled too.
    uxhost::ScriptedHost::uninstallFrom(plugin.library.handle());
    EXPECT_EQ(choose(request), 6u);
    EXPECT_EQ(instance, nullptr);
}

TEST_F(DestfileTest, ExistingFiles) {
    const std::string readOnly = dir.write("Locked.txt", "old");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    const std::string writable = dir.write("Old.txt", "old");
    Request request;
    request.filter("Text (*.txt)", "*.txt");

    host.queueSaveAnswer(readOnly);
    EXPECT_EQ(choose(request), 6u);
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].owner, &owner);
    EXPECT_EQ(host.boxes()[0].text, "This file cannot be overwritten.");
    EXPECT_EQ(host.boxes()[0].caption, "File already exists");
    EXPECT_EQ(host.boxes()[0].type, UXHOST_MB_OK | UXHOST_MB_ICONSTOP);
    EXPECT_EQ(uxtest::readFile(readOnly), "old");

    host.queueSaveAnswer(writable);
    host.queueBoxAnswer(UXHOST_IDNO);
    EXPECT_EQ(choose(request), 6u);
    EXPECT_EQ(instance, nullptr);
    ASSERT_EQ(host.boxes().size(), 2u);
    EXPECT_EQ(host.boxes()[1].text, "Overwrite existing file?");
    EXPECT_EQ(host.boxes()[1].caption, "File already exists");
    EXPECT_EQ(host.boxes()[1].type, UXHOST_MB_YESNO | UXHOST_MB_ICONQUESTION);
    EXPECT_EQ(uxtest::readFile(writable), "old");

    host.queueSaveAnswer(writable);
    host.queueBoxAnswer(UXHOST_IDYES);
    EXPECT_EQ(choose(request), 0u);
    EXPECT_EQ(chosen(), writable);
    EXPECT_EQ(uxtest::readFile(writable), std::nullopt) << "deleted before the engine writes";
}

TEST_F(DestfileTest, OptionsBlobsCarryTheNameAndSkipDialogAndChecks) {
    Request request;
    request.filter("Text (*.txt)", "*.txt");
    const std::string first = dir.file("First Export.TXT");
    host.queueSaveAnswer(first);
    ASSERT_EQ(choose(request), 0u);

    // Stored form: the size word with the top bit, then the name inline.
    const void *stored = nullptr;
    std::uint16_t size = 0;
    ASSERT_EQ(plugin.encode(instance, &stored, &size), 0u);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(size, first.size() + 7);
    std::uint16_t word;
    std::memcpy(&word, stored, 2);
    EXPECT_EQ(word, (first.size() + 7) | 0x8000u);
    EXPECT_STREQ(static_cast<const char *>(stored) + 2, first.c_str());

    // Decoded form: the word 6 and a copy of the name.
    void *decoded = nullptr;
    ASSERT_EQ(plugin.decode(instance, &decoded), 0u);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(+static_cast<DestinationOptions *>(decoded)->size, 6);
    EXPECT_STREQ(static_cast<DestinationOptions *>(decoded)->name, first.c_str());
    std::vector<char> storedCopy(static_cast<const char *>(stored),
                                 static_cast<const char *>(stored) + size);

    // Either form given back names the file at once: no dialog, no question
    // even though the file exists now, the name exactly as stored.
    dir.write("First Export.TXT", "kept");
    host.clearRecords();
    ASSERT_EQ(choose(request, storedCopy.data()), 0u);
    EXPECT_EQ(chosen(), first);
    ASSERT_EQ(choose(request, decoded), 0u);
    EXPECT_EQ(chosen(), first);
    std::vector<char> foreign = storedBlob("C:\\OUT\\REPORT.TXT");
    ASSERT_EQ(choose(request, foreign.data()), 0u);
    EXPECT_EQ(chosen(), "C:\\OUT\\REPORT.TXT");
    EXPECT_TRUE(host.saveRequests().empty());
    EXPECT_TRUE(host.boxes().empty());
    EXPECT_EQ(uxtest::readFile(first), "kept");
    EXPECT_EQ(plugin.freeOptions(0, decoded), 0u);
    EXPECT_EQ(plugin.freeOptions(0, nullptr), 0u);

    // Blobs that carry no name: the dialog is shown.
    DestinationOptions noName{6, nullptr};
    host.queueSaveAnswer(dir.file("x.txt"));
    ASSERT_EQ(choose(request, &noName), 0u);
    std::uint16_t tooSmall[2] = {4, 0};
    host.queueSaveAnswer(dir.file("y.txt"));
    ASSERT_EQ(choose(request, tooSmall), 0u);
    EXPECT_EQ(host.saveRequests().size(), 2u);
    EXPECT_EQ(chosen(), dir.file("y.txt"));
}

TEST_F(DestfileTest, AFixedNameSkipsDialogOptionsAndChecks) {
    const std::string existing = dir.write("Fixed.TXT", "kept");
    Request request;
    request.filter("Text (*.txt)", "*.txt");
    request.file.name_fixed = 1;
    request.file.fixed_name = existing.c_str();
    std::vector<char> blob = storedBlob("other.txt");
    ASSERT_EQ(choose(request, blob.data()), 0u);
    EXPECT_EQ(chosen(), existing);
    request.file.fixed_name = nullptr;
    ASSERT_EQ(choose(request), 0u);
    EXPECT_EQ(chosen(), "");
    EXPECT_TRUE(host.saveRequests().empty());
    EXPECT_TRUE(host.boxes().empty());
    EXPECT_EQ(uxtest::readFile(existing), "kept");
}

TEST_F(DestfileTest, SeveralFilesAreNamedInOrderAndAFailureKeepsNone) {
    FileRequest fixed{};
    fixed.name_fixed = 1;
    fixed.fixed_name = "one.txt";
    FileRequest asked{};
    asked.filter_pattern = "*.ttx";
    FileRequest *files[2] = {&fixed, &asked};
    Request request;
    request.request.file_count = 2;
    request.request.files = files;
    host.queueSaveAnswer(dir.file("Two.ttx"));
    ASSERT_EQ(choose(request), 0u);
    ASSERT_EQ(+info->name_count, 2);
    EXPECT_EQ(chosen(0), "one.txt");
    EXPECT_EQ(chosen(1), dir.file("Two.ttx"));
    EXPECT_EQ(host.saveRequests().back().file, "*.ttx");

    host.queueSaveCancel();
    EXPECT_EQ(choose(request), 6u);
    EXPECT_EQ(instance, nullptr);
    EXPECT_EQ(info, nullptr);
}

TEST_F(DestfileTest, InputThatDoesNotFitItsBufferIsRefused) {
    Request request;
    const std::string longText(300, 'n');
    const std::string description(60, 'd');
    const std::string pattern(38, 'p'); // 60 + 38 + 3 zeros = 101 bytes
    request.filter(description.c_str(), pattern.c_str());
    EXPECT_EQ(choose(request), 5u);
    const std::string fits(37, 'p'); // exactly 100 bytes
    request.filter(description.c_str(), fits.c_str());
    host.queueSaveCancel();
    EXPECT_EQ(choose(request), 6u);
    ASSERT_EQ(host.saveRequests().size(), 1u) << "the oversized filter never reached the dialog";
    EXPECT_EQ(host.saveRequests()[0].filter, (std::vector<std::string>{description, fits}));

    request.file.initial_name = longText.c_str();
    EXPECT_EQ(choose(request), 5u);
    request.file.initial_name = nullptr;

    std::vector<char> blob = storedBlob(longText);
    EXPECT_EQ(choose(request, blob.data()), 5u);
    std::vector<char> unterminated = storedBlob("name.txt");
    std::uint16_t shortWord =
        static_cast<std::uint16_t>(6 | UX_BLOB_STORED); // ends inside the name
    std::memcpy(unterminated.data(), &shortWord, 2);
    EXPECT_EQ(choose(request, unterminated.data()), 5u);
    DestinationOptions decoded{6, const_cast<char *>(longText.c_str())};
    EXPECT_EQ(choose(request, &decoded), 5u);

    request.file.name_fixed = 1;
    request.file.fixed_name = longText.c_str();
    EXPECT_EQ(choose(request), 5u);
    const std::string longest(259, 'f');
    request.file.fixed_name = longest.c_str();
    EXPECT_EQ(choose(request), 0u);
    EXPECT_EQ(chosen(), longest);

    // A Save answer longer than the name buffer: the dialog fails.
    request.file.name_fixed = 0;
    host.queueSaveAnswer(dir.file(longText));
    EXPECT_EQ(choose(request), 6u);
    EXPECT_EQ(instance, nullptr);
}

TEST_F(DestfileTest, NullArgumentsAreRefused) {
    const void *blob = reinterpret_cast<const void *>(1);
    std::uint16_t size = 1;
    EXPECT_EQ(plugin.encode(nullptr, &blob, &size), 5u);
    EXPECT_EQ(blob, nullptr);
    void *decoded = reinterpret_cast<void *>(1);
    EXPECT_EQ(plugin.decode(nullptr, &decoded), 5u);
    EXPECT_EQ(decoded, nullptr);
    EXPECT_EQ(plugin.term(nullptr, 0), 0u);
    EXPECT_EQ(plugin.exportTo(nullptr, 0), 0u);
    EXPECT_EQ(plugin.errorText(nullptr), nullptr);
    UXDInstance *out = reinterpret_cast<UXDInstance *>(1);
    DestinationInfo *outInfo = nullptr;
    EXPECT_EQ(plugin.init(&owner, 0, nullptr, nullptr, &out, &outInfo), 5u);
    EXPECT_EQ(out, nullptr);
    Request request;
    EXPECT_EQ(plugin.init(&owner, 0, nullptr, &request.request, nullptr, &outInfo), 5u);
    request.request.files = nullptr;
    EXPECT_EQ(plugin.init(&owner, 0, nullptr, &request.request, &out, &outInfo), 5u);
    request.files[0] = nullptr;
    request.request.files = request.files;
    EXPECT_EQ(plugin.init(&owner, 0, nullptr, &request.request, &out, &outInfo), 5u);
}

// The language library "lngdst" + two letters beside the plug-in.
class DestfileLanguage : public ::testing::Test {
protected:
    void start(const char *profileText) {
        profile.emplace(profileText);
        ASSERT_NE(plugin.library.handle(), nullptr) << plugin.library.error();
        ASSERT_TRUE(host.installInto(plugin.library.handle()));
    }
    void TearDown() override { uxhost::ScriptedHost::uninstallFrom(plugin.library.handle()); }
    std::optional<uxtest::ProfileScope> profile;
    uxtest::TempDir dir;
    Destfile plugin;
    uxhost::ScriptedHost host;
};

TEST_F(DestfileLanguage, TextsComeFromTheLibraryAndMissingOnesFromThePlugIn) {
    start("[intl]\nsLanguage=xa\n");
    ASSERT_EQ(plugin.initialize(0), 0u);
    EXPECT_STREQ(plugin.destinations()->entries[0]->name, "Datei auf Platte");

    const std::string existing = dir.write("Old.txt", "old");
    Request request;
    host.queueSaveAnswer(existing);
    host.queueBoxAnswer(UXHOST_IDNO);
    UXDInstance *instance = nullptr;
    DestinationInfo *info = nullptr;
    EXPECT_EQ(plugin.init(nullptr, 0, nullptr, &request.request, &instance, &info), 6u);
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].caption, "Datei existiert bereits");
    EXPECT_EQ(host.boxes()[0].text, "Overwrite existing file?") << "lacking in the library";
    EXPECT_EQ(plugin.terminate(), 0u);
}

TEST_F(DestfileLanguage, ALibraryLackingTheNameAnswers7AndThePlugInUsesItsOwn) {
    start("[intl]\nsLanguage=xm\n");
    EXPECT_EQ(plugin.initialize(0), 7u);
    EXPECT_STREQ(plugin.destinations()->entries[0]->name, "Disk file");
    EXPECT_EQ(plugin.initialize(0), 0u);
    EXPECT_EQ(plugin.terminate(), 0u);
    EXPECT_EQ(plugin.terminate(), 0u);
    EXPECT_EQ(+plugin.destinations()->entries[0]->name, nullptr);
}

} // namespace
