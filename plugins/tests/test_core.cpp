// The formatter core on its own: classification, the structured and flat
// walks, area contents, line merging, value building blocks and output,
// driven by the stand-in engine through a probe formatter that logs what the
// core hands it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/formatter.h"
#include "host/engine.h"
#include "host/layout.h"

using namespace uxhost;

namespace {

class Probe : public ux::Formatter {
public:
    Probe(ReportLayout *layout, bool flat) : Formatter(nullptr, layout, 0), flat_(flat) {}

    std::uint32_t applyOptions(const void *) override { return 0; }
    std::uint32_t encodeOptions(const void **, std::uint16_t *) override { return 0; }
    std::uint32_t decodeOptions(void **) override { return 0; }
    std::uint32_t startJob(JobContext *c) override {
        return flat_ ? flatStart(c) : structuredStart(c);
    }
    std::uint32_t processRecord(std::uint16_t n, std::uint32_t last) override {
        return flat_ ? flatRecord(n, last) : structuredRecord(n);
    }
    std::uint32_t endJob() override { return flat_ ? flatEnd() : structuredEnd(); }

    // Exposed building blocks.
    using Formatter::fetchValue;
    using Formatter::rawIsZero;
    using Formatter::valueText;
    using Formatter::writeBytes;
    using Formatter::writeSpaces;
    using Formatter::zeroTest;
    void withOptions(bool on) { hasOptions_ = on; }
    void gridAreasOnce(bool on) { gridAreasOnce_ = on; }
    void attach(JobContext *c) { job_ = c; }

    std::vector<std::string> log;
    const void *record = nullptr; // handed out as the number/date format record

protected:
    std::uint32_t readLocale() override {
        log.push_back("locale");
        return 0;
    }
    std::uint32_t endRow() override {
        log.push_back("row end");
        return 0;
    }
    std::uint32_t exportLine(LayoutArea *, LayoutLine *line) override {
        log.push_back("line");
        return exportLineItems(line);
    }
    std::uint32_t exportGridRow(LayoutArea *, GridRow *, std::uint16_t columns) override {
        log.push_back("grid row " + std::to_string(columns));
        return 0;
    }
    std::uint32_t exportTextItem(TextItem *item) override {
        log.push_back(std::string("T ") + (item->text ? item->text : "(null)"));
        return 0;
    }
    std::uint32_t exportFieldItem(FieldItem *item) override {
        if (std::uint32_t rc = validateField(item))
            return rc;
        ValueText *v = nullptr;
        std::uint32_t repeated = 0;
        if (std::uint32_t rc = fetchValue(item, &v, &repeated))
            return rc;
        std::string t;
        valueText(v, item->descriptor->kind, t);
        log.push_back("F " + t);
        return 0;
    }
    const void *formatRecordFor(FieldItem *, std::uint16_t) override { return record; }

private:
    bool flat_;
};

AreaSpec area(std::uint16_t kind, std::uint16_t group = 1, std::vector<LineSpec> lines = {}) {
    AreaSpec a;
    a.kind = kind;
    a.group = group;
    a.lines = std::move(lines);
    return a;
}

FieldSpec field(std::int16_t position, int column, std::uint16_t kind = UX_KIND_TEXT_A) {
    FieldSpec f;
    f.position = position;
    f.column = column;
    f.kind = kind;
    return f;
}

// Two group levels (keys in columns 0 and 1) and every optional area.
LayoutSpec groupedLayout() {
    LayoutSpec spec;
    spec.levels = 2;
    spec.groupColumns = {0, 1};
    spec.areas = {area(UX_AREA_CLOSING7),        area(UX_AREA_OPENING0),
                  area(UX_AREA_OPENING),         area(UX_AREA_GROUP_HEADER, 1),
                  area(UX_AREA_GROUP_HEADER, 2), area(UX_AREA_DETAILS),
                  area(UX_AREA_GROUP_FOOTER, 2), area(UX_AREA_GROUP_FOOTER, 1),
                  area(UX_AREA_CLOSING5),        area(UX_AREA_CLOSING)};
    return spec;
}

struct Walk {
    std::uint32_t result = 0;
    std::vector<std::pair<int, int>> areas; // kind, fresh
    std::vector<std::string> log;
};

Walk walk(const LayoutSpec &spec, std::vector<Record> records, bool flat,
          void (*tune)(Probe &) = nullptr) {
    BuiltLayout layout(spec);
    Engine engine(layout, std::move(records));
    Probe probe(layout.layout(), flat);
    if (tune)
        tune(probe);
    Walk w;
    w.result = probe.startJob(engine.context());
    for (std::size_t i = 0; w.result == 0 && i < engine.recordCount(); ++i) {
        engine.setRecord(i);
        w.result = probe.processRecord(engine.endingLevels(i), i + 1 == engine.recordCount());
    }
    if (w.result == 0)
        w.result = probe.endJob();
    for (const AreaEvent &e : engine.areaEvents())
        w.areas.emplace_back(e.kind, e.fresh);
    w.log = probe.log;
    return w;
}

using Areas = std::vector<std::pair<int, int>>;

// --- Classification -------------------------------------------------------------

TEST(Classification, RequiredAreasAndConsistentGroups) {
    struct Case {
        const char *name;
        void (*edit)(LayoutSpec &);
        std::uint32_t expected;
    } cases[] = {
        {"complete", [](LayoutSpec &) {}, 0},
        {"no areas", [](LayoutSpec &s) { s.areas.clear(); }, 5},
        {"null area array", [](LayoutSpec &s) { s.nullAreaArray = true; }, 5},
        {"footer of level 2 missing", [](LayoutSpec &s) { s.areas.erase(s.areas.begin() + 6); }, 5},
        {"header level above the count", [](LayoutSpec &s) { s.areas[4].group = 3; }, 5},
        {"opening kind 1 missing", [](LayoutSpec &s) { s.areas.erase(s.areas.begin() + 2); }, 5},
        {"details missing", [](LayoutSpec &s) { s.areas.erase(s.areas.begin() + 5); }, 5},
        {"closing kind 6 missing", [](LayoutSpec &s) { s.areas.pop_back(); }, 5},
        {"optional areas missing",
         [](LayoutSpec &s) {
             s.areas.erase(s.areas.begin(), s.areas.begin() + 2);
             s.areas.erase(s.areas.begin() + 6);
         },
         0},
        {"unknown kind ignored", [](LayoutSpec &s) { s.areas.push_back(area(9)); }, 0},
        {"header without group record", [](LayoutSpec &s) { s.areas[3].withGroup = false; }, 5},
        {"area without style", [](LayoutSpec &s) { s.areas[0].withStyle = false; }, 5},
        {"more levels than headers", [](LayoutSpec &s) { s.levels = 3; }, 5},
    };
    for (const Case &c : cases) {
        for (bool flat : {false, true}) {
            LayoutSpec spec = groupedLayout();
            c.edit(spec);
            Walk w = walk(spec, {{"a", "b"}}, flat);
            EXPECT_EQ(w.result, c.expected) << c.name << (flat ? " (flat)" : "");
            if (c.expected != 0) {
                EXPECT_TRUE(w.areas.empty()) << c.name;
            }
        }
    }
}

TEST(Classification, NullJobContextAndRecordsWithoutAJob) {
    LayoutSpec spec = groupedLayout();
    BuiltLayout layout(spec);
    Probe probe(layout.layout(), false);
    EXPECT_EQ(probe.startJob(nullptr), 5u);
    EXPECT_EQ(probe.processRecord(0, 1), 5u);
    EXPECT_EQ(probe.endJob(), 5u);
    Probe none(nullptr, true);
    Engine engine(layout, {});
    EXPECT_EQ(none.startJob(engine.context()), 5u);
}

// --- Structured walk ------------------------------------------------------------

TEST(StructuredWalk, HeadersDetailsAndFootersInReportOrder) {
    // Groups: (a,x) (a,x) (a,y) (b,y).
    Walk w = walk(groupedLayout(), {{"a", "x"}, {"a", "x"}, {"a", "y"}, {"b", "y"}}, false);
    ASSERT_EQ(w.result, 0u);
    const Areas expected = {{0, 1}, {1, 1},                         // start
                            {2, 1}, {2, 1}, {3, 1},                 // a: headers 1, 2
                            {3, 1}, {4, 1},                         // x ends
                            {2, 1}, {3, 1}, {4, 1}, {4, 1},         // y, then a ends
                            {2, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 1}, // b
                            {5, 1}, {6, 1}, {7, 1}};
    EXPECT_EQ(w.areas, expected);
}

TEST(StructuredWalk, MoreEndingLevelsThanLevelsFail) {
    LayoutSpec spec = groupedLayout();
    BuiltLayout layout(spec);
    Engine engine(layout, {{"a", "b"}});
    Probe probe(layout.layout(), false);
    ASSERT_EQ(probe.startJob(engine.context()), 0u);
    const std::size_t before = engine.areaEvents().size();
    EXPECT_EQ(probe.processRecord(3, 1), 5u);
    EXPECT_EQ(engine.areaEvents().size(), before);
}

// --- Flat walk --------------------------------------------------------------------

TEST(FlatWalk, OneRowPerRecordWithFreshFlags) {
    LayoutSpec spec = groupedLayout();
    spec.levels = 1;
    spec.groupColumns = {0};
    spec.areas.erase(spec.areas.begin() + 6); // level 2's footer
    spec.areas.erase(spec.areas.begin() + 4); // level 2's header
    Walk w = walk(spec, {{"a"}, {"a"}, {"b"}}, true);
    ASSERT_EQ(w.result, 0u);
    const Areas expected = {// record 1: first, level 1 opens; the group goes on
                            {0, 1},
                            {1, 1},
                            {2, 1},
                            {3, 1},
                            {4, 0},
                            {5, 0},
                            {6, 0},
                            {7, 0},
                            // record 2: a ends
                            {0, 0},
                            {1, 0},
                            {2, 0},
                            {3, 1},
                            {4, 1},
                            {5, 0},
                            {6, 0},
                            {7, 0},
                            // record 3: b opens and ends, last record
                            {0, 0},
                            {1, 0},
                            {2, 1},
                            {3, 1},
                            {4, 1},
                            {5, 1},
                            {6, 1},
                            {7, 1}};
    EXPECT_EQ(w.areas, expected);
    EXPECT_EQ(w.log, (std::vector<std::string>{"locale", "row end", "row end", "row end"}));
}

// With the details area hidden, a record that ends no group is not a full row:
// only its details pass (which produces nothing) happens.
TEST(FlatWalk, HiddenDetailsMakeRowsOnlyWhereGroupsEnd) {
    LayoutSpec spec;
    spec.levels = 1;
    spec.groupColumns = {0};
    spec.areas = {area(UX_AREA_OPENING), area(UX_AREA_GROUP_HEADER, 1), area(UX_AREA_DETAILS),
                  area(UX_AREA_GROUP_FOOTER, 1), area(UX_AREA_CLOSING)};
    spec.areas[2].shown = false;
    Walk w = walk(spec, {{"a"}, {"a"}, {"b"}}, true);
    ASSERT_EQ(w.result, 0u);
    const Areas expected = {{3, 1},                                 // a goes on
                            {1, 0}, {2, 0}, {3, 1}, {4, 1}, {6, 0}, // a ends
                            {1, 0}, {2, 1}, {3, 1}, {4, 1}, {6, 1}};
    EXPECT_EQ(w.areas, expected);
    EXPECT_EQ(w.log, (std::vector<std::string>{"locale", "row end", "row end"}));
}

TEST(FlatWalk, WithoutGroupsEveryRecordIsFull) {
    LayoutSpec spec = simpleLayout({});
    spec.areas[1].shown = false;
    Walk w = walk(spec, {{"a"}, {"b"}}, true);
    const Areas expected = {{1, 1}, {3, 1}, {6, 0}, {1, 0}, {3, 1}, {6, 1}};
    EXPECT_EQ(w.areas, expected);
}

TEST(FlatWalk, GridModeCanExportOuterAreasOnce) {
    LayoutSpec spec = simpleLayout({});
    spec.mode = UX_LAYOUT_MODE_GRID;
    Walk w = walk(spec, {{"a"}, {"b"}}, true, [](Probe &p) { p.gridAreasOnce(true); });
    const Areas expected = {{1, 1}, {3, 1}, {3, 1}, {6, 1}};
    EXPECT_EQ(w.areas, expected);
}

// --- Area contents --------------------------------------------------------------------

TEST(AreaContents, LinesRepeatAndHiddenAreasOnlyBeginAndEnd) {
    LayoutSpec spec = simpleLayout({LineSpec{{{0, "d", 0}}, {}}});
    spec.areas[0].lines = {LineSpec{{{0, "o", 0}}, {}}};
    spec.areas[0].shown = false;
    spec.areas[1].group = 3;
    Walk w = walk(spec, {{}}, false);
    ASSERT_EQ(w.result, 0u);
    EXPECT_EQ(w.log, (std::vector<std::string>{"line", "T d", "line", "T d", "line", "T d"}));
    EXPECT_EQ(w.areas, (Areas{{1, 1}, {3, 1}, {6, 1}}));
}

TEST(AreaContents, BrokenLinesAndGridRowsFailAndEndTheArea) {
    struct Case {
        const char *name;
        void (*breakIt)(BuiltLayout &);
    } cases[] = {
        {"null line array", [](BuiltLayout &l) { l.layout()->areas[1]->lines = nullptr; }},
        {"null line", [](BuiltLayout &l) { l.layout()->areas[1]->lines[0] = nullptr; }},
        {"null text array",
         [](BuiltLayout &l) { l.layout()->areas[1]->lines[0]->texts = nullptr; }},
        {"null field array",
         [](BuiltLayout &l) { l.layout()->areas[1]->lines[0]->fields = nullptr; }},
        {"null text item",
         [](BuiltLayout &l) { l.layout()->areas[1]->lines[0]->texts[0] = nullptr; }},
        {"null field item",
         [](BuiltLayout &l) { l.layout()->areas[1]->lines[0]->fields[0] = nullptr; }},
        {"field without style", [](BuiltLayout &l) { l.field(1, 0, 0)->style = nullptr; }},
        {"field without font", [](BuiltLayout &l) { l.field(1, 0, 0)->font = nullptr; }},
        {"field without descriptor",
         [](BuiltLayout &l) { l.field(1, 0, 0)->descriptor = nullptr; }},
    };
    for (const Case &c : cases) {
        LayoutSpec spec = simpleLayout({LineSpec{{{0, "t", 0}}, {field(0, 0)}}});
        BuiltLayout layout(spec);
        c.breakIt(layout);
        Engine engine(layout, {{"v"}});
        Probe probe(layout.layout(), false);
        ASSERT_EQ(probe.startJob(engine.context()), 0u) << c.name;
        EXPECT_EQ(probe.processRecord(0, 1), 5u) << c.name;
        EXPECT_EQ(engine.openAreas(), 0u) << c.name;
    }

    LayoutSpec grid = simpleLayout({});
    grid.mode = UX_LAYOUT_MODE_GRID;
    GridCellSpec cell;
    grid.grid = {{cell}, {cell}};
    for (bool nullRow : {true, false}) {
        BuiltLayout layout(grid);
        if (nullRow)
            layout.grid()->rows[1] = nullptr;
        else
            layout.grid()->rows[1]->cells = nullptr;
        Engine engine(layout, {{}});
        Probe probe(layout.layout(), false);
        ASSERT_EQ(probe.startJob(engine.context()), 0u);
        EXPECT_EQ(probe.processRecord(0, 1), 5u);
        EXPECT_EQ(probe.log, (std::vector<std::string>{"grid row 1"}));
    }
}

// --- Line merging ----------------------------------------------------------------------

TEST(LineMerge, ByPositionTextFirstOnTiesSigned) {
    LineSpec line{{{0, "t0", 0}, {500, "t500", 0}, {600, "t600", 0}},
                  {field(-100, 0), field(500, 1), field(900, 2)}};
    Walk w = walk(simpleLayout({line}), {{"f-100", "f500", "f900"}}, false);
    ASSERT_EQ(w.result, 0u);
    EXPECT_EQ(w.log, (std::vector<std::string>{"line", "F f-100", "T t0", "T t500", "F f500",
                                               "T t600", "F f900"}));
}

// --- Values -------------------------------------------------------------------------------

TEST(Values, ZeroTestReadsTheRawValueAtItsWidth) {
    const unsigned char lowZero[8] = {0x00, 0x01, 0x00, 0x00, 0, 0, 0, 0};
    const double minusZero = -0.0;
    const double half = 0.5;
    struct Case {
        std::uint16_t kind;
        const void *raw;
        bool zero;
    } cases[] = {
        {0, lowZero, true},  {1, lowZero, true},       {2, lowZero, false},
        {3, lowZero, false}, {4, lowZero, false},      {6, &minusZero, true},
        {7, &half, false},   {8, lowZero + 2, false},  {9, lowZero + 2, false},
        {10, "", false},     {12, lowZero + 2, false}, {4, nullptr, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Probe::rawIsZero(c.kind, c.raw), c.zero) << c.kind;

    // Through GetRawValue, only for number kinds whose style suppresses zero.
    FieldSpec suppressed = field(0, 0, UX_KIND_INT32_A);
    suppressed.growOrZero = true;
    FieldSpec kept = field(0, 0, UX_KIND_INT32_A);
    FieldSpec text = field(0, 0);
    text.growOrZero = true; // for text kinds the flag means "may grow"
    LayoutSpec spec = simpleLayout({LineSpec{{}, {suppressed, kept, text}}});
    BuiltLayout layout(spec);
    Engine engine(layout, {{"0", "", ""}});
    Probe probe(layout.layout(), false);
    probe.attach(engine.context());
    bool zero = false;
    EXPECT_EQ(probe.zeroTest(layout.field(1, 0, 0), zero), 0u);
    EXPECT_TRUE(zero);
    EXPECT_EQ(probe.zeroTest(layout.field(1, 0, 1), zero), 0u);
    EXPECT_FALSE(zero);
    EXPECT_EQ(probe.zeroTest(layout.field(1, 0, 2), zero), 0u);
    EXPECT_FALSE(zero);
    EXPECT_EQ(engine.rawValueCalls, 1u);
}

TEST(Values, ValueTextJoinsPiecesInOffsetOrder) {
    ValueText v{};
    v.prefix = "$";
    v.lead = "-";
    v.text = "1,234";
    v.trail = nullptr;
    v.suffix = " CR";
    std::string out;
    Probe::valueText(&v, UX_KIND_CURRENCY, out);
    EXPECT_EQ(out, "$-1,234 CR");
    Probe::valueText(&v, UX_KIND_TEXT_B, out);
    EXPECT_EQ(out, "1,234");
    v.text = nullptr;
    Probe::valueText(&v, UX_KIND_TEXT_A, out);
    EXPECT_EQ(out, "");
    Probe::valueText(nullptr, UX_KIND_NUMBER, out);
    EXPECT_EQ(out, "");
}

// Plug-ins with options format numbers and dates with their own records while
// the same-formats options are off; everything else comes from the report.
TEST(Values, FormattingChoiceFollowsTheOptions) {
    LayoutSpec spec = simpleLayout({LineSpec{
        {},
        {field(0, 0, UX_KIND_NUMBER), field(1, 1, UX_KIND_DATE), field(2, 2, UX_KIND_BOOLEAN)}}});
    BuiltLayout layout(spec);
    Engine engine(layout, {{"-1234.5", "2024-03-07", "1"}});
    Probe probe(layout.layout(), false);
    probe.attach(engine.context());
    NumberFormatRecord number{};
    number.size = sizeof number;
    number.decimals = 1;
    number.decimal_separator = ',';
    number.thousands_separator = '.';
    number.leading_zero = 1;
    number.negative_style = 3;
    DateFormatRecord date{};
    date.size = sizeof date;
    date.order = 1;
    date.day_leading_zero = 1;
    date.four_digit_year = 1;
    date.separator1 = date.separator2 = ".";

    auto text = [&](std::size_t i) {
        ValueText *v = nullptr;
        std::uint32_t repeated = 0;
        EXPECT_EQ(probe.fetchValue(layout.field(1, 0, i), &v, &repeated), 0u);
        std::string out;
        Probe::valueText(v, layout.field(1, 0, i)->descriptor->kind, out);
        return out;
    };
    EXPECT_EQ(text(0), "-1234.50"); // no options: as in the report
    EXPECT_EQ(engine.formatRawCalls, 0u);

    probe.withOptions(true);
    probe.record = &number;
    EXPECT_EQ(text(0), "(1.234,5)");
    probe.record = &date;
    EXPECT_EQ(text(1), "07.3.2024");
    EXPECT_EQ(text(2), "True"); // booleans always as in the report
    EXPECT_EQ(engine.formatRawCalls, 2u);

    probe.setSameNumberFormats(true);
    probe.setSameDateFormats(true);
    EXPECT_EQ(text(0), "-1234.50");
    EXPECT_EQ(text(1), "2024-03-07");
    EXPECT_EQ(engine.formatRawCalls, 2u);
}

// --- Output -----------------------------------------------------------------------------

TEST(Output, WritesInSixteenBitPiecesAndReportsShortWrites) {
    LayoutSpec spec = simpleLayout({});
    BuiltLayout layout(spec);
    Engine engine(layout, {});
    Probe probe(layout.layout(), false);
    probe.attach(engine.context());
    const std::string big(70000, 'z');
    EXPECT_EQ(probe.writeBytes(big.data(), big.size()), 0u);
    EXPECT_EQ(engine.output().writes, 2u);
    EXPECT_EQ(engine.output().bytes, big);
    EXPECT_EQ(probe.writeSpaces(0), 0u);
    EXPECT_EQ(engine.output().writes, 2u); // nothing for 0 spaces
    EXPECT_EQ(probe.writeSpaces(3), 0u);
    EXPECT_EQ(engine.output().bytes.substr(70000), "   ");

    engine.output().acceptAtMost = 2;
    EXPECT_EQ(probe.writeBytes("abc", 3), 3u);
    engine.output().acceptAtMost.reset();
    engine.output().failOnWrite = engine.output().writes + 1;
    engine.output().failCode = 1234;
    EXPECT_EQ(probe.writeBytes("abc", 3), 1234u);
}

} // namespace
