// engine.cpp - callbacks, value formatting, output, plug-in loading and the
// export driver of the stand-in report engine.
#include "host/engine.h"

#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "host/scripted_host.h"

#ifndef UX_MODULE_DIR
#define UX_MODULE_DIR "."
#endif

namespace uxhost {

namespace {

enum { kPrefix, kLead, kText, kTrail, kSuffix };

template <class T> T readRaw(const void *raw) {
    T v;
    std::memcpy(&v, raw, sizeof v);
    return v;
}

// Digits of a magnitude with `decimals` decimals, rounded half away from zero.
std::string fixed(double magnitude, int decimals) {
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::round(magnitude * scale) / scale);
    return buffer;
}

std::string group(const std::string &digits, char separator) {
    if (!separator)
        return digits;
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i != 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

void reportFormat(std::uint16_t kind, const void *raw, Pieces &out) {
    out = {};
    if (!raw)
        return;
    switch (kind) {
    case UX_KIND_INT8_A:
    case UX_KIND_INT8_B:
    case UX_KIND_INT16_A:
    case UX_KIND_INT16_B:
    case UX_KIND_INT32_A:
    case UX_KIND_INT32_B: {
        const long long v = kind <= UX_KIND_INT8_B    ? readRaw<std::int8_t>(raw)
                            : kind <= UX_KIND_INT16_B ? readRaw<std::int16_t>(raw)
                                                      : readRaw<std::int32_t>(raw);
        if (v < 0)
            out[kLead] = "-";
        out[kText] = std::to_string(v < 0 ? -v : v);
        break;
    }
    case UX_KIND_NUMBER:
    case UX_KIND_CURRENCY: {
        const double v = readRaw<double>(raw);
        if (v < 0)
            out[kLead] = "-";
        const std::string digits = fixed(std::fabs(v), 2);
        if (kind == UX_KIND_CURRENCY) {
            out[kPrefix] = "$";
            const std::size_t dot = digits.find('.');
            out[kText] = group(digits.substr(0, dot), ',') + digits.substr(dot);
        } else {
            out[kText] = digits;
        }
        break;
    }
    case UX_KIND_BOOLEAN:
        out[kText] = readRaw<std::uint32_t>(raw) ? "True" : "False";
        break;
    case UX_KIND_DATE: {
        const std::int32_t d = readRaw<std::int32_t>(raw);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d / 10000, d / 100 % 100, d % 100);
        out[kText] = buffer;
        break;
    }
    default:
        out[kText] = static_cast<const char *>(raw);
        break;
    }
}

void numberFormat(std::uint16_t kind, const void *raw, const NumberFormatRecord &f, Pieces &out) {
    out = {};
    if (!raw)
        return;
    double v = 0;
    if (kind <= UX_KIND_INT8_B)
        v = readRaw<std::int8_t>(raw);
    else if (kind <= UX_KIND_INT16_B)
        v = readRaw<std::int16_t>(raw);
    else if (kind <= UX_KIND_INT32_B)
        v = readRaw<std::int32_t>(raw);
    else
        v = readRaw<double>(raw);
    // No decimal separator in the record (an empty sDecimal) still shows the
    // decimals, after a point, rather than rounding them away.
    const char point = f.decimal_separator ? f.decimal_separator : '.';
    const int decimals = std::min<int>(f.decimals, 15);
    std::string digits = fixed(std::fabs(v), decimals);
    const bool negative = v < 0 && digits.find_first_not_of("0.") != std::string::npos;
    const std::size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : digits.substr(dot + 1);
    if (whole == "0" && !fraction.empty() && !f.leading_zero)
        whole.clear();
    std::string text = group(whole, f.thousands_separator);
    if (!fraction.empty())
        text += std::string(1, point) + fraction;
    if (kind == UX_KIND_CURRENCY && f.currency_symbol && *f.currency_symbol) {
        const std::string gap = f.symbol_spacing == 1 ? " " : "";
        if (f.symbol_first)
            out[kPrefix] = std::string(f.currency_symbol) + gap;
        else
            out[kSuffix] = gap + f.currency_symbol;
    }
    out[kText] = text;
    if (negative) {
        switch (f.negative_style) {
        case 2:
            out[kTrail] = "-";
            break;
        case 3:
            out[kLead] = "(";
            out[kTrail] = ")";
            break;
        default:
            out[kLead] = "-";
            break;
        }
    }
}

void dateFormat(const void *raw, const DateFormatRecord &f, Pieces &out) {
    out = {};
    if (!raw)
        return;
    const std::int32_t d = readRaw<std::int32_t>(raw);
    char day[8], month[8], year[8];
    std::snprintf(day, sizeof day, f.day_leading_zero ? "%02d" : "%d", d % 100);
    std::snprintf(month, sizeof month, f.month_leading_zero ? "%02d" : "%d", d / 100 % 100);
    std::snprintf(year, sizeof year, f.four_digit_year ? "%04d" : "%02d",
                  f.four_digit_year ? d / 10000 : d / 10000 % 100);
    const std::string s1 = f.separator1 ? f.separator1 : "";
    const std::string s2 = f.separator2 ? f.separator2 : "";
    switch (f.order) {
    case 1:
        out[kText] = day + s1 + month + s2 + year;
        break;
    case 2:
        out[kText] = month + s1 + day + s2 + year;
        break;
    default:
        out[kText] = year + s1 + month + s2 + day;
        break;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Engine
// ---------------------------------------------------------------------------

Engine::Engine(BuiltLayout &layout, std::vector<Record> records)
    : layout_(layout), records_(std::move(records)) {
    context_.engine = this;
    context_.device_context = deviceContext();
    context_.begin_area = &Engine::beginArea;
    context_.end_area = &Engine::endArea;
    context_.get_report_value = &Engine::getReportValue;
    context_.get_raw_value = &Engine::getRawValue;
    context_.format_raw_value = &Engine::formatRawValue;
    context_.get_grid = &Engine::getGrid;
    context_.write_output = &Engine::writeOutput;
    context_.seek_output = &Engine::seekOutput;
    setRecord(0);
}

void Engine::setRecord(std::size_t index) {
    current_ = index;
    callsInRecord_ = 0;
    raw_.clear();
}

std::uint16_t Engine::endingLevels(std::size_t index) const {
    const auto levels = layout_.spec().levels;
    if (index + 1 >= records_.size())
        return levels;
    const auto &columns = layout_.spec().groupColumns;
    for (std::size_t l = 0; l < columns.size(); ++l) {
        const auto c = static_cast<std::size_t>(columns[l]);
        const Value *a = c < records_[index].size() ? &records_[index][c] : nullptr;
        const Value *b = c < records_[index + 1].size() ? &records_[index + 1][c] : nullptr;
        const bool same = (a && b) ? *a == *b : a == b;
        if (!same)
            return static_cast<std::uint16_t>(levels - l);
    }
    return 0;
}

const Value *Engine::valueOf(const FieldItem *item, std::size_t record) const {
    const int column = layout_.columnOf(item);
    if (column < 0 || record >= records_.size())
        return nullptr;
    const Record &r = records_[record];
    return static_cast<std::size_t>(column) < r.size() ? &r[static_cast<std::size_t>(column)]
                                                       : nullptr;
}

bool Engine::repeats(const FieldItem *item) const {
    const Value *v = valueOf(item, current_);
    if (v && v->repeat)
        return *v->repeat;
    if (current_ == 0)
        return false;
    const Value *previous = valueOf(item, current_ - 1);
    return v && previous && *v == *previous;
}

const void *Engine::rawOf(const FieldItem *item) {
    const int column = layout_.columnOf(item);
    const Value *v = valueOf(item, current_);
    if (!v)
        return nullptr;
    const auto c = static_cast<std::size_t>(column);
    if (raw_.size() <= c)
        raw_.resize(c + 1);
    if (!raw_[c])
        raw_[c] = rawBytes(item->descriptor->kind, v->source);
    return raw_[c]->empty() ? nullptr : raw_[c]->data();
}

ValueText *Engine::point(const Pieces &pieces) {
    value_ = ValueText{};
    value_.prefix = pieces[0] ? pieces[0]->c_str() : nullptr;
    value_.lead = pieces[1] ? pieces[1]->c_str() : nullptr;
    value_.text = pieces[2] ? pieces[2]->c_str() : nullptr;
    value_.trail = pieces[3] ? pieces[3]->c_str() : nullptr;
    value_.suffix = pieces[4] ? pieces[4]->c_str() : nullptr;
    return &value_;
}

ValueText *Engine::publish(const Pieces &pieces) {
    // The record is packed: its fields are assigned by name, never through
    // pointers to them.
    value_ = ValueText{};
    const char *texts[5] = {};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!pieces[i])
            continue;
        valueTexts_[i] = *pieces[i];
        texts[i] = valueTexts_[i].c_str();
    }
    value_.prefix = texts[0];
    value_.lead = texts[1];
    value_.text = texts[2];
    value_.trail = texts[3];
    value_.suffix = texts[4];
    return &value_;
}

void Engine::formatRaw(std::uint16_t kind, const void *raw, const void *record,
                       const FieldItem *item, Pieces &out) {
    if (record && record != item->style) {
        std::uint16_t size = 0;
        std::memcpy(&size, record, sizeof size);
        if (size == sizeof(NumberFormatRecord) && kind <= UX_KIND_CURRENCY) {
            numberFormat(kind, raw, *static_cast<const NumberFormatRecord *>(record), out);
            return;
        }
        if (size == sizeof(DateFormatRecord) && kind == UX_KIND_DATE) {
            dateFormat(raw, *static_cast<const DateFormatRecord *>(record), out);
            return;
        }
    }
    reportFormat(kind, raw, out);
}

std::uint32_t Engine::beginArea(void *engine, LayoutArea *area, std::uint32_t fresh) {
    Engine *e = self(engine);
    e->events_.push_back({area->kind, fresh, e->output_.bytes.size()});
    ++e->openAreas_;
    return 0;
}

std::uint32_t Engine::endArea(void *engine) {
    Engine *e = self(engine);
    if (e->openAreas_)
        --e->openAreas_;
    return 0;
}

std::uint32_t Engine::getReportValue(void *engine, FieldItem *item, ValueText **value,
                                     std::uint32_t *repeated) {
    Engine *e = self(engine);
    ++e->reportValueCalls;
    if (e->failReportValue)
        return e->failReportValue;
    *repeated = e->repeats(item) || (e->repeatAfterFirstCall && e->callsInRecord_ > 0) ? 1 : 0;
    ++e->callsInRecord_;
    const Value *v = e->valueOf(item, e->current_);
    if (v && v->pieces) {
        // Ready pieces live as long as the records: handed out as they are.
        *value = e->point(*v->pieces);
        return 0;
    }
    Pieces pieces;
    formatRaw(item->descriptor->kind, e->rawOf(item), nullptr, item, pieces);
    *value = e->publish(pieces);
    return 0;
}

std::uint32_t Engine::getRawValue(void *engine, FieldItem *item, const void **raw,
                                  std::uint32_t *repeated) {
    Engine *e = self(engine);
    ++e->rawValueCalls;
    *repeated = e->repeats(item) ? 1 : 0;
    *raw = e->rawOf(item);
    return 0;
}

std::uint32_t Engine::formatRawValue(void *engine, FieldItem *item, const void *record,
                                     std::uint32_t, const void *raw, ValueText **value) {
    Engine *e = self(engine);
    ++e->formatRawCalls;
    Pieces pieces;
    formatRaw(item->descriptor->kind, raw, record, item, pieces);
    *value = e->publish(pieces);
    return 0;
}

std::uint32_t Engine::getGrid(void *engine, ValueGrid **grid) {
    *grid = self(engine)->layout_.grid();
    return 0;
}

std::uint32_t Engine::writeOutput(void *engine, std::uint32_t, std::uint16_t count,
                                  std::uint16_t *written, const char *bytes) {
    OutputStream &out = self(engine)->output_;
    ++out.writes;
    *written = 0;
    if (out.failOnWrite != 0 && out.writes == out.failOnWrite)
        return out.failCode;
    std::uint16_t n = count;
    if (out.acceptAtMost && *out.acceptAtMost < n)
        n = *out.acceptAtMost;
    if (out.position > out.bytes.size())
        out.bytes.resize(out.position, '\0');
    out.bytes.replace(out.position, std::min<std::size_t>(n, out.bytes.size() - out.position),
                      bytes, n);
    out.position += n;
    *written = n;
    return 0;
}

std::uint32_t Engine::seekOutput(void *engine, std::uint32_t, std::uint32_t origin,
                                 std::int32_t offset, std::uint32_t *position) {
    OutputStream &out = self(engine)->output_;
    ++out.seeks;
    long long target = origin == UX_SEEK_FROM_START ? 0 : static_cast<long long>(out.position);
    if (origin != UX_SEEK_FROM_START && origin != UX_SEEK_FROM_CURRENT)
        return UX_EINVALID;
    target += offset;
    if (target < 0 || target > 0xFFFFFFFFll)
        return UX_EINVALID;
    out.position = static_cast<std::size_t>(target);
    if (position)
        *position = static_cast<std::uint32_t>(target);
    return 0;
}

// ---------------------------------------------------------------------------
// Plug-ins
// ---------------------------------------------------------------------------

std::string moduleDirectory() {
    const char *dir = std::getenv("UX_MODULE_DIR");
    return dir && *dir ? dir : UX_MODULE_DIR;
}

std::string modulePath(const std::string &name) {
    if (name.find('/') != std::string::npos)
        return name;
    return moduleDirectory() + "/" + name + ".so";
}

namespace {

void *openPlugin(const std::string &path) {
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = dlerror();
        throw std::runtime_error("cannot load plug-in " + path + ": " + (why ? why : "unknown"));
    }
    return handle;
}

template <class Fn> void bind(void *handle, const std::string &path, const char *name, Fn &fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    if (!fn) {
        dlclose(handle);
        throw std::runtime_error("plug-in " + path + " does not export " + name);
    }
}

} // namespace

FormatPlugin::FormatPlugin(const std::string &nameOrPath) {
    const std::string path = modulePath(nameOrPath);
    void *h = openPlugin(path);
    bind(h, path, "UXFInitialize", initialize);
    bind(h, path, "UXFTerminate", terminate);
    bind(h, path, "UXFGetVersion", getVersion);
    bind(h, path, "UXFGetExportFormats", getExportFormats);
    bind(h, path, "UXFInitExportFormat", initExportFormat);
    bind(h, path, "UXFTermExportFormat", termExportFormat);
    bind(h, path, "UXFEncodeFormatOptions", encodeFormatOptions);
    bind(h, path, "UXFDecodeFormatOptions", decodeFormatOptions);
    bind(h, path, "UXFFreeFormatOptions", freeFormatOptions);
    bind(h, path, "UXFStartJob", startJob);
    bind(h, path, "UXFProcessRecord", processRecord);
    bind(h, path, "UXFEndJob", endJob);
    bind(h, path, "UXFGetPageN", getPageN);
    bind(h, path, "UXFGetErrorText", getErrorText);
    handle_ = h;
}

FormatPlugin::~FormatPlugin() {
    if (handle_)
        dlclose(handle_);
}

DestinationPlugin::DestinationPlugin(const std::string &nameOrPath) {
    const std::string path = modulePath(nameOrPath);
    void *h = openPlugin(path);
    bind(h, path, "UXDInitialize", initialize);
    bind(h, path, "UXDTerminate", terminate);
    bind(h, path, "UXDGetVersion", getVersion);
    bind(h, path, "UXDGetExportDestinations", getExportDestinations);
    bind(h, path, "UXDInitExportDestination", initExportDestination);
    bind(h, path, "UXDTermExportDestination", termExportDestination);
    bind(h, path, "UXDEncodeDestinationOptions", encodeDestinationOptions);
    bind(h, path, "UXDDecodeDestinationOptions", decodeDestinationOptions);
    bind(h, path, "UXDFreeDestinationOptions", freeDestinationOptions);
    bind(h, path, "UXDExportToDestination", exportToDestination);
    bind(h, path, "UXDGetErrorText", getErrorText);
    handle_ = h;
}

DestinationPlugin::~DestinationPlugin() {
    if (handle_)
        dlclose(handle_);
}

std::uint32_t runJob(FormatPlugin &plugin, UXFInstance *instance, Engine &engine) {
    if (std::uint32_t rc = plugin.startJob(instance, engine.context()))
        return rc;
    const std::size_t n = engine.recordCount();
    for (std::size_t i = 0; i < n; ++i) {
        engine.setRecord(i);
        if (std::uint32_t rc =
                plugin.processRecord(instance, engine.endingLevels(i), i + 1 == n ? 1 : 0))
            return rc;
    }
    return plugin.endJob(instance);
}

FormatOutcome runFormat(FormatPlugin &plugin, std::uint32_t formatIndex, BuiltLayout &layout,
                        std::vector<Record> records, const std::function<void(Engine &)> &prepare,
                        const void *options) {
    FormatOutcome outcome;
    Engine engine(layout, std::move(records));
    if (prepare)
        prepare(engine);
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    outcome.initResult =
        plugin.initExportFormat(nullptr, layout.layout(), formatIndex, options, &instance, &hints);
    if (outcome.initResult == 0) {
        outcome.result = runJob(plugin, instance, engine);
        plugin.termExportFormat(instance, 0);
    }
    outcome.output = engine.output().bytes;
    outcome.areas = engine.areaEvents();
    outcome.openAreas = engine.openAreas();
    outcome.writes = engine.output().writes;
    outcome.seeks = engine.output().seeks;
    return outcome;
}

ExportResult runExport(const ExportSettings &settings, BuiltLayout &layout,
                       std::vector<Record> records) {
    ExportResult result;
    FormatPlugin format(settings.format);
    std::unique_ptr<DestinationPlugin> destination;
    if (!settings.destination.empty())
        destination = std::make_unique<DestinationPlugin>(settings.destination);
    if (settings.host) {
        settings.host->installInto(format.handle());
        if (destination)
            settings.host->installInto(destination->handle());
    }

    auto fail = [&](const char *step, std::uint32_t rc) {
        result.result = rc;
        result.failedStep = step;
    };

    // 1. Counted start-up of both plug-ins.
    if (std::uint32_t rc = format.initialize(0))
        fail("UXFInitialize", rc);
    if (destination && result.result == 0)
        if (std::uint32_t rc = destination->initialize(0))
            fail("UXDInitialize", rc);

    // 2. Formats and destinations.
    if (result.result == 0) {
        const FormatTable *table = format.getExportFormats();
        for (std::uint16_t i = 0; table && i < table->count; ++i)
            result.formatNames.push_back(table->entries[i]->name ? table->entries[i]->name : "");
        if (destination)
            destination->getExportDestinations();
    }

    // 3. The format instance and its file-dialog hint.
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    if (result.result == 0)
        if (std::uint32_t rc =
                format.initExportFormat(nullptr, layout.layout(), settings.formatIndex,
                                        settings.formatOptions, &instance, &hints))
            fail("UXFInitExportFormat", rc);

    // 4. The destination names the file from a request built from the hint.
    UXDInstance *dinstance = nullptr;
    DestinationInfo *info = nullptr;
    if (result.result == 0 && destination) {
        const FileDialogHint *hint =
            (hints && hints->count && hints->hints) ? hints->hints[0] : nullptr;
        FileRequest file{};
        if (hint) {
            file.title = hint->title;
            file.filter_description = hint->filter_description;
            file.filter_pattern = hint->filter_pattern;
            file.default_extension = hint->default_extension;
        }
        if (!settings.initialDirectory.empty())
            file.initial_dir = settings.initialDirectory.c_str();
        if (settings.fixedName) {
            file.name_fixed = 1;
            file.fixed_name = settings.fixedName->c_str();
        }
        FileRequest *files[1] = {&file};
        DestinationRequest request{};
        request.file_count = 1;
        request.files = files;
        if (std::uint32_t rc = destination->initExportDestination(
                nullptr, 0, settings.destinationOptions, &request, &dinstance, &info))
            fail("UXDInitExportDestination", rc);
        else if (info && info->name_count && info->names && info->names[0])
            result.fileName = info->names[0];
    }

    // 5. The job, then the output into the chosen file.
    if (result.result == 0) {
        Engine engine(layout, std::move(records));
        if (std::uint32_t rc = runJob(format, instance, engine))
            fail("format job", rc);
        result.output = engine.output().bytes;
        if (result.result == 0 && destination) {
            std::ofstream out(result.fileName, std::ios::binary | std::ios::trunc);
            out.write(result.output.data(), static_cast<std::streamsize>(result.output.size()));
            out.close();
            if (!out) {
                // Leave the plug-ins in order before reporting.
                destination->termExportDestination(dinstance, 0);
                format.termExportFormat(instance, 0);
                destination->terminate();
                format.terminate();
                throw std::runtime_error("cannot write the output file \"" + result.fileName +
                                         "\"");
            }
            // 6. Nothing is left for the destination to do.
            if (std::uint32_t rc = destination->exportToDestination(dinstance, 0))
                fail("UXDExportToDestination", rc);
        }
    }

    format.termExportFormat(instance, 0);
    if (destination)
        destination->termExportDestination(dinstance, 0);
    format.terminate();
    if (destination)
        destination->terminate();
    if (settings.host) {
        ScriptedHost::uninstallFrom(format.handle());
        if (destination)
            ScriptedHost::uninstallFrom(destination->handle());
    }
    return result;
}

// ---------------------------------------------------------------------------
// CSV
// ---------------------------------------------------------------------------

std::vector<Record> parseSeparated(const std::string &text, const std::string &separator,
                                   const std::string &quote, std::vector<std::string> *header) {
    if (separator.empty())
        throw std::runtime_error("no separator");
    std::vector<Record> rows;
    Record row;
    std::string field;
    bool quoted = false, inField = false, wasQuoted = false;
    int line = 1;
    auto at = [&](std::size_t i, const std::string &what) {
        return !what.empty() && text.compare(i, what.size(), what) == 0;
    };
    auto fail = [&](const char *why) {
        throw std::runtime_error("line " + std::to_string(line) + ": " + why);
    };
    auto endField = [&] {
        row.emplace_back(field);
        field.clear();
        inField = wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (quoted) {
            if (at(i, quote)) {
                if (at(i + quote.size(), quote)) {
                    field += quote;
                    i += 2 * quote.size();
                } else {
                    quoted = false;
                    i += quote.size();
                }
                continue;
            }
            if (c == '\n')
                ++line;
            field += c;
            ++i;
            continue;
        }
        if (at(i, quote)) {
            if (inField)
                fail(wasQuoted ? "a quote after a closing quote"
                               : "a quote inside an unquoted value");
            quoted = wasQuoted = inField = true;
            i += quote.size();
        } else if (at(i, separator)) {
            endField();
            i += separator.size();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        } else if (c == '\n') {
            endRow();
            ++line;
            ++i;
        } else {
            if (wasQuoted)
                fail("text after a closing quote");
            field += c;
            inField = true;
            ++i;
        }
    }
    if (quoted)
        fail("a quoted value is not closed");
    if (inField || !row.empty() || !field.empty())
        endRow();
    if (header) {
        header->clear();
        if (!rows.empty()) {
            for (const Value &v : rows.front())
                header->push_back(v.source);
            rows.erase(rows.begin());
        }
    }
    return rows;
}

std::vector<Record> parseCsv(const std::string &text, std::vector<std::string> *header) {
    try {
        return parseSeparated(text, ",", "\"", header);
    } catch (const std::runtime_error &e) {
        throw std::runtime_error(std::string("CSV ") + e.what());
    }
}

} // namespace uxhost
