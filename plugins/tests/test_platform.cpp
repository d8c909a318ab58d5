// The platform layer: the profile file, the dialog manager run against the
// scripted host, boxes and the Save dialog without and with a host, file
// states and lower-casing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "core/platform.h"
#include "host/scripted_host.h"
#include "support/plugin_library.h"

namespace platform = ux::platform;

namespace {

// Sets or clears an environment variable for one scope.
class EnvScope {
public:
    EnvScope(const char *name, const char *value) : name_(name) {
        if (const char *old = getenv(name))
            previous_ = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvScope() {
        if (previous_)
            setenv(name_, previous_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> previous_;
};

class HostScope {
public:
    explicit HostScope(const UXHostInterface *host) { platform::setHostInterface(host); }
    ~HostScope() { platform::setHostInterface(nullptr); }
};

TEST(Profile, PathFollowsTheEnvironment) {
    char path[260];
    {
        EnvScope profile("UX_PROFILE", "/somewhere/my.ini");
        EnvScope config("XDG_CONFIG_HOME", "/cfg");
        ASSERT_GT(platform::profilePath(path, sizeof path), 0u);
        EXPECT_STREQ(path, "/somewhere/my.ini");
    }
    {
        EnvScope profile("UX_PROFILE", "");
        EnvScope config("XDG_CONFIG_HOME", "/cfg");
        ASSERT_GT(platform::profilePath(path, sizeof path), 0u);
        EXPECT_STREQ(path, "/cfg/win.ini");
    }
    {
        EnvScope profile("UX_PROFILE", nullptr);
        EnvScope config("XDG_CONFIG_HOME", nullptr);
        EnvScope home("HOME", "/home/someone");
        ASSERT_GT(platform::profilePath(path, sizeof path), 0u);
        EXPECT_STREQ(path, "/home/someone/.config/win.ini");
    }
    {
        EnvScope profile("UX_PROFILE", "/a/path/that/does/not/fit/here");
        char small[8];
        EXPECT_EQ(platform::profilePath(small, sizeof small), 0u);
        EXPECT_STREQ(small, "");
    }
}

TEST(Profile, ReadsSectionsAndKeysWhateverTheirCase) {
    uxtest::ProfileScope profile(
        "[windows]\r\nsDecimal=!\r\n; a comment\r\n[ INTL ]\r\n  sDecimal =  ,  \r\n"
        "iDigits=3 digits\r\nsThousand=\" \"\r\nbroken line\r\niNeg=-2\r\n");
    char value[16];
    EXPECT_EQ(platform::profileString("intl", "sdecimal", "x", value, sizeof value), 1u);
    EXPECT_STREQ(value, ",");
    EXPECT_EQ(platform::profileString("intl", "sThousand", "x", value, sizeof value), 1u);
    EXPECT_STREQ(value, " ");
    EXPECT_EQ(platform::profileString("intl", "sMissing", "fallback", value, sizeof value), 8u);
    EXPECT_STREQ(value, "fallback");
    EXPECT_EQ(platform::profileString("intl", "sMissing", nullptr, value, sizeof value), 0u);
    EXPECT_STREQ(value, "");
    EXPECT_EQ(platform::profileString("intl", "sMissing", "a long fallback", value, 4), 3u);
    EXPECT_STREQ(value, "a l");
    EXPECT_EQ(platform::profileInt("intl", "iDigits", 2), 3);
    EXPECT_EQ(platform::profileInt("intl", "iNeg", 0), -2);
    EXPECT_EQ(platform::profileInt("intl", "sDecimal", 7), 7);
    EXPECT_EQ(platform::profileInt("intl", "iMissing", 5), 5);
}

// A dialog like the character-separated options: two edit boxes limited to
// 16 characters, one check box, OK and Cancel.
const UXDialogControl kControls[] = {
    {UXHOST_CONTROL_LABEL, -1, "Separator:", 5, 5, 40, 8},
    {UXHOST_CONTROL_EDIT, 1000, nullptr, 50, 5, 40, 12},
    {UXHOST_CONTROL_LABEL, -1, "Quote:", 5, 20, 40, 8},
    {UXHOST_CONTROL_EDIT, 1001, nullptr, 50, 20, 20, 12},
    {UXHOST_CONTROL_CHECKBOX, 101, "Same &number formats as in report", 5, 35, 150, 10},
    {UXHOST_CONTROL_DEFPUSHBUTTON, UXHOST_IDOK, "OK", 120, 5, 40, 14},
    {UXHOST_CONTROL_PUSHBUTTON, UXHOST_IDCANCEL, "Cancel", 120, 22, 40, 14},
};
const UXDialogResource kDialogs[] = {
    {"CharSepOptions", "Character-Separated Values", "Helv", 8, 170, 55, kControls, 7},
};
const UXResourceTables kTables = {nullptr, 0, kDialogs, 1};
const platform::ResourceModule kModule{&kTables};

struct Options {
    char separator[17] = ";";
    char quote[17] = "'";
    bool sameNumbers = true;
    bool ignoreCancel = false;
    int commands = 0;
};

std::intptr_t optionsProc(platform::Hwnd dialog, std::uint32_t message, platform::WParam wparam,
                          platform::LParam lparam) {
    if (message == platform::WM_INITDIALOG) {
        platform::setWindowLong(dialog, platform::DWL_USER, lparam);
        auto *options = reinterpret_cast<Options *>(lparam);
        for (int id : {1000, 1001})
            platform::sendMessage(platform::getDlgItem(dialog, id), platform::EM_LIMITTEXT, 16, 0);
        platform::setDlgItemText(dialog, 1000, options->separator);
        platform::setDlgItemText(dialog, 1001, options->quote);
        platform::checkDlgButton(dialog, 101, options->sameNumbers ? 1 : 0);
        return 1;
    }
    if (message != platform::WM_COMMAND)
        return 0;
    auto *options =
        reinterpret_cast<Options *>(platform::getWindowLong(dialog, platform::DWL_USER));
    ++options->commands;
    switch (wparam & 0xffff) {
    case UXHOST_IDOK:
        platform::getDlgItemText(dialog, 1000, options->separator, sizeof options->separator);
        platform::getDlgItemText(dialog, 1001, options->quote, sizeof options->quote);
        options->sameNumbers = platform::isDlgButtonChecked(dialog, 101) == 1;
        platform::endDialog(dialog, 1);
        return 1;
    case UXHOST_IDCANCEL:
        if (!options->ignoreCancel)
            platform::endDialog(dialog, 2);
        return 1;
    default:
        return 0;
    }
}

TEST(DialogManager, PresentsTheControlsAndTakesBackWhatTheUserChanged) {
    uxhost::ScriptedHost host;
    HostScope scope(host.interface());
    host.queueDialogAnswer(
        {UXHOST_IDOK, {{101, 0}}, {{1000, "a separator far too long"}, {1001, "\""}}});
    Options options;
    int owner = 0;
    EXPECT_EQ(platform::dialogBox(kModule, "charsepoptions", &owner, optionsProc,
                                  reinterpret_cast<platform::LParam>(&options)),
              1);
    ASSERT_EQ(host.dialogs().size(), 1u);
    const auto &shown = host.dialogs()[0];
    EXPECT_EQ(shown.owner, &owner);
    EXPECT_EQ(shown.name, "CharSepOptions");
    EXPECT_EQ(shown.caption, "Character-Separated Values");
    EXPECT_EQ(shown.fontName, "Helv");
    EXPECT_EQ(shown.pointSize, 8);
    ASSERT_EQ(shown.controls.size(), 7u);
    ASSERT_NE(shown.control(1000), nullptr);
    EXPECT_EQ(shown.control(1000)->text, ";");
    EXPECT_EQ(shown.control(1000)->textLimit, 16u);
    EXPECT_EQ(shown.control(1000)->textCapacity, 17u);
    EXPECT_EQ(shown.control(1001)->text, "'");
    EXPECT_EQ(shown.control(101)->checked, 1);
    EXPECT_EQ(shown.control(UXHOST_IDOK)->text, "OK");
    EXPECT_STREQ(options.separator, "a separator far "); // the first 16 characters
    EXPECT_STREQ(options.quote, "\"");
    EXPECT_FALSE(options.sameNumbers);
}

TEST(DialogManager, CancelLeavesTheOptionsAlone) {
    uxhost::ScriptedHost host;
    HostScope scope(host.interface());
    host.queueDialogAnswer({UXHOST_IDCANCEL, {{101, 0}}, {{1000, "x"}}});
    Options options;
    EXPECT_EQ(platform::dialogBox(kModule, "CharSepOptions", nullptr, optionsProc,
                                  reinterpret_cast<platform::LParam>(&options)),
              2);
    EXPECT_STREQ(options.separator, ";");
    EXPECT_TRUE(options.sameNumbers);
}

TEST(DialogManager, AButtonTheProcedureIgnoresPresentsTheDialogAgain) {
    uxhost::ScriptedHost host;
    HostScope scope(host.interface());
    host.queueDialogAnswer({77, {{101, 0}}, {}});
    host.queueDialogAnswer({UXHOST_IDOK, {}, {}});
    Options options;
    EXPECT_EQ(platform::dialogBox(kModule, "CharSepOptions", nullptr, optionsProc,
                                  reinterpret_cast<platform::LParam>(&options)),
              1);
    ASSERT_EQ(host.dialogs().size(), 2u);
    EXPECT_EQ(host.dialogs()[1].control(101)->checked, 0) << "the first round's state is kept";
    EXPECT_FALSE(options.sameNumbers);
    EXPECT_EQ(options.commands, 2);
}

TEST(DialogManager, NeverWaitsWithoutAnAnswer) {
    Options options;
    options.ignoreCancel = true;
    {
        // No host at all: the dialog answers Cancel.
        EXPECT_EQ(platform::dialogBox(kModule, "CharSepOptions", nullptr, optionsProc,
                                      reinterpret_cast<platform::LParam>(&options)),
                  UXHOST_IDCANCEL);
        EXPECT_EQ(options.commands, 1);
    }
    {
        // A host that keeps pressing a button nobody handles.
        uxhost::ScriptedHost host;
        HostScope scope(host.interface());
        for (int i = 0; i < 100; ++i)
            host.queueDialogAnswer({55, {}, {}});
        EXPECT_EQ(platform::dialogBox(kModule, "CharSepOptions", nullptr, optionsProc,
                                      reinterpret_cast<platform::LParam>(&options)),
                  UXHOST_IDCANCEL);
    }
    EXPECT_EQ(platform::dialogBox(kModule, "NoSuchDialog", nullptr, optionsProc, 0), -1);
}

TEST(DialogManager, HandlesOutsideARunningDialogAreIgnored) {
    platform::Hwnd stale = nullptr;
    auto remember = [](platform::Hwnd dialog, std::uint32_t message, platform::WParam,
                       platform::LParam lparam) -> std::intptr_t {
        if (message == platform::WM_INITDIALOG) {
            *reinterpret_cast<platform::Hwnd *>(lparam) = dialog;
            platform::endDialog(dialog, 9);
        }
        return 0;
    };
    EXPECT_EQ(platform::dialogBox(kModule, "CharSepOptions", nullptr, remember,
                                  reinterpret_cast<platform::LParam>(&stale)),
              9);
    ASSERT_NE(stale, nullptr);
    EXPECT_FALSE(platform::endDialog(stale, 1));
    EXPECT_FALSE(platform::setDlgItemText(stale, 1000, "x"));
    EXPECT_EQ(platform::getDlgItem(stale, 1000), nullptr);
    char text[4] = "abc";
    EXPECT_EQ(platform::getDlgItemText(stale, 1000, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
}

TEST(HostInterface, BoxesSaveDialogAndFontsWithoutAndWithAHost) {
    EXPECT_EQ(platform::messageBox(nullptr, "Text", "Caption", UXHOST_MB_YESNO), UXHOST_IDCANCEL);
    char file[260] = "*.*";
    UXHostSaveFile request{};
    request.file = file;
    request.file_capacity = sizeof file;
    EXPECT_FALSE(platform::saveFileDialog(request));
    int width = -1;
    EXPECT_FALSE(platform::averageCharWidth(nullptr, nullptr, width));

    uxhost::ScriptedHost host;
    UXHostInterface wrong = *host.interface();
    wrong.version = UXHOST_VERSION + 1;
    EXPECT_EQ(platform::setHostInterface(&wrong), 5u);
    EXPECT_EQ(platform::hostInterface(), nullptr);

    HostScope scope(host.interface());
    host.queueBoxAnswer(UXHOST_IDYES);
    host.queueBoxAnswer(0); // the box could not be shown
    EXPECT_EQ(platform::messageBox(nullptr, "Overwrite?", "Exists", UXHOST_MB_YESNO), UXHOST_IDYES);
    EXPECT_EQ(platform::messageBox(nullptr, "Again?", "Exists", UXHOST_MB_YESNO), UXHOST_IDCANCEL);
    ASSERT_EQ(host.boxes().size(), 2u);
    EXPECT_EQ(host.boxes()[0].text, "Overwrite?");
    EXPECT_EQ(host.boxes()[0].caption, "Exists");

    int fontA = 0, fontB = 0;
    host.setFontWidth(&fontA, 120);
    ASSERT_TRUE(platform::averageCharWidth(nullptr, &fontA, width));
    EXPECT_EQ(width, 120);
    host.setFontWidth(&fontB, 0); // a zero width is no measurement
    EXPECT_FALSE(platform::averageCharWidth(nullptr, &fontB, width));
    host.setMeasurementFails(true);
    EXPECT_FALSE(platform::averageCharWidth(nullptr, &fontA, width));
}

TEST(HostInterface, ASaveAnswerThatIsNotTerminatedInItsBufferIsRefused) {
    UXHostInterface overrunning{};
    overrunning.size = sizeof overrunning;
    overrunning.version = UXHOST_VERSION;
    overrunning.save_file = [](void *, UXHostSaveFile *request) -> std::int32_t {
        std::memset(request->file, 'A', request->file_capacity);
        return 1;
    };
    HostScope scope(&overrunning);
    char file[16] = "*.txt";
    UXHostSaveFile request{};
    request.file = file;
    request.file_capacity = sizeof file;
    EXPECT_FALSE(platform::saveFileDialog(request));
    EXPECT_EQ(file[sizeof file - 1], '\0');
}

TEST(Files, StatesDeletionAndLowerCase) {
    uxtest::TempDir dir;
    std::string writable = dir.write("Writable.txt", "x");
    std::string readOnly = dir.write("ReadOnly.txt", "x");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    EXPECT_EQ(platform::fileState(dir.file("missing.txt").c_str()), platform::FileState::Missing);
    EXPECT_EQ(platform::fileState(dir.file("no/such/dir.txt").c_str()),
              platform::FileState::Missing);
    EXPECT_EQ(platform::fileState(writable.c_str()), platform::FileState::Writable);
    EXPECT_EQ(platform::fileState(readOnly.c_str()), platform::FileState::ReadOnly);
    EXPECT_EQ(platform::fileState(dir.path().c_str()), platform::FileState::ReadOnly);
    EXPECT_EQ(platform::fileState(dir.file("writable.txt").c_str()), platform::FileState::Missing)
        << "names are case-sensitive here";
    EXPECT_FALSE(platform::fileNamesIgnoreCase());
    EXPECT_TRUE(platform::deleteFile(writable.c_str()));
    EXPECT_FALSE(platform::deleteFile(writable.c_str()));

    char text[] = "C:\\OUT\\R\xc9PORT \x8a\x9f\xd7.TXT";
    platform::lowerCase(text);
    EXPECT_STREQ(text, "c:\\out\\r\xe9port \x9a\xff\xd7.txt");
}

} // namespace
