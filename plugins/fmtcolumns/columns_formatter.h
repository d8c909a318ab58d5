// columns_formatter.h - the formatter of fmtcolumns, "Record style (columns
// of values)".
//
// Every record of the flat walk is one line of fixed-width columns: each
// shown field item of every area the record passes through (items of field
// class 3 excepted) takes width / average character width characters, its
// value padded with spaces and aligned inside them (default: numbers right,
// everything else left; an unknown alignment leaves the column blank). A
// number wider than its column fills it with '#' (a cut number would read as
// another number); a text is cut. CR and LF inside a value are written as
// spaces, so that a value never splits its record line.
//
// A line is built in memory and written only when it carries a real value: a
// value that is not zero-suppressed, not a suppressed duplicate and not blank
// (spaces and control characters only). Zero values and duplicates are
// written in a kept line but do not keep it. So the output ends with the last
// kept line and holds nothing of a dropped one.
//
// The average character width of a font is measured once through the host
// (and kept in FontMetrics); a failed measurement, or a width above 65,535,
// ends the call with -1 and UXFGetErrorText answers "Could not get avg char
// width". A failed write of a line shows the "writeBlanks" message box first.
#ifndef FMTCOLUMNS_COLUMNS_FORMATTER_H
#define FMTCOLUMNS_COLUMNS_FORMATTER_H

#include <cstdint>
#include <string>

#include "core/number_date.h"

namespace fmtcolumns {

enum : std::uint32_t {
    kName = 1000,
    kDialogTitle = 1001,
    kFilter = 1002,
    kErrorCaption = 1003,
    kGeneralError = 1004,
    kWidthError = 1005,
    kWriteBlanks = 1006,
};

// The result of a failed measurement (all bits set).
inline constexpr std::uint32_t kMeasureFailed = 0xFFFFFFFFu;

const ux::PluginStartup &startup();

class ColumnsFormatter final : public ux::OptionsFormatter {
public:
    ColumnsFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex);

    // A blob's two flags (5 when it is not a 10-byte NumberDateOptions
    // record), else the number and date options dialog (6 on Cancel).
    std::uint32_t applyOptions(const void *blob) override;
    std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) override {
        return encodeNumberDate(blob, size);
    }
    std::uint32_t decodeOptions(void **blob) override { return decodeNumberDate(blob); }
    std::uint32_t startJob(JobContext *context) override { return flatStart(context); }
    std::uint32_t processRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) override;
    std::uint32_t endJob() override { return flatEnd(); }
    // "Could not get avg char width" after a failed measurement, else the
    // general error text.
    const char *errorText() const override;

protected:
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    std::uint32_t exportTextItem(TextItem *) override { return UX_OK; }
    std::uint32_t exportFieldItem(FieldItem *item) override;
    std::uint32_t endRow() override;

private:
    // The value's text in the item's column; `kept` when it counts as content.
    std::uint32_t writeInColumn(FieldItem *item, std::string text);
    std::uint32_t characterWidth(FontMetrics *font, int &width);
    static bool isBlank(const std::string &text);

    std::string line_; // the record line being built
    bool lineBlank_ = true;
    std::uint32_t column_ = 0;
    bool widthError_ = false;
    mutable char errorText_[100] = {};
};

} // namespace fmtcolumns

#endif // FMTCOLUMNS_COLUMNS_FORMATTER_H
