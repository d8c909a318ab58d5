// delimited_formatter.cpp - lines of separated values (see
// delimited_formatter.h).
#include "fmtdelimited/delimited_formatter.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace fmtdelimited {

namespace {

#pragma pack(push, 1)
// The decoded form of the character-separated options (15 bytes).
struct CharSepDecoded {
    std::uint16_t size;
    std::uint32_t same_number_formats;
    std::uint32_t same_date_formats;
    char quote;
    char *separator;
};
#pragma pack(pop)
static_assert(sizeof(CharSepDecoded) == 15, "decoded character-separated options: 15 bytes");

// Offsets shared by both forms.
constexpr std::size_t kNumbersAt = 2;
constexpr std::size_t kDatesAt = 6;
constexpr std::size_t kQuoteAt = 10;
constexpr std::size_t kTextAt = 11;
// The stored form: the fixed part and the separator's terminating zero.
constexpr std::size_t kStoredFixed = kTextAt + 1;

std::uint16_t sizeWord(const void *blob) {
    std::uint16_t size;
    std::memcpy(&size, blob, sizeof size);
    return size;
}

std::uint32_t word32(const void *blob, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, static_cast<const unsigned char *>(blob) + at, sizeof v);
    return v;
}

const char *orEmpty(const char *text) {
    return text ? text : "";
}

// The dialog's controls.
constexpr int kSeparatorBox = 1000;
constexpr int kQuoteBox = 1001;

} // namespace

// ---------------------------------------------------------------------------
// FormatState
// ---------------------------------------------------------------------------

void LineBuffer::grow(std::size_t n) {
    std::size_t capacity = capacity_ < 256 ? 256 : capacity_ * 2;
    while (capacity - size_ < n)
        capacity *= 2;
    std::unique_ptr<char[]> bigger(new char[capacity]);
    for (std::size_t i = 0; i < size_; ++i)
        bigger[i] = data_[i];
    data_ = std::move(bigger);
    capacity_ = capacity;
}

FormatState::FormatState(void *parent, ReportLayout *layout, std::uint32_t formatIndex)
    : OptionsFormatter(parent, layout, formatIndex, startup(), 1) {
    gridAreasOnce_ = true;
}

void FormatState::setSeparator(const char *text) {
    separator_.assign(orEmpty(text), strnlen(orEmpty(text), kMaxSeparator));
}

void FormatState::setQuote(const char *text) {
    quote_.assign(orEmpty(text), strnlen(orEmpty(text), kMaxSeparator));
}

void FormatState::startLine() {
    line_.clear();
    atLineStart_ = true;
    lineHasData_ = false;
}

std::uint32_t FormatState::writeLine() {
    line_.append("\r\n", 2);
    const std::uint32_t rc = writeBytes(line_.data(), line_.size());
    startLine();
    return rc;
}

std::uint32_t FormatState::endRow() {
    if (!lineHasData_) {
        startLine();
        return UX_OK;
    }
    return writeLine();
}

std::uint32_t FormatState::startJob(JobContext *context) {
    lineStart_ = orEmpty(startup_.text(kLineStart));
    startLine();
    // In grid mode the opening areas are exported here; their values form a
    // line of their own (the walk ends it with endRow).
    return flatStart(context);
}

std::uint32_t FormatState::processRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) {
    startLine();
    return flatRecord(endingLevels, lastRecord);
}

std::uint32_t FormatState::endJob() {
    startLine();
    // In grid mode the closing areas are exported here, on a line of their own.
    return flatEnd();
}

std::uint32_t FormatState::exportLine(LayoutArea *, LayoutLine *line) {
    for (std::uint16_t f = 0; f < line->field_count; ++f)
        if (std::uint32_t rc = exportFieldItem(line->fields[f]))
            return rc;
    return UX_OK;
}

std::uint32_t FormatState::exportFieldItem(FieldItem *item) {
    if (std::uint32_t rc = validateField(item))
        return rc;
    if (item->hidden)
        return UX_OK;
    ValueText *value = nullptr;
    std::uint32_t repeated = 0;
    if (std::uint32_t rc = fetchValue(item, &value, &repeated))
        return rc;
    appendValue(item->descriptor->kind, value);
    lineHasData_ = true;
    return UX_OK;
}

std::uint32_t FormatState::exportGridRow(LayoutArea *, GridRow *row, std::uint16_t columns) {
    // Values written before the grid (group headers) end their own line.
    if (std::uint32_t rc = endRow())
        return rc;
    for (std::uint16_t c = 0; c < columns; ++c) {
        GridCell *cell = row->cells[c];
        if (!cell) {
            line_.appendText(atLineStart_ ? lineStart_ : separator_.c_str());
            atLineStart_ = false;
            continue;
        }
        if (std::uint32_t rc = exportGridCell(cell))
            return rc;
    }
    return writeLine();
}

std::uint32_t FormatState::exportGridCell(GridCell *cell) {
    FieldItem *item = cell->item;
    if (std::uint32_t rc = validateField(item))
        return rc;
    if (item->hidden)
        return UX_OK;
    lineHasData_ = true;
    if (!job_->format_raw_value)
        return UX_EINVALID;
    ValueText *value = nullptr;
    if (std::uint32_t rc =
            job_->format_raw_value(job_->engine, item, item->style, 0, cell->raw, &value))
        return rc;
    appendValue(item->descriptor->kind, value);
    return UX_OK;
}

void FormatState::appendValue(std::uint16_t kind, const ValueText *value) {
    line_.appendText(atLineStart_ ? lineStart_ : separator_.c_str());
    atLineStart_ = false;
    if (ux::isTextKind(kind)) {
        const char *text = value && value->text ? value->text : "";
        if (quote_.empty())
            line_.appendText(text);
        else
            appendQuoted(text);
        return;
    }
    // Any other value is joined straight onto the line and taken off again
    // to be quoted when it would not read back as one unquoted value.
    const std::size_t start = line_.size();
    if (value)
        for (const char *piece :
             {value->prefix, value->lead, value->text, value->trail, value->suffix})
            if (piece)
                line_.appendText(piece);
    if (quote_.empty() || !needsQuotes(line_.data() + start, line_.size() - start))
        return;
    const std::string copy(line_.data() + start, line_.size() - start);
    line_.truncate(start);
    appendQuoted(copy);
}

// One pass over the characters (this runs for every value written).
bool FormatState::needsQuotes(const char *p, std::size_t n) const {
    const char quote = quote_[0];
    const char separator = separator_.empty() ? '\r' : separator_[0];
    for (std::size_t i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\r' || c == '\n')
            return true;
        if (c == quote && separatorAt(p + i, n - i, quote_))
            return true;
        if (c == separator && separatorAt(p + i, n - i, separator_))
            return true;
    }
    return false;
}

bool FormatState::separatorAt(const char *p, std::size_t n, const std::string &text) {
    return text.size() <= n && std::memcmp(p, text.data(), text.size()) == 0;
}

void FormatState::appendQuoted(std::string_view text) {
    line_.append(quote_);
    const char quote = quote_[0];
    const char *p = text.data();
    const std::size_t n = text.size();
    std::size_t from = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] != quote || !separatorAt(p + i, n - i, quote_))
            continue;
        // Up to and with the quote, then the quote again.
        line_.append(p + from, i + quote_.size() - from);
        line_.append(quote_);
        i += quote_.size() - 1;
        from = i + 1;
    }
    line_.append(p + from, n - from);
    line_.append(quote_);
}

// ---------------------------------------------------------------------------
// CTSVFormatter
// ---------------------------------------------------------------------------

std::uint32_t CTSVFormatter::applyOptions(const void *blob) {
    const std::uint32_t rc = blob ? applyNumberDateBlob(blob) : numberDateDialog();
    if (rc)
        return rc;
    setSeparator(startup_.text(formatIndex_ == 0 ? kCommaSeparator : kTabSeparator));
    setQuote(startup_.text(kQuoteText));
    return UX_OK;
}

std::uint32_t CTSVFormatter::encodeOptions(const void **blob, std::uint16_t *size) {
    return encodeNumberDate(blob, size);
}

std::uint32_t CTSVFormatter::decodeOptions(void **blob) {
    return decodeNumberDate(blob);
}

// ---------------------------------------------------------------------------
// CharSVFormatter
// ---------------------------------------------------------------------------

CharSVFormatter::CharSVFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex)
    : FormatState(parent, layout, formatIndex) {
    separator_ = ",";
    quote_ = "\"";
}

CharSVFormatter::~CharSVFormatter() {
    std::free(stored_);
}

std::uint32_t CharSVFormatter::separatorDialog() {
    const std::intptr_t result = ux::platform::dialogBox(
        startup_.dialogModule("CharSepOptions"), "CharSepOptions", parent_, &CharSepOptionsDlgProc,
        reinterpret_cast<ux::platform::LParam>(this));
    return result == UXHOST_IDOK ? UX_OK : UX_ECANCELLED;
}

std::uint32_t CharSVFormatter::applyOptions(const void *blob) {
    if (!blob) {
        if (std::uint32_t rc = separatorDialog())
            return rc;
        return numberDateDialog();
    }
    const auto *bytes = static_cast<const unsigned char *>(blob);
    const std::uint16_t word = sizeWord(blob);
    const char *separator = nullptr;
    if (word & UX_BLOB_STORED) {
        const std::size_t size = word & ~UX_BLOB_STORED;
        if (size < kStoredFixed)
            return UX_EINVALID;
        const char *text = reinterpret_cast<const char *>(bytes + kTextAt);
        if (!std::memchr(text, 0, size - kTextAt))
            return UX_EINVALID; // not ended inside the blob
        separator = text;
    } else {
        if (word != sizeof(CharSepDecoded))
            return UX_EINVALID;
        std::memcpy(&separator, bytes + kTextAt, sizeof separator);
        if (!separator)
            return UX_EINVALID;
    }
    if (strnlen(separator, kMaxSeparator + 1) > kMaxSeparator)
        return UX_EINVALID;
    setSeparator(separator);
    const char quote[2] = {static_cast<char>(bytes[kQuoteAt]), 0};
    setQuote(quote);
    setSameNumberFormats(word32(blob, kNumbersAt) != 0);
    setSameDateFormats(word32(blob, kDatesAt) != 0);
    return UX_OK;
}

std::uint32_t CharSVFormatter::encodeOptions(const void **blob, std::uint16_t *size) {
    std::free(stored_);
    const std::size_t n = separator_.size() + kStoredFixed;
    stored_ = static_cast<unsigned char *>(std::malloc(n));
    if (!stored_)
        return UX_ENOMEM;
    const std::uint16_t word = static_cast<std::uint16_t>(n | UX_BLOB_STORED);
    const std::uint32_t numbers = sameNumberFormats() ? 1 : 0;
    const std::uint32_t dates = sameDateFormats() ? 1 : 0;
    std::memcpy(stored_, &word, sizeof word);
    std::memcpy(stored_ + kNumbersAt, &numbers, sizeof numbers);
    std::memcpy(stored_ + kDatesAt, &dates, sizeof dates);
    stored_[kQuoteAt] = static_cast<unsigned char>(quote_.empty() ? 0 : quote_[0]);
    std::memcpy(stored_ + kTextAt, separator_.c_str(), separator_.size() + 1);
    if (blob)
        *blob = stored_;
    if (size)
        *size = static_cast<std::uint16_t>(n);
    return UX_OK;
}

std::uint32_t CharSVFormatter::decodeOptions(void **blob) {
    if (!blob)
        return UX_EINVALID;
    *blob = nullptr;
    auto *decoded = static_cast<CharSepDecoded *>(std::malloc(sizeof(CharSepDecoded)));
    char *separator = static_cast<char *>(std::malloc(separator_.size() + 1));
    if (!decoded || !separator) {
        std::free(decoded);
        std::free(separator);
        return UX_ENOMEM;
    }
    std::memcpy(separator, separator_.c_str(), separator_.size() + 1);
    decoded->size = sizeof(CharSepDecoded);
    decoded->same_number_formats = sameNumberFormats() ? 1 : 0;
    decoded->same_date_formats = sameDateFormats() ? 1 : 0;
    decoded->quote = quote_.empty() ? 0 : quote_[0];
    decoded->separator = separator;
    *blob = decoded;
    return UX_OK;
}

void freeOptions(std::uint32_t, void *blob) {
    if (!blob)
        return;
    // Every blob starts with its size word; only the decoded character-
    // separated form owns more than itself.
    if (sizeWord(blob) == sizeof(CharSepDecoded)) {
        char *separator = nullptr;
        std::memcpy(&separator, static_cast<unsigned char *>(blob) + kTextAt, sizeof separator);
        std::free(separator);
    }
    std::free(blob);
}

} // namespace fmtdelimited

extern "C" std::intptr_t CharSepOptionsDlgProc(ux::platform::Hwnd dialog, std::uint32_t message,
                                               ux::platform::WParam wparam,
                                               ux::platform::LParam lparam) {
    namespace p = ux::platform;
    using fmtdelimited::kMaxSeparator;
    if (message == p::WM_INITDIALOG) {
        p::setWindowLong(dialog, p::DWL_USER, lparam);
        p::sendMessage(p::getDlgItem(dialog, fmtdelimited::kSeparatorBox), p::EM_LIMITTEXT,
                       kMaxSeparator, 0);
        p::sendMessage(p::getDlgItem(dialog, fmtdelimited::kQuoteBox), p::EM_LIMITTEXT,
                       kMaxSeparator, 0);
        if (auto *formatter = reinterpret_cast<fmtdelimited::FormatState *>(lparam)) {
            p::setDlgItemText(dialog, fmtdelimited::kSeparatorBox, formatter->separator().c_str());
            p::setDlgItemText(dialog, fmtdelimited::kQuoteBox, formatter->quote().c_str());
        }
        return 1;
    }
    if (message != p::WM_COMMAND)
        return 0;
    const int id = static_cast<int>(wparam & 0xFFFF);
    if (id == UXHOST_IDOK) {
        auto *formatter =
            reinterpret_cast<fmtdelimited::FormatState *>(p::getWindowLong(dialog, p::DWL_USER));
        if (formatter) {
            char text[kMaxSeparator + 1];
            p::getDlgItemText(dialog, fmtdelimited::kSeparatorBox, text, sizeof text);
            formatter->setSeparator(text);
            p::getDlgItemText(dialog, fmtdelimited::kQuoteBox, text, sizeof text);
            formatter->setQuote(text);
        }
        p::endDialog(dialog, UXHOST_IDOK);
        return 1;
    }
    if (id == UXHOST_IDCANCEL) {
        p::endDialog(dialog, UXHOST_IDCANCEL);
        return 1;
    }
    return 0;
}
