// exports.cpp - the UXF functions and resources of fmtdelimited.
//
// Formats: 0 "Comma-separated values (CSV)" ("*.csv") and 1 "Tab-separated
// values" ("*.tsv"), both CTSVFormatter; 2 and every higher index
// "Character-separated values" ("*.chr", CharSVFormatter). A null layout is
// refused at UXFInitExportFormat.
#include <new>

#include "core/number_date.h"
#include "core/plugin_exports.h"
#include "core/resources.h"
#include "core/startup.h"
#include "fmtdelimited/delimited_formatter.h"

namespace fmtdelimited {

namespace {

// Text 1007, the line-start text, is not among the plug-in's own: it comes
// from a language library or is empty.
const UXStringResource kStrings[] = {
    {kCsvName, "Comma-separated values (CSV)"},
    {kTsvName, "Tab-separated values"},
    {kCharName, "Character-separated values"},
    {kDialogTitle, "Choose Export File"},
    {kCsvFilter, "Comma-separated (*.csv)"},
    {kTsvFilter, "Tab-separated (*.tsv)"},
    {kCharFilter, "Character-separated (*.chr)"},
    {kCommaSeparator, ","},
    {kTabSeparator, "\t"},
    {kQuoteText, "\""},
};

constexpr UXDialogControl kCharSepControls[] = {
    {UXHOST_CONTROL_LABEL, -1, "Separator:", 8, 10, 40, 10},
    {UXHOST_CONTROL_EDIT, 1000, nullptr, 52, 8, 40, 12},
    {UXHOST_CONTROL_LABEL, -1, "Quote:", 8, 28, 40, 10},
    {UXHOST_CONTROL_EDIT, 1001, nullptr, 52, 26, 20, 12},
    {UXHOST_CONTROL_DEFPUSHBUTTON, UXHOST_IDOK, "OK", 116, 8, 46, 14},
    {UXHOST_CONTROL_PUSHBUTTON, UXHOST_IDCANCEL, "Cancel", 116, 26, 46, 14},
};

const UXDialogResource kDialogs[] = {
    {"CharSepOptions", "Character-Separated Values", "Helv", 8, 170, 55, kCharSepControls,
     sizeof kCharSepControls / sizeof kCharSepControls[0]},
    ux::kFmtOptDlg,
};

const UXResourceTables kOwnResources = {kStrings, sizeof kStrings / sizeof kStrings[0], kDialogs,
                                        sizeof kDialogs / sizeof kDialogs[0]};

const ux::TextSpec kTexts[] = {
    {kCsvName},
    {kTsvName},
    {kCharName},
    {kDialogTitle},
    {kCsvFilter},
    {kTsvFilter},
    {kCharFilter},
    {kLineStart, ux::kTextBuffer, false},
    {kCommaSeparator, ux::kShortTextBuffer},
    {kTabSeparator, ux::kShortTextBuffer},
    {kQuoteText, ux::kShortTextBuffer},
};

ux::PluginStartup gStartup("lngdlm", &kOwnResources, kTexts);

const ux::FormatSpec kFormats[] = {
    {kCsvName, kCsvFilter, "*.csv"},
    {kTsvName, kTsvFilter, "*.tsv"},
    {kCharName, kCharFilter, "*.chr"},
};

ux::Formatter *create(void *parent, ReportLayout *layout, std::uint32_t index) {
    if (index <= 1)
        return new (std::nothrow) CTSVFormatter(parent, layout, index);
    return new (std::nothrow) CharSVFormatter(parent, layout, index);
}

std::uint32_t hintFor(std::uint32_t index) {
    return index <= 1 ? index : 2;
}

const ux::FormatPluginDescriptor kPlugin = {
    &gStartup, kDialogTitle, kFormats, &create, &hintFor, &freeOptions, true, 1, nullptr,
};

ux::FormatPluginExports gExports(kPlugin);

} // namespace

const ux::PluginStartup &startup() {
    return gStartup;
}

} // namespace fmtdelimited

UX_FORMAT_PLUGIN_EXPORTS(fmtdelimited::gExports)
