// destfile_resources.cpp - the texts destfile carries in its own language.
#include "destfile/destfile.h"

#include "core/uxd_abi.h"

namespace destfile {

namespace {

const UXStringResource kStrings[] = {
    {UXD_TEXT_NAME, "Disk file"},
    {UXD_TEXT_EXISTS_CAPTION, "File already exists"},
    {UXD_TEXT_READ_ONLY, "This file cannot be overwritten."},
    {UXD_TEXT_OVERWRITE, "Overwrite existing file?"},
};

} // namespace

const UXResourceTables kOwnResources = {kStrings, sizeof kStrings / sizeof kStrings[0], nullptr, 0};

} // namespace destfile
