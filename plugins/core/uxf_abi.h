/*
 * uxf_abi.h - the boundary between the report engine and a format plug-in.
 *
 * Every record that crosses the boundary is packed (no padding), with 16-bit
 * little-endian words and 32-bit pointers and flags; the plug-ins are built
 * -m32, so a native pointer is those 32 bits. Every offset the plug-ins use is
 * checked below with a static assertion. The bytes between the listed fields
 * belong to the engine: they are named engine_* and never read by a plug-in.
 *
 * Ownership, in one place:
 *   - Records the engine passes (ReportLayout and everything reachable from it,
 *     JobContext, ValueText, ValueGrid, GridCell, raw values) belong to the
 *     engine. A plug-in only reads them, with two exceptions that it writes:
 *     FieldItem.scratch (a field's progress word) and FontMetrics.avg_char_width
 *     (measured once, then cached there).
 *   - Records the plug-in publishes (FormatTable, FormatEntry,
 *     FileDialogHintTable, FileDialogHint) are static data inside the plug-in,
 *     valid from UXFInitialize to the balancing UXFTerminate.
 *   - A format instance, its group table and its stored-form options blob
 *     belong to the plug-in until UXFTermExportFormat.
 *   - A decoded options blob belongs to the caller, who releases it with
 *     UXFFreeFormatOptions.
 *
 * Threading: the engine calls a plug-in from one thread at a time. Library-wide
 * state (use count, texts, language library, locale format records) is shared
 * by all instances without locking.
 *
 * Errors: every exported function returns a 32-bit result code (UX_OK ...);
 * no exception crosses the boundary. An engine callback's own non-zero result
 * is passed back to the engine unchanged.
 */
#ifndef UXF_ABI_H
#define UXF_ABI_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define UX_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define UX_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#if defined(_WIN32)
#define UX_EXPORT __declspec(dllexport)
#else
#define UX_EXPORT __attribute__((visibility("default")))
#endif

UX_STATIC_ASSERT(sizeof(void *) == 4, "the plug-in boundary has 32-bit pointers: build with -m32");

/* ------------------------------------------------------------------------- */
/* Result codes                                                              */
/* ------------------------------------------------------------------------- */

typedef uint32_t ux_result;

#define UX_OK 0u          /* success */
#define UX_ENOMEM 2u      /* memory could not be allocated */
#define UX_ESHORTWRITE 3u /* WriteOutput accepted fewer bytes than asked */
#define UX_EINVALID                                                                                \
    5u                   /* null instance; null or inconsistent layout, area, line or item;        \
                            a required area missing; a group level above the count;                \
                            a grid row without cells; a text that does not fit its buffer */
#define UX_ECANCELLED 6u /* the user cancelled a dialog */
#define UX_ERESOURCE 7u  /* a required resource text could not be loaded at start-up */

/* Version answered by UXFGetVersion (and UXDGetVersion). */
#define UX_INTERFACE_VERSION 0x0100u

#pragma pack(push, 1)

/* ------------------------------------------------------------------------- */
/* Records the plug-in publishes                                             */
/* ------------------------------------------------------------------------- */

/* One format of the plug-in (14 bytes). */
typedef struct FormatEntry {
    uint16_t size;    /* 0: 14 */
    const char *name; /* 2: display name, a resource text loaded at UXFInitialize */
    uint32_t index;   /* 6: 0, 1, 2 in table order; the format index of UXFInitExportFormat */
    uint16_t one;     /* 10: 1 in every entry */
    uint16_t zero;    /* 12: 0 in every entry */
} FormatEntry;

/* Returned by UXFGetExportFormats (8 bytes). */
typedef struct FormatTable {
    uint16_t size;                     /* 0: 8 */
    uint16_t count;                    /* 2: number of formats */
    const FormatEntry *const *entries; /* 4: array of count pointers */
} FormatTable;

/* The file-dialog hint of one format (26 bytes). The engine turns it into the
 * destination's file request; the two leading words are 0 here and take the
 * fixed-name flag and the fixed name in that request. */
typedef struct FileDialogHint {
    uint16_t size;                  /* 0: 26 */
    uint32_t name_fixed;            /* 2: 0 */
    const char *fixed_name;         /* 6: 0 */
    const char *title;              /* 10: dialog title (resource text) */
    const char *filter_description; /* 14: e.g. "Text (*.txt)" (resource text) */
    const char *filter_pattern;     /* 18: e.g. "*.txt" (fixed in the plug-in) */
    const char *default_extension;  /* 22: the pattern without "*.", pointing into it */
} FileDialogHint;

/* Handed out by UXFInitExportFormat (8 bytes), one per format. */
typedef struct FileDialogHintTable {
    uint16_t size;                      /* 0: 8 */
    uint16_t count;                     /* 2: 1 */
    const FileDialogHint *const *hints; /* 4: array of one pointer */
} FileDialogHintTable;

/* ------------------------------------------------------------------------- */
/* Records the engine supplies                                               */
/* ------------------------------------------------------------------------- */

/* Value kinds (FieldDescriptor.kind). */
#define UX_KIND_INT8_A 0
#define UX_KIND_INT8_B 1
#define UX_KIND_INT16_A 2
#define UX_KIND_INT16_B 3
#define UX_KIND_INT32_A 4
#define UX_KIND_INT32_B 5
#define UX_KIND_NUMBER 6   /* 8-byte floating point */
#define UX_KIND_CURRENCY 7 /* 8-byte floating point */
#define UX_KIND_BOOLEAN 8  /* 32-bit, non-zero = true */
#define UX_KIND_DATE 9     /* engine-defined raw form */
#define UX_KIND_TEXT_A 10
#define UX_KIND_TEXT_B 11

/* Area kinds (LayoutArea.kind). */
#define UX_AREA_OPENING0 0 /* optional, exported before kind 1 */
#define UX_AREA_OPENING 1  /* required */
#define UX_AREA_GROUP_HEADER 2
#define UX_AREA_DETAILS 3 /* required */
#define UX_AREA_GROUP_FOOTER 4
#define UX_AREA_CLOSING5 5 /* optional, exported first of the closing areas */
#define UX_AREA_CLOSING 6  /* required */
#define UX_AREA_CLOSING7 7 /* optional, exported last */

/* Field alignment (FieldStyle.alignment). */
#define UX_ALIGN_DEFAULT 0
#define UX_ALIGN_LEFT 1
#define UX_ALIGN_CENTRE 2
#define UX_ALIGN_RIGHT 3

/* ReportLayout.mode value that selects grid mode for the details area. */
#define UX_LAYOUT_MODE_GRID 3

typedef struct FontMetrics {
    uint8_t engine_0[2];
    uint16_t avg_char_width; /* 2: layout units; 0 until measured. Written once by the
                                plug-in that measures it, then read from here. */
    uint8_t engine_4[0x42 - 4];
    void *font; /* 0x42: font handle for the job's device context */
} FontMetrics;

typedef struct FieldStyle {
    uint8_t engine_0[6];
    uint16_t alignment;             /* 6: UX_ALIGN_* */
    uint32_t suppress_zero_or_grow; /* 8: number kinds: suppress if zero; text kinds: may grow */
    uint16_t max_lines;             /* 0x0c: maximum lines of a growing field; 0 = no limit */
} FieldStyle;

typedef struct FieldDescriptor {
    uint8_t engine_0[0x0a];
    uint16_t field_class; /* 0x0a: class; 3 is skipped by the record-style format */
    uint8_t engine_c[0x10 - 0x0c];
    uint16_t kind; /* 0x10: UX_KIND_* */
} FieldDescriptor;

typedef struct TextItem {
    uint8_t engine_0[6];
    int16_t position; /* 6: horizontal position, layout units (100 = one column) */
    uint8_t engine_8[2];
    FontMetrics *font; /* 10: must not be null */
    const char *text;  /* 0x0e: null, or exactly one tab, produces nothing */
} TextItem;

typedef struct FieldItem {
    uint8_t engine_0[2];
    uint32_t scratch;             /* 2: owned by the plug-in (a growing field's progress:
                                     low 16 bits lines printed, high 16 bits characters consumed) */
    int16_t position;             /* 6: horizontal position, layout units */
    uint16_t width;               /* 8: layout units */
    FontMetrics *font;            /* 10: must not be null */
    uint32_t suppress_duplicates; /* 0x0e: a value that repeats the previous one is suppressed */
    uint32_t hidden;              /* 0x12: the item is skipped entirely */
    uint8_t engine_16[0x1a - 0x16];
    FieldStyle *style;           /* 0x1a: must not be null */
    FieldDescriptor *descriptor; /* 0x1e: must not be null */
} FieldItem;

typedef struct LayoutLine {
    uint8_t engine_0[10];
    uint16_t text_count;  /* 10 */
    TextItem **texts;     /* 12: in position order; not null when text_count != 0 */
    uint16_t field_count; /* 0x10 */
    FieldItem **fields;   /* 0x12: in position order; not null when field_count != 0 */
} LayoutLine;

typedef struct AreaStyle {
    uint8_t engine_0[6];
    uint32_t shown; /* 6: 0 = the area produces no output */
    uint8_t engine_a[0x16 - 0x0a];
    uint32_t drop_blank_lines; /* 0x16: non-zero = a line that comes out blank is left out */
} AreaStyle;

typedef struct GroupRecord {
    uint8_t engine_0[6];
    uint16_t level; /* 6: kinds 2 and 4: group level (1 = outermost);
                       kind 3: how many times the details area repeats per record */
} GroupRecord;

typedef struct LayoutArea {
    uint8_t engine_0[6];
    uint16_t kind;      /* 6: UX_AREA_* */
    GroupRecord *group; /* 8: required for kinds 2, 3, 4 */
    uint8_t engine_c[2];
    AreaStyle *style;    /* 0x0e: must not be null */
    uint16_t line_count; /* 0x12 */
    LayoutLine **lines;  /* 0x14: not null when line_count != 0 */
} LayoutArea;

/* Second argument of UXFInitExportFormat. */
typedef struct ReportLayout {
    uint8_t engine_0[0x12];
    uint16_t mode; /* 0x12: UX_LAYOUT_MODE_GRID selects grid mode */
    uint8_t engine_14[0x2c - 0x14];
    uint16_t area_count;   /* 0x2c: must not be 0 */
    uint16_t group_levels; /* 0x2e: 0 = no grouping */
    LayoutArea **areas;    /* 0x30: must not be null */
} ReportLayout;

/* A value as text. Text kinds use only `text` (0x1a); every other kind shows
 * the non-null pieces joined in offset order. */
typedef struct ValueText {
    uint8_t engine_0[6];
    const char *prefix; /* 6 */
    uint8_t engine_a[0x16 - 0x0a];
    const char *lead; /* 0x16 */
    const char *text; /* 0x1a */
    uint8_t engine_1e[0x24 - 0x1e];
    const char *trail; /* 0x24 */
    uint8_t engine_28[0x30 - 0x28];
    const char *suffix; /* 0x30 */
} ValueText;

typedef struct GridCell {
    uint8_t engine_0[6];
    uint16_t position; /* 6: layout units */
    uint16_t width;    /* 8: layout units */
    FieldItem *item;   /* 10: describes the cell; must not be null */
    const void *raw;   /* 0x0e: raw value for FormatRawValue */
} GridCell;

typedef struct GridRow {
    uint8_t engine_0[10];
    GridCell **cells; /* 10: column-count cell pointers; a null cell is empty */
} GridRow;

typedef struct ValueGrid {
    uint8_t engine_0[6];
    uint16_t row_count;    /* 6 */
    uint16_t column_count; /* 8 */
    GridRow **rows;        /* 10 */
} ValueGrid;

/* Engine callbacks. Each takes the opaque engine handle first and returns 0 or
 * the engine's own error code, which the plug-in passes back unchanged.
 * Records handed out through out pointers belong to the engine and stay valid
 * at least until the plug-in's next callback. */
typedef uint32_t (*UXBeginAreaFn)(void *engine, LayoutArea *area, uint32_t fresh);
typedef uint32_t (*UXEndAreaFn)(void *engine);
typedef uint32_t (*UXGetReportValueFn)(void *engine, FieldItem *item, ValueText **value,
                                       uint32_t *repeated);
typedef uint32_t (*UXGetRawValueFn)(void *engine, FieldItem *item, const void **raw,
                                    uint32_t *repeated);
typedef uint32_t (*UXFormatRawValueFn)(void *engine, FieldItem *item, const void *format_record,
                                       uint32_t zero, const void *raw, ValueText **value);
typedef uint32_t (*UXGetGridFn)(void *engine, ValueGrid **grid);
typedef uint32_t (*UXWriteOutputFn)(void *engine, uint32_t zero, uint16_t count, uint16_t *written,
                                    const char *bytes);
typedef uint32_t (*UXSeekOutputFn)(void *engine, uint32_t zero, uint32_t origin, int32_t offset,
                                   uint32_t *position);

#define UX_SEEK_FROM_START 0u
#define UX_SEEK_FROM_CURRENT 1u

/* Argument of UXFStartJob; the plug-in keeps the pointer until UXFEndJob. */
typedef struct JobContext {
    uint8_t engine_0[2];
    void *engine;             /* 2: opaque handle, first argument of every callback */
    void *device_context;     /* 6: for measuring with FontMetrics.font */
    UXBeginAreaFn begin_area; /* 0x0a: area, fresh flag; result ignored */
    UXEndAreaFn end_area;     /* 0x0e: result ignored */
    uint8_t engine_12[0x16 - 0x12];
    UXGetReportValueFn get_report_value; /* 0x16 */
    UXGetRawValueFn get_raw_value;       /* 0x1a: a null raw pointer means no value */
    UXFormatRawValueFn format_raw_value; /* 0x1e: format record = FieldStyle (grid cells),
                                            NumberFormatRecord, DateFormatRecord or null */
    UXGetGridFn get_grid;                /* 0x22: a null grid means nothing to export */
    UXWriteOutputFn write_output;        /* 0x26 */
    UXSeekOutputFn seek_output;          /* 0x2a: origin 1 offset 0 reports the position */
} JobContext;

/* ------------------------------------------------------------------------- */
/* Number and date options (plug-ins with options)                           */
/* ------------------------------------------------------------------------- */

/* The options blob of the plug-ins with number and date options (10 bytes). */
typedef struct NumberDateOptions {
    uint16_t size;                /* 0: 10; the stored-form bit is never set */
    uint32_t same_number_formats; /* 2: non-zero = numbers as in the report */
    uint32_t same_date_formats;   /* 6: non-zero = dates as in the report */
} NumberDateOptions;

/* Number format handed to FormatRawValue (50 bytes); unlisted bytes are 0. */
typedef struct NumberFormatRecord {
    uint16_t size; /* 0: 50 */
    uint8_t engine_2[12 - 2];
    uint16_t negative_style; /* 12: 1 minus before, 2 minus after, 3 parentheses */
    uint32_t constant;       /* 14 */
    uint32_t leading_zero;   /* 18 */
    uint16_t decimals;       /* 22 */
    uint16_t rounding;       /* 24: rounding code for the decimals */
    uint16_t symbol_spacing; /* 26: 2 no space between symbol and number, 1 a space */
    uint8_t engine_28[36 - 28];
    uint32_t symbol_first;       /* 36: currency symbol before the number */
    uint32_t minus_between;      /* 40: minus sign between symbol and number */
    char thousands_separator;    /* 44 */
    char decimal_separator;      /* 45 */
    const char *currency_symbol; /* 46 */
} NumberFormatRecord;

/* Date format handed to FormatRawValue (24 bytes); unlisted bytes are 0. */
typedef struct DateFormatRecord {
    uint16_t size; /* 0: 24 */
    uint8_t engine_2[8 - 2];
    uint16_t order;              /* 8: 1 day first, 2 month first, 0 year first */
    uint16_t day_leading_zero;   /* 10 */
    uint16_t month_leading_zero; /* 12 */
    uint16_t four_digit_year;    /* 14 */
    const char *separator1;      /* 16 */
    const char *separator2;      /* 20 */
} DateFormatRecord;

#pragma pack(pop)

/* Size-word bit that marks an options blob in stored form (texts inline). */
#define UX_BLOB_STORED 0x8000u

/* ------------------------------------------------------------------------- */
/* Offsets                                                                   */
/* ------------------------------------------------------------------------- */

#define UX_AT(type, field, off) UX_STATIC_ASSERT(offsetof(type, field) == (off), #type "." #field)
#define UX_SIZE(type, n) UX_STATIC_ASSERT(sizeof(type) == (n), "sizeof " #type)

UX_AT(FormatEntry, name, 2);
UX_AT(FormatEntry, index, 6);
UX_AT(FormatEntry, one, 10);
UX_AT(FormatEntry, zero, 12);
UX_SIZE(FormatEntry, 14);
UX_AT(FormatTable, count, 2);
UX_AT(FormatTable, entries, 4);
UX_SIZE(FormatTable, 8);
UX_AT(FileDialogHint, name_fixed, 2);
UX_AT(FileDialogHint, fixed_name, 6);
UX_AT(FileDialogHint, title, 10);
UX_AT(FileDialogHint, filter_description, 14);
UX_AT(FileDialogHint, filter_pattern, 18);
UX_AT(FileDialogHint, default_extension, 22);
UX_SIZE(FileDialogHint, 26);
UX_AT(FileDialogHintTable, count, 2);
UX_AT(FileDialogHintTable, hints, 4);
UX_SIZE(FileDialogHintTable, 8);

UX_AT(ReportLayout, mode, 0x12);
UX_AT(ReportLayout, area_count, 0x2c);
UX_AT(ReportLayout, group_levels, 0x2e);
UX_AT(ReportLayout, areas, 0x30);
UX_AT(LayoutArea, kind, 6);
UX_AT(LayoutArea, group, 8);
UX_AT(LayoutArea, style, 0x0e);
UX_AT(LayoutArea, line_count, 0x12);
UX_AT(LayoutArea, lines, 0x14);
UX_AT(GroupRecord, level, 6);
UX_AT(AreaStyle, shown, 6);
UX_AT(AreaStyle, drop_blank_lines, 0x16);
UX_AT(LayoutLine, text_count, 10);
UX_AT(LayoutLine, texts, 12);
UX_AT(LayoutLine, field_count, 0x10);
UX_AT(LayoutLine, fields, 0x12);
UX_AT(TextItem, position, 6);
UX_AT(TextItem, font, 10);
UX_AT(TextItem, text, 0x0e);
UX_AT(FieldItem, scratch, 2);
UX_AT(FieldItem, position, 6);
UX_AT(FieldItem, width, 8);
UX_AT(FieldItem, font, 10);
UX_AT(FieldItem, suppress_duplicates, 0x0e);
UX_AT(FieldItem, hidden, 0x12);
UX_AT(FieldItem, style, 0x1a);
UX_AT(FieldItem, descriptor, 0x1e);
UX_AT(FontMetrics, avg_char_width, 2);
UX_AT(FontMetrics, font, 0x42);
UX_AT(FieldStyle, alignment, 6);
UX_AT(FieldStyle, suppress_zero_or_grow, 8);
UX_AT(FieldStyle, max_lines, 0x0c);
UX_AT(FieldDescriptor, field_class, 0x0a);
UX_AT(FieldDescriptor, kind, 0x10);
UX_AT(ValueText, prefix, 6);
UX_AT(ValueText, lead, 0x16);
UX_AT(ValueText, text, 0x1a);
UX_AT(ValueText, trail, 0x24);
UX_AT(ValueText, suffix, 0x30);
UX_AT(ValueGrid, row_count, 6);
UX_AT(ValueGrid, column_count, 8);
UX_AT(ValueGrid, rows, 10);
UX_AT(GridRow, cells, 10);
UX_AT(GridCell, position, 6);
UX_AT(GridCell, width, 8);
UX_AT(GridCell, item, 10);
UX_AT(GridCell, raw, 0x0e);
UX_AT(JobContext, engine, 2);
UX_AT(JobContext, device_context, 6);
UX_AT(JobContext, begin_area, 0x0a);
UX_AT(JobContext, end_area, 0x0e);
UX_AT(JobContext, get_report_value, 0x16);
UX_AT(JobContext, get_raw_value, 0x1a);
UX_AT(JobContext, format_raw_value, 0x1e);
UX_AT(JobContext, get_grid, 0x22);
UX_AT(JobContext, write_output, 0x26);
UX_AT(JobContext, seek_output, 0x2a);

UX_AT(NumberDateOptions, same_number_formats, 2);
UX_AT(NumberDateOptions, same_date_formats, 6);
UX_SIZE(NumberDateOptions, 10);
UX_AT(NumberFormatRecord, negative_style, 12);
UX_AT(NumberFormatRecord, constant, 14);
UX_AT(NumberFormatRecord, leading_zero, 18);
UX_AT(NumberFormatRecord, decimals, 22);
UX_AT(NumberFormatRecord, rounding, 24);
UX_AT(NumberFormatRecord, symbol_spacing, 26);
UX_AT(NumberFormatRecord, symbol_first, 36);
UX_AT(NumberFormatRecord, minus_between, 40);
UX_AT(NumberFormatRecord, thousands_separator, 44);
UX_AT(NumberFormatRecord, decimal_separator, 45);
UX_AT(NumberFormatRecord, currency_symbol, 46);
UX_SIZE(NumberFormatRecord, 50);
UX_AT(DateFormatRecord, order, 8);
UX_AT(DateFormatRecord, day_leading_zero, 10);
UX_AT(DateFormatRecord, month_leading_zero, 12);
UX_AT(DateFormatRecord, four_digit_year, 14);
UX_AT(DateFormatRecord, separator1, 16);
UX_AT(DateFormatRecord, separator2, 20);
UX_SIZE(DateFormatRecord, 24);

#undef UX_AT
#undef UX_SIZE

/* ------------------------------------------------------------------------- */
/* Exported functions of every format plug-in                                */
/* ------------------------------------------------------------------------- */

/* A format instance: opaque to the engine, owned by the plug-in from a
 * successful UXFInitExportFormat to UXFTermExportFormat. */
typedef struct UXFInstance UXFInstance;

/* Counted start-up. Only the first call loads the plug-in's texts (from a
 * language library when one is installed); later calls only count.
 * When: before anything else; once per user of the library.
 * Returns: 0 (also when already initialised); 7 a required text is missing;
 * 2 out of memory. The argument is not used. */
UX_EXPORT uint32_t UXFInitialize(uint32_t unused);

/* Lowers the use count; the call that brings it to 0 releases the language
 * library and the texts (and with them the names in the format table).
 * Returns: 0. */
UX_EXPORT uint32_t UXFTerminate(void);

/* Returns: UX_INTERFACE_VERSION (0x0100). Any time. */
UX_EXPORT uint16_t UXFGetVersion(void);

/* Returns: the plug-in's FormatTable (static; names valid while initialised).
 * When: after UXFInitialize. */
UX_EXPORT const FormatTable *UXFGetExportFormats(void);

/* Creates a format instance for `layout` (which the engine keeps alive until
 * UXFTermExportFormat) and applies the options blob, or shows the plug-in's
 * dialogs when there is none (owned by `parent`).
 * Out: *instance is set to null first and receives the instance only on
 * success; *hints receives the format's FileDialogHintTable (static data).
 * Returns: 0; 2 out of memory; 5 null layout (plug-ins that check it);
 * 6 the user cancelled a dialog. */
UX_EXPORT uint32_t UXFInitExportFormat(void *parent, ReportLayout *layout, uint32_t format_index,
                                       const void *options, UXFInstance **instance,
                                       const FileDialogHintTable **hints);

/* Destroys the instance and everything it owns (group table, encoded blob).
 * Null is allowed. The second argument is not used. Returns: 0. */
UX_EXPORT uint32_t UXFTermExportFormat(UXFInstance *instance, uint32_t unused);

/* Out: the options in stored form and their size. The blob belongs to the
 * instance until the next encode or UXFTermExportFormat.
 * Returns: 0; 2; 5 null instance. */
UX_EXPORT uint32_t UXFEncodeFormatOptions(UXFInstance *instance, const void **blob, uint16_t *size);

/* Out: a newly allocated blob in decoded form, which the caller releases
 * with UXFFreeFormatOptions. Returns: 0; 2; 5 null instance. */
UX_EXPORT uint32_t UXFDecodeFormatOptions(UXFInstance *instance, void **blob);

/* Releases a decoded blob (null allowed). Returns: 0. */
UX_EXPORT uint32_t UXFFreeFormatOptions(uint32_t format_index, void *blob);

/* Starts a job: keeps `context` until UXFEndJob, classifies the layout's
 * areas and begins the walk (the structured walk exports the opening areas).
 * Returns: 0, a result code, or a callback's error; 5 null instance or an
 * inconsistent layout (before anything is written). */
UX_EXPORT uint32_t UXFStartJob(UXFInstance *instance, JobContext *context);

/* One details record, in report order; `ending_levels` group levels end
 * after it. Returns: as UXFStartJob. */
UX_EXPORT uint32_t UXFProcessRecord(UXFInstance *instance, uint16_t ending_levels,
                                    uint32_t last_record);

/* Finishes the output and forgets the JobContext. Returns: as UXFStartJob. */
UX_EXPORT uint32_t UXFEndJob(UXFInstance *instance);

/* Returns: 1 (a null instance: 1, or 0 in the text plug-in). */
UX_EXPORT uint16_t UXFGetPageN(UXFInstance *instance);

/* Returns: a text describing the last failure, or null (static text owned by
 * the plug-in). */
UX_EXPORT const char *UXFGetErrorText(UXFInstance *instance);

/* Pointer types for hosts that look the exports up by name. */
typedef uint32_t (*UXFInitializeFn)(uint32_t);
typedef uint32_t (*UXFTerminateFn)(void);
typedef uint16_t (*UXFGetVersionFn)(void);
typedef const FormatTable *(*UXFGetExportFormatsFn)(void);
typedef uint32_t (*UXFInitExportFormatFn)(void *, ReportLayout *, uint32_t, const void *,
                                          UXFInstance **, const FileDialogHintTable **);
typedef uint32_t (*UXFTermExportFormatFn)(UXFInstance *, uint32_t);
typedef uint32_t (*UXFEncodeFormatOptionsFn)(UXFInstance *, const void **, uint16_t *);
typedef uint32_t (*UXFDecodeFormatOptionsFn)(UXFInstance *, void **);
typedef uint32_t (*UXFFreeFormatOptionsFn)(uint32_t, void *);
typedef uint32_t (*UXFStartJobFn)(UXFInstance *, JobContext *);
typedef uint32_t (*UXFProcessRecordFn)(UXFInstance *, uint16_t, uint32_t);
typedef uint32_t (*UXFEndJobFn)(UXFInstance *);
typedef uint16_t (*UXFGetPageNFn)(UXFInstance *);
typedef const char *(*UXFGetErrorTextFn)(UXFInstance *);

#ifdef __cplusplus
}
#endif

#endif /* UXF_ABI_H */
