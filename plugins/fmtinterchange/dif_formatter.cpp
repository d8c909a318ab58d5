// dif_formatter.cpp - the DIF header, tuples and cells (see dif_formatter.h).
#include "fmtinterchange/dif_formatter.h"

#include <cstdio>
#include <cstring>

namespace fmtinterchange {

namespace {

// Layout units per DIF column.
constexpr int kUnitsPerColumn = 900;
// Characters reserved for each count in the header.
constexpr std::int32_t kCountField = 10;

const char kHeaderStart[] = "TABLE\r\n0,1\r\n\"REPORT\"\r\nVECTORS\r\n0,";
const char kHeaderMiddle[] = "\r\n\"\"\r\nTUPLES\r\n0,";
const char kHeaderEnd[] = "\r\n\"\"\r\nDATA\r\n0,0\r\n\"\"\r\n";
const char kBot[] = "-1,0\r\nBOT\r\n";
const char kEod[] = "-1,0\r\nEOD\r\n";

} // namespace

DifFormatter::DifFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex)
    : OptionsFormatter(parent, layout, formatIndex, startup(), 0) {}

std::uint32_t DifFormatter::applyOptions(const void *blob) {
    return blob ? applyNumberDateBlob(blob) : numberDateDialog();
}

// ---------------------------------------------------------------------------
// The walk
// ---------------------------------------------------------------------------

std::uint32_t DifFormatter::startJob(JobContext *context) {
    if (std::uint32_t rc = readLocale())
        return rc;
    job_ = context;
    currentLevel_ = 0;
    records_ = 0;
    tuples_ = 0;
    gridRows_ = gridColumns_ = 0;
    cells_.clear();
    if (std::uint32_t rc = classifyAreas())
        return rc;
    if (std::uint32_t rc = writeText(kHeaderStart))
        return rc;
    if (std::uint32_t rc = skipCountField(vectorsAt_))
        return rc;
    if (std::uint32_t rc = writeText(kHeaderMiddle))
        return rc;
    if (std::uint32_t rc = skipCountField(tuplesAt_))
        return rc;
    if (std::uint32_t rc = writeText(kHeaderEnd))
        return rc;
    if (std::uint32_t rc = beginTuple())
        return rc;
    if (std::uint32_t rc = exportShownThenTuple(opening0_))
        return rc;
    return exportShownThenTuple(opening1_);
}

std::uint32_t DifFormatter::processRecord(std::uint16_t endingLevels, std::uint32_t) {
    if (!classified() || !job_ || endingLevels > levels_)
        return UX_EINVALID;
    ++records_;
    while (currentLevel_ < levels_) {
        ++currentLevel_;
        if (std::uint32_t rc = exportShownThenTuple(groups_[currentLevel_].header))
            return rc;
    }
    if (std::uint32_t rc = exportArea(details_, 1))
        return rc;
    for (std::uint16_t i = 0; i < endingLevels; ++i) {
        if (std::uint32_t rc = exportShownThenTuple(groups_[currentLevel_].footer))
            return rc;
        --currentLevel_;
    }
    return UX_OK;
}

std::uint32_t DifFormatter::endJob() {
    std::uint32_t rc = classified() && job_ ? UX_OK : UX_EINVALID;
    if (rc == UX_OK)
        rc = beginTuple();
    if (rc == UX_OK)
        rc = exportShownThenTuple(closing5_);
    if (rc == UX_OK && closing6_->style->shown)
        rc = exportArea(closing6_, 1);
    if (rc == UX_OK && closing7_ && closing7_->style->shown) {
        rc = beginTuple();
        if (rc == UX_OK)
            rc = exportArea(closing7_, 1);
    }
    if (rc == UX_OK)
        rc = writeText(kEod);
    if (rc == UX_OK && gridMode() && job_->get_grid) {
        // The counts of the grid the details area shows.
        ValueGrid *grid = nullptr;
        rc = job_->get_grid(job_->engine, &grid);
        if (rc == UX_OK && grid) {
            gridRows_ = grid->row_count;
            gridColumns_ = grid->column_count;
        }
    }
    if (rc == UX_OK)
        rc = writeCount(vectorsAt_, fieldCount());
    if (rc == UX_OK)
        rc = writeCount(tuplesAt_, gridMode() ? gridRows_ : tuples_);
    job_ = nullptr;
    forgetAreas();
    return rc;
}

std::uint32_t DifFormatter::exportShownThenTuple(LayoutArea *area) {
    if (!area || area->style->shown == 0)
        return UX_OK;
    if (std::uint32_t rc = exportArea(area, 1))
        return rc;
    return beginTuple();
}

std::uint32_t DifFormatter::beginTuple() {
    ++tuples_;
    cells_ += kBot;
    return flush();
}

std::uint32_t DifFormatter::flush() {
    const std::uint32_t rc = writeBytes(cells_.data(), cells_.size());
    cells_.clear();
    return rc;
}

std::uint32_t DifFormatter::skipCountField(std::uint32_t &position) {
    if (std::uint32_t rc = notePosition(position))
        return rc;
    std::uint32_t reached = 0;
    return job_->seek_output(job_->engine, 0, UX_SEEK_FROM_CURRENT, kCountField, &reached);
}

std::uint32_t DifFormatter::writeCount(std::uint32_t position, std::uint32_t count) {
    if (std::uint32_t rc = returnToPosition(position))
        return rc;
    char text[32];
    std::snprintf(text, sizeof text, "%-10u", static_cast<unsigned>(count));
    return writeBytes(text, kCountField);
}

std::uint32_t DifFormatter::fieldCount(const LayoutArea *area) {
    if (!area || area->style->shown == 0 || !area->lines)
        return 0;
    std::uint32_t count = 0;
    for (std::uint16_t l = 0; l < area->line_count; ++l) {
        const LayoutLine *line = area->lines[l];
        if (!line)
            break;
        for (std::uint16_t f = 0; line->fields && f < line->field_count; ++f) {
            const FieldItem *item = line->fields[f];
            if (!item)
                break;
            if (!item->hidden)
                ++count;
        }
    }
    return count;
}

std::uint32_t DifFormatter::fieldCount() const {
    std::uint32_t count = fieldCount(opening1_) + fieldCount(closing5_) + fieldCount(closing6_);
    if (gridMode())
        count += details_->style->shown ? gridColumns_ : 0;
    else
        count += fieldCount(details_);
    for (std::uint16_t level = 1; level <= levels_; ++level)
        count += fieldCount(groups_[level].header) + fieldCount(groups_[level].footer);
    return count;
}

// ---------------------------------------------------------------------------
// Lines and cells
// ---------------------------------------------------------------------------

std::uint32_t DifFormatter::exportAreaContents(LayoutArea *area) {
    if (gridMode() && area == details_ && job_->get_grid) {
        ValueGrid *grid = nullptr;
        if (std::uint32_t rc = job_->get_grid(job_->engine, &grid))
            return rc;
        if (grid) {
            gridRows_ = grid->row_count;
            gridColumns_ = grid->column_count;
        }
    }
    return Formatter::exportAreaContents(area);
}

std::uint32_t DifFormatter::exportLine(LayoutArea *area, LayoutLine *line) {
    cells_.clear();
    column_ = 0;
    tupleBlank_ = true;
    if (std::uint32_t rc = exportLineItems(line)) {
        cells_.clear();
        return rc;
    }
    if (tupleBlank_ && area->style->drop_blank_lines != 0) {
        cells_.clear(); // the line leaves no cells and no tuple
        return UX_OK;
    }
    if (std::uint32_t rc = flush())
        return rc;
    return beginTuple();
}

std::uint32_t DifFormatter::exportGridRow(LayoutArea *, GridRow *row, std::uint16_t columns) {
    if (std::uint32_t rc = beginTuple())
        return rc;
    for (std::uint16_t c = 0; c < columns; ++c) {
        GridCell *cell = row->cells[c];
        if (!cell) {
            emptyCell();
            continue;
        }
        FieldItem *item = cell->item;
        if (std::uint32_t rc = validateField(item))
            return rc;
        if (item->hidden) {
            emptyCell();
            continue;
        }
        const std::uint16_t kind = item->descriptor->kind;
        if (kind == UX_KIND_BOOLEAN) {
            booleanCell(cell->raw);
            continue;
        }
        if (!job_->format_raw_value)
            return UX_EINVALID;
        ValueText *value = nullptr;
        if (std::uint32_t rc =
                job_->format_raw_value(job_->engine, item, item->style, 0, cell->raw, &value))
            return rc;
        if (ux::isTextKind(kind) || kind == UX_KIND_DATE) {
            stringCell(value && value->text ? value->text : "");
            continue;
        }
        std::string text;
        valueText(value, kind, text);
        if (ux::isNumberKind(kind) && item->style->suppress_zero_or_grow != 0 && !text.empty() &&
            text.find_first_not_of("0.") == std::string::npos) {
            emptyCell();
            continue;
        }
        numberCell(text, kind);
    }
    return flush();
}

std::uint32_t DifFormatter::exportTextItem(TextItem *item) {
    if (!item->text || std::strcmp(item->text, "\t") == 0 ||
        item->text[std::strspn(item->text, " ")] == 0)
        return UX_OK;
    moveToColumn(item->position);
    stringCell(item->text);
    ++column_;
    return UX_OK;
}

std::uint32_t DifFormatter::exportFieldItem(FieldItem *item) {
    if (item && item->hidden)
        return UX_OK;
    if (std::uint32_t rc = validateField(item))
        return rc;
    bool zero = false;
    if (std::uint32_t rc = zeroTest(item, zero))
        return rc;
    if (zero) {
        emptyCell();
        ++column_;
        return UX_OK;
    }
    const std::uint16_t kind = item->descriptor->kind;
    ValueText *value = nullptr;
    const void *raw = nullptr;
    std::uint32_t repeated = 0;
    const std::uint32_t rc = kind == UX_KIND_BOOLEAN
                                 ? fetchFormattedRaw(item, nullptr, &raw, &value, &repeated)
                                 : fetchValue(item, &value, &repeated);
    if (rc)
        return rc;
    if (suppressedRepeat(item, repeated)) {
        emptyCell();
        ++column_;
        return UX_OK;
    }
    moveToColumn(item->position);
    if (kind == UX_KIND_BOOLEAN) {
        booleanCell(raw);
        tupleBlank_ = false;
    } else if (kind == UX_KIND_DATE || ux::isTextKind(kind)) {
        const char *text = value && value->text ? value->text : "";
        stringCell(text);
        if (!isBlank(text))
            tupleBlank_ = false;
    } else {
        std::string text;
        valueText(value, kind, text);
        numberCell(text, kind);
        if (!isBlank(text.c_str()))
            tupleBlank_ = false;
    }
    ++column_;
    return UX_OK;
}

void DifFormatter::moveToColumn(std::int16_t position) {
    const int target = position / kUnitsPerColumn;
    while (column_ < target) {
        emptyCell();
        ++column_;
    }
}

void DifFormatter::emptyCell() {
    cells_ += "1,0\r\n\"\"\r\n";
}

void DifFormatter::stringCell(const char *text) {
    cells_ += "1,0\r\n\"";
    // A line break would end the cell's second line early, and every later
    // line of the file would be read out of step: written as a space.
    for (; *text; ++text)
        cells_ += (*text == '\r' || *text == '\n') ? ' ' : *text;
    cells_ += "\"\r\n";
}

void DifFormatter::numberCell(const std::string &text, std::uint16_t kind) {
    if (text.empty()) {
        emptyCell(); // keeps the column of every later cell
        return;
    }
    // The locale's separators say how to read a text made with the locale
    // record; a text in the report's own form is taken only when it already
    // is a plain number (its separators are the report's business).
    const NumberFormatRecord &locale = ux::localeFormats().number;
    const bool withLocale = formatsRawValue(kind);
    std::string number;
    if (kind > UX_KIND_TEXT_B ||
        !plainNumber(text, withLocale ? locale.thousands_separator : 0,
                     withLocale ? locale.decimal_separator : '.', number)) {
        stringCell(text.c_str());
        return;
    }
    cells_ += "0,";
    cells_ += number;
    cells_ += "\r\nV\r\n";
}

void DifFormatter::booleanCell(const void *raw) {
    if (!raw) {
        emptyCell();
        return;
    }
    std::uint32_t v = 0;
    std::memcpy(&v, raw, sizeof v);
    cells_ += v != 0 ? "0,1\r\nTRUE\r\n" : "0,0\r\nFALSE\r\n";
}

bool DifFormatter::isBlank(const char *text) {
    for (; *text; ++text) {
        const unsigned char c = static_cast<unsigned char>(*text);
        if (c != ' ' && c >= 32 && c != 127)
            return false;
    }
    return true;
}

} // namespace fmtinterchange
