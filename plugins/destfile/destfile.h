// destfile.h - the "Disk file" destination: its own resources.
#ifndef DESTFILE_H
#define DESTFILE_H

#include "core/resources.h"

namespace destfile {

// The plug-in's own string resources (1000 to 1003).
extern const UXResourceTables kOwnResources;

// Base name of the language library (lngdst + two letters + ".so").
inline constexpr const char *kLanguageBaseName = "lngdst";

} // namespace destfile

#endif // DESTFILE_H
