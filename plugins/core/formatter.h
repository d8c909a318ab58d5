// formatter.h - the base of every format plug-in's formatter.
//
// A Formatter is one format instance (UXFInitExportFormat to
// UXFTermExportFormat). It holds the engine's ReportLayout, the JobContext of
// the running job, the areas found by classification and the group table, and
// offers the building blocks every format shares:
//
//   - classification of the layout's areas (at every job start);
//   - the two walks: the structured walk (headers, details and footers in
//     report order) and the flat walk (one output row per record, all areas'
//     values side by side);
//   - exporting one area (BeginArea, its contents when shown, EndArea) and its
//     contents (lines, or grid rows in grid mode, repeated as the details
//     area asks);
//   - merging a line's text and field items by position;
//   - value building blocks: validity, zero test, formatting choice, repeat,
//     joining a ValueText's pieces;
//   - output through WriteOutput (result 3 on a short write) and SeekOutput.
//
// Every operation returns a result code (uxf_abi.h); the first non-zero code
// ends the call in progress and is handed back to the engine unchanged.
// No exception leaves a Formatter operation except std::bad_alloc, which the
// exported functions turn into UX_ENOMEM (see guardedCall).
#ifndef UX_FORMATTER_H
#define UX_FORMATTER_H

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "core/uxf_abi.h"

namespace ux {

// Runs `body` and turns an allocation failure into UX_ENOMEM, so that no
// exception crosses the plug-in boundary.
template <class Body> std::uint32_t guardedCall(Body &&body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc &) {
        return UX_ENOMEM;
    } catch (...) {
        return UX_EINVALID;
    }
}

// Value kinds, as classes.
inline bool isNumberKind(std::uint16_t kind) {
    return kind <= UX_KIND_CURRENCY;
}
inline bool isTextKind(std::uint16_t kind) {
    return kind == UX_KIND_TEXT_A || kind == UX_KIND_TEXT_B;
}

// One level of the group table: its header and footer areas.
struct GroupAreas {
    LayoutArea *header = nullptr;
    LayoutArea *footer = nullptr;
};

class Formatter {
public:
    Formatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex);
    virtual ~Formatter();
    Formatter(const Formatter &) = delete;
    Formatter &operator=(const Formatter &) = delete;

    // --- What the exported functions forward to -----------------------------
    // Options: from the blob, or by dialogs when there is none. 0, 2 or 6.
    virtual std::uint32_t applyOptions(const void *blob) = 0;
    virtual std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) = 0;
    virtual std::uint32_t decodeOptions(void **blob) = 0;
    virtual std::uint32_t startJob(JobContext *context) = 0;
    virtual std::uint32_t processRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) = 0;
    virtual std::uint32_t endJob() = 0;
    virtual std::uint16_t pageCount() const { return 1; }
    virtual const char *errorText() const { return nullptr; }

    // --- State, for the plug-ins and their tests ----------------------------
    void *parentWindow() const { return parent_; }
    ReportLayout *layout() const { return layout_; }
    std::uint32_t formatIndex() const { return formatIndex_; }
    JobContext *job() const { return job_; }
    std::uint16_t groupLevels() const { return levels_; }
    int currentLevel() const { return currentLevel_; }
    std::uint32_t recordCount() const { return records_; }
    bool detailsHidden() const { return detailsHidden_; }
    LayoutArea *detailsArea() const { return details_; }
    bool gridMode() const { return layout_ && layout_->mode == UX_LAYOUT_MODE_GRID; }

    // The same-number-formats and same-date-formats options of the plug-ins
    // that offer them (off in a fresh instance).
    void setSameNumberFormats(bool on) { sameNumbers_ = on; }
    void setSameDateFormats(bool on) { sameDates_ = on; }
    bool sameNumberFormats() const { return sameNumbers_; }
    bool sameDateFormats() const { return sameDates_; }

protected:
    // --- Classification -----------------------------------------------------
    // Forgets the previous job's areas, checks the layout and fills the area
    // slots and the group table. 0, 2 or 5. Call after storing the JobContext.
    std::uint32_t classifyAreas();
    // The areas of the job in hand are known (a successful classification).
    bool classified() const { return classified_; }
    void forgetAreas();

    // --- Walks ----------------------------------------------------------------
    // Structured walk: opening areas at the start, per record the headers of the
    // levels not yet open, the details and the footers of the ending levels,
    // closing areas at the end. Every BeginArea passes fresh = 1.
    std::uint32_t structuredStart(JobContext *context);
    std::uint32_t structuredRecord(std::uint16_t endingLevels);
    std::uint32_t structuredEnd();

    // Flat walk: one output row per record (see flatRecord). readLocale runs
    // before classification at every job start; endRow closes a full row, and
    // in grid mode with the outer areas exported once, the row of the opening
    // areas (job start) and that of the closing areas (job end).
    std::uint32_t flatStart(JobContext *context);
    std::uint32_t flatRecord(std::uint16_t endingLevels, std::uint32_t lastRecord);
    std::uint32_t flatEnd();
    virtual std::uint32_t readLocale() { return UX_OK; }
    virtual std::uint32_t endRow() { return UX_OK; }

    // --- Areas and lines ------------------------------------------------------
    // BeginArea, the contents when the area is shown, EndArea (also after a
    // failure); the result is that of the contents.
    std::uint32_t exportArea(LayoutArea *area, std::uint32_t fresh);
    // Lines, or in grid mode for the details area the grid's rows, repeated as
    // many times as the details area's repeat count (once for other kinds).
    virtual std::uint32_t exportAreaContents(LayoutArea *area);
    virtual std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) = 0;
    // One grid row: `columns` cells, a null cell being an empty cell.
    virtual std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) = 0;

    // Merges the line's text and field items by position and hands each to
    // exportTextItem / exportFieldItem: the field item goes first only when its
    // position is strictly less (signed), so equal positions put the text item
    // first. A null item fails with 5.
    std::uint32_t exportLineItems(LayoutLine *line);
    virtual std::uint32_t exportTextItem(TextItem *item) = 0;
    virtual std::uint32_t exportFieldItem(FieldItem *item) = 0;

    // --- Values -----------------------------------------------------------------
    // 5 for a null item or one without FontMetrics, FieldStyle or
    // FieldDescriptor; else 0. (Hidden items are the caller's test.)
    static std::uint32_t validateField(const FieldItem *item);
    // The zero test: number kinds whose style suppresses zero ask GetRawValue;
    // `zero` is true when a raw value came back and is zero for its width.
    std::uint32_t zeroTest(FieldItem *item, bool &zero);
    // A raw value of `kind` is zero (integers of their width, floating 0.0).
    static bool rawIsZero(std::uint16_t kind, const void *raw);
    // The formatting choice: GetRawValue + FormatRawValue with the plug-in's own
    // format record when the options say so, else GetReportValue.
    std::uint32_t fetchValue(FieldItem *item, ValueText **value, std::uint32_t *repeated);
    // GetRawValue, then FormatRawValue with `record` (null allowed); `raw`
    // receives the raw value as well (null: no value), for the formats that
    // write a cell from it (DIF booleans).
    std::uint32_t fetchFormattedRaw(FieldItem *item, const void *record, const void **raw,
                                    ValueText **value, std::uint32_t *repeated);
    // The number or date format record handed to FormatRawValue (the plug-ins
    // with options supply theirs); null by default.
    virtual const void *formatRecordFor(FieldItem *item, std::uint16_t kind);
    // Whether fetchValue takes the raw path: number kinds with same-number
    // formats off, kind 9 with same-date formats off, in plug-ins with options.
    virtual bool formatsRawValue(std::uint16_t kind) const;
    // The repeat rule: the engine's repeat flag and the item's suppress flag.
    static bool suppressedRepeat(const FieldItem *item, std::uint32_t repeated) {
        return repeated != 0 && item->suppress_duplicates != 0;
    }
    // The value's text: the piece at 0x1a for text kinds, else the non-null
    // pieces joined in offset order. A null ValueText is the empty text.
    static void valueText(const ValueText *value, std::uint16_t kind, std::string &out);
    // The value of a checked, shown item as text, honouring repeat suppression:
    // fetchValue, then `suppressed` when the engine reports a repeat the item
    // suppresses (`text` is then empty), else valueText.
    std::uint32_t fetchValueText(FieldItem *item, std::string &text, bool &suppressed);

    // Whether this plug-in offers number and date options (formatting choice).
    bool hasOptions_ = false;
    // Flat walk in grid mode: the opening areas are exported once at the job
    // start and the closing areas once at its end (fresh = 1), not per record.
    bool gridAreasOnce_ = false;

    // --- Output -----------------------------------------------------------------
    // Writes `n` bytes through WriteOutput in pieces of at most 65535 bytes
    // (the count is 16-bit); 3 when the engine accepts fewer than asked.
    std::uint32_t writeBytes(const char *bytes, std::size_t n);
    std::uint32_t writeText(const char *text);
    // A run of n spaces as one piece (nothing for n = 0).
    std::uint32_t writeSpaces(std::size_t n);
    // The current output position (SeekOutput origin 1, offset 0).
    std::uint32_t notePosition(std::uint32_t &position);
    // Back to a noted position (SeekOutput origin 0).
    std::uint32_t returnToPosition(std::uint32_t position);

    // --- Classified areas ----------------------------------------------------
    LayoutArea *opening0_ = nullptr;
    LayoutArea *opening1_ = nullptr;
    LayoutArea *details_ = nullptr;
    LayoutArea *closing5_ = nullptr;
    LayoutArea *closing6_ = nullptr;
    LayoutArea *closing7_ = nullptr;
    GroupAreas *groups_ = nullptr; // levels_ + 1 entries; entry 0 unused
    std::uint16_t levels_ = 0;
    int currentLevel_ = 0;
    std::uint32_t records_ = 0;
    bool detailsHidden_ = false;

    void *parent_;
    ReportLayout *layout_;
    std::uint32_t formatIndex_;
    JobContext *job_ = nullptr;

    // The opening areas (kind 0 when there is one, then kind 1) and the
    // closing areas (kind 5 when there is one, kind 6, kind 7 when there is
    // one), all with the same fresh flag; the first failure stops.
    std::uint32_t exportOpeningAreas(std::uint32_t fresh);
    std::uint32_t exportClosingAreas(std::uint32_t fresh);

private:
    std::uint32_t exportOptional(LayoutArea *area, std::uint32_t fresh) {
        return area ? exportArea(area, fresh) : UX_OK;
    }

    bool classified_ = false;
    bool sameNumbers_ = false;
    bool sameDates_ = false;
};

// The instance handle the engine holds is the formatter itself; the exported
// functions test it for null (result 5) before forwarding to it.
inline Formatter *formatterOf(UXFInstance *instance) {
    return reinterpret_cast<Formatter *>(instance);
}
inline UXFInstance *instanceOf(Formatter *formatter) {
    return reinterpret_cast<UXFInstance *>(formatter);
}

} // namespace ux

#endif // UX_FORMATTER_H
