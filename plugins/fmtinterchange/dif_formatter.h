// dif_formatter.h - the formatter of fmtinterchange, "Data Interchange
// Format (DIF)".
//
// A header whose two counts (values per tuple, tuples) are reserved and
// filled in at the end of the job by moving back in the output, then one
// tuple (BOT) per line of every shown area: text items as string cells,
// field items as string, number or boolean cells in the column their
// position gives (900 layout units a column; skipped columns get empty
// cells), then EOD.
//
// DIF has its own walk (not the core's structured walk): areas that are not
// shown are passed over without BeginArea, each exported opening area, group
// header, group footer and closing area is followed by a new tuple, and the
// end of the job adds the counts. Its field values come through the core's
// fetchFormattedRaw, which hands the raw value back too: a boolean cell is
// written from the raw value (TRUE or FALSE), whatever the options say.
//
// So that every reader finds each value in its column and reads numbers as
// numbers: a number cell carries a plain decimal number (the locale's
// thousands separator and blanks removed, its decimal separator made ".",
// "(x)" and "x-" made "-x"; a value in the report's own form only loses its
// blanks and its parentheses or trailing minus, as the plug-in does not know
// the report's separators); a text that does not then read as one, and every
// kind above 11, becomes a string cell with its original text. A value that
// comes back empty, and a boolean without a raw value, write an empty cell,
// which keeps the column. Grid cells follow the same rules by kind. CR and LF
// inside a string cell are written as spaces (a cell is two lines).
// Double quotes inside a string are written as they are.
//
// A line whose values are all blank, in an area that drops blank lines,
// leaves neither cells nor a tuple: each line's cells are built in memory and
// written only when the line is kept.
#ifndef FMTINTERCHANGE_DIF_FORMATTER_H
#define FMTINTERCHANGE_DIF_FORMATTER_H

#include <cstdint>
#include <string>

#include "core/number_date.h"
#include "fmtinterchange/plain_number.h"

namespace fmtinterchange {

enum : std::uint32_t {
    kName = 1000,
    kDialogTitle = 1001,
    kFilter = 1002,
};

const ux::PluginStartup &startup();

class DifFormatter final : public ux::OptionsFormatter {
public:
    DifFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex);

    std::uint32_t applyOptions(const void *blob) override;
    std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) override {
        return encodeNumberDate(blob, size);
    }
    std::uint32_t decodeOptions(void **blob) override { return decodeNumberDate(blob); }
    std::uint32_t startJob(JobContext *context) override;
    std::uint32_t processRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) override;
    std::uint32_t endJob() override;

protected:
    std::uint32_t exportAreaContents(LayoutArea *area) override;
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    std::uint32_t exportTextItem(TextItem *item) override;
    std::uint32_t exportFieldItem(FieldItem *item) override;

private:
    // An area that exists and is shown, then a new tuple.
    std::uint32_t exportShownThenTuple(LayoutArea *area);
    std::uint32_t beginTuple();
    std::uint32_t flush();
    std::uint32_t skipCountField(std::uint32_t &position);
    std::uint32_t writeCount(std::uint32_t position, std::uint32_t count);
    std::uint32_t fieldCount() const;
    static std::uint32_t fieldCount(const LayoutArea *area);

    void moveToColumn(std::int16_t position);
    void emptyCell();
    void stringCell(const char *text);
    // A number cell, or a string cell when the text is no plain number; an
    // empty text is an empty cell.
    void numberCell(const std::string &text, std::uint16_t kind);
    void booleanCell(const void *raw);
    static bool isBlank(const char *text);

    std::string cells_; // written at the next flush
    std::uint32_t tuples_ = 0;
    std::uint32_t vectorsAt_ = 0;
    std::uint32_t tuplesAt_ = 0;
    std::uint16_t gridRows_ = 0;
    std::uint16_t gridColumns_ = 0;
    bool sawGrid_ = false;
    int column_ = 0;
    bool tupleBlank_ = true;
};

} // namespace fmtinterchange

#endif // FMTINTERCHANGE_DIF_FORMATTER_H
