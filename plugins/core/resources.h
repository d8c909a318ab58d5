/*
 * resources.h - string and dialog resources as compiled tables.
 *
 * Each plug-in carries its own resources as one UXResourceTables record. A
 * language library carries the same resources in another language: it is a
 * shared object beside the plug-in, named base name + two letters + ".so"
 * (for example lngplnde.so), that exports
 *
 *     uint32_t GetResDllVersion(void);             -- must answer UX_RESDLL_VERSION
 *     const UXResourceTables *UXGetResourceTables(void);
 *
 * Strings are found by number, dialogs by name; the texts are 8-bit ANSI.
 * The tables are static data of the module that holds them.
 */
#ifndef UX_RESOURCES_H
#define UX_RESOURCES_H

#include <stdint.h>

#include "core/hostif.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The version a language library must report to be accepted. */
#define UX_RESDLL_VERSION 0x03000000u

/* Symbol names a language library exports. */
#define UX_RESDLL_VERSION_SYMBOL "GetResDllVersion"
#define UX_RESDLL_TABLES_SYMBOL "UXGetResourceTables"

typedef struct UXStringResource {
    uint32_t id;
    const char *text;
} UXStringResource;

typedef struct UXDialogControl {
    int32_t kind; /* UXHOST_CONTROL_* */
    int32_t id;
    const char *text;     /* initial text (caption of a label, button or box), or null */
    int16_t x, y, cx, cy; /* dialog units */
} UXDialogControl;

typedef struct UXDialogResource {
    const char *name; /* e.g. "FmtOptDlg" */
    const char *caption;
    const char *font_name;
    int32_t point_size;
    int32_t cx, cy; /* dialog units */
    const UXDialogControl *controls;
    uint32_t control_count;
} UXDialogResource;

typedef struct UXResourceTables {
    const UXStringResource *strings;
    uint32_t string_count;
    const UXDialogResource *dialogs;
    uint32_t dialog_count;
} UXResourceTables;

typedef uint32_t (*UXGetResDllVersionFn)(void);
typedef const UXResourceTables *(*UXGetResourceTablesFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* UX_RESOURCES_H */
