// fmtplain through the stand-in report engine: the exports, "Text" and
// "Tab-separated text".
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/format_fixture.h"
#include "support/plugin_library.h"

using namespace uxhost;

namespace {

using uxtest::packed;

constexpr std::uint32_t kText = 0;
constexpr std::uint32_t kTab = 1;

FieldSpec field(std::int16_t position, std::uint16_t width, int column,
                std::uint16_t kind = UX_KIND_TEXT_A) {
    FieldSpec f;
    f.position = position;
    f.width = width;
    f.column = column;
    f.kind = kind;
    return f;
}

TextSpec text(std::int16_t position, std::optional<std::string> t) {
    return TextSpec{position, std::move(t), 0};
}

struct PlainPlugin {
    static constexpr const char *name = "fmtplain";
};

class Plain : public uxtest::FormatFixture<PlainPlugin> {
protected:
    // The output of a layout whose details area has `lines`, one record.
    std::string lines(std::vector<LineSpec> details, Record record, std::uint32_t index,
                      bool dropBlank = false) {
        LayoutSpec spec = simpleLayout(std::move(details));
        spec.areas[1].dropBlank = dropBlank;
        FormatOutcome o = run(spec, {std::move(record)}, index);
        EXPECT_EQ(o.result, 0u);
        return o.output;
    }
};

// --- The exports ------------------------------------------------------------

TEST_F(Plain, PublishesTwoFormatsAndTheirHints) {
    const FormatTable *table = plugin_->getExportFormats();
    ASSERT_EQ(packed(table->count), 2);
    EXPECT_STREQ(table->entries[0]->name, "Text");
    EXPECT_STREQ(table->entries[1]->name, "Tab-separated text");
    EXPECT_EQ(packed(table->entries[1]->index), 1u);
    EXPECT_EQ(plugin_->getVersion(), 0x0100);

    LayoutSpec spec = simpleLayout({});
    BuiltLayout layout(spec);
    struct Case {
        std::uint32_t index;
        const char *filter;
        const char *pattern;
        const char *extension;
    } cases[] = {{0, "Text (*.txt)", "*.txt", "txt"},
                 {1, "Tab-separated (*.ttx)", "*.ttx", "ttx"},
                 {7, "Tab-separated (*.ttx)", "*.ttx", "ttx"}};
    for (const Case &c : cases) {
        UXFInstance *instance = nullptr;
        const FileDialogHintTable *hints = nullptr;
        const int blob = 12345; // ignored: fmtplain has no options
        ASSERT_EQ(
            plugin_->initExportFormat(nullptr, layout.layout(), c.index, &blob, &instance, &hints),
            0u);
        ASSERT_NE(instance, nullptr);
        ASSERT_EQ(packed(hints->count), 1);
        const FileDialogHint *hint = hints->hints[0];
        EXPECT_EQ(packed(hint->size), 26);
        EXPECT_STREQ(hint->title, "Choose Export File");
        EXPECT_STREQ(hint->filter_description, c.filter);
        EXPECT_STREQ(hint->filter_pattern, c.pattern);
        EXPECT_STREQ(hint->default_extension, c.extension);
        EXPECT_EQ(packed(hint->default_extension), hint->filter_pattern + 2);

        const void *stored = &blob;
        std::uint16_t size = 99;
        EXPECT_EQ(plugin_->encodeFormatOptions(instance, &stored, &size), 0u);
        EXPECT_EQ(stored, nullptr);
        EXPECT_EQ(size, 0);
        void *decoded = &size;
        EXPECT_EQ(plugin_->decodeFormatOptions(instance, &decoded), 0u);
        EXPECT_EQ(decoded, nullptr);
        EXPECT_EQ(plugin_->getPageN(instance), 1);
        EXPECT_EQ(plugin_->getErrorText(instance), nullptr);
        EXPECT_EQ(plugin_->termExportFormat(instance, 0), 0u);
    }
}

// The names in the format table are the loaded texts: valid while any user
// keeps the library initialised, withdrawn (null, not dangling) after the
// balancing terminate.
TEST_F(Plain, FormatNamesLiveWhileInitialised) {
    const FormatTable *table = plugin_->getExportFormats();
    ASSERT_EQ(plugin_->initialize(0), 0u); // a second user
    plugin_->terminate();
    EXPECT_STREQ(table->entries[0]->name, "Text");
    plugin_->terminate(); // the last user
    EXPECT_EQ(packed(table->entries[0]->name), nullptr);
    EXPECT_EQ(packed(table->entries[1]->name), nullptr);
    ASSERT_EQ(plugin_->initialize(0), 0u); // for TearDown
    EXPECT_STREQ(table->entries[1]->name, "Tab-separated text");
}

TEST_F(Plain, NullInstancesAnswerFive) {
    JobContext context{};
    const void *blob = nullptr;
    std::uint16_t size = 0;
    void *decoded = nullptr;
    EXPECT_EQ(plugin_->startJob(nullptr, &context), 5u);
    EXPECT_EQ(plugin_->processRecord(nullptr, 0, 1), 5u);
    EXPECT_EQ(plugin_->endJob(nullptr), 5u);
    EXPECT_EQ(plugin_->encodeFormatOptions(nullptr, &blob, &size), 5u);
    EXPECT_EQ(plugin_->decodeFormatOptions(nullptr, &decoded), 5u);
    EXPECT_EQ(plugin_->getPageN(nullptr), 0);
    EXPECT_EQ(plugin_->getErrorText(nullptr), nullptr);
    EXPECT_EQ(plugin_->termExportFormat(nullptr, 0), 0u);
    EXPECT_EQ(plugin_->freeFormatOptions(0, nullptr), 0u);
}

// A null layout is accepted by UXFInitExportFormat and refused by the job.
TEST_F(Plain, NullLayoutFailsAtJobStart) {
    UXFInstance *instance = reinterpret_cast<UXFInstance *>(1);
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(plugin_->initExportFormat(nullptr, nullptr, 0, nullptr, &instance, &hints), 0u);
    LayoutSpec spec = simpleLayout({});
    BuiltLayout layout(spec);
    Engine engine(layout, {});
    EXPECT_EQ(plugin_->startJob(instance, engine.context()), 5u);
    EXPECT_EQ(plugin_->processRecord(instance, 0, 1), 5u);
    EXPECT_TRUE(engine.areaEvents().empty());
    plugin_->termExportFormat(instance, 0);
}

TEST_F(Plain, InconsistentLayoutsFailBeforeAnythingIsWritten) {
    auto withGroups = [](std::uint16_t levels,
                         std::vector<std::pair<std::uint16_t, std::uint16_t>> groupAreas) {
        LayoutSpec spec = simpleLayout({LineSpec{{text(0, "x")}, {}}});
        spec.areas[0].lines.push_back(LineSpec{{text(0, "opening")}, {}});
        spec.levels = levels;
        for (auto [kind, level] : groupAreas) {
            AreaSpec a;
            a.kind = kind;
            a.group = level;
            spec.areas.push_back(a);
        }
        return spec;
    };
    std::vector<std::pair<const char *, LayoutSpec>> cases;
    {
        LayoutSpec s;
        cases.emplace_back("no areas", s);
    }
    {
        LayoutSpec s = simpleLayout({});
        s.nullAreaArray = true;
        cases.emplace_back("null area array", s);
    }
    cases.emplace_back("header without its footer", withGroups(1, {{UX_AREA_GROUP_HEADER, 1}}));
    cases.emplace_back("level above the count", withGroups(1, {{UX_AREA_GROUP_HEADER, 1},
                                                               {UX_AREA_GROUP_FOOTER, 1},
                                                               {UX_AREA_GROUP_HEADER, 2}}));
    cases.emplace_back("level 0", withGroups(1, {{UX_AREA_GROUP_HEADER, 0},
                                                 {UX_AREA_GROUP_HEADER, 1},
                                                 {UX_AREA_GROUP_FOOTER, 1}}));
    {
        LayoutSpec s = simpleLayout({});
        s.areas.erase(s.areas.begin() + 2);
        cases.emplace_back("closing area missing", s);
    }
    {
        LayoutSpec s = simpleLayout({});
        s.areas[1].withGroup = false;
        cases.emplace_back("details without group record", s);
    }
    {
        LayoutSpec s = simpleLayout({});
        s.areas[2].withStyle = false;
        cases.emplace_back("area without style", s);
    }
    for (auto &[name, spec] : cases) {
        for (std::uint32_t index : {kText, kTab}) {
            FormatOutcome o = run(spec, {Record{}}, index);
            EXPECT_EQ(o.result, 5u) << name;
            EXPECT_EQ(o.output, "") << name;
            EXPECT_TRUE(o.areas.empty()) << name;
        }
    }
}

// --- Items on a line ----------------------------------------------------------

TEST_F(Plain, TabOnlyAndNullTextItemsWriteNothing) {
    LineSpec line{{text(0, "\t"), text(300, std::nullopt), text(500, "A")}, {}};
    EXPECT_EQ(lines({line}, {}, kText), "     A\r\n");
    EXPECT_EQ(lines({line}, {}, kTab), "\"A\"\r\n");
}

TEST_F(Plain, EqualPositionsPutTheTextItemFirstAndPositionsAreSigned) {
    LineSpec equal{{text(500, "ab")}, {field(500, 300, 0)}};
    EXPECT_EQ(lines({equal}, {"X"}, kText), "     abX\r\n");
    EXPECT_EQ(lines({equal}, {"X"}, kTab), "\"ab\"\t\"X\"\r\n");
    // -100 is left of 0: the field comes first.
    LineSpec negative{{text(0, "T")}, {field(-100, 300, 0)}};
    EXPECT_EQ(lines({negative}, {"F"}, kTab), "\"F\"\t\"T\"\r\n");
}

TEST_F(Plain, TabSeparatedLineOfTextValueAndNumber) {
    LineSpec line{{text(0, "Name")}, {field(1000, 1000, 0), field(2000, 1000, 1, UX_KIND_INT32_A)}};
    EXPECT_EQ(lines({line}, {"Smith", "12"}, kTab), "\"Name\"\t\"Smith\"\t12\r\n");
}

// Double quotes inside quoted texts and text values are doubled, so a
// standard reader gets the value back; tabs stay as they are; numbers are
// never quoted.
TEST_F(Plain, TabSeparatedDoublesQuotesInsideQuotedTexts) {
    Value number("5");
    number.pieces = std::make_shared<Pieces>(
        Pieces{std::nullopt, std::nullopt, std::string("5\""), std::nullopt, std::nullopt});
    LineSpec line{{text(0, "a \"b\"")},
                  {field(1000, 1000, 0), field(2000, 1000, 1, UX_KIND_INT32_A)}};
    EXPECT_EQ(lines({line}, {"say \"hi\"\tnow", number}, kTab),
              "\"a \"\"b\"\"\"\t\"say \"\"hi\"\"\tnow\"\t5\"\r\n");
}

TEST_F(Plain, LinesAreCutAt511Characters) {
    const std::string longText(600, 'x');
    for (std::uint32_t index : {kText, kTab}) {
        const std::string out = lines({LineSpec{{text(0, longText)}, {}}}, {}, index);
        ASSERT_EQ(out.size(), 513u);
        EXPECT_EQ(out.substr(511), "\r\n");
        EXPECT_EQ(out.find_first_not_of(index == kTab ? "x\"" : "x"), 511u);
    }
}

// --- Blank lines and suppressed fields ---------------------------------------------

TEST_F(Plain, BlankLinesFollowTheAreasRule) {
    LineSpec blank{{text(0, " \" \t ")}, {}};
    LineSpec empty{};
    for (std::uint32_t index : {kText, kTab}) {
        EXPECT_EQ(lines({blank}, {}, index, true), "") << index;
        EXPECT_EQ(lines({empty}, {}, index, true), "") << index;
        EXPECT_EQ(lines({empty}, {}, index, false), "\r\n") << index;
    }
    EXPECT_EQ(lines({blank}, {}, kText, false), " \" \t \r\n");
    EXPECT_EQ(lines({blank}, {}, kTab, false), "\" \"\" \t \"\r\n");
}

// Hidden, zero-suppressed and duplicate-suppressed fields: in the text format a
// line of them writes no line at all, even where blank lines are kept; in
// tab-separated text they are empty values, a line of which is blank.
TEST_F(Plain, LineOfSuppressedFields) {
    FieldSpec hidden = field(0, 500, 0);
    hidden.hidden = true;
    FieldSpec zero = field(500, 500, 1, UX_KIND_INT16_A);
    zero.growOrZero = true;
    FieldSpec dup = field(1000, 500, 2);
    dup.suppressDuplicates = true;
    LayoutSpec spec = simpleLayout({LineSpec{{}, {hidden, zero, dup}}});
    const std::vector<Record> records = {{"h", "0", "same"}, {"h", "0", "same"}};

    EXPECT_EQ(run(spec, records, kText).output, "          same\r\n");
    EXPECT_EQ(run(spec, records, kTab).output, "\"\"\t\"same\"\r\n\"\"\t\"\"\r\n");
    spec.areas[1].dropBlank = true;
    EXPECT_EQ(run(spec, records, kTab).output, "\"\"\t\"same\"\r\n");
    // A value that is not zero is written.
    EXPECT_EQ(run(spec, {{"h", "7", "x"}}, kText).output, "         7x\r\n");
}

// --- Positioned text ------------------------------------------------------------------

TEST_F(Plain, OverlappingTextItemsAreSeparatedByOneSpace) {
    EXPECT_EQ(lines({LineSpec{{text(0, "abc"), text(100, "de"), text(-500, "f")}, {}}}, {}, kText),
              "abc de f\r\n");
}

// The "|" text item at column 10 lands one space after a value that reached
// column 10 (a text item never touches what stands before it).
TEST_F(Plain, ValuesAreAlignedInTheirField) {
    struct Case {
        const char *name;
        std::uint16_t kind;
        std::uint16_t alignment;
        const char *value;
        const char *expected;
    } cases[] = {
        {"number, default alignment: right", UX_KIND_INT32_A, 0, "42", "        42 |"},
        {"date, default alignment: left", UX_KIND_DATE, 0, "2024-01-31", "2024-01-31 |"},
        {"text, default alignment: left", UX_KIND_TEXT_A, 0, "ab", "ab        |"},
        {"boolean, default alignment: left", UX_KIND_BOOLEAN, 0, "1", "True      |"},
        {"centred", UX_KIND_TEXT_A, 2, "abc", "   abc    |"},
        {"right", UX_KIND_TEXT_A, 3, "abc", "       abc |"},
        {"left number", UX_KIND_INT32_A, 1, "-7", "-7        |"},
        {"cut on the right", UX_KIND_TEXT_A, 0, "abcdefghijkl", "abcdefghij |"},
        {"unknown alignment", UX_KIND_TEXT_A, 9, "abc", "          |"},
    };
    for (const Case &c : cases) {
        FieldSpec f = field(0, 1000, 0, c.kind);
        f.alignment = c.alignment;
        EXPECT_EQ(lines({LineSpec{{text(1000, "|")}, {f}}}, {c.value}, kText),
                  std::string(c.expected) + "\r\n")
            << c.name;
    }
}

TEST_F(Plain, FontWidthIsMeasuredOnceAndKept) {
    LayoutSpec spec = simpleLayout({LineSpec{{}, {field(0, 1000, 0)}}});
    spec.fonts.push_back(FontSpec{0});
    spec.areas[1].lines[0].fields[0].font = 1;
    host_.setFontWidth(reinterpret_cast<void *>(2), 200); // handle of font 1
    FormatOutcome o = run(spec, {{"abcdefgh"}, {"ijklmnop"}}, kText);
    EXPECT_EQ(o.output, "abcde\r\nijklm\r\n"); // 1000 / 200 = 5 characters
    EXPECT_EQ(packed(layout_->font(1)->avg_char_width), 200);
    ASSERT_EQ(host_.measurements().size(), 1u);
    EXPECT_EQ(host_.measurements()[0].dc, Engine::deviceContext());
}

// A width that cannot be measured counts as 100 layout units per character
// (instead of a division by 0) and stays unmeasured in the layout.
TEST_F(Plain, UnmeasurableFontCountsOneCharacterPerColumn) {
    LayoutSpec spec = simpleLayout({LineSpec{{}, {field(0, 500, 0)}}});
    spec.fonts[0].avgWidth = 0;
    host_.setMeasurementFails(true);
    EXPECT_EQ(run(spec, {{"abcdefgh"}}, kText).output, "abcde\r\n");
    EXPECT_EQ(packed(layout_->font(0)->avg_char_width), 0);
    ScriptedHost::uninstallFrom(plugin_->handle()); // no host at all: the same
    EXPECT_EQ(run(spec, {{"abcdefgh"}}, kText).output, "abcde\r\n");
}

// --- Growing fields -------------------------------------------------------------------

TEST_F(Plain, GrowingFieldsWrapIntoContinuationLines) {
    struct Case {
        const char *name;
        std::uint16_t width;
        std::uint16_t maxLines;
        const char *value;
        const char *expected;
    } cases[] = {
        {"alpha and beta", 600, 0, "alpha beta", "alpha \r\nbeta  \r\n"},
        {"empty paragraph skipped", 600, 0, "one\r\n\r\ntwo", "one \r\ntwo \r\n"},
        {"long word cut, rest dropped", 300, 0, "abcdefg hi", "abc\r\nhi \r\n"},
        {"two-line maximum", 300, 2, "aa bb cc dd", "aa \r\nbb \r\n"},
        {"no maximum", 300, 0, "aa bb cc dd", "aa \r\nbb \r\ncc \r\ndd \r\n"},
        {"fits on one line", 1000, 0, "short", "short     \r\n"},
        {"0x8D LF is a break", 1000, 0, "a\x8d\nb", "a       \r\nb         \r\n"},
    };
    for (const Case &c : cases) {
        FieldSpec f = field(0, c.width, 0);
        f.growOrZero = true;
        f.maxLines = c.maxLines;
        LayoutSpec spec = simpleLayout({LineSpec{{}, {f}}});
        FormatOutcome o = run(spec, {{c.value}}, kText);
        EXPECT_EQ(o.result, 0u) << c.name;
        EXPECT_EQ(o.output, c.expected) << c.name;
    }
}

// Other items of the line stand on the first line only; the next record starts
// the field's text afresh.
TEST_F(Plain, GrowingFieldWithOtherItemsAndSeveralRecords) {
    FieldSpec grow = field(200, 600, 0);
    grow.growOrZero = true;
    LayoutSpec spec = simpleLayout({LineSpec{{text(0, "#"), text(900, "|")}, {grow}}});
    FormatOutcome o = run(spec, {{"alpha beta"}, {"gamma"}}, kText);
    EXPECT_EQ(o.output, "# alpha  |\r\n  beta  \r\n# gamma  |\r\n");
}

// A field too narrow for one character ends after its first line instead of
// producing continuation lines for ever.
TEST_F(Plain, GrowingFieldNarrowerThanACharacterEnds) {
    FieldSpec grow = field(0, 50, 0);
    grow.growOrZero = true;
    LayoutSpec spec = simpleLayout({LineSpec{{text(300, "x")}, {grow}}});
    FormatOutcome o = run(spec, {{"abc def"}}, kText);
    EXPECT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "   x\r\n");
}

// With two growing fields the continuation goes on while either has text left
// (and its own maximum allows), so the shorter field does not cut the longer.
TEST_F(Plain, TwoGrowingFieldsContinueUntilBothEnd) {
    FieldSpec longer = field(0, 300, 0);
    longer.growOrZero = true;
    FieldSpec shorter = field(400, 300, 1);
    shorter.growOrZero = true;
    LayoutSpec spec = simpleLayout({LineSpec{{}, {longer, shorter}}});
    EXPECT_EQ(run(spec, {{"aa bb cc", "x"}}, kText).output, "aa  x  \r\nbb     \r\ncc     \r\n");
    spec.areas[1].lines[0].fields[0].maxLines = 1;
    EXPECT_EQ(run(spec, {{"aa bb cc", "x yy"}}, kText).output, "aa  x  \r\n    yy \r\n");
}

// The continuation pass notes the output position and goes back to it when
// it wrote nothing.
TEST_F(Plain, ContinuationPassesUseTheOutputPosition) {
    FieldSpec grow = field(0, 600, 0);
    grow.growOrZero = true;
    LayoutSpec spec = simpleLayout({LineSpec{{}, {grow}}});
    FormatOutcome o = run(spec, {{"alpha beta"}}, kText);
    EXPECT_EQ(o.output, "alpha \r\nbeta  \r\n");
    EXPECT_EQ(o.seeks, 1u); // one pass, which wrote its line
    // A pass that writes nothing (the engine reports the value repeated on
    // the continuation, and duplicates are suppressed) goes back to the
    // noted position.
    FieldSpec dup = grow;
    dup.suppressDuplicates = true;
    spec.areas[1].lines[0].fields[0] = dup;
    Value first("alpha beta");
    first.repeat = false;
    FormatOutcome back =
        run(spec, {{first}}, kText, [](Engine &e) { e.repeatAfterFirstCall = true; });
    EXPECT_EQ(back.output, "alpha \r\n");
    EXPECT_EQ(back.seeks, 2u); // noted, then returned to
}

// --- Failures -----------------------------------------------------------------------------

TEST_F(Plain, ShortWritesAndCallbackErrorsEndTheCall) {
    LayoutSpec spec = simpleLayout({LineSpec{{text(0, "abc")}, {field(500, 500, 0)}}});
    for (std::uint32_t index : {kText, kTab}) {
        FormatOutcome shortWrite =
            run(spec, {{"v"}}, index, [](Engine &e) { e.output().acceptAtMost = 3; });
        EXPECT_EQ(shortWrite.result, 3u);
        EXPECT_EQ(shortWrite.openAreas, 0u); // EndArea followed the failure

        FormatOutcome failing = run(spec, {{"v"}}, index, [](Engine &e) {
            e.output().failOnWrite = 1;
            e.output().failCode = 42;
        });
        EXPECT_EQ(failing.result, 42u);

        FormatOutcome valueError =
            run(spec, {{"v"}}, index, [](Engine &e) { e.failReportValue = 77; });
        EXPECT_EQ(valueError.result, 77u);
        EXPECT_EQ(valueError.output, ""); // the half-built line is not written
    }
}

// The same instance may run another job after a failed one; the line the
// failure left half built is gone.
TEST_F(Plain, AFailedLineLeavesNothingForTheNextJob) {
    LayoutSpec spec = simpleLayout({LineSpec{{text(0, "abc")}, {field(500, 500, 0)}}});
    BuiltLayout layout(spec);
    for (std::uint32_t index : {kText, kTab}) {
        UXFInstance *instance = nullptr;
        const FileDialogHintTable *hints = nullptr;
        ASSERT_EQ(
            plugin_->initExportFormat(nullptr, layout.layout(), index, nullptr, &instance, &hints),
            0u);
        Engine failing(layout, {{"v"}});
        failing.failReportValue = 77;
        EXPECT_EQ(runJob(*plugin_, instance, failing), 77u);
        Engine good(layout, {{"v"}});
        EXPECT_EQ(runJob(*plugin_, instance, good), 0u);
        EXPECT_EQ(good.output().bytes, index == kText ? "abc  v\r\n" : "\"abc\"\t\"v\"\r\n");
        plugin_->termExportFormat(instance, 0);
    }
}

// --- Grid mode and repeated details --------------------------------------------------------

TEST_F(Plain, GridRowsBecomeLines) {
    LayoutSpec spec = simpleLayout({LineSpec{{text(0, "never")}, {}}});
    spec.mode = UX_LAYOUT_MODE_GRID;
    GridCellSpec name;
    name.position = 0;
    name.width = 600;
    name.field = field(0, 600, 0);
    name.raw = Value("ab\"c");
    GridCellSpec amount;
    amount.position = 700;
    amount.width = 500;
    amount.field = field(700, 500, 0, UX_KIND_INT32_A);
    amount.raw = Value("12");
    GridCellSpec zero = amount;
    zero.field.growOrZero = true;
    zero.raw = Value("0");
    spec.grid = {{name, std::nullopt, amount}, {std::nullopt, zero}};
    spec.areas[1].dropBlank = true;

    FormatOutcome tab = run(spec, {Record{}}, kTab);
    EXPECT_EQ(tab.result, 0u);
    EXPECT_EQ(tab.output, "\"ab\"\"c\"\t\"\"\t12\r\n"); // the second row is blank
    FormatOutcome plain = run(spec, {Record{}}, kText);
    EXPECT_EQ(plain.output, "ab\"c      12\r\n");
}

TEST_F(Plain, DetailsRepeatAsTheirGroupRecordSays) {
    LayoutSpec spec = simpleLayout({LineSpec{{}, {field(0, 300, 0)}}});
    spec.areas[1].group = 2;
    EXPECT_EQ(run(spec, {{"a"}, {"b"}}, kTab).output, "\"a\"\r\n\"a\"\r\n\"b\"\r\n\"b\"\r\n");
}

} // namespace
