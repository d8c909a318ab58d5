// exports.cpp - the UXF functions and resources of fmtcolumns.
//
// One format, "Record style (columns of values)" ("*.rec"); the format index
// is ignored. A null layout is refused at UXFInitExportFormat. The only
// format plug-in with error texts: UXFGetErrorText answers the general error
// text for a null instance.
#include <cstdlib>
#include <new>

#include "core/number_date.h"
#include "core/plugin_exports.h"
#include "core/resources.h"
#include "core/startup.h"
#include "fmtcolumns/columns_formatter.h"

namespace fmtcolumns {

namespace {

const UXStringResource kStrings[] = {
    {kName, "Record style (columns of values)"},
    {kDialogTitle, "Choose Export File"},
    {kFilter, "Record style (*.rec)"},
    {kErrorCaption, "Error"},
    {kGeneralError, "Error in \"Record Export Format DLL\"."},
    {kWidthError, "Could not get avg char width"},
    {kWriteBlanks, "writeBlanks"},
};
const UXDialogResource kDialogs[] = {ux::kFmtOptDlg};
const UXResourceTables kOwnResources = {kStrings, sizeof kStrings / sizeof kStrings[0], kDialogs,
                                        sizeof kDialogs / sizeof kDialogs[0]};
// The message texts 1003 to 1006 are loaded when needed.
const ux::TextSpec kTexts[] = {{kName}, {kDialogTitle}, {kFilter}};

ux::PluginStartup gStartup("lngcol", &kOwnResources, kTexts);

const ux::FormatSpec kFormats[] = {{kName, kFilter, "*.rec"}};

ux::Formatter *create(void *parent, ReportLayout *layout, std::uint32_t index) {
    return new (std::nothrow) ColumnsFormatter(parent, layout, index);
}

std::uint32_t hintFor(std::uint32_t) {
    return 0;
}

void freeOptions(std::uint32_t, void *blob) {
    std::free(blob);
}

char gErrorText[255];
const char *nullInstanceErrorText() {
    gStartup.loadText(kGeneralError, gErrorText, sizeof gErrorText);
    return gErrorText;
}

const ux::FormatPluginDescriptor kPlugin = {
    &gStartup, kDialogTitle,           kFormats, &create, &hintFor, &freeOptions, true,
    1,         &nullInstanceErrorText,
};

ux::FormatPluginExports gExports(kPlugin);

} // namespace

const ux::PluginStartup &startup() {
    return gStartup;
}

} // namespace fmtcolumns

UX_FORMAT_PLUGIN_EXPORTS(fmtcolumns::gExports)
