// text_formatter.h - the two formatters of fmtplain.
//
//   TextStyleFormatter ("Text", format index 0): every report line becomes one
//   text line, items placed at the character column their position gives
//   (100 layout units = one column), values aligned inside their field, and
//   growing text fields wrapped into continuation lines.
//
//   TabSeparatedFormatter ("Tab-separated text", any other index): every
//   report line becomes one line of tab-separated values; fixed texts and
//   text values stand between double quotes, with each double quote inside
//   them doubled so that the file reads back as written.
//
// Both run the structured walk, ask the engine for values as the report shows
// them (GetReportValue) and end every line with CR LF.
#ifndef FMTPLAIN_TEXT_FORMATTER_H
#define FMTPLAIN_TEXT_FORMATTER_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/formatter.h"

namespace fmtplain {

// Characters one line may hold; longer lines are cut to their first 511.
inline constexpr std::size_t kLineCapacity = 511;

class TextFormatter : public ux::Formatter {
public:
    using Formatter::Formatter;

    // No options: a blob is ignored, encoding gives a null blob of size 0,
    // decoding gives null.
    std::uint32_t applyOptions(const void *) override { return UX_OK; }
    std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) override;
    std::uint32_t decodeOptions(void **blob) override;
    std::uint32_t startJob(JobContext *context) override { return structuredStart(context); }
    std::uint32_t processRecord(std::uint16_t endingLevels, std::uint32_t) override {
        return structuredRecord(endingLevels);
    }
    std::uint32_t endJob() override { return structuredEnd(); }

    // The line being built (for tests of the formatter on its own).
    const char *lineText() const { return line_; }
    std::size_t lineLength() const { return length_; }

protected:
    // A report line: its items merged by position, then the line ends.
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    // A grid row: its cells in column order, then the line ends under the
    // details area's blank-line rule.
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    // A null text or a text of exactly one tab produces nothing.
    std::uint32_t exportTextItem(TextItem *item) override;
    // Hidden: nothing; zero: empty value; a suppressed repeat: empty value;
    // else the value at the item's own position and width.
    std::uint32_t exportFieldItem(FieldItem *item) override;
    std::uint32_t exportGridCell(GridCell *cell);

    virtual std::uint32_t writeTextItem(TextItem *item) = 0;
    // A value's text placed as the item at `position` with `width` shows it.
    virtual std::uint32_t writeValue(FieldItem *item, const std::string &text,
                                     std::int16_t position, std::uint16_t width) = 0;
    virtual std::uint32_t writeEmptyValue() = 0;
    // The start every field export shares: checks the item, then settles the
    // fields that show no value (hidden: nothing; zero: an empty value).
    // `settled` tells the caller whether anything is left to do.
    std::uint32_t settleValuelessField(FieldItem *item, bool &settled);

    // The line buffer.
    void clearLine() {
        length_ = 0;
        line_[0] = 0;
    }
    void appendText(const char *text, std::size_t n);
    void appendChars(char c, std::size_t n);
    // Writes the line and CR LF unless it is blank and the area drops blank
    // lines (a line of spaces, tabs and double quotes only is blank); then
    // empties the buffer.
    std::uint32_t endLine(LayoutArea *area);

private:
    char line_[kLineCapacity + 1] = {};
    std::size_t length_ = 0;
};

class TabSeparatedFormatter final : public TextFormatter {
public:
    using TextFormatter::TextFormatter;

protected:
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    std::uint32_t writeTextItem(TextItem *item) override;
    std::uint32_t writeValue(FieldItem *item, const std::string &text, std::int16_t position,
                             std::uint16_t width) override;
    std::uint32_t writeEmptyValue() override;

private:
    // A double quote, the text with each double quote doubled, a double quote.
    void appendQuoted(const char *text, std::size_t n);
    const char *separator_ = ""; // written before the next item of the line
};

class TextStyleFormatter final : public TextFormatter {
public:
    using TextFormatter::TextFormatter;

    int column() const { return column_; }

protected:
    // The line, then continuation lines while a growing field has text left.
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    std::uint32_t exportFieldItem(FieldItem *item) override;
    std::uint32_t writeTextItem(TextItem *item) override;
    std::uint32_t writeValue(FieldItem *item, const std::string &text, std::int16_t position,
                             std::uint16_t width) override;
    std::uint32_t writeEmptyValue() override { return UX_OK; }

private:
    static bool isGrowing(const FieldItem *item);
    // One line of a growing field; `firstLine` starts its progress afresh.
    std::uint32_t growingField(FieldItem *item, bool firstLine);
    // Writes one wrapped line from `rest`; `used` receives the characters
    // taken from it (written or skipped). True when no text remains.
    bool wrappedLine(FieldItem *item, const char *rest, std::size_t &used);
    // Text items: to the column of `position`, one space after the current
    // column when that is not left of it.
    void moveToColumn(std::int16_t position);
    // Values: to the column of `position` when it is right of the current one.
    void advanceToColumn(std::int16_t position);
    void appendSpaces(std::size_t n);
    void appendWritten(const char *text, std::size_t n);
    // The font's average character width, measured once and kept in
    // FontMetrics; one character per 100 layout units when it cannot be
    // measured.
    int characterWidth(FontMetrics *font);

    int column_ = 0;         // characters placed on the line so far
    std::uint32_t mark_ = 0; // output position before a continuation pass
    bool lineWritten_ = false;
    bool lineDone_ = true;
};

} // namespace fmtplain

#endif // FMTPLAIN_TEXT_FORMATTER_H
