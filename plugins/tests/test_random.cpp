// Random layouts and values through both fmtplain formats, the
// separated-values formats of fmtdelimited, the record style of fmtcolumns
// and DIF. Every export must succeed with
// well-formed output: fmtplain lines of at most 511 characters, each ended by
// CR LF; separated values that read back, line by line, to exactly the values
// of the record's shown field items. Misbehaving output and broken layouts
// must end in their result codes, never in a crash, a hang or a write outside
// a buffer (the sanitizer build runs this too). Record-style lines all have
// one width; DIF ends with its one EOD and blank-padded header counts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/plugin_library.h"

using namespace uxhost;

namespace {

// Data columns: column k holds a value for kind k (0..12); 13 a text with
// line breaks (for growing fields); 14 and 15 the group keys.
constexpr int kMultiline = 13;
constexpr int kKey1 = 14;
constexpr int kKey2 = 15;

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int range(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(int percent) { return range(1, 100) <= percent; }

    std::string word(const char *alphabet, int maxLength) {
        const std::string a(alphabet);
        std::string s;
        const int n = range(0, maxLength);
        for (int i = 0; i < n; ++i)
            s += a[static_cast<std::size_t>(range(0, static_cast<int>(a.size()) - 1))];
        return s;
    }

    std::string value(int kind) {
        const bool zero = chance(25);
        switch (kind) {
        case 0:
        case 1:
            return std::to_string(zero ? 0 : range(-128, 127));
        case 2:
        case 3:
            return std::to_string(zero ? 0 : range(-32768, 32767));
        case 4:
        case 5:
            return std::to_string(zero ? 0 : range(-2000000000, 2000000000));
        case 6:
        case 7: {
            char b[64];
            std::snprintf(b, sizeof b, "%.3f", zero ? 0.0 : range(-1000000, 1000000) / 7.0);
            return b;
        }
        case 8:
            return chance(50) ? "true" : "false";
        case 9: {
            char b[16];
            std::snprintf(b, sizeof b, "%04d-%02d-%02d", range(1900, 2100), range(1, 12),
                          range(1, 28));
            return b;
        }
        case kMultiline:
            return word("abc de\r\n\t\x8d\"", 80);
        default:
            if (chance(3))
                return std::string(static_cast<std::size_t>(range(500, 700)), 'w');
            return word("abcxyz \t\"'", 24);
        }
    }

    Record record() {
        Record r;
        for (int k = 0; k <= 12; ++k) {
            Value v(value(k));
            if (k <= 9 && chance(8))
                v.source.clear(); // no value
            r.push_back(v);
        }
        r.emplace_back(value(kMultiline));
        r.emplace_back(chance(60) ? "a" : "b");
        r.emplace_back(chance(60) ? "x" : "y");
        return r;
    }

    FieldSpec field() {
        FieldSpec f;
        f.kind = static_cast<std::uint16_t>(range(0, 12));
        f.column = f.kind;
        f.position = static_cast<std::int16_t>(range(-300, 20000));
        f.width = static_cast<std::uint16_t>(chance(5) ? range(0, 99) : range(100, 3000));
        f.alignment = static_cast<std::uint16_t>(range(0, 4));
        f.growOrZero = chance(35);
        if (f.growOrZero && (f.kind == 10 || f.kind == 11) && chance(70))
            f.column = kMultiline;
        f.maxLines = static_cast<std::uint16_t>(chance(50) ? 0 : range(1, 3));
        f.hidden = chance(10);
        f.suppressDuplicates = chance(25);
        f.font = range(0, 2);
        return f;
    }

    TextSpec text() {
        TextSpec t;
        t.position = static_cast<std::int16_t>(range(-300, 20000));
        t.font = range(0, 2);
        const int what = range(1, 20);
        if (what == 1)
            t.text.reset();
        else if (what == 2)
            t.text = "\t";
        else if (what == 3)
            t.text = std::string(static_cast<std::size_t>(range(400, 700)), 't');
        else
            t.text = word("abc XYZ\t\"", 16);
        return t;
    }

    LineSpec line() {
        LineSpec l;
        for (int i = range(0, 4); i > 0; --i)
            l.texts.push_back(text());
        for (int i = range(0, 4); i > 0; --i)
            l.fields.push_back(field());
        // The engine hands both lists over in position order.
        std::stable_sort(l.texts.begin(), l.texts.end(),
                         [](auto &a, auto &b) { return a.position < b.position; });
        std::stable_sort(l.fields.begin(), l.fields.end(),
                         [](auto &a, auto &b) { return a.position < b.position; });
        return l;
    }

    AreaSpec area(std::uint16_t kind, std::uint16_t group = 1) {
        AreaSpec a;
        a.kind = kind;
        a.group = group;
        a.shown = chance(90);
        a.dropBlank = chance(50);
        for (int i = range(0, 3); i > 0; --i)
            a.lines.push_back(line());
        return a;
    }

    LayoutSpec layout() {
        LayoutSpec s;
        s.fonts = {FontSpec{100}, FontSpec{0}, FontSpec{static_cast<std::uint16_t>(range(1, 300))}};
        s.levels = static_cast<std::uint16_t>(range(0, 2));
        if (s.levels >= 1)
            s.groupColumns.push_back(kKey1);
        if (s.levels >= 2)
            s.groupColumns.push_back(kKey2);
        if (chance(50))
            s.areas.push_back(area(0));
        s.areas.push_back(area(1));
        for (std::uint16_t l = 1; l <= s.levels; ++l) {
            s.areas.push_back(area(2, l));
            s.areas.push_back(area(4, l));
        }
        s.areas.push_back(area(3, static_cast<std::uint16_t>(range(1, 2))));
        if (chance(50))
            s.areas.push_back(area(5));
        s.areas.push_back(area(6));
        if (chance(50))
            s.areas.push_back(area(7));
        std::shuffle(s.areas.begin(), s.areas.end(), engine_);
        if (chance(15)) {
            s.mode = UX_LAYOUT_MODE_GRID;
            const int columns = range(0, 4);
            for (int r = range(0, 3); r > 0; --r) {
                auto &row = s.grid.emplace_back();
                for (int c = 0; c < columns; ++c) {
                    if (chance(20)) {
                        row.emplace_back();
                        continue;
                    }
                    GridCellSpec cell;
                    cell.field = field();
                    cell.field.column = cell.field.kind;
                    cell.position = static_cast<std::uint16_t>(range(0, 20000));
                    cell.width = static_cast<std::uint16_t>(range(0, 3000));
                    cell.raw = Value(value(cell.field.kind));
                    row.push_back(cell);
                }
            }
        }
        return s;
    }

    std::mt19937 &engine() { return engine_; }

private:
    std::mt19937 engine_;
};

// One plug-in, loaded once for its suite; every test starts it and installs
// a scripted host. Name: the plug-in's file stem.
template <class Name> class RandomFormatTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { plugin_ = new FormatPlugin(Name::value); }
    static void TearDownTestSuite() {
        delete plugin_;
        plugin_ = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(plugin_->initialize(0), 0u);
        host_.installInto(plugin_->handle());
    }
    void TearDown() override {
        ScriptedHost::uninstallFrom(plugin_->handle());
        plugin_->terminate();
    }

    static inline FormatPlugin *plugin_ = nullptr;
    uxtest::ProfileScope profile_{std::nullopt};
    ScriptedHost host_;
};

struct PlainName {
    static constexpr const char *value = "fmtplain";
};
using RandomExports = RandomFormatTest<PlainName>;

// Lines of at most 511 characters, each ended by CR LF. Positioned text has no
// CR or LF inside a line (growing fields skip breaks, and only they get texts
// with breaks here); tab-separated text writes values as they are.
::testing::AssertionResult wellFormed(const std::string &out, bool breaksInValues) {
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find("\r\n", start);
        if (end == std::string::npos)
            return ::testing::AssertionFailure() << "unterminated line at " << start;
        const std::string line = out.substr(start, end - start);
        if (line.size() > 511)
            return ::testing::AssertionFailure() << "line of " << line.size();
        if (!breaksInValues && line.find_first_of("\r\n") != std::string::npos)
            return ::testing::AssertionFailure() << "break inside a line: " << line;
        start = end + 2;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(RandomExports, BothFormatsWriteWellFormedLines) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        const LayoutSpec spec = random.layout();
        std::vector<Record> records;
        for (int i = random.range(0, 6); i > 0; --i)
            records.push_back(random.record());
        host_.setMeasurementFails(random.chance(20));
        host_.setDefaultFontWidth(random.range(0, 250));
        for (std::uint32_t index : {0u, 1u}) {
            BuiltLayout layout(spec);
            FormatOutcome o = runFormat(*plugin_, index, layout, records);
            ASSERT_EQ(o.initResult, 0u);
            ASSERT_EQ(o.result, 0u) << "seed " << seed << " format " << index;
            EXPECT_TRUE(wellFormed(o.output, index == 1)) << "seed " << seed << " format " << index;
            EXPECT_EQ(o.openAreas, 0u);
        }
    }
}

TEST_F(RandomExports, FaultsEndInTheirResultCodes) {
    for (unsigned seed = 1000; seed < 1200; ++seed) {
        Random random(seed);
        const LayoutSpec spec = random.layout();
        std::vector<Record> records;
        for (int i = random.range(1, 4); i > 0; --i)
            records.push_back(random.record());
        const int fault = random.range(0, 2);
        const auto accept = static_cast<std::uint16_t>(random.range(0, 40));
        const auto failAt = static_cast<std::size_t>(random.range(1, 5));
        for (std::uint32_t index : {0u, 1u}) {
            BuiltLayout layout(spec);
            if (fault == 2) {
                // Break one item pointer of one line somewhere in the layout.
                ReportLayout *l = layout.layout();
                LayoutArea *a = l->areas[random.range(0, l->area_count - 1)];
                if (a->line_count) {
                    LayoutLine *line = a->lines[random.range(0, a->line_count - 1)];
                    if (line->field_count)
                        line->fields[random.range(0, line->field_count - 1)] = nullptr;
                    else if (line->text_count)
                        line->texts[random.range(0, line->text_count - 1)] = nullptr;
                }
            }
            FormatOutcome o = runFormat(*plugin_, index, layout, records, [&](Engine &e) {
                if (fault == 0)
                    e.output().acceptAtMost = accept;
                if (fault == 1) {
                    e.output().failOnWrite = failAt;
                    e.output().failCode = 99;
                }
            });
            const std::uint32_t allowed = fault == 0 ? 3u : fault == 1 ? 99u : 5u;
            EXPECT_TRUE(o.result == 0 || o.result == allowed)
                << "seed " << seed << " format " << index << " result " << o.result;
            EXPECT_EQ(o.openAreas, 0u);
        }
    }
}

// --- Separated values ---------------------------------------------------------

struct SeparatedName {
    static constexpr const char *value = "fmtdelimited";
};
using RandomSeparated = RandomFormatTest<SeparatedName>;

// The text the engine gives for `item` in `record` (as in the report).
std::string reportText(const FieldSpec &field, const Record &record) {
    const auto column = static_cast<std::size_t>(field.column);
    if (column >= record.size())
        return {};
    const std::string raw = rawBytes(field.kind, record[column].source);
    Pieces pieces;
    Engine::formatRaw(field.kind, raw.empty() ? nullptr : raw.data(), nullptr, nullptr, pieces);
    std::string out;
    if (field.kind == UX_KIND_TEXT_A || field.kind == UX_KIND_TEXT_B)
        return pieces[2].value_or("");
    for (const auto &piece : pieces)
        out += piece.value_or("");
    return out;
}

// The lines a flat walk of `spec` writes for `records`: per full record the
// values of the shown field items of every area in walk order.
std::vector<std::vector<std::string>>
expectedLines(const LayoutSpec &spec, const std::vector<Record> &records, Engine &engine) {
    const AreaSpec *byKind[8] = {};
    const AreaSpec *headers[3] = {};
    const AreaSpec *footers[3] = {};
    for (const AreaSpec &a : spec.areas) {
        if (a.kind == 2)
            headers[a.group] = &a;
        else if (a.kind == 4)
            footers[a.group] = &a;
        else
            byKind[a.kind] = &a;
    }
    std::vector<const AreaSpec *> order = {byKind[0], byKind[1]};
    for (int l = 1; l <= spec.levels; ++l)
        order.push_back(headers[l]);
    for (int r = 0; r < byKind[3]->group; ++r)
        order.push_back(byKind[3]);
    for (int l = spec.levels; l >= 1; --l)
        order.push_back(footers[l]);
    order.insert(order.end(), {byKind[5], byKind[6], byKind[7]});

    std::vector<std::vector<std::string>> lines;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool full = byKind[3]->shown || engine.endingLevels(i) != 0 || spec.levels == 0;
        if (!full)
            continue;
        std::vector<std::string> values;
        for (const AreaSpec *a : order) {
            if (!a || !a->shown)
                continue;
            for (const LineSpec &line : a->lines)
                for (const FieldSpec &f : line.fields)
                    if (!f.hidden)
                        values.push_back(reportText(f, records[i]));
        }
        if (!values.empty())
            lines.push_back(values);
    }
    return lines;
}

TEST_F(RandomSeparated, OutputReadsBackToTheValues) {
    const char *separators[] = {",", "\t", ";", " | ", "::"};
    const char *quotes[] = {"\"", "'", "##"};
    const NumberDateOptions asInReport{sizeof(NumberDateOptions), 1, 1};
    std::size_t comparedLines = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        const LayoutSpec spec = random.layout();
        std::vector<Record> records;
        for (int i = random.range(0, 6); i > 0; --i)
            records.push_back(random.record());
        const std::uint32_t index = static_cast<std::uint32_t>(random.range(0, 2));
        std::string separator = index == 0 ? "," : "\t";
        std::string quote = "\"";
        if (index == 2) {
            separator = separators[random.range(0, 4)];
            quote = quotes[random.range(0, 2)];
            ScriptedHost::DialogAnswer chars;
            chars.texts = {{1000, separator}, {1001, quote}};
            host_.queueDialogAnswer(chars);
            ScriptedHost::DialogAnswer asShown;
            asShown.checks = {{101, 1}, {102, 1}};
            host_.queueDialogAnswer(asShown);
        }
        BuiltLayout layout(spec);
        FormatOutcome o =
            runFormat(*plugin_, index, layout, records, {}, index == 2 ? nullptr : &asInReport);
        ASSERT_EQ(o.initResult, 0u) << "seed " << seed;
        ASSERT_EQ(o.result, 0u) << "seed " << seed;
        EXPECT_EQ(o.openAreas, 0u);
        std::vector<Record> rows;
        try {
            rows = parseSeparated(o.output, separator, quote);
        } catch (const std::exception &e) {
            ADD_FAILURE() << "seed " << seed << ": " << e.what() << "\n" << o.output;
            continue;
        }
        EXPECT_TRUE(o.output.empty() || o.output.ends_with("\r\n")) << "seed " << seed;
        if (spec.mode == UX_LAYOUT_MODE_GRID)
            continue; // grid values come from the grid's cells
        BuiltLayout again(spec);
        Engine engine(again, records);
        const auto expected = expectedLines(spec, records, engine);
        comparedLines += expected.size();
        std::vector<std::vector<std::string>> got;
        for (const Record &r : rows) {
            got.emplace_back();
            for (const Value &v : r)
                got.back().push_back(v.source);
        }
        EXPECT_EQ(got, expected) << "seed " << seed << " separator '" << separator << "' quote '"
                                 << quote << "'\n"
                                 << o.output;
    }
    // The layouts and records above make lines to compare, not only empty output.
    EXPECT_GT(comparedLines, 300u);
}

// --- Record style ----------------------------------------------------------------

struct ColumnsName {
    static constexpr const char *value = "fmtcolumns";
};
using RandomColumns = RandomFormatTest<ColumnsName>;

// Outside grid mode every kept line has the same width (all columns of every
// shown item); the output is whole lines, with no line break inside one, and
// ends with the last kept line.
TEST_F(RandomColumns, RecordLinesOfOneWidth) {
    const NumberDateOptions asInReport{sizeof(NumberDateOptions), 1, 1};
    std::size_t keptLines = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        const LayoutSpec spec = random.layout();
        std::vector<Record> records;
        for (int i = random.range(0, 6); i > 0; --i)
            records.push_back(random.record());
        const bool measurable = random.chance(80);
        host_.setMeasurementFails(!measurable);
        host_.setDefaultFontWidth(random.range(1, 250));
        BuiltLayout layout(spec);
        FormatOutcome o = runFormat(*plugin_, 0, layout, records, {}, &asInReport);
        ASSERT_EQ(o.initResult, 0u);
        EXPECT_EQ(o.openAreas, 0u);
        if (o.result == 0xFFFFFFFFu) {
            EXPECT_FALSE(measurable) << "seed " << seed;
            continue;
        }
        ASSERT_EQ(o.result, 0u) << "seed " << seed;
        EXPECT_TRUE(o.output.empty() || o.output.ends_with("\r\n")) << "seed " << seed;
        std::size_t width = std::string::npos;
        for (std::size_t start = 0; start < o.output.size();) {
            const std::size_t end = o.output.find("\r\n", start);
            ASSERT_NE(end, std::string::npos) << "seed " << seed;
            const std::string line = o.output.substr(start, end - start);
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "seed " << seed;
            if (spec.mode != UX_LAYOUT_MODE_GRID) {
                if (width == std::string::npos)
                    width = line.size();
                EXPECT_EQ(line.size(), width) << "seed " << seed << "\n" << o.output;
            }
            ++keptLines;
            start = end + 2;
        }
    }
    EXPECT_GT(keptLines, 300u);
}

// --- DIF --------------------------------------------------------------------------

struct DifName {
    static constexpr const char *value = "fmtinterchange";
};
using RandomDif = RandomFormatTest<DifName>;

// One EOD, at the end; both header counts decimal and filled with blanks to
// ten characters; every cell of the data section a known pair of lines.
TEST_F(RandomDif, OneEodAndPaddedCounts) {
    const NumberDateOptions options[] = {{sizeof(NumberDateOptions), 1, 1},
                                         {sizeof(NumberDateOptions), 0, 0}};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        const LayoutSpec spec = random.layout();
        std::vector<Record> records;
        for (int i = random.range(0, 6); i > 0; --i)
            records.push_back(random.record());
        BuiltLayout layout(spec);
        FormatOutcome o = runFormat(*plugin_, 0, layout, records, {}, &options[random.range(0, 1)]);
        ASSERT_EQ(o.initResult, 0u);
        ASSERT_EQ(o.result, 0u) << "seed " << seed;
        EXPECT_EQ(o.openAreas, 0u);
        const std::string &out = o.output;
        const std::string eod = "-1,0\r\nEOD\r\n";
        EXPECT_EQ(out.find(eod), out.size() - eod.size()) << "seed " << seed;
        for (const char *count : {"VECTORS\r\n0,", "TUPLES\r\n0,"}) {
            const std::size_t at = out.find(count);
            ASSERT_NE(at, std::string::npos);
            const std::string field = out.substr(at + std::strlen(count), 12);
            const std::size_t digits = field.find_first_not_of("0123456789");
            EXPECT_GT(digits, 0u) << "seed " << seed;
            EXPECT_EQ(field.substr(digits), std::string(10 - digits, ' ') + "\r\n")
                << "seed " << seed;
        }
        // The data section: pairs of lines, each a known cell.
        std::size_t at = out.find("DATA\r\n0,0\r\n\"\"\r\n") + 15;
        while (at < out.size()) {
            const std::size_t first = out.find("\r\n", at);
            const std::size_t second = out.find("\r\n", first + 2);
            ASSERT_NE(second, std::string::npos) << "seed " << seed;
            const std::string a = out.substr(at, first - at);
            const std::string b = out.substr(first + 2, second - first - 2);
            const bool known =
                (a == "-1,0" && (b == "BOT" || b == "EOD")) || (a == "0,1" && b == "TRUE") ||
                (a == "0,0" && b == "FALSE") ||
                (a == "1,0" && b.size() >= 2 && b.front() == '"' && b.back() == '"') ||
                (a.starts_with("0,") && b == "V");
            ASSERT_TRUE(known) << "seed " << seed << ": " << a << " / " << b;
            at = second + 2;
        }
    }
}

} // namespace
