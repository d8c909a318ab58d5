// layout.h - report layouts of the stand-in report engine.
//
// A LayoutSpec is a small description of a report: its areas, their lines,
// the text and field items on them, fonts, styles and an optional value grid.
// BuiltLayout turns it into the packed engine records a format plug-in reads
// (ReportLayout, LayoutArea, AreaStyle, LayoutLine, TextItem, FieldItem,
// FontMetrics, FieldStyle, FieldDescriptor, ValueGrid, GridRow, GridCell) and
// owns them. Each field item names the data column its value comes from.
//
// The same description can be read from text (parseLayout), one statement a
// line, '#' starts a comment:
//
//   mode grid                       grid mode for the details area (default: lines)
//   levels 1                        number of group levels
//   group <column>                  group key of the next level, outermost first
//   font <avg width>                a font; 0 = measure through the host (font 0
//                                   exists from the start with width 100)
//   area <kind> [group=<n>] [hidden] [dropblank] [nogroup] [nostyle]
//   line
//   text <pos> "<text>" [font=<i>]  (escapes \t \" \\ \r \n; null for a null text)
//   field <pos> <width> <column> [kind=<k>] [align=<a>] [grow] [zero] [max=<n>]
//         [hidden] [nodup] [font=<i>] [class=<c>]
//   gridrow                         starts a grid row
//   cell <pos> <width> <value> [kind=...] (same options as field) | cell null
//
// Positions and widths are layout units (100 = one character column).
#ifndef UXHOST_LAYOUT_H
#define UXHOST_LAYOUT_H

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/uxf_abi.h"

namespace uxhost {

// A value of one data column in one record, as the engine keeps it: its
// source text, parsed by the kind of the field that shows it. An empty source
// is no value for number, boolean and date kinds (GetRawValue gives null).
// The five pieces of a ValueText (offsets 6, 0x16, 0x1a, 0x24, 0x30).
using Pieces = std::array<std::optional<std::string>, 5>;

struct Value {
    std::string source;
    // The pieces of the report's formatting, when a test wants them exact;
    // otherwise (null) the engine formats the value itself.
    std::shared_ptr<const Pieces> pieces;
    // The repeat flag, when a test wants it fixed; otherwise the engine sets
    // it when the record repeats the previous record's value.
    std::optional<bool> repeat;

    Value() = default;
    Value(const char *s) : source(s) {}
    Value(std::string s) : source(std::move(s)) {}
    bool operator==(const Value &other) const { return source == other.source; }
};

struct FontSpec {
    std::uint16_t avgWidth = 100; // 0: measured through the host interface
};

struct TextSpec {
    std::int16_t position = 0;
    std::optional<std::string> text; // nullopt: a null text
    int font = 0;
};

struct FieldSpec {
    std::int16_t position = 0;
    std::uint16_t width = 1000;
    int column = 0;
    std::uint16_t kind = UX_KIND_TEXT_A;
    std::uint16_t alignment = UX_ALIGN_DEFAULT;
    bool growOrZero = false; // text kinds: may grow; number kinds: suppress zero
    std::uint16_t maxLines = 0;
    bool hidden = false;
    bool suppressDuplicates = false;
    int font = 0;
    std::uint16_t fieldClass = 0;
};

struct LineSpec {
    std::vector<TextSpec> texts;
    std::vector<FieldSpec> fields;
};

struct AreaSpec {
    std::uint16_t kind = UX_AREA_DETAILS;
    std::uint16_t group = 1; // group level (kinds 2, 4) or repeat count (kind 3)
    bool withGroup = true;   // false: a null group record
    bool withStyle = true;   // false: a null AreaStyle
    bool shown = true;
    bool dropBlank = false;
    std::vector<LineSpec> lines;
};

struct GridCellSpec {
    std::uint16_t position = 0;
    std::uint16_t width = 1000;
    FieldSpec field;
    Value raw;
};

struct LayoutSpec {
    std::uint16_t mode = 0;
    std::uint16_t levels = 0;
    std::vector<int> groupColumns;           // one per level, outermost first
    std::vector<FontSpec> fonts{FontSpec{}}; // font 0
    std::vector<AreaSpec> areas;
    std::vector<std::vector<std::optional<GridCellSpec>>> grid; // grid mode only
    bool nullAreaArray = false;                                 // for tests of broken layouts
};

// The smallest complete layout: empty opening and closing areas and one
// details area with the given lines.
LayoutSpec simpleLayout(std::vector<LineSpec> detailLines);

// Reads a layout description (see above). Throws std::runtime_error naming
// the line and the statement that is wrong.
LayoutSpec parseLayout(const std::string &text);

class BuiltLayout {
public:
    explicit BuiltLayout(const LayoutSpec &spec);
    BuiltLayout(const BuiltLayout &) = delete;
    BuiltLayout &operator=(const BuiltLayout &) = delete;

    ReportLayout *layout() { return &layout_; }
    const LayoutSpec &spec() const { return spec_; }
    // The data column of a field item (or grid cell item); -1 when unknown.
    int columnOf(const FieldItem *item) const;
    // The description the item was built from (kind and options), or null.
    const FieldSpec *specOf(const FieldItem *item) const;
    // The field item `index` of line `line` of area `area`.
    FieldItem *field(std::size_t area, std::size_t line, std::size_t index);
    FontMetrics *font(std::size_t index) { return fonts_.at(index).get(); }
    ValueGrid *grid() { return spec_.grid.empty() ? nullptr : &grid_; }
    // Every field item of the layout and the grid (for tests).
    const std::vector<FieldItem *> &fieldItems() const { return allFields_; }

private:
    template <class T> T *make() {
        auto owned = std::make_unique<Block>(sizeof(T));
        T *p = reinterpret_cast<T *>(owned->bytes.data());
        blocks_.push_back(std::move(owned));
        return p;
    }
    struct Block {
        explicit Block(std::size_t n) : bytes(n, 0) {}
        std::vector<unsigned char> bytes;
    };
    FieldItem *makeField(const FieldSpec &spec);

    LayoutSpec spec_;
    ReportLayout layout_{};
    std::vector<std::unique_ptr<FontMetrics>> fonts_;
    std::vector<std::unique_ptr<Block>> blocks_;
    std::deque<std::vector<void *>> arrays_; // pointer arrays of the records
    std::deque<std::string> texts_;
    std::unordered_map<const FieldItem *, const FieldSpec *> fieldSpecs_;
    std::deque<FieldSpec> gridFieldSpecs_;
    std::vector<FieldItem *> allFields_;
    std::vector<std::vector<FieldItem *>> fieldsByLine_; // area*lines flattened
    std::vector<std::size_t> lineBase_;                  // first line index of each area
    ValueGrid grid_{};
    std::deque<std::string> gridRaw_; // raw bytes of the grid cells
};

// The raw bytes of a value for a field of `kind` (empty when there is no
// value): 1-, 2- or 4-byte integers, 8-byte doubles, 32-bit booleans, dates
// as a 32-bit yyyymmdd number, texts as their characters and a NUL.
// Throws std::runtime_error for a source the kind cannot read.
std::string rawBytes(std::uint16_t kind, const std::string &source);

} // namespace uxhost

#endif // UXHOST_LAYOUT_H
