// plugin_exports.h - the UXF exports of every format plug-in, written once.
//
// A format plug-in describes itself in a FormatPluginDescriptor (its start-up,
// its formats with their texts and filter patterns, how a formatter is made
// and how options blobs are freed) and hands it to one FormatPluginExports
// object, library-wide state of the plug-in. UX_FORMAT_PLUGIN_EXPORTS(object)
// then defines the fourteen exported UXF functions, each forwarding to the
// object: null instances are answered here, every call into a formatter runs
// guarded (an allocation failure becomes 2, nothing crosses the boundary),
// and the format table and the file dialog hints are filled from the texts
// loaded at start-up.
//
//     const ux::FormatSpec kFormats[] = {{1000, 1003, "*.txt"}, {1001, 1004, "*.ttx"}};
//     const ux::FormatPluginDescriptor kPlugin = {&gStartup, 1002, kFormats, &create, ...};
//     ux::FormatPluginExports gExports(kPlugin);
//     UX_FORMAT_PLUGIN_EXPORTS(gExports)
#ifndef UX_PLUGIN_EXPORTS_H
#define UX_PLUGIN_EXPORTS_H

#include <cstdint>
#include <span>

#include "core/formatter.h"
#include "core/startup.h"
#include "core/uxf_abi.h"

namespace ux {

// The most formats one plug-in offers.
inline constexpr std::size_t kMaxFormats = 3;

// One format of a plug-in: its name and filter description (text numbers)
// and its fixed filter pattern ("*.txt"; the default extension follows "*.").
struct FormatSpec {
    std::uint32_t nameText;
    std::uint32_t filterText;
    const char *pattern;
};

struct FormatPluginDescriptor {
    PluginStartup *startup;
    std::uint32_t titleText; // the file dialog's title, shared by every format
    std::span<const FormatSpec> formats;
    // A new formatter for `index` (options not applied yet); null when it
    // cannot be allocated.
    Formatter *(*create)(void *parent, ReportLayout *layout, std::uint32_t index);
    // The format (0-based, in `formats`) whose hint an index gets.
    std::uint32_t (*hintFor)(std::uint32_t index);
    // Releases a decoded blob handed out by UXFDecodeFormatOptions (null
    // allowed); null: the plug-in hands out no blobs.
    void (*freeOptions)(std::uint32_t index, void *blob);
    // UXFInitExportFormat answers a null layout with 5 (else the job start does).
    bool layoutRequired;
    // UXFGetPageN for a null instance.
    std::uint16_t nullInstancePages;
    // UXFGetErrorText for a null instance (null: no text).
    const char *(*nullInstanceErrorText)();
};

class FormatPluginExports {
public:
    explicit FormatPluginExports(const FormatPluginDescriptor &descriptor);
    FormatPluginExports(const FormatPluginExports &) = delete;
    FormatPluginExports &operator=(const FormatPluginExports &) = delete;

    std::uint32_t initialize();
    std::uint32_t terminate();
    const FormatTable *formats() const { return &table_; }
    std::uint32_t initExportFormat(void *parent, ReportLayout *layout, std::uint32_t index,
                                   const void *options, UXFInstance **instance,
                                   const FileDialogHintTable **hints);
    std::uint32_t termExportFormat(UXFInstance *instance);
    std::uint32_t encodeOptions(UXFInstance *instance, const void **blob, std::uint16_t *size);
    std::uint32_t decodeOptions(UXFInstance *instance, void **blob);
    std::uint32_t freeOptions(std::uint32_t index, void *blob);
    std::uint32_t startJob(UXFInstance *instance, JobContext *context);
    std::uint32_t processRecord(UXFInstance *instance, std::uint16_t endingLevels,
                                std::uint32_t lastRecord);
    std::uint32_t endJob(UXFInstance *instance);
    std::uint16_t pageCount(UXFInstance *instance);
    const char *errorText(UXFInstance *instance);

private:
    // Names, titles and filter descriptions from the loaded texts (null while
    // the plug-in is not initialised).
    void publishTexts();

    const FormatPluginDescriptor &d_;
    std::size_t count_;
    FormatEntry entries_[kMaxFormats];
    const FormatEntry *entryList_[kMaxFormats];
    FormatTable table_;
    FileDialogHint hints_[kMaxFormats];
    const FileDialogHint *hintList_[kMaxFormats][1];
    FileDialogHintTable hintTables_[kMaxFormats];
};

} // namespace ux

// Defines the exported UXF functions of a format plug-in, forwarding to the
// FormatPluginExports object `exports` (library-wide state of the plug-in).
#define UX_FORMAT_PLUGIN_EXPORTS(exports)                                                          \
    extern "C" {                                                                                   \
    UX_EXPORT uint32_t UXFInitialize(uint32_t) {                                                   \
        return (exports).initialize();                                                             \
    }                                                                                              \
    UX_EXPORT uint32_t UXFTerminate(void) {                                                        \
        return (exports).terminate();                                                              \
    }                                                                                              \
    UX_EXPORT uint16_t UXFGetVersion(void) {                                                       \
        return UX_INTERFACE_VERSION;                                                               \
    }                                                                                              \
    UX_EXPORT const FormatTable *UXFGetExportFormats(void) {                                       \
        return (exports).formats();                                                                \
    }                                                                                              \
    UX_EXPORT uint32_t UXFInitExportFormat(void *parent, ReportLayout *layout, uint32_t index,     \
                                           const void *options, UXFInstance **instance,            \
                                           const FileDialogHintTable **hints) {                    \
        return (exports).initExportFormat(parent, layout, index, options, instance, hints);        \
    }                                                                                              \
    UX_EXPORT uint32_t UXFTermExportFormat(UXFInstance *instance, uint32_t) {                      \
        return (exports).termExportFormat(instance);                                               \
    }                                                                                              \
    UX_EXPORT uint32_t UXFEncodeFormatOptions(UXFInstance *instance, const void **blob,            \
                                              uint16_t *size) {                                    \
        return (exports).encodeOptions(instance, blob, size);                                      \
    }                                                                                              \
    UX_EXPORT uint32_t UXFDecodeFormatOptions(UXFInstance *instance, void **blob) {                \
        return (exports).decodeOptions(instance, blob);                                            \
    }                                                                                              \
    UX_EXPORT uint32_t UXFFreeFormatOptions(uint32_t index, void *blob) {                          \
        return (exports).freeOptions(index, blob);                                                 \
    }                                                                                              \
    UX_EXPORT uint32_t UXFStartJob(UXFInstance *instance, JobContext *context) {                   \
        return (exports).startJob(instance, context);                                              \
    }                                                                                              \
    UX_EXPORT uint32_t UXFProcessRecord(UXFInstance *instance, uint16_t endingLevels,              \
                                        uint32_t lastRecord) {                                     \
        return (exports).processRecord(instance, endingLevels, lastRecord);                        \
    }                                                                                              \
    UX_EXPORT uint32_t UXFEndJob(UXFInstance *instance) {                                          \
        return (exports).endJob(instance);                                                         \
    }                                                                                              \
    UX_EXPORT uint16_t UXFGetPageN(UXFInstance *instance) {                                        \
        return (exports).pageCount(instance);                                                      \
    }                                                                                              \
    UX_EXPORT const char *UXFGetErrorText(UXFInstance *instance) {                                 \
        return (exports).errorText(instance);                                                      \
    }                                                                                              \
    }

#endif // UX_PLUGIN_EXPORTS_H
