// scripted_host.h - a scripted implementation of the plug-ins' host interface.
//
// Used by the tests and the stand-in report engine in place of a user: every
// question a plug-in asks (message box, dialog, Save dialog, font width) is
// answered from a queue that the caller fills beforehand, and recorded. It
// never blocks: an empty queue answers Cancel (boxes, dialogs) or cancels the
// Save dialog; fonts measure at the default width unless told otherwise.
//
//     uxhost::ScriptedHost host;
//     host.installInto(handle);               // dlopen handle of a plug-in
//     host.queueSaveAnswer("/tmp/Out.CSV");
//     host.queueBoxAnswer(UXHOST_IDYES);
//     ... call the plug-in ...
//     EXPECT_EQ(host.saveRequests().at(0).file, "*.csv");
//
// The host must outlive every plug-in it is installed into, or be removed
// with uninstallFrom() first.
#ifndef UXHOST_SCRIPTED_HOST_H
#define UXHOST_SCRIPTED_HOST_H

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/hostif.h"

namespace uxhost {

class ScriptedHost {
public:
    ScriptedHost();
    ScriptedHost(const ScriptedHost &) = delete;
    ScriptedHost &operator=(const ScriptedHost &) = delete;

    // The interface record (context = this).
    const UXHostInterface *interface() const { return &interface_; }
    // Installs the interface into a loaded plug-in through its exported
    // UXSetHostInterface; false when the plug-in lacks it or refuses it.
    bool installInto(void *pluginHandle) const;
    // Removes any host interface from the plug-in.
    static bool uninstallFrom(void *pluginHandle);

    // --- Scripts ---------------------------------------------------------
    // Message boxes: the next box answers `answer` (UXHOST_IDYES, ...).
    void queueBoxAnswer(std::int32_t answer);

    // Dialogs: the next presented dialog gets these control states, then
    // `button` is pressed (0 or less: closed without a button).
    struct DialogAnswer {
        std::int32_t button = UXHOST_IDOK;
        std::map<std::int32_t, std::int32_t> checks; // control id -> 0/1
        std::map<std::int32_t, std::string> texts;   // edit id -> typed text
    };
    void queueDialogAnswer(DialogAnswer answer);

    // Save dialog: the next one chooses `name`, written into the request's
    // buffer; a name that does not fit makes the dialog fail (answer 0), as a
    // real dialog refuses a buffer that is too small.
    void queueSaveAnswer(std::string name);
    // The next Save dialog is cancelled.
    void queueSaveCancel();

    // Fonts: the width answered for `font`; others get the default width.
    void setFontWidth(void *font, std::int32_t width) { fontWidths_[font] = width; }
    void setDefaultFontWidth(std::int32_t width) { defaultFontWidth_ = width; }
    // Every measurement fails while set.
    void setMeasurementFails(bool fails) { measurementFails_ = fails; }

    // --- Records ---------------------------------------------------------
    struct BoxRecord {
        void *owner;
        std::string text;
        std::string caption;
        std::uint32_t type;
        std::int32_t answer;
    };
    struct ControlRecord {
        std::int32_t id;
        std::int32_t kind;
        std::int32_t checked; // as presented
        std::string text;     // as presented
        std::uint32_t textLimit;
        std::uint32_t textCapacity;
    };
    struct DialogRecord {
        void *owner;
        std::string name;
        std::string caption;
        std::string fontName;
        std::int32_t pointSize;
        std::vector<ControlRecord> controls; // as presented
        std::int32_t button;                 // the answer given
        const ControlRecord *control(std::int32_t id) const;
    };
    struct SaveRecord {
        void *owner;
        bool hasFilter;
        std::vector<std::string> filter; // description, pattern, description, ...
        std::uint32_t filterIndex;
        std::string file; // the name field as the dialog opened
        std::uint32_t fileCapacity;
        bool hasFileTitle;
        std::optional<std::string> initialDir;
        std::optional<std::string> title;
        std::uint32_t flags;
        std::optional<std::string> defaultExt;
        bool chosen;        // false: cancelled
        std::string answer; // the name handed back
    };
    struct FontRecord {
        void *dc;
        void *font;
        bool measured;
        std::int32_t width;
    };

    const std::vector<BoxRecord> &boxes() const { return boxes_; }
    const std::vector<DialogRecord> &dialogs() const { return dialogs_; }
    const std::vector<SaveRecord> &saveRequests() const { return saves_; }
    const std::vector<FontRecord> &measurements() const { return fonts_; }
    // Forgets the records (not the queued answers).
    void clearRecords();

private:
    static std::int32_t messageBox(void *context, void *owner, const char *text,
                                   const char *caption, std::uint32_t type);
    static std::int32_t runDialog(void *context, void *owner, UXHostDialog *dialog);
    static std::int32_t saveFile(void *context, UXHostSaveFile *request);
    static std::int32_t averageCharWidth(void *context, void *dc, void *font, std::int32_t *width);

    UXHostInterface interface_{};
    std::deque<std::int32_t> boxAnswers_;
    std::deque<DialogAnswer> dialogAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::map<void *, std::int32_t> fontWidths_;
    std::int32_t defaultFontWidth_ = 8;
    bool measurementFails_ = false;
    std::vector<BoxRecord> boxes_;
    std::vector<DialogRecord> dialogs_;
    std::vector<SaveRecord> saves_;
    std::vector<FontRecord> fonts_;
};

} // namespace uxhost

#endif // UXHOST_SCRIPTED_HOST_H
