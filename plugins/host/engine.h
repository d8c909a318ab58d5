// engine.h - the stand-in report engine.
//
// Engine supplies what a real report engine gives a format plug-in during a
// job: the JobContext with its callbacks, the values of the current record,
// the value grid, and a seekable output stream that keeps every byte the
// plug-in writes. Plug-ins are loaded from the module directory with dlopen
// (FormatPlugin, DestinationPlugin) and driven in the calling order of an
// export (runExport), after which the output is written to the chosen file.
//
// How the engine formats values (GetReportValue, and FormatRawValue with the
// item's FieldStyle or no format record) - "as in the report":
//   integers (kinds 0-5)  lead "-" when negative, text = the digits
//   number (6)            lead "-", text = the magnitude with 2 decimals
//   currency (7)          prefix "$", lead "-", text = magnitude with 2 decimals
//                         and "," between thousands
//   boolean (8)           text "True" or "False"
//   date (9)              text yyyy-mm-dd
//   text (10, 11, other)  text = the text
//   no value              every piece null
// FormatRawValue with a NumberFormatRecord (size word 50; the plug-ins with
// number and date options fill it from the locale): the record's number of
// decimals (at most 15, rounded half away from zero; the rounding code that
// comes with them is not needed for that), its thousands separator between
// groups of three (none when 0), its decimal separator ("." when 0, so that
// an empty sDecimal never loses the decimals), a leading zero before the
// separator only when leading_zero is set, negatives by negative_style (1
// "-n", 2 "n-", 3 "(n)"), and for currency the record's currency symbol
// before (symbol_first) or after the number, separated by a blank when
// symbol_spacing is 1 (the plug-ins hand an empty symbol, so none is shown).
// minus_between and the constant at offset 14 change nothing here.
// Integers are shown with the record's decimals too (the plug-ins hand them 0);
// a number record for another kind than 0-7 is ignored (the value is
// formatted as in the report).
// FormatRawValue with a DateFormatRecord (size word 24): day, month and year
// in the record's order (1 d m y, 2 m d y, 0 y m d), day and month with two
// digits when their leading-zero flag is set, the year with four digits when
// four_digit_year is set (else its last two), joined by separator1 and
// separator2.
// Repeat flag: set when the record's value of the item's column equals the
// previous record's (a Value can fix it).
#ifndef UXHOST_ENGINE_H
#define UXHOST_ENGINE_H

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/uxd_abi.h"
#include "core/uxf_abi.h"
#include "host/layout.h"

namespace uxhost {

class ScriptedHost;

// One record of data: values by column.
using Record = std::vector<Value>;

// What the engine saw during a job (for tests of the walks).
struct AreaEvent {
    std::uint16_t kind;
    std::uint32_t fresh;
    std::size_t outputBefore; // output size when the area began
};

// The output stream and how it misbehaves when told to.
struct OutputStream {
    std::string bytes;
    std::size_t position = 0;
    // Accept at most this many bytes of any WriteOutput call (short write).
    std::optional<std::uint16_t> acceptAtMost;
    // WriteOutput call number `failOnWrite` (1-based) answers `failCode`.
    std::size_t failOnWrite = 0;
    std::uint32_t failCode = 0;
    std::size_t writes = 0;
    std::size_t seeks = 0;
};

class Engine {
public:
    // The layout and data live as long as the engine uses them.
    Engine(BuiltLayout &layout, std::vector<Record> records);

    JobContext *context() { return &context_; }
    // Device context handed to the plug-in for measuring fonts.
    static void *deviceContext() { return reinterpret_cast<void *>(0xDC); }

    // Moves to record `index` (its values become the current ones).
    void setRecord(std::size_t index);
    std::size_t recordCount() const { return records_.size(); }
    // Group levels that end after record `index` (from the layout's group
    // columns: the levels from the outermost whose key changes inward, all of
    // them after the last record).
    std::uint16_t endingLevels(std::size_t index) const;

    OutputStream &output() { return output_; }
    const std::vector<AreaEvent> &areaEvents() const { return events_; }
    std::size_t openAreas() const { return openAreas_; }
    // Callback counts, for tests.
    std::size_t reportValueCalls = 0;
    std::size_t rawValueCalls = 0;
    std::size_t formatRawCalls = 0;
    // Makes GetReportValue answer this code (0 = normal).
    std::uint32_t failReportValue = 0;
    // Every GetReportValue after the first of a record reports a repeat (a
    // value that the engine sees repeated on a continuation line).
    bool repeatAfterFirstCall = false;

    // Formats a raw value of `kind` with `record` (null or a FieldStyle: as in
    // the report; else a NumberFormatRecord or DateFormatRecord).
    static void formatRaw(std::uint16_t kind, const void *raw, const void *record,
                          const FieldItem *item, std::array<std::optional<std::string>, 5> &out);

private:
    static Engine *self(void *engine) { return static_cast<Engine *>(engine); }
    static std::uint32_t beginArea(void *engine, LayoutArea *area, std::uint32_t fresh);
    static std::uint32_t endArea(void *engine);
    static std::uint32_t getReportValue(void *engine, FieldItem *item, ValueText **value,
                                        std::uint32_t *repeated);
    static std::uint32_t getRawValue(void *engine, FieldItem *item, const void **raw,
                                     std::uint32_t *repeated);
    static std::uint32_t formatRawValue(void *engine, FieldItem *item, const void *record,
                                        std::uint32_t zero, const void *raw, ValueText **value);
    static std::uint32_t getGrid(void *engine, ValueGrid **grid);
    static std::uint32_t writeOutput(void *engine, std::uint32_t zero, std::uint16_t count,
                                     std::uint16_t *written, const char *bytes);
    static std::uint32_t seekOutput(void *engine, std::uint32_t zero, std::uint32_t origin,
                                    std::int32_t offset, std::uint32_t *position);

    const Value *valueOf(const FieldItem *item, std::size_t record) const;
    bool repeats(const FieldItem *item) const;
    const void *rawOf(const FieldItem *item);
    // The ValueText handed out: a copy of `pieces` (publish), or pointing at
    // pieces that outlive the call (point).
    ValueText *publish(const std::array<std::optional<std::string>, 5> &pieces);
    ValueText *point(const std::array<std::optional<std::string>, 5> &pieces);

    BuiltLayout &layout_;
    std::vector<Record> records_;
    std::size_t current_ = 0;
    std::size_t callsInRecord_ = 0;
    JobContext context_{};
    OutputStream output_;
    std::vector<AreaEvent> events_;
    std::size_t openAreas_ = 0;
    // The ValueText handed out last and its texts (valid until the next call).
    ValueText value_{};
    std::array<std::string, 5> valueTexts_;
    // Raw values of the current record, by column.
    std::vector<std::optional<std::string>> raw_;
};

// ---------------------------------------------------------------------------
// Plug-ins
// ---------------------------------------------------------------------------

// The directory the plug-ins are loaded from (UX_MODULE_DIR of the build).
std::string moduleDirectory();
// `name` (e.g. "fmtplain") as a path in the module directory, or `name` itself
// when it already names a file (contains '/').
std::string modulePath(const std::string &name);

class FormatPlugin {
public:
    // Loads the plug-in and finds its exports; throws std::runtime_error
    // naming the file and the missing export.
    explicit FormatPlugin(const std::string &nameOrPath);
    ~FormatPlugin();
    FormatPlugin(const FormatPlugin &) = delete;
    FormatPlugin &operator=(const FormatPlugin &) = delete;
    void *handle() const { return handle_; }

    UXFInitializeFn initialize;
    UXFTerminateFn terminate;
    UXFGetVersionFn getVersion;
    UXFGetExportFormatsFn getExportFormats;
    UXFInitExportFormatFn initExportFormat;
    UXFTermExportFormatFn termExportFormat;
    UXFEncodeFormatOptionsFn encodeFormatOptions;
    UXFDecodeFormatOptionsFn decodeFormatOptions;
    UXFFreeFormatOptionsFn freeFormatOptions;
    UXFStartJobFn startJob;
    UXFProcessRecordFn processRecord;
    UXFEndJobFn endJob;
    UXFGetPageNFn getPageN;
    UXFGetErrorTextFn getErrorText;

private:
    void *handle_ = nullptr;
};

class DestinationPlugin {
public:
    explicit DestinationPlugin(const std::string &nameOrPath);
    ~DestinationPlugin();
    DestinationPlugin(const DestinationPlugin &) = delete;
    DestinationPlugin &operator=(const DestinationPlugin &) = delete;
    void *handle() const { return handle_; }

    UXDInitializeFn initialize;
    UXDTerminateFn terminate;
    UXDGetVersionFn getVersion;
    UXDGetExportDestinationsFn getExportDestinations;
    UXDInitExportDestinationFn initExportDestination;
    UXDTermExportDestinationFn termExportDestination;
    UXDEncodeDestinationOptionsFn encodeDestinationOptions;
    UXDDecodeDestinationOptionsFn decodeDestinationOptions;
    UXDFreeDestinationOptionsFn freeDestinationOptions;
    UXDExportToDestinationFn exportToDestination;
    UXDGetErrorTextFn getErrorText;

private:
    void *handle_ = nullptr;
};

// Runs one format job on an instance made by `plugin`: UXFStartJob, one
// UXFProcessRecord per record with its ending levels and last-record flag,
// UXFEndJob. Returns the first non-zero result (the job stops there).
std::uint32_t runJob(FormatPlugin &plugin, UXFInstance *instance, Engine &engine);

// One format instance and one job on `layout`: UXFInitExportFormat, runJob, UXFTermExportFormat.
// The plug-in must be initialised. `prepare` may adjust the engine (output faults, values) before
// the job.
struct FormatOutcome {
    std::uint32_t initResult = 0; // of UXFInitExportFormat
    std::uint32_t result = 0;     // of the job
    std::string output;
    std::vector<AreaEvent> areas;
    std::size_t openAreas = 0; // BeginArea calls without their EndArea
    std::size_t writes = 0;    // WriteOutput calls
    std::size_t seeks = 0;     // SeekOutput calls
};
// `options` is the options blob handed to UXFInitExportFormat (null: the
// plug-in shows its dialogs, if it has any).
FormatOutcome runFormat(FormatPlugin &plugin, std::uint32_t formatIndex, BuiltLayout &layout,
                        std::vector<Record> records,
                        const std::function<void(Engine &)> &prepare = {},
                        const void *options = nullptr);

// A whole export in the engine's calling order.
struct ExportSettings {
    std::string format = "fmtplain";
    std::uint32_t formatIndex = 0;
    std::string destination = "destfile"; // empty: no destination, output kept in memory
    // A fixed file name (no dialog); otherwise the destination asks through the host.
    std::optional<std::string> fixedName;
    const void *formatOptions = nullptr;
    const void *destinationOptions = nullptr;
    ScriptedHost *host = nullptr; // installed into both plug-ins when given
    std::string initialDirectory; // for the file request; empty = none
};

struct ExportResult {
    std::uint32_t result = 0; // 0, or the first failure's code
    std::string failedStep;   // the exported function that failed
    std::string fileName;     // the name the destination chose
    std::string output;       // every byte the format wrote
    std::vector<std::string> formatNames;
};

// Initialise both plug-ins, list formats and destinations, create the format
// instance, turn its file-dialog hint into the destination's file request,
// name the file, run the job, write the output into the file, finish the
// destination, then terminate everything. Throws std::runtime_error when a
// plug-in cannot be loaded or the output file cannot be written.
ExportResult runExport(const ExportSettings &settings, BuiltLayout &layout,
                       std::vector<Record> records);

// Reads a CSV table (first row: column names; fields separated by commas,
// double quotes around a field with doubled quotes inside). Throws
// std::runtime_error naming the line.
std::vector<Record> parseCsv(const std::string &text, std::vector<std::string> *header = nullptr);
// The engine's strict reader of separated values: `separator` between values,
// `quote` around a value (doubled inside it; empty: no quoting), CR LF or LF
// between records. A quote inside an unquoted value, text after a closing
// quote and an unclosed quote are errors (std::runtime_error naming the line),
// so a file that reads back is a file every careful reader reads the same.
// With `header`, the first record is taken as the column names.
std::vector<Record> parseSeparated(const std::string &text, const std::string &separator,
                                   const std::string &quote,
                                   std::vector<std::string> *header = nullptr);

} // namespace uxhost

#endif // UXHOST_ENGINE_H
