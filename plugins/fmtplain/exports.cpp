// exports.cpp - the UXF functions of fmtplain.
//
// Formats: 0 "Text" (TextStyleFormatter, "*.txt") and 1 "Tab-separated text"
// (TabSeparatedFormatter, "*.ttx"); any index other than 0 gives the
// tab-separated formatter. No options, no dialogs.
#include <cstring>
#include <new>

#include "core/formatter.h"
#include "core/resources.h"
#include "core/startup.h"
#include "core/uxf_abi.h"
#include "fmtplain/text_formatter.h"

namespace {

enum : std::uint32_t {
    kTextName = 1000,
    kTabName = 1001,
    kDialogTitle = 1002,
    kTextFilter = 1003,
    kTabFilter = 1004,
};

const UXStringResource kStrings[] = {
    {kTextName, "Text"},
    {kTabName, "Tab-separated text"},
    {kDialogTitle, "Choose Export File"},
    {kTextFilter, "Text (*.txt)"},
    {kTabFilter, "Tab-separated (*.ttx)"},
};
const UXResourceTables kOwnResources = {kStrings, sizeof kStrings / sizeof kStrings[0], nullptr, 0};
const ux::TextSpec kTexts[] = {
    {kTextName}, {kTabName}, {kDialogTitle}, {kTextFilter}, {kTabFilter}};

ux::PluginStartup gStartup("lngpln", &kOwnResources, kTexts);

const char kTextPattern[] = "*.txt";
const char kTabPattern[] = "*.ttx";

// Published records; their texts are filled from the loaded resources at
// start-up and cleared when the last user terminates.
FormatEntry gEntries[2] = {
    {sizeof(FormatEntry), nullptr, 0, 1, 0},
    {sizeof(FormatEntry), nullptr, 1, 1, 0},
};
const FormatEntry *const gEntryList[2] = {&gEntries[0], &gEntries[1]};
const FormatTable gTable = {sizeof(FormatTable), 2, gEntryList};

FileDialogHint gHints[2] = {
    {sizeof(FileDialogHint), 0, nullptr, nullptr, nullptr, kTextPattern, kTextPattern + 2},
    {sizeof(FileDialogHint), 0, nullptr, nullptr, nullptr, kTabPattern, kTabPattern + 2},
};
const FileDialogHint *const gHintList[2][1] = {{&gHints[0]}, {&gHints[1]}};
const FileDialogHintTable gHintTables[2] = {
    {sizeof(FileDialogHintTable), 1, gHintList[0]},
    {sizeof(FileDialogHintTable), 1, gHintList[1]},
};

void publishTexts() {
    gEntries[0].name = gStartup.text(kTextName);
    gEntries[1].name = gStartup.text(kTabName);
    gHints[0].title = gHints[1].title = gStartup.text(kDialogTitle);
    gHints[0].filter_description = gStartup.text(kTextFilter);
    gHints[1].filter_description = gStartup.text(kTabFilter);
}

} // namespace

extern "C" {

UX_EXPORT uint32_t UXFInitialize(uint32_t) {
    return ux::guardedCall([] {
        const std::uint32_t rc = gStartup.initialize();
        publishTexts();
        return rc;
    });
}

UX_EXPORT uint32_t UXFTerminate(void) {
    return ux::guardedCall([] {
        gStartup.terminate();
        if (gStartup.useCount() <= 0)
            publishTexts(); // the texts are gone
        return UX_OK;
    });
}

UX_EXPORT uint16_t UXFGetVersion(void) {
    return UX_INTERFACE_VERSION;
}

UX_EXPORT const FormatTable *UXFGetExportFormats(void) {
    return &gTable;
}

UX_EXPORT uint32_t UXFInitExportFormat(void *parent, ReportLayout *layout, uint32_t formatIndex,
                                       const void *options, UXFInstance **instance,
                                       const FileDialogHintTable **hints) {
    if (instance)
        *instance = nullptr;
    if (!instance || !hints)
        return UX_EINVALID;
    return ux::guardedCall([&]() -> std::uint32_t {
        // The layout is checked when a job starts.
        ux::Formatter *formatter =
            formatIndex == 0
                ? static_cast<ux::Formatter *>(
                      new (std::nothrow) fmtplain::TextStyleFormatter(parent, layout, formatIndex))
                : new (std::nothrow) fmtplain::TabSeparatedFormatter(parent, layout, formatIndex);
        if (!formatter)
            return UX_ENOMEM;
        if (std::uint32_t rc = formatter->applyOptions(options)) {
            delete formatter;
            return rc;
        }
        *instance = ux::instanceOf(formatter);
        *hints = &gHintTables[formatIndex == 0 ? 0 : 1];
        return UX_OK;
    });
}

UX_EXPORT uint32_t UXFTermExportFormat(UXFInstance *instance, uint32_t) {
    delete ux::formatterOf(instance);
    return UX_OK;
}

UX_EXPORT uint32_t UXFEncodeFormatOptions(UXFInstance *instance, const void **blob,
                                          uint16_t *size) {
    if (!instance)
        return UX_EINVALID;
    return ux::formatterOf(instance)->encodeOptions(blob, size);
}

UX_EXPORT uint32_t UXFDecodeFormatOptions(UXFInstance *instance, void **blob) {
    if (!instance)
        return UX_EINVALID;
    return ux::formatterOf(instance)->decodeOptions(blob);
}

UX_EXPORT uint32_t UXFFreeFormatOptions(uint32_t, void *) {
    return UX_OK;
}

UX_EXPORT uint32_t UXFStartJob(UXFInstance *instance, JobContext *context) {
    if (!instance)
        return UX_EINVALID;
    return ux::guardedCall([&] { return ux::formatterOf(instance)->startJob(context); });
}

UX_EXPORT uint32_t UXFProcessRecord(UXFInstance *instance, uint16_t endingLevels,
                                    uint32_t lastRecord) {
    if (!instance)
        return UX_EINVALID;
    return ux::guardedCall(
        [&] { return ux::formatterOf(instance)->processRecord(endingLevels, lastRecord); });
}

UX_EXPORT uint32_t UXFEndJob(UXFInstance *instance) {
    if (!instance)
        return UX_EINVALID;
    return ux::guardedCall([&] { return ux::formatterOf(instance)->endJob(); });
}

UX_EXPORT uint16_t UXFGetPageN(UXFInstance *instance) {
    return instance ? ux::formatterOf(instance)->pageCount() : 0;
}

UX_EXPORT const char *UXFGetErrorText(UXFInstance *instance) {
    return instance ? ux::formatterOf(instance)->errorText() : nullptr;
}

} // extern "C"
