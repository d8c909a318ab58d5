// formatter.cpp - classification, walks, areas, values and output shared by
// the format plug-ins.
#include "core/formatter.h"

#include <cstring>

namespace ux {

namespace {

// The largest piece one WriteOutput call can take (its count is 16-bit).
constexpr std::size_t kMaxWrite = 0xFFFF;

} // namespace

Formatter::Formatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex)
    : parent_(parent), layout_(layout), formatIndex_(formatIndex) {}

Formatter::~Formatter() {
    forgetAreas();
}

void Formatter::forgetAreas() {
    delete[] groups_;
    groups_ = nullptr;
    opening0_ = opening1_ = details_ = closing5_ = closing6_ = closing7_ = nullptr;
    levels_ = 0;
    detailsHidden_ = false;
    classified_ = false;
}

// ---------------------------------------------------------------------------
// Classification
// ---------------------------------------------------------------------------

std::uint32_t Formatter::classifyAreas() {
    forgetAreas();
    if (!job_ || !layout_ || layout_->area_count == 0 || !layout_->areas)
        return UX_EINVALID;

    const std::uint16_t levels = layout_->group_levels;
    if (levels != 0) {
        groups_ = new (std::nothrow) GroupAreas[levels + 1u];
        if (!groups_)
            return UX_ENOMEM;
    }
    levels_ = levels;

    for (std::uint16_t i = 0; i < layout_->area_count; ++i) {
        LayoutArea *area = layout_->areas[i];
        if (!area || !area->style)
            return UX_EINVALID;
        switch (area->kind) {
        case UX_AREA_OPENING0:
            opening0_ = area;
            break;
        case UX_AREA_OPENING:
            opening1_ = area;
            break;
        case UX_AREA_CLOSING5:
            closing5_ = area;
            break;
        case UX_AREA_CLOSING:
            closing6_ = area;
            break;
        case UX_AREA_CLOSING7:
            closing7_ = area;
            break;
        case UX_AREA_DETAILS:
            if (!area->group)
                return UX_EINVALID;
            details_ = area;
            break;
        case UX_AREA_GROUP_HEADER:
        case UX_AREA_GROUP_FOOTER: {
            // Level 0 names no level (1 is the outermost): refused like a level
            // above the count, so that nothing is entered where no table is.
            if (!area->group || area->group->level == 0 || area->group->level > levels)
                return UX_EINVALID;
            GroupAreas &entry = groups_[area->group->level];
            (area->kind == UX_AREA_GROUP_HEADER ? entry.header : entry.footer) = area;
            break;
        }
        default:
            break; // other kinds are not exported
        }
    }

    for (std::uint16_t level = 1; level <= levels; ++level)
        if (!groups_[level].header || !groups_[level].footer)
            return UX_EINVALID;
    if (!opening1_ || !details_ || !closing6_)
        return UX_EINVALID;

    detailsHidden_ = details_->style->shown == 0;
    classified_ = true;
    return UX_OK;
}

// ---------------------------------------------------------------------------
// Structured walk
// ---------------------------------------------------------------------------

std::uint32_t Formatter::structuredStart(JobContext *context) {
    job_ = context;
    currentLevel_ = 0;
    records_ = 0;
    if (std::uint32_t rc = classifyAreas())
        return rc;
    return exportOpeningAreas(1);
}

std::uint32_t Formatter::structuredRecord(std::uint16_t endingLevels) {
    if (!classified_ || !job_)
        return UX_EINVALID;
    // After the headers every level is open, so more ending levels than
    // levels would close areas that do not exist.
    if (endingLevels > levels_)
        return UX_EINVALID;
    ++records_;
    while (currentLevel_ < levels_) {
        ++currentLevel_;
        if (std::uint32_t rc = exportArea(groups_[currentLevel_].header, 1))
            return rc;
    }
    if (std::uint32_t rc = exportArea(details_, 1))
        return rc;
    for (std::uint16_t i = 0; i < endingLevels; ++i) {
        if (std::uint32_t rc = exportArea(groups_[currentLevel_].footer, 1))
            return rc;
        --currentLevel_;
    }
    return UX_OK;
}

std::uint32_t Formatter::structuredEnd() {
    const std::uint32_t rc = classified_ && job_ ? exportClosingAreas(1) : UX_EINVALID;
    job_ = nullptr;
    classified_ = false;
    return rc;
}

// ---------------------------------------------------------------------------
// Flat walk
// ---------------------------------------------------------------------------

std::uint32_t Formatter::flatStart(JobContext *context) {
    if (std::uint32_t rc = readLocale())
        return rc;
    job_ = context;
    currentLevel_ = 0;
    records_ = 0;
    if (std::uint32_t rc = classifyAreas())
        return rc;
    if (gridAreasOnce_ && gridMode()) {
        // The opening areas' values make a row of their own.
        if (std::uint32_t rc = exportOpeningAreas(1))
            return rc;
        return endRow();
    }
    return UX_OK;
}

std::uint32_t Formatter::flatRecord(std::uint16_t endingLevels, std::uint32_t lastRecord) {
    if (!classified_ || !job_)
        return UX_EINVALID;
    if (endingLevels > levels_)
        return UX_EINVALID;
    ++records_;
    const bool full = !detailsHidden_ || endingLevels != 0 || levels_ == 0;
    const bool withOuterAreas = !(gridAreasOnce_ && gridMode());
    const std::uint32_t first = records_ == 1 ? 1 : 0;
    const std::uint32_t last = lastRecord != 0 ? 1 : 0;

    if (full) {
        if (withOuterAreas)
            if (std::uint32_t rc = exportOpeningAreas(first))
                return rc;
        for (int level = 1; level <= levels_; ++level)
            if (std::uint32_t rc = exportArea(groups_[level].header, level > currentLevel_))
                return rc;
    }
    currentLevel_ = levels_;
    if (std::uint32_t rc = exportArea(details_, 1))
        return rc;
    if (full) {
        currentLevel_ -= endingLevels;
        for (int level = levels_; level >= 1; --level)
            if (std::uint32_t rc = exportArea(groups_[level].footer, level > currentLevel_))
                return rc;
        if (withOuterAreas)
            if (std::uint32_t rc = exportClosingAreas(last))
                return rc;
        return endRow();
    }
    return UX_OK;
}

std::uint32_t Formatter::flatEnd() {
    std::uint32_t rc = UX_OK;
    if (gridAreasOnce_ && gridMode()) {
        // So do the closing areas' values.
        rc = classified_ && job_ ? exportClosingAreas(1) : UX_EINVALID;
        if (rc == UX_OK)
            rc = endRow();
    }
    job_ = nullptr;
    classified_ = false;
    return rc;
}

// ---------------------------------------------------------------------------
// Areas and lines
// ---------------------------------------------------------------------------

std::uint32_t Formatter::exportOpeningAreas(std::uint32_t fresh) {
    if (std::uint32_t rc = exportOptional(opening0_, fresh))
        return rc;
    return exportArea(opening1_, fresh);
}

std::uint32_t Formatter::exportClosingAreas(std::uint32_t fresh) {
    if (std::uint32_t rc = exportOptional(closing5_, fresh))
        return rc;
    if (std::uint32_t rc = exportArea(closing6_, fresh))
        return rc;
    return exportOptional(closing7_, fresh);
}

std::uint32_t Formatter::exportArea(LayoutArea *area, std::uint32_t fresh) {
    if (job_->begin_area)
        job_->begin_area(job_->engine, area, fresh);
    std::uint32_t rc = UX_OK;
    if (area->style->shown != 0) {
        try {
            rc = exportAreaContents(area);
        } catch (...) {
            if (job_->end_area)
                job_->end_area(job_->engine);
            throw;
        }
    }
    if (job_->end_area)
        job_->end_area(job_->engine);
    return rc;
}

std::uint32_t Formatter::exportAreaContents(LayoutArea *area) {
    if (area->line_count != 0 && !area->lines)
        return UX_EINVALID;

    ValueGrid *grid = nullptr;
    const bool fromGrid = gridMode() && area == details_;
    if (fromGrid) {
        if (!job_->get_grid)
            return UX_EINVALID;
        if (std::uint32_t rc = job_->get_grid(job_->engine, &grid))
            return rc;
        if (!grid)
            return UX_OK;
        if (grid->row_count != 0 && !grid->rows)
            return UX_EINVALID;
    }

    const unsigned repeat =
        (area->kind == UX_AREA_DETAILS && area->group) ? area->group->level : 1u;
    for (unsigned pass = 0; pass < repeat; ++pass) {
        if (fromGrid) {
            for (std::uint16_t r = 0; r < grid->row_count; ++r) {
                GridRow *row = grid->rows[r];
                if (!row || !row->cells)
                    return UX_EINVALID;
                if (std::uint32_t rc = exportGridRow(area, row, grid->column_count))
                    return rc;
            }
        } else {
            for (std::uint16_t l = 0; l < area->line_count; ++l) {
                LayoutLine *line = area->lines[l];
                if (!line || (line->text_count != 0 && !line->texts) ||
                    (line->field_count != 0 && !line->fields))
                    return UX_EINVALID;
                if (std::uint32_t rc = exportLine(area, line))
                    return rc;
            }
        }
    }
    return UX_OK;
}

std::uint32_t Formatter::exportLineItems(LayoutLine *line) {
    std::uint16_t t = 0;
    std::uint16_t f = 0;
    while (t < line->text_count || f < line->field_count) {
        TextItem *text = t < line->text_count ? line->texts[t] : nullptr;
        FieldItem *field = f < line->field_count ? line->fields[f] : nullptr;
        if ((t < line->text_count && !text) || (f < line->field_count && !field))
            return UX_EINVALID;
        // Signed 16-bit positions; the text item wins a tie.
        const bool takeField = !text || (field && field->position < text->position);
        std::uint32_t rc;
        if (takeField) {
            rc = exportFieldItem(field);
            ++f;
        } else {
            rc = exportTextItem(text);
            ++t;
        }
        if (rc)
            return rc;
    }
    return UX_OK;
}

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

std::uint32_t Formatter::validateField(const FieldItem *item) {
    if (!item || !item->font || !item->style || !item->descriptor)
        return UX_EINVALID;
    return UX_OK;
}

bool Formatter::rawIsZero(std::uint16_t kind, const void *raw) {
    if (!raw)
        return false;
    switch (kind) {
    case UX_KIND_INT8_A:
    case UX_KIND_INT8_B: {
        std::int8_t v;
        std::memcpy(&v, raw, sizeof v);
        return v == 0;
    }
    case UX_KIND_INT16_A:
    case UX_KIND_INT16_B: {
        std::int16_t v;
        std::memcpy(&v, raw, sizeof v);
        return v == 0;
    }
    case UX_KIND_INT32_A:
    case UX_KIND_INT32_B: {
        std::int32_t v;
        std::memcpy(&v, raw, sizeof v);
        return v == 0;
    }
    case UX_KIND_NUMBER:
    case UX_KIND_CURRENCY: {
        double v;
        std::memcpy(&v, raw, sizeof v);
        return v == 0.0;
    }
    default:
        return false;
    }
}

std::uint32_t Formatter::zeroTest(FieldItem *item, bool &zero) {
    zero = false;
    const std::uint16_t kind = item->descriptor->kind;
    if (!isNumberKind(kind) || item->style->suppress_zero_or_grow == 0)
        return UX_OK;
    if (!job_->get_raw_value)
        return UX_EINVALID;
    const void *raw = nullptr;
    std::uint32_t repeated = 0;
    if (std::uint32_t rc = job_->get_raw_value(job_->engine, item, &raw, &repeated))
        return rc;
    zero = rawIsZero(kind, raw);
    return UX_OK;
}

const void *Formatter::formatRecordFor(FieldItem *, std::uint16_t) {
    return nullptr;
}

bool Formatter::formatsRawValue(std::uint16_t kind) const {
    if (!hasOptions_)
        return false;
    return (isNumberKind(kind) && !sameNumbers_) || (kind == UX_KIND_DATE && !sameDates_);
}

std::uint32_t Formatter::fetchFormattedRaw(FieldItem *item, const void *record, const void **raw,
                                           ValueText **value, std::uint32_t *repeated) {
    *raw = nullptr;
    *value = nullptr;
    *repeated = 0;
    if (!job_->get_raw_value || !job_->format_raw_value)
        return UX_EINVALID;
    if (std::uint32_t rc = job_->get_raw_value(job_->engine, item, raw, repeated))
        return rc;
    return job_->format_raw_value(job_->engine, item, record, 0, *raw, value);
}

std::uint32_t Formatter::fetchValue(FieldItem *item, ValueText **value, std::uint32_t *repeated) {
    *value = nullptr;
    *repeated = 0;
    const std::uint16_t kind = item->descriptor->kind;
    if (formatsRawValue(kind)) {
        const void *raw = nullptr;
        return fetchFormattedRaw(item, formatRecordFor(item, kind), &raw, value, repeated);
    }
    if (!job_->get_report_value)
        return UX_EINVALID;
    return job_->get_report_value(job_->engine, item, value, repeated);
}

void Formatter::valueText(const ValueText *value, std::uint16_t kind, std::string &out) {
    out.clear();
    if (!value)
        return;
    if (isTextKind(kind)) {
        if (value->text)
            out = value->text;
        return;
    }
    for (const char *piece : {value->prefix, value->lead, value->text, value->trail, value->suffix})
        if (piece)
            out += piece;
}

std::uint32_t Formatter::fetchValueText(FieldItem *item, std::string &text, bool &suppressed) {
    text.clear();
    suppressed = false;
    ValueText *value = nullptr;
    std::uint32_t repeated = 0;
    if (std::uint32_t rc = fetchValue(item, &value, &repeated))
        return rc;
    if (suppressedRepeat(item, repeated)) {
        suppressed = true;
        return UX_OK;
    }
    valueText(value, item->descriptor->kind, text);
    return UX_OK;
}

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

std::uint32_t Formatter::writeBytes(const char *bytes, std::size_t n) {
    if (!job_->write_output)
        return UX_EINVALID;
    while (n != 0) {
        const std::uint16_t count = static_cast<std::uint16_t>(n < kMaxWrite ? n : kMaxWrite);
        std::uint16_t written = 0;
        if (std::uint32_t rc = job_->write_output(job_->engine, 0, count, &written, bytes))
            return rc;
        if (written != count)
            return UX_ESHORTWRITE;
        bytes += count;
        n -= count;
    }
    return UX_OK;
}

std::uint32_t Formatter::writeText(const char *text) {
    return text ? writeBytes(text, std::strlen(text)) : UX_OK;
}

std::uint32_t Formatter::writeSpaces(std::size_t n) {
    if (n == 0)
        return UX_OK;
    const std::string spaces(n, ' ');
    return writeBytes(spaces.data(), n);
}

std::uint32_t Formatter::notePosition(std::uint32_t &position) {
    if (!job_->seek_output)
        return UX_EINVALID;
    position = 0;
    return job_->seek_output(job_->engine, 0, UX_SEEK_FROM_CURRENT, 0, &position);
}

std::uint32_t Formatter::returnToPosition(std::uint32_t position) {
    if (!job_->seek_output)
        return UX_EINVALID;
    std::uint32_t reached = 0;
    return job_->seek_output(job_->engine, 0, UX_SEEK_FROM_START,
                             static_cast<std::int32_t>(position), &reached);
}

} // namespace ux
