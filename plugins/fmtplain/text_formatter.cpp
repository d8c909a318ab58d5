// text_formatter.cpp - positioned text and tab-separated text.
#include "fmtplain/text_formatter.h"

#include <algorithm>
#include <cstring>

#include "core/platform.h"

namespace fmtplain {

namespace {

// Layout units per character column.
constexpr int kUnitsPerColumn = 100;

// Length of the line break at `p`: CR, LF or 0x8D LF; CR LF and LF CR are one
// break of two characters. 0 when no break starts at `p`.
std::size_t breakLength(const char *p) {
    const unsigned char a = static_cast<unsigned char>(p[0]);
    if (a != 0x8D && a != '\r' && a != '\n')
        return 0; // p[1] may be past the text
    const unsigned char b = static_cast<unsigned char>(p[1]);
    if (a == 0x8D)
        return b == '\n' ? 2 : 0;
    if (a == '\r')
        return b == '\n' ? 2 : 1;
    if (a == '\n')
        return b == '\r' ? 2 : 1;
    return 0;
}

bool isBlankChar(char c) {
    return c == ' ' || c == '\t';
}

bool endsWord(const char *p) {
    return *p == 0 || isBlankChar(*p) || breakLength(p) != 0;
}

} // namespace

// ---------------------------------------------------------------------------
// TextFormatter
// ---------------------------------------------------------------------------

std::uint32_t TextFormatter::encodeOptions(const void **blob, std::uint16_t *size) {
    if (blob)
        *blob = nullptr;
    if (size)
        *size = 0;
    return UX_OK;
}

std::uint32_t TextFormatter::decodeOptions(void **blob) {
    if (blob)
        *blob = nullptr;
    return UX_OK;
}

void TextFormatter::appendText(const char *text, std::size_t n) {
    const std::size_t room = kLineCapacity - length_;
    if (n > room)
        n = room;
    std::memcpy(line_ + length_, text, n);
    length_ += n;
    line_[length_] = 0;
}

void TextFormatter::appendChars(char c, std::size_t n) {
    const std::size_t room = kLineCapacity - length_;
    if (n > room)
        n = room;
    std::memset(line_ + length_, c, n);
    length_ += n;
    line_[length_] = 0;
}

std::uint32_t TextFormatter::endLine(LayoutArea *area) {
    bool blank = true;
    for (std::size_t i = 0; i < length_ && blank; ++i)
        blank = line_[i] == ' ' || line_[i] == '\t' || line_[i] == '"';
    std::uint32_t rc = UX_OK;
    if (!blank || area->style->drop_blank_lines == 0) {
        char out[kLineCapacity + 2];
        std::memcpy(out, line_, length_);
        out[length_] = '\r';
        out[length_ + 1] = '\n';
        rc = writeBytes(out, length_ + 2);
    }
    clearLine();
    return rc;
}

// Each line and grid row starts with an empty buffer: a line left half built
// by a failure is never written, not even by a later job of the instance.
std::uint32_t TextFormatter::exportLine(LayoutArea *area, LayoutLine *line) {
    clearLine();
    if (std::uint32_t rc = exportLineItems(line))
        return rc;
    return endLine(area);
}

std::uint32_t TextFormatter::exportGridRow(LayoutArea *, GridRow *row, std::uint16_t columns) {
    clearLine();
    for (std::uint16_t c = 0; c < columns; ++c) {
        GridCell *cell = row->cells[c];
        if (std::uint32_t rc = cell ? exportGridCell(cell) : writeEmptyValue())
            return rc;
    }
    return endLine(details_);
}

std::uint32_t TextFormatter::exportTextItem(TextItem *item) {
    if (!item->text || std::strcmp(item->text, "\t") == 0)
        return UX_OK;
    return writeTextItem(item);
}

std::uint32_t TextFormatter::settleValuelessField(FieldItem *item, bool &settled) {
    settled = true;
    if (std::uint32_t rc = validateField(item))
        return rc;
    if (item->hidden)
        return UX_OK;
    bool zero = false;
    if (std::uint32_t rc = zeroTest(item, zero))
        return rc;
    if (zero)
        return writeEmptyValue();
    settled = false;
    return UX_OK;
}

std::uint32_t TextFormatter::exportFieldItem(FieldItem *item) {
    bool settled = false;
    if (std::uint32_t rc = settleValuelessField(item, settled); rc || settled)
        return rc;
    std::string text;
    bool suppressed = false;
    if (std::uint32_t rc = fetchValueText(item, text, suppressed))
        return rc;
    if (suppressed)
        return writeEmptyValue();
    return writeValue(item, text, item->position, item->width);
}

std::uint32_t TextFormatter::exportGridCell(GridCell *cell) {
    FieldItem *item = cell->item;
    if (std::uint32_t rc = validateField(item))
        return rc;
    if (item->hidden)
        return UX_OK;
    const std::uint16_t kind = item->descriptor->kind;
    if (ux::isNumberKind(kind) && item->style->suppress_zero_or_grow != 0 &&
        rawIsZero(kind, cell->raw))
        return writeEmptyValue();
    if (!job_->format_raw_value)
        return UX_EINVALID;
    ValueText *value = nullptr;
    if (std::uint32_t rc =
            job_->format_raw_value(job_->engine, item, item->style, 0, cell->raw, &value))
        return rc;
    std::string text;
    valueText(value, kind, text);
    return writeValue(item, text, static_cast<std::int16_t>(cell->position), cell->width);
}

// ---------------------------------------------------------------------------
// TabSeparatedFormatter
// ---------------------------------------------------------------------------

std::uint32_t TabSeparatedFormatter::exportLine(LayoutArea *area, LayoutLine *line) {
    separator_ = "";
    return TextFormatter::exportLine(area, line);
}

std::uint32_t TabSeparatedFormatter::exportGridRow(LayoutArea *area, GridRow *row,
                                                   std::uint16_t columns) {
    separator_ = "";
    return TextFormatter::exportGridRow(area, row, columns);
}

void TabSeparatedFormatter::appendQuoted(const char *text, std::size_t n) {
    appendChars('"', 1);
    const char *end = text + n;
    while (text < end) {
        const char *quote = static_cast<const char *>(std::memchr(text, '"', end - text));
        const char *stop = quote ? quote + 1 : end;
        appendText(text, stop - text);
        if (quote)
            appendChars('"', 1); // the doubled quote
        text = stop;
    }
    appendChars('"', 1);
}

std::uint32_t TabSeparatedFormatter::writeTextItem(TextItem *item) {
    appendText(separator_, std::strlen(separator_));
    appendQuoted(item->text, std::strlen(item->text));
    separator_ = "\t";
    return UX_OK;
}

std::uint32_t TabSeparatedFormatter::writeValue(FieldItem *item, const std::string &text,
                                                std::int16_t, std::uint16_t) {
    appendText(separator_, std::strlen(separator_));
    if (ux::isTextKind(item->descriptor->kind))
        appendQuoted(text.data(), text.size());
    else
        appendText(text.data(), text.size());
    separator_ = "\t";
    return UX_OK;
}

std::uint32_t TabSeparatedFormatter::writeEmptyValue() {
    appendText(separator_, std::strlen(separator_));
    appendText("\"\"", 2);
    separator_ = "\t";
    return UX_OK;
}

// ---------------------------------------------------------------------------
// TextStyleFormatter
// ---------------------------------------------------------------------------

int TextStyleFormatter::characterWidth(FontMetrics *font) {
    if (font->avg_char_width == 0) {
        int width = 0;
        if (ux::platform::averageCharWidth(job_->device_context, font->font, width) && width > 0 &&
            width <= 0xFFFF)
            font->avg_char_width = static_cast<std::uint16_t>(width);
    }
    // A width that could not be measured counts as one column per character
    // rather than dividing by 0.
    return font->avg_char_width != 0 ? font->avg_char_width : kUnitsPerColumn;
}

void TextStyleFormatter::appendSpaces(std::size_t n) {
    if (n == 0)
        return;
    appendChars(' ', n);
    column_ += static_cast<int>(n);
    lineWritten_ = true;
}

void TextStyleFormatter::appendWritten(const char *text, std::size_t n) {
    if (n == 0)
        return;
    appendText(text, n);
    column_ += static_cast<int>(n);
    lineWritten_ = true;
}

void TextStyleFormatter::moveToColumn(std::int16_t position) {
    int target = position / kUnitsPerColumn;
    if (target <= column_)
        target = column_ + (column_ != 0 ? 1 : 0);
    appendChars(' ', static_cast<std::size_t>(target - column_));
    column_ = target;
}

void TextStyleFormatter::advanceToColumn(std::int16_t position) {
    const int target = position / kUnitsPerColumn;
    if (target > column_)
        appendSpaces(static_cast<std::size_t>(target - column_));
}

std::uint32_t TextStyleFormatter::writeTextItem(TextItem *item) {
    moveToColumn(item->position);
    const std::size_t n = std::strlen(item->text);
    appendText(item->text, n);
    column_ += static_cast<int>(n);
    lineWritten_ = true;
    return UX_OK;
}

std::uint32_t TextStyleFormatter::writeValue(FieldItem *item, const std::string &text,
                                             std::int16_t position, std::uint16_t width) {
    advanceToColumn(position);
    const int avg = characterWidth(item->font);
    const std::size_t fieldColumns = width / kUnitsPerColumn;
    const std::size_t n =
        std::min({static_cast<std::size_t>(width / avg), text.size(), fieldColumns});
    std::uint16_t alignment = item->style->alignment;
    if (alignment == UX_ALIGN_DEFAULT) {
        const std::uint16_t kind = item->descriptor->kind;
        alignment =
            (kind >= UX_KIND_BOOLEAN && kind <= UX_KIND_TEXT_B) ? UX_ALIGN_LEFT : UX_ALIGN_RIGHT;
    }
    switch (alignment) {
    case UX_ALIGN_LEFT:
        appendText(text.data(), n);
        column_ += static_cast<int>(n);
        break;
    case UX_ALIGN_CENTRE: {
        const std::size_t pad = (fieldColumns - n) / 2;
        appendChars(' ', pad);
        appendText(text.data(), n);
        column_ += static_cast<int>(pad + n);
        break;
    }
    case UX_ALIGN_RIGHT:
        appendChars(' ', fieldColumns - n);
        appendText(text.data(), n);
        column_ += static_cast<int>(fieldColumns);
        break;
    default:
        break; // an unknown alignment writes nothing
    }
    lineWritten_ = true;
    return UX_OK;
}

bool TextStyleFormatter::isGrowing(const FieldItem *item) {
    return item && item->style && item->descriptor && ux::isTextKind(item->descriptor->kind) &&
           item->style->suppress_zero_or_grow != 0;
}

std::uint32_t TextStyleFormatter::exportFieldItem(FieldItem *item) {
    if (isGrowing(item))
        return growingField(item, true);
    return TextFormatter::exportFieldItem(item);
}

std::uint32_t TextStyleFormatter::exportGridRow(LayoutArea *area, GridRow *row,
                                                std::uint16_t columns) {
    column_ = 0;
    return TextFormatter::exportGridRow(area, row, columns);
}

std::uint32_t TextStyleFormatter::exportLine(LayoutArea *area, LayoutLine *line) {
    clearLine();
    column_ = 0;
    lineWritten_ = false;
    lineDone_ = true;
    if (std::uint32_t rc = exportLineItems(line))
        return rc;
    if (lineWritten_ || line->field_count == 0) {
        if (std::uint32_t rc = endLine(area))
            return rc;
    } else {
        clearLine();
    }

    while (!lineDone_) {
        clearLine();
        column_ = 0;
        lineWritten_ = false;
        lineDone_ = true; // each growing field with text left clears it again
        if (std::uint32_t rc = notePosition(mark_))
            return rc;
        for (std::uint16_t f = 0; f < line->field_count; ++f) {
            FieldItem *item = line->fields[f];
            if (!isGrowing(item))
                continue;
            if (std::uint32_t rc = growingField(item, false))
                return rc;
        }
        if (lineWritten_) {
            if (std::uint32_t rc = endLine(area))
                return rc;
            continue;
        }
        clearLine();
        if (std::uint32_t rc = returnToPosition(mark_))
            return rc;
        lineDone_ = true;
    }
    return UX_OK;
}

std::uint32_t TextStyleFormatter::growingField(FieldItem *item, bool firstLine) {
    bool settled = false;
    if (std::uint32_t rc = settleValuelessField(item, settled); rc || settled)
        return rc;

    std::uint32_t lines = firstLine ? 0 : (item->scratch & 0xFFFFu);
    std::uint32_t consumed = firstLine ? 0 : (item->scratch >> 16);
    if (firstLine)
        item->scratch = 0;
    const std::uint16_t maxLines = item->style->max_lines;
    // A field that has printed its last allowed line stays empty while other
    // growing fields of the line go on.
    if (!firstLine && maxLines != 0 && lines >= maxLines)
        return UX_OK;

    std::string text;
    bool suppressed = false;
    if (std::uint32_t rc = fetchValueText(item, text, suppressed))
        return rc;
    if (suppressed)
        return writeEmptyValue();

    const std::size_t start = std::min<std::size_t>(consumed, text.size());
    std::size_t used = 0;
    const bool ended = wrappedLine(item, text.c_str() + start, used);
    bool saturated = false;
    if (used != 0) {
        // The progress word holds 16 bits of each count.
        if (consumed + used > 0xFFFFu || lines + 1 > 0xFFFFu)
            saturated = true;
        consumed = std::min<std::uint32_t>(consumed + static_cast<std::uint32_t>(used), 0xFFFFu);
        lines = std::min<std::uint32_t>(lines + 1, 0xFFFFu);
    }
    // No characters taken (a field too narrow for one character) means no
    // further line could take any: the field is done.
    const bool done = ended || (maxLines != 0 && lines >= maxLines) || used == 0 || saturated;
    if (!done)
        lineDone_ = false;
    item->scratch = (consumed << 16) | lines;
    return UX_OK;
}

bool TextStyleFormatter::wrappedLine(FieldItem *item, const char *rest, std::size_t &used) {
    advanceToColumn(item->position);
    const std::size_t w = item->width / characterWidth(item->font);
    const char *p = rest;
    std::size_t consumed = 0;

    while (*p && consumed < w) {
        // Breaks, spaces and tabs before the word are skipped.
        for (;;) {
            if (isBlankChar(*p)) {
                ++p;
                ++consumed;
            } else if (std::size_t b = breakLength(p)) {
                p += b;
                consumed += b;
            } else {
                break;
            }
        }
        if (!*p)
            break;

        std::size_t length = 0;
        while (!endsWord(p + length))
            ++length;
        if (consumed != 0 && consumed + length > w)
            break; // the word starts the next line
        appendWritten(p, consumed == 0 && length > w ? w : length);
        p += length;
        consumed += length;

        std::size_t blanks = 0;
        while (isBlankChar(p[blanks]))
            ++blanks;
        const std::size_t fit = consumed < w ? std::min(blanks, w - consumed) : 0;
        appendWritten(p, fit);
        p += blanks;
        consumed += blanks;

        if (std::size_t b = breakLength(p)) {
            p += b;
            consumed += b;
            break;
        }
    }
    if (consumed < w)
        appendSpaces(w - consumed);
    used = consumed;
    return *p == 0;
}

} // namespace fmtplain
