// layout.cpp - building engine records from a layout description.
#include "host/layout.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace uxhost {

LayoutSpec simpleLayout(std::vector<LineSpec> detailLines) {
    LayoutSpec spec;
    AreaSpec opening;
    opening.kind = UX_AREA_OPENING;
    AreaSpec details;
    details.kind = UX_AREA_DETAILS;
    details.lines = std::move(detailLines);
    AreaSpec closing;
    closing.kind = UX_AREA_CLOSING;
    spec.areas = {opening, details, closing};
    return spec;
}

// ---------------------------------------------------------------------------
// Raw values
// ---------------------------------------------------------------------------

namespace {

long long readInteger(const std::string &source, long long low, long long high) {
    errno = 0;
    char *end = nullptr;
    const long long v = std::strtoll(source.c_str(), &end, 10);
    if (errno != 0 || end == source.c_str() || *end != 0 || v < low || v > high)
        throw std::runtime_error("\"" + source + "\" is not an integer from " +
                                 std::to_string(low) + " to " + std::to_string(high));
    return v;
}

template <class T> std::string bytesOf(T v) {
    std::string out(sizeof v, '\0');
    std::memcpy(out.data(), &v, sizeof v);
    return out;
}

} // namespace

std::string rawBytes(std::uint16_t kind, const std::string &source) {
    if (kind == UX_KIND_TEXT_A || kind == UX_KIND_TEXT_B || kind > UX_KIND_TEXT_B)
        return source + '\0';
    if (source.empty())
        return {};
    switch (kind) {
    case UX_KIND_INT8_A:
    case UX_KIND_INT8_B:
        return bytesOf(static_cast<std::int8_t>(readInteger(source, -128, 127)));
    case UX_KIND_INT16_A:
    case UX_KIND_INT16_B:
        return bytesOf(static_cast<std::int16_t>(readInteger(source, -32768, 32767)));
    case UX_KIND_INT32_A:
    case UX_KIND_INT32_B:
        return bytesOf(static_cast<std::int32_t>(readInteger(source, INT32_MIN, INT32_MAX)));
    case UX_KIND_NUMBER:
    case UX_KIND_CURRENCY: {
        errno = 0;
        char *end = nullptr;
        const double v = std::strtod(source.c_str(), &end);
        if (errno != 0 || end == source.c_str() || *end != 0 || !std::isfinite(v))
            throw std::runtime_error("\"" + source + "\" is not a number");
        return bytesOf(v);
    }
    case UX_KIND_BOOLEAN: {
        if (source == "1" || source == "true" || source == "True" || source == "yes")
            return bytesOf(std::uint32_t{1});
        if (source == "0" || source == "false" || source == "False" || source == "no")
            return bytesOf(std::uint32_t{0});
        throw std::runtime_error("\"" + source + "\" is not a boolean (true or false)");
    }
    case UX_KIND_DATE: {
        int y = 0, m = 0, d = 0;
        char tail = 0;
        if (std::sscanf(source.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3 || m < 1 ||
            m > 12 || d < 1 || d > 31)
            throw std::runtime_error("\"" + source + "\" is not a date (yyyy-mm-dd)");
        return bytesOf(static_cast<std::int32_t>(y * 10000 + m * 100 + d));
    }
    default:
        return source + '\0';
    }
}

// ---------------------------------------------------------------------------
// Building
// ---------------------------------------------------------------------------

FieldItem *BuiltLayout::makeField(const FieldSpec &fs) {
    auto *item = make<FieldItem>();
    auto *style = make<FieldStyle>();
    auto *descriptor = make<FieldDescriptor>();
    item->position = fs.position;
    item->width = fs.width;
    item->font = font(static_cast<std::size_t>(fs.font));
    item->suppress_duplicates = fs.suppressDuplicates ? 1 : 0;
    item->hidden = fs.hidden ? 1 : 0;
    item->style = style;
    item->descriptor = descriptor;
    style->alignment = fs.alignment;
    style->suppress_zero_or_grow = fs.growOrZero ? 1 : 0;
    style->max_lines = fs.maxLines;
    descriptor->field_class = fs.fieldClass;
    descriptor->kind = fs.kind;
    fieldSpecs_[item] = &fs;
    allFields_.push_back(item);
    return item;
}

BuiltLayout::BuiltLayout(const LayoutSpec &spec) : spec_(spec) {
    for (std::size_t i = 0; i < spec_.fonts.size(); ++i) {
        auto font = std::make_unique<FontMetrics>();
        font->avg_char_width = spec_.fonts[i].avgWidth;
        font->font = reinterpret_cast<void *>(static_cast<std::uintptr_t>(i + 1));
        fonts_.push_back(std::move(font));
    }
    auto checkFont = [&](int f) {
        if (f < 0 || static_cast<std::size_t>(f) >= fonts_.size())
            throw std::runtime_error("font " + std::to_string(f) + " is not defined");
    };

    layout_.mode = spec_.mode;
    layout_.group_levels = spec_.levels;
    layout_.area_count = static_cast<std::uint16_t>(spec_.areas.size());
    auto &areaArray = arrays_.emplace_back();
    for (const AreaSpec &as : spec_.areas) {
        auto *area = make<LayoutArea>();
        area->kind = as.kind;
        if (as.withGroup) {
            auto *group = make<GroupRecord>();
            group->level = as.group;
            area->group = group;
        }
        if (as.withStyle) {
            auto *style = make<AreaStyle>();
            style->shown = as.shown ? 1 : 0;
            style->drop_blank_lines = as.dropBlank ? 1 : 0;
            area->style = style;
        }
        area->line_count = static_cast<std::uint16_t>(as.lines.size());
        auto &lineArray = arrays_.emplace_back();
        lineBase_.push_back(fieldsByLine_.size());
        for (const LineSpec &ls : as.lines) {
            auto *line = make<LayoutLine>();
            line->text_count = static_cast<std::uint16_t>(ls.texts.size());
            line->field_count = static_cast<std::uint16_t>(ls.fields.size());
            auto &textArray = arrays_.emplace_back();
            for (const TextSpec &ts : ls.texts) {
                checkFont(ts.font);
                auto *item = make<TextItem>();
                item->position = ts.position;
                item->font = font(static_cast<std::size_t>(ts.font));
                if (ts.text)
                    item->text = texts_.emplace_back(*ts.text).c_str();
                textArray.push_back(item);
            }
            auto &fieldArray = arrays_.emplace_back();
            auto &byLine = fieldsByLine_.emplace_back();
            for (const FieldSpec &fs : ls.fields) {
                checkFont(fs.font);
                FieldItem *item = makeField(fs);
                fieldArray.push_back(item);
                byLine.push_back(item);
            }
            line->texts =
                ls.texts.empty() ? nullptr : reinterpret_cast<TextItem **>(textArray.data());
            line->fields =
                ls.fields.empty() ? nullptr : reinterpret_cast<FieldItem **>(fieldArray.data());
            lineArray.push_back(line);
        }
        area->lines =
            as.lines.empty() ? nullptr : reinterpret_cast<LayoutLine **>(lineArray.data());
        areaArray.push_back(area);
    }
    layout_.areas = spec_.nullAreaArray || spec_.areas.empty()
                        ? nullptr
                        : reinterpret_cast<LayoutArea **>(areaArray.data());

    if (!spec_.grid.empty()) {
        std::size_t columns = 0;
        for (const auto &row : spec_.grid)
            columns = std::max(columns, row.size());
        grid_.row_count = static_cast<std::uint16_t>(spec_.grid.size());
        grid_.column_count = static_cast<std::uint16_t>(columns);
        auto &rowArray = arrays_.emplace_back();
        for (const auto &rowSpec : spec_.grid) {
            auto *row = make<GridRow>();
            // A row always has its cell array, even with no columns.
            auto &cellArray = arrays_.emplace_back(std::max<std::size_t>(columns, 1), nullptr);
            for (std::size_t c = 0; c < rowSpec.size(); ++c) {
                if (!rowSpec[c])
                    continue;
                const GridCellSpec &cs = *rowSpec[c];
                checkFont(cs.field.font);
                auto *cell = make<GridCell>();
                cell->position = cs.position;
                cell->width = cs.width;
                cell->item = makeField(gridFieldSpecs_.emplace_back(cs.field));
                const std::string &raw =
                    gridRaw_.emplace_back(rawBytes(cs.field.kind, cs.raw.source));
                cell->raw = raw.empty() ? nullptr : raw.data();
                cellArray[c] = cell;
            }
            row->cells = reinterpret_cast<GridCell **>(cellArray.data());
            rowArray.push_back(row);
        }
        grid_.rows = reinterpret_cast<GridRow **>(rowArray.data());
    }
}

int BuiltLayout::columnOf(const FieldItem *item) const {
    const FieldSpec *fs = specOf(item);
    return fs ? fs->column : -1;
}

const FieldSpec *BuiltLayout::specOf(const FieldItem *item) const {
    auto it = fieldSpecs_.find(item);
    return it == fieldSpecs_.end() ? nullptr : it->second;
}

FieldItem *BuiltLayout::field(std::size_t area, std::size_t line, std::size_t index) {
    return fieldsByLine_.at(lineBase_.at(area) + line).at(index);
}

// ---------------------------------------------------------------------------
// Parsing
// ---------------------------------------------------------------------------

namespace {

struct Tokens {
    std::vector<std::string> words;
    std::vector<bool> quoted;
};

Tokens tokenize(const std::string &line, int lineNo) {
    Tokens t;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    char e = line[i++];
                    c = e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
                }
                word += c;
            }
            if (!closed)
                throw std::runtime_error("line " + std::to_string(lineNo) +
                                         ": a quoted text is not closed");
            t.quoted.push_back(true);
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
            t.quoted.push_back(false);
        }
        t.words.push_back(word);
    }
    return t;
}

} // namespace

LayoutSpec parseLayout(const std::string &text) {
    LayoutSpec spec;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    std::vector<std::optional<GridCellSpec>> *gridRow = nullptr;
    while (std::getline(in, raw)) {
        ++lineNo;
        const Tokens t = tokenize(raw, lineNo);
        if (t.words.empty())
            continue;
        const std::string &what = t.words[0];
        auto fail = [&](const std::string &why) -> std::runtime_error {
            return std::runtime_error("line " + std::to_string(lineNo) + " (" + what + "): " + why);
        };
        auto number = [&](std::size_t i, long low, long high) -> long {
            if (i >= t.words.size())
                throw fail("a number is missing");
            try {
                return readInteger(t.words[i], low, high);
            } catch (const std::exception &e) {
                throw fail(e.what());
            }
        };
        auto option = [&](const std::string &word, const char *name, long low, long high,
                          long &out) {
            const std::string prefix = std::string(name) + "=";
            if (word.rfind(prefix, 0) != 0)
                return false;
            try {
                out = readInteger(word.substr(prefix.size()), low, high);
            } catch (const std::exception &e) {
                throw fail(e.what());
            }
            return true;
        };
        auto fieldOptions = [&](FieldSpec &fs, std::size_t from) {
            for (std::size_t i = from; i < t.words.size(); ++i) {
                const std::string &w = t.words[i];
                long v = 0;
                if (option(w, "kind", 0, 65535, v))
                    fs.kind = static_cast<std::uint16_t>(v);
                else if (option(w, "align", 0, 65535, v))
                    fs.alignment = static_cast<std::uint16_t>(v);
                else if (option(w, "max", 0, 65535, v))
                    fs.maxLines = static_cast<std::uint16_t>(v);
                else if (option(w, "font", 0, 65535, v))
                    fs.font = static_cast<int>(v);
                else if (option(w, "class", 0, 65535, v))
                    fs.fieldClass = static_cast<std::uint16_t>(v);
                else if (w == "grow" || w == "zero")
                    fs.growOrZero = true;
                else if (w == "hidden")
                    fs.hidden = true;
                else if (w == "nodup")
                    fs.suppressDuplicates = true;
                else
                    throw fail("unknown option \"" + w + "\"");
            }
        };
        AreaSpec *area = spec.areas.empty() ? nullptr : &spec.areas.back();
        LineSpec *line = (area && !area->lines.empty()) ? &area->lines.back() : nullptr;

        if (what == "mode") {
            if (t.words.size() != 2 || (t.words[1] != "grid" && t.words[1] != "lines"))
                throw fail("expected: mode grid | mode lines");
            spec.mode = t.words[1] == "grid" ? UX_LAYOUT_MODE_GRID : 0;
        } else if (what == "levels") {
            spec.levels = static_cast<std::uint16_t>(number(1, 0, 65535));
        } else if (what == "group") {
            spec.groupColumns.push_back(static_cast<int>(number(1, 0, 65535)));
        } else if (what == "font") {
            spec.fonts.push_back(FontSpec{static_cast<std::uint16_t>(number(1, 0, 65535))});
        } else if (what == "area") {
            AreaSpec as;
            as.kind = static_cast<std::uint16_t>(number(1, 0, 65535));
            for (std::size_t i = 2; i < t.words.size(); ++i) {
                const std::string &w = t.words[i];
                long v = 0;
                if (option(w, "group", 0, 65535, v))
                    as.group = static_cast<std::uint16_t>(v);
                else if (w == "hidden")
                    as.shown = false;
                else if (w == "dropblank")
                    as.dropBlank = true;
                else if (w == "nogroup")
                    as.withGroup = false;
                else if (w == "nostyle")
                    as.withStyle = false;
                else
                    throw fail("unknown option \"" + w + "\"");
            }
            spec.areas.push_back(as);
        } else if (what == "line") {
            if (!area)
                throw fail("a line needs an area before it");
            area->lines.emplace_back();
        } else if (what == "text") {
            if (!line)
                throw fail("a text item needs a line before it");
            if (t.words.size() < 3)
                throw fail("expected: text <pos> \"<text>\" [font=<i>]");
            TextSpec ts;
            ts.position = static_cast<std::int16_t>(number(1, -32768, 32767));
            if (!(t.words[2] == "null" && !t.quoted[2]))
                ts.text = t.words[2];
            for (std::size_t i = 3; i < t.words.size(); ++i) {
                long v = 0;
                if (option(t.words[i], "font", 0, 65535, v))
                    ts.font = static_cast<int>(v);
                else
                    throw fail("unknown option \"" + t.words[i] + "\"");
            }
            line->texts.push_back(ts);
        } else if (what == "field") {
            if (!line)
                throw fail("a field item needs a line before it");
            FieldSpec fs;
            fs.position = static_cast<std::int16_t>(number(1, -32768, 32767));
            fs.width = static_cast<std::uint16_t>(number(2, 0, 65535));
            fs.column = static_cast<int>(number(3, 0, 65535));
            fieldOptions(fs, 4);
            line->fields.push_back(fs);
        } else if (what == "gridrow") {
            gridRow = &spec.grid.emplace_back();
        } else if (what == "cell") {
            if (!gridRow)
                throw fail("a cell needs a gridrow before it");
            if (t.words.size() == 2 && t.words[1] == "null") {
                gridRow->emplace_back();
                continue;
            }
            if (t.words.size() < 4)
                throw fail("expected: cell <pos> <width> <value> [options]");
            GridCellSpec cs;
            cs.position = static_cast<std::uint16_t>(number(1, 0, 65535));
            cs.width = static_cast<std::uint16_t>(number(2, 0, 65535));
            cs.raw = Value(t.words[3]);
            fieldOptions(cs.field, 4);
            cs.field.position = static_cast<std::int16_t>(cs.position);
            cs.field.width = cs.width;
            gridRow->push_back(cs);
        } else {
            throw fail("unknown statement");
        }
    }
    if (spec.groupColumns.size() > spec.levels)
        throw std::runtime_error("more group columns than levels");
    return spec;
}

} // namespace uxhost
