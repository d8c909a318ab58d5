// exports.cpp - the UXF functions of fmtplain.
//
// Formats: 0 "Text" (TextStyleFormatter, "*.txt") and 1 "Tab-separated text"
// (TabSeparatedFormatter, "*.ttx"); any index other than 0 gives the
// tab-separated formatter. No options, no dialogs. The layout is checked when
// a job starts, and UXFGetPageN answers 0 for a null instance.
#include <new>

#include "core/plugin_exports.h"
#include "core/resources.h"
#include "core/startup.h"
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

const ux::FormatSpec kFormats[] = {
    {kTextName, kTextFilter, "*.txt"},
    {kTabName, kTabFilter, "*.ttx"},
};

ux::Formatter *create(void *parent, ReportLayout *layout, std::uint32_t index) {
    if (index == 0)
        return new (std::nothrow) fmtplain::TextStyleFormatter(parent, layout, index);
    return new (std::nothrow) fmtplain::TabSeparatedFormatter(parent, layout, index);
}

std::uint32_t hintFor(std::uint32_t index) {
    return index == 0 ? 0 : 1;
}

const ux::FormatPluginDescriptor kPlugin = {
    &gStartup, kDialogTitle, kFormats, &create, &hintFor, nullptr, false, 0, nullptr,
};

ux::FormatPluginExports gExports(kPlugin);

} // namespace

UX_FORMAT_PLUGIN_EXPORTS(gExports)
