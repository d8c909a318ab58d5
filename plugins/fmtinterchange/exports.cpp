// exports.cpp - the UXF functions and resources of fmtinterchange.
//
// One format, "Data Interchange Format (DIF)" ("*.dif"); the format index is
// ignored. A null layout is refused at UXFInitExportFormat; no error texts.
#include <cstdlib>
#include <new>

#include "core/number_date.h"
#include "core/plugin_exports.h"
#include "core/resources.h"
#include "core/startup.h"
#include "fmtinterchange/dif_formatter.h"

namespace fmtinterchange {

namespace {

const UXStringResource kStrings[] = {
    {kName, "Data Interchange Format (DIF)"},
    {kDialogTitle, "Choose Export File"},
    {kFilter, "Data Interchange Format (*.dif)"},
};
const UXDialogResource kDialogs[] = {ux::kFmtOptDlg};
const UXResourceTables kOwnResources = {kStrings, sizeof kStrings / sizeof kStrings[0], kDialogs,
                                        sizeof kDialogs / sizeof kDialogs[0]};
const ux::TextSpec kTexts[] = {{kName}, {kDialogTitle}, {kFilter}};

ux::PluginStartup gStartup("lngxch", &kOwnResources, kTexts);

const ux::FormatSpec kFormats[] = {{kName, kFilter, "*.dif"}};

ux::Formatter *create(void *parent, ReportLayout *layout, std::uint32_t index) {
    return new (std::nothrow) DifFormatter(parent, layout, index);
}

std::uint32_t hintFor(std::uint32_t) {
    return 0;
}

void freeOptions(std::uint32_t, void *blob) {
    std::free(blob);
}

const ux::FormatPluginDescriptor kPlugin = {
    &gStartup, kDialogTitle, kFormats, &create, &hintFor, &freeOptions, true, 1, nullptr,
};

ux::FormatPluginExports gExports(kPlugin);

} // namespace

const ux::PluginStartup &startup() {
    return gStartup;
}

} // namespace fmtinterchange

UX_FORMAT_PLUGIN_EXPORTS(fmtinterchange::gExports)
