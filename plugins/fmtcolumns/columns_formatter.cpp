// columns_formatter.cpp - fixed-width record lines (see columns_formatter.h).
#include "fmtcolumns/columns_formatter.h"

#include <cstring>

namespace fmtcolumns {

ColumnsFormatter::ColumnsFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex)
    : OptionsFormatter(parent, layout, formatIndex, startup(), 0) {}

std::uint32_t ColumnsFormatter::applyOptions(const void *blob) {
    return blob ? applyNumberDateBlob(blob) : numberDateDialog();
}

const char *ColumnsFormatter::errorText() const {
    startup_.loadText(widthError_ ? kWidthError : kGeneralError, errorText_, sizeof errorText_);
    return errorText_;
}

std::uint32_t ColumnsFormatter::processRecord(std::uint16_t endingLevels,
                                              std::uint32_t lastRecord) {
    line_.clear();
    lineBlank_ = true;
    column_ = 0;
    if (std::uint32_t rc = flatRecord(endingLevels, lastRecord))
        return rc;
    std::uint32_t rc = UX_OK;
    // A line without a real value is dropped whole, line end included.
    if (!lineBlank_ && !line_.empty()) {
        rc = writeBytes(line_.data(), line_.size());
        if (rc) {
            char caption[256], text[256];
            startup_.loadText(kErrorCaption, caption, sizeof caption);
            startup_.loadText(kWriteBlanks, text, sizeof text);
            ux::platform::messageBox(nullptr, text, caption, UXHOST_MB_OK | UXHOST_MB_ICONSTOP);
        }
    }
    line_.clear();
    column_ = 0;
    return rc;
}

std::uint32_t ColumnsFormatter::endRow() {
    // Grid rows end their own lines: nothing after the last one leaves no
    // empty line behind it.
    if (!line_.ends_with("\r\n"))
        line_ += "\r\n";
    column_ = 0;
    return UX_OK;
}

std::uint32_t ColumnsFormatter::exportLine(LayoutArea *, LayoutLine *line) {
    for (std::uint16_t f = 0; f < line->field_count; ++f)
        if (std::uint32_t rc = exportFieldItem(line->fields[f]))
            return rc;
    return UX_OK;
}

std::uint32_t ColumnsFormatter::exportFieldItem(FieldItem *item) {
    if (std::uint32_t rc = validateField(item))
        return rc;
    if (item->hidden || item->descriptor->field_class == 3)
        return UX_OK;
    ValueText *value = nullptr;
    std::uint32_t repeated = 0;
    if (std::uint32_t rc = fetchValue(item, &value, &repeated))
        return rc;
    std::string text;
    valueText(value, item->descriptor->kind, text);
    const bool blank = isBlank(text);
    if (std::uint32_t rc = writeInColumn(item, std::move(text)))
        return rc;
    bool zero = false;
    if (std::uint32_t rc = zeroTest(item, zero))
        return rc;
    if (!zero && !suppressedRepeat(item, repeated) && !blank)
        lineBlank_ = false;
    return UX_OK;
}

std::uint32_t ColumnsFormatter::exportGridRow(LayoutArea *, GridRow *row, std::uint16_t columns) {
    column_ = 0;
    for (std::uint16_t c = 0; c < columns; ++c) {
        GridCell *cell = row->cells[c];
        if (!cell)
            continue; // takes no column
        FieldItem *item = cell->item;
        if (std::uint32_t rc = validateField(item))
            return rc;
        if (item->hidden || item->descriptor->field_class == 3)
            continue;
        if (!job_->format_raw_value)
            return UX_EINVALID;
        ValueText *value = nullptr;
        if (std::uint32_t rc =
                job_->format_raw_value(job_->engine, item, item->style, 0, cell->raw, &value))
            return rc;
        std::string text;
        valueText(value, item->descriptor->kind, text);
        if (!isBlank(text))
            lineBlank_ = false;
        if (std::uint32_t rc = writeInColumn(item, std::move(text)))
            return rc;
    }
    line_ += "\r\n";
    column_ = 0;
    return UX_OK;
}

bool ColumnsFormatter::isBlank(const std::string &text) {
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c != ' ' && c >= 32 && c != 127)
            return false;
    }
    return true;
}

std::uint32_t ColumnsFormatter::characterWidth(FontMetrics *font, int &width) {
    if (font->avg_char_width == 0) {
        int measured = 0;
        // A width that does not fit the 16-bit field would be stored as
        // something else (0, then divided by): a failed measurement.
        if (!ux::platform::averageCharWidth(job_->device_context, font->font, measured) ||
            measured <= 0 || measured > 0xFFFF) {
            widthError_ = true;
            return kMeasureFailed;
        }
        font->avg_char_width = static_cast<std::uint16_t>(measured);
    }
    width = font->avg_char_width;
    return UX_OK;
}

std::uint32_t ColumnsFormatter::writeInColumn(FieldItem *item, std::string text) {
    int average = 0;
    if (std::uint32_t rc = characterWidth(item->font, average))
        return rc;
    const std::size_t c = item->width / static_cast<unsigned>(average);
    // A line break inside a value would split the record line.
    for (char &ch : text)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    const std::uint16_t kind = item->descriptor->kind;
    if (text.size() > c)
        text = ux::isNumberKind(kind) ? std::string(c, '#') : text.substr(0, c);
    const std::size_t padding = c - text.size();
    std::uint16_t alignment = item->style->alignment;
    if (alignment == UX_ALIGN_DEFAULT)
        alignment = ux::isNumberKind(kind) ? UX_ALIGN_RIGHT : UX_ALIGN_LEFT;
    switch (alignment) {
    case UX_ALIGN_LEFT:
        line_ += text;
        line_.append(padding, ' ');
        break;
    case UX_ALIGN_CENTRE:
        line_.append(padding / 2, ' ');
        line_ += text;
        line_.append(padding - padding / 2, ' ');
        break;
    case UX_ALIGN_RIGHT:
        line_.append(padding, ' ');
        line_ += text;
        break;
    default:
        line_.append(c, ' '); // the column stays in its place
        break;
    }
    column_ += static_cast<std::uint32_t>(c);
    return UX_OK;
}

} // namespace fmtcolumns
