/*
 * uxd_abi.h - the boundary between the report engine and a destination
 * plug-in (destfile, the "Disk file" destination).
 *
 * Same conventions as the format plug-ins (uxf_abi.h): packed records, 16-bit
 * little-endian words, 32-bit pointers (-m32), result codes UX_*, options
 * blobs with a size word whose top bit UX_BLOB_STORED marks the stored form.
 * Bytes between the listed fields belong to the engine (engine_*).
 *
 * Ownership:
 *   - DestinationTable and DestinationEntry are static data of the plug-in;
 *     the entry's name is valid from UXDInitialize to the balancing
 *     UXDTerminate.
 *   - DestinationRequest and its FileRequest records belong to the engine and
 *     are only read, during UXDInitExportDestination.
 *   - The instance, its DestinationInfo, the name array, every name buffer
 *     and the stored-form options blob belong to the plug-in until
 *     UXDTermExportDestination. The engine reads the chosen names from
 *     DestinationInfo in between.
 *   - A decoded options blob belongs to the caller, who releases it with
 *     UXDFreeDestinationOptions.
 */
#ifndef UXD_ABI_H
#define UXD_ABI_H

#include "core/uxf_abi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Size of each chosen-name buffer, terminating NUL included. */
#define UXD_NAME_BUFFER 260u
/* Size of the Save dialog's filter buffer (description, pattern, three NULs). */
#define UXD_FILTER_BUFFER 100u
/* Option bits of the Save dialog: hide the read-only box, keep the current
 * directory, the path must exist, share-aware, no test file creation. */
#define UXD_SAVE_DIALOG_FLAGS 0x1480cu

/* Resource texts of destfile. */
#define UXD_TEXT_NAME 1000u           /* "Disk file" */
#define UXD_TEXT_EXISTS_CAPTION 1001u /* "File already exists" */
#define UXD_TEXT_READ_ONLY 1002u      /* "This file cannot be overwritten." */
#define UXD_TEXT_OVERWRITE 1003u      /* "Overwrite existing file?" */

#pragma pack(push, 1)

/* One destination (10 bytes). */
typedef struct DestinationEntry {
    uint16_t size;    /* 0: 10 */
    const char *name; /* 2: display name, resource text 1000 ("Disk file") */
    uint32_t index;   /* 6: 0 */
} DestinationEntry;

/* Returned by UXDGetExportDestinations (8 bytes). */
typedef struct DestinationTable {
    uint16_t size;                          /* 0: 8 */
    uint16_t count;                         /* 2: 1 */
    const DestinationEntry *const *entries; /* 4: array of one pointer */
} DestinationTable;

/* One file to name (34 bytes), built by the engine from the chosen format's
 * FileDialogHint. */
typedef struct FileRequest {
    uint8_t engine_0[2];
    uint32_t name_fixed;            /* 2: non-zero = take fixed_name as it is, no dialog */
    const char *fixed_name;         /* 6: the fixed name; null = an empty name */
    const char *title;              /* 10: Save dialog title */
    const char *filter_description; /* 14: or null */
    const char *filter_pattern;     /* 18: or null */
    const char *initial_dir;        /* 22: or null */
    const char *initial_name;       /* 26: or null */
    const char *default_extension;  /* 30: or null */
} FileRequest;

/* Fourth argument of UXDInitExportDestination (16 bytes). */
typedef struct DestinationRequest {
    uint8_t engine_0[10];
    uint16_t file_count;       /* 10: number of files to name */
    FileRequest *const *files; /* 12: file_count pointers */
} DestinationRequest;

/* The chosen names (52 bytes), handed back by UXDInitExportDestination. */
typedef struct DestinationInfo {
    uint16_t size;            /* 0: 52 */
    uint8_t zero_2[22 - 2];   /* 0 */
    uint16_t name_count;      /* 22: number of names */
    char **names;             /* 24: name_count pointers to buffers of UXD_NAME_BUFFER */
    uint8_t zero_28[52 - 28]; /* 0 */
} DestinationInfo;

/* Options blob, decoded form (6 bytes): size 6 and a copy of the first name.
 * The stored form is the size word (name length + 7, UX_BLOB_STORED set)
 * followed by the name and its NUL, inline. */
typedef struct DestinationOptions {
    uint16_t size; /* 0: 6 */
    char *name;    /* 2: copy of the first chosen name */
} DestinationOptions;

#pragma pack(pop)

#define UXD_AT(type, field, off) UX_STATIC_ASSERT(offsetof(type, field) == (off), #type "." #field)
#define UXD_SIZE(type, n) UX_STATIC_ASSERT(sizeof(type) == (n), "sizeof " #type)
UXD_AT(DestinationEntry, name, 2);
UXD_AT(DestinationEntry, index, 6);
UXD_SIZE(DestinationEntry, 10);
UXD_AT(DestinationTable, count, 2);
UXD_AT(DestinationTable, entries, 4);
UXD_SIZE(DestinationTable, 8);
UXD_AT(FileRequest, name_fixed, 2);
UXD_AT(FileRequest, fixed_name, 6);
UXD_AT(FileRequest, title, 10);
UXD_AT(FileRequest, filter_description, 14);
UXD_AT(FileRequest, filter_pattern, 18);
UXD_AT(FileRequest, initial_dir, 22);
UXD_AT(FileRequest, initial_name, 26);
UXD_AT(FileRequest, default_extension, 30);
UXD_SIZE(FileRequest, 34);
UXD_AT(DestinationRequest, file_count, 10);
UXD_AT(DestinationRequest, files, 12);
UXD_SIZE(DestinationRequest, 16);
UXD_AT(DestinationInfo, name_count, 22);
UXD_AT(DestinationInfo, names, 24);
UXD_SIZE(DestinationInfo, 52);
UXD_AT(DestinationOptions, name, 2);
UXD_SIZE(DestinationOptions, 6);
#undef UXD_AT
#undef UXD_SIZE

/* A destination instance: opaque to the engine, owned by the plug-in from a
 * successful UXDInitExportDestination to UXDTermExportDestination. */
typedef struct UXDInstance UXDInstance;

/* Counted start-up: the first call finds the language library "lngdst" and
 * loads the display name (text 1000).
 * When: before anything else; once per user of the library.
 * Returns: 0 (also when already initialised); 7 text 1000 is missing; 2 out of
 * memory. The argument is not used. */
UX_EXPORT uint32_t UXDInitialize(uint32_t unused);

/* Lowers the use count; the call that brings it to 0 releases the language
 * library and the display name. Returns: 0. */
UX_EXPORT uint32_t UXDTerminate(void);

/* Returns: UX_INTERFACE_VERSION (0x0100). Any time. */
UX_EXPORT uint16_t UXDGetVersion(void);

/* Returns: the DestinationTable (static). When: after UXDInitialize. */
UX_EXPORT const DestinationTable *UXDGetExportDestinations(void);

/* Names every file of `request`, asking the user (Save dialog, overwrite
 * question, owned by `owner`) unless the name is fixed or `options` (either
 * form, or null) carries one; deletes an existing file the user agreed to
 * replace.
 * Out: *instance is set to null first and receives the instance only on
 * success; *info receives the instance's DestinationInfo, valid until
 * UXDTermExportDestination.
 * Returns: 0; 2 out of memory; 5 a null request or out pointer, or a name or
 * filter that does not fit its buffer; 6 the user cancelled or refused to
 * replace a file. On failure nothing is handed out. */
UX_EXPORT uint32_t UXDInitExportDestination(void *owner, uint32_t unused, const void *options,
                                            const DestinationRequest *request,
                                            UXDInstance **instance, DestinationInfo **info);

/* Destroys the instance, its names and its stored blob (null allowed). The
 * second argument is not used. Returns: 0. */
UX_EXPORT uint32_t UXDTermExportDestination(UXDInstance *instance, uint32_t unused);

/* Out: the first chosen name as a stored-form blob and its size. The blob
 * belongs to the instance until the next encode or UXDTermExportDestination.
 * Returns: 0; 2; 5 null instance (or out pointers). */
UX_EXPORT uint32_t UXDEncodeDestinationOptions(UXDInstance *instance, const void **blob,
                                               uint16_t *size);

/* Out: a newly allocated decoded blob (DestinationOptions) that the caller
 * releases with UXDFreeDestinationOptions. Returns: 0; 2; 5 null instance. */
UX_EXPORT uint32_t UXDDecodeDestinationOptions(UXDInstance *instance, void **blob);

/* Releases a decoded blob and its name (null allowed). The first argument is
 * not used. Returns: 0. */
UX_EXPORT uint32_t UXDFreeDestinationOptions(uint32_t unused, void *blob);

/* After the engine has written the file: nothing is left to do. Returns: 0. */
UX_EXPORT uint32_t UXDExportToDestination(UXDInstance *instance, uint32_t unused);

/* Returns: null (destfile has no error texts). */
UX_EXPORT const char *UXDGetErrorText(UXDInstance *instance);

/* Pointer types for hosts that look the exports up by name. */
typedef uint32_t (*UXDInitializeFn)(uint32_t);
typedef uint32_t (*UXDTerminateFn)(void);
typedef uint16_t (*UXDGetVersionFn)(void);
typedef const DestinationTable *(*UXDGetExportDestinationsFn)(void);
typedef uint32_t (*UXDInitExportDestinationFn)(void *, uint32_t, const void *,
                                               const DestinationRequest *, UXDInstance **,
                                               DestinationInfo **);
typedef uint32_t (*UXDTermExportDestinationFn)(UXDInstance *, uint32_t);
typedef uint32_t (*UXDEncodeDestinationOptionsFn)(UXDInstance *, const void **, uint16_t *);
typedef uint32_t (*UXDDecodeDestinationOptionsFn)(UXDInstance *, void **);
typedef uint32_t (*UXDFreeDestinationOptionsFn)(uint32_t, void *);
typedef uint32_t (*UXDExportToDestinationFn)(UXDInstance *, uint32_t);
typedef const char *(*UXDGetErrorTextFn)(UXDInstance *);

#ifdef __cplusplus
}
#endif

#endif /* UXD_ABI_H */
