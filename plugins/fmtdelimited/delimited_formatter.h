// delimited_formatter.h - the formatters of fmtdelimited.
//
// Every record of the flat walk is one line of separated values: the values
// of every shown field item of every area the record passes through, in
// array order (fixed texts are never written), each preceded by the pending
// prefix - the line-start text before the first value of a line, the
// separator before every later one. A line ends with CR LF when the record is
// full and a value was written; nothing at all is written for a line without
// values. Texts stand between quotes; a value of any other kind is written as
// it is unless it contains the separator, the quote, CR or LF, in which case
// it is quoted too. Inside quotes every quote text is doubled, so that every
// reader of separated values gets the value back exactly. An empty quote text
// means no quoting at all.
//
// In grid mode each grid row is one line (a null cell is an empty value), and
// the values of the opening areas (exported once at the job start) and of the
// closing areas (once at its end) each form a line of their own.
//
//   CTSVFormatter (index 0, "Comma-separated values (CSV)", and index 1,
//   "Tab-separated values"): separator and quote from the resource texts;
//   options: the number and date options (NumberDateOptions blob).
//
//   CharSVFormatter (any other index, "Character-separated values"):
//   separator and quote chosen in the CharSepOptions dialog ("," and a double
//   quote until then), at most 16 characters each; options blob in stored
//   form (size word with 0x8000: flags, first quote character, separator text
//   inline) or decoded form (15 bytes: flags, quote character, pointer to the
//   separator).
#ifndef FMTDELIMITED_DELIMITED_FORMATTER_H
#define FMTDELIMITED_DELIMITED_FORMATTER_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/number_date.h"

namespace fmtdelimited {

// The longest separator or quote an instance holds.
inline constexpr std::size_t kMaxSeparator = 16;

// Resource texts of the plug-in.
enum : std::uint32_t {
    kCsvName = 1000,
    kTsvName = 1001,
    kCharName = 1002,
    kDialogTitle = 1003,
    kCsvFilter = 1004,
    kTsvFilter = 1005,
    kCharFilter = 1006,
    kLineStart = 1007,
    kCommaSeparator = 1008,
    kTabSeparator = 1009,
    kQuoteText = 1010,
};

// The plug-in's start-up (its resource texts and dialogs).
const ux::PluginStartup &startup();

// The line being built. Appending copies inline, character by character: a
// value costs no library call per piece (this runs for every value).
class LineBuffer {
public:
    void clear() { size_ = 0; }
    std::size_t size() const { return size_; }
    const char *data() const { return data_.get(); }
    // Drops everything from `n` on (n <= size()).
    void truncate(std::size_t n) { size_ = n; }
    void append(const char *p, std::size_t n) {
        reserve(n);
        char *d = data_.get() + size_;
        for (std::size_t i = 0; i < n; ++i)
            d[i] = p[i];
        size_ += n;
    }
    void append(const std::string &s) { append(s.data(), s.size()); }
    // A NUL-terminated text.
    void appendText(const char *p) {
        for (; *p; ++p) {
            reserve(1);
            data_[size_++] = *p;
        }
    }

private:
    void reserve(std::size_t n) {
        if (capacity_ - size_ < n)
            grow(n);
    }
    void grow(std::size_t n);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

class FormatState : public ux::OptionsFormatter {
public:
    FormatState(void *parent, ReportLayout *layout, std::uint32_t formatIndex);

    std::uint32_t startJob(JobContext *context) override;
    std::uint32_t processRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) override;
    std::uint32_t endJob() override;

    const std::string &separator() const { return separator_; }
    const std::string &quote() const { return quote_; }
    // Both keep at most 16 characters.
    void setSeparator(const char *text);
    void setQuote(const char *text);

protected:
    std::uint32_t exportLine(LayoutArea *area, LayoutLine *line) override;
    std::uint32_t exportGridRow(LayoutArea *area, GridRow *row, std::uint16_t columns) override;
    std::uint32_t exportTextItem(TextItem *) override { return UX_OK; }
    std::uint32_t exportFieldItem(FieldItem *item) override;
    // Ends a line that holds a value: CR LF, and the line is written.
    std::uint32_t endRow() override;

    std::string separator_;
    std::string quote_;

private:
    std::uint32_t exportGridCell(GridCell *cell);
    void startLine();
    // The pending prefix, then the value (quoted as the header says); the
    // prefix becomes the separator.
    void appendValue(std::uint16_t kind, const ValueText *value);
    // The quote, the text with every quote text in it doubled, the quote.
    void appendQuoted(std::string_view text);
    // Whether a value written without quotes would not read back as itself:
    // it holds CR, LF, the quote text or the separator text.
    bool needsQuotes(const char *text, std::size_t n) const;
    // `text` starts at p (n characters available).
    static bool separatorAt(const char *p, std::size_t n, const std::string &text);
    std::uint32_t writeLine();

    const char *lineStart_ = "";
    LineBuffer line_;
    bool atLineStart_ = true;
    bool lineHasData_ = false;
};

class CTSVFormatter final : public FormatState {
public:
    using FormatState::FormatState;
    // With a blob: its two flags (5 when it is not a 10-byte NumberDateOptions
    // record); without: the number and date options dialog (6 on Cancel).
    // Then the separator and quote of the index from the resource texts.
    std::uint32_t applyOptions(const void *blob) override;
    std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) override;
    std::uint32_t decodeOptions(void **blob) override;
};

class CharSVFormatter final : public FormatState {
public:
    CharSVFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex);
    ~CharSVFormatter() override;
    // With a blob: separator, quote character and flags from its stored or
    // decoded form; 5 when the blob is not a well-formed one (size below the
    // fixed part or not its own, a text not ended inside it, a null pointer,
    // a separator of more than 16 characters). Without: the character-separated
    // options dialog, then the number and date options dialog (6 on Cancel in
    // either).
    std::uint32_t applyOptions(const void *blob) override;
    std::uint32_t encodeOptions(const void **blob, std::uint16_t *size) override;
    std::uint32_t decodeOptions(void **blob) override;
    std::uint32_t separatorDialog();

private:
    unsigned char *stored_ = nullptr; // the last stored-form blob
};

// Releases a decoded blob of any of the plug-in's formats, by its form.
void freeOptions(std::uint32_t index, void *blob);

} // namespace fmtdelimited

extern "C" {
// The character-separated options dialog's procedure: WM_INITDIALOG keeps the
// instance with the dialog, limits both edit boxes to 16 characters and shows
// the separator and quote; OK stores both as typed and ends with 1; Cancel
// ends with 2 and changes nothing.
UX_EXPORT std::intptr_t CharSepOptionsDlgProc(ux::platform::Hwnd dialog, std::uint32_t message,
                                              ux::platform::WParam wparam,
                                              ux::platform::LParam lparam);
}

#endif // FMTDELIMITED_DELIMITED_FORMATTER_H
