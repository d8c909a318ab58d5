// The stand-in report engine: layout descriptions, CSV tables, value
// formatting with the number and date records, the output stream, group
// endings, and a whole export through fmtplain and destfile.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <stdexcept>
#include <string>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/plugin_library.h"

using namespace uxhost;

namespace {

// A copy of a field of a packed engine record: GoogleTest compares by
// reference, and a reference to a packed field may be misaligned.
template <class T> T packed(T value) {
    return value;
}

TEST(LayoutDescription, BuildsTheEngineRecords) {
    const LayoutSpec spec = parseLayout(R"(# a grouped report
levels 1
group 0
font 0
area 1
line
text 0 "Report\t\"x\""
area 2 group=1
line
field 0 2000 0 kind=10
area 3 group=2 dropblank
line
text -200 null font=1
field 300 1200 1 kind=6 align=3 zero nodup
field 1600 800 2 kind=11 grow max=2 hidden class=3
area 4 group=1 hidden
area 6
)");
    BuiltLayout built(spec);
    ReportLayout *layout = built.layout();
    ASSERT_EQ(packed(layout->area_count), 5);
    EXPECT_EQ(packed(layout->group_levels), 1);
    EXPECT_EQ(packed(layout->mode), 0);
    LayoutArea *details = layout->areas[2];
    EXPECT_EQ(packed(details->kind), 3);
    EXPECT_EQ(packed(details->group->level), 2);
    EXPECT_EQ(packed(details->style->drop_blank_lines), 1u);
    EXPECT_EQ(packed(layout->areas[3]->style->shown), 0u);
    EXPECT_STREQ(layout->areas[0]->lines[0]->texts[0]->text, "Report\t\"x\"");
    LayoutLine *line = details->lines[0];
    ASSERT_EQ(packed(line->text_count), 1);
    EXPECT_EQ(packed(line->texts[0]->text), nullptr);
    EXPECT_EQ(packed(line->texts[0]->position), -200);
    EXPECT_EQ(packed(line->texts[0]->font->avg_char_width), 0);
    ASSERT_EQ(packed(line->field_count), 2);
    FieldItem *number = line->fields[0];
    EXPECT_EQ(packed(number->width), 1200);
    EXPECT_EQ(packed(number->descriptor->kind), 6);
    EXPECT_EQ(packed(number->style->alignment), 3);
    EXPECT_EQ(packed(number->style->suppress_zero_or_grow), 1u);
    EXPECT_EQ(packed(number->suppress_duplicates), 1u);
    FieldItem *note = line->fields[1];
    EXPECT_EQ(packed(note->style->max_lines), 2);
    EXPECT_EQ(packed(note->hidden), 1u);
    EXPECT_EQ(packed(note->descriptor->field_class), 3);
    EXPECT_EQ(built.columnOf(note), 2);
}

TEST(LayoutDescription, ErrorsNameTheLineAndStatement) {
    struct Case {
        const char *text;
        const char *message;
    } cases[] = {
        {"area 3\nline\nfield 0 100 0 colour=red\n",
         "line 3 (field): unknown option \"colour=red\""},
        {"text 0 \"x\"\n", "line 1 (text): a text item needs a line before it"},
        {"area 3\nline\ntext 0 \"open\n", "line 3: a quoted text is not closed"},
        {"area x\n", "line 1 (area): \"x\" is not an integer"},
        {"picture 1\n", "line 1 (picture): unknown statement"},
    };
    for (const Case &c : cases) {
        try {
            parseLayout(c.text);
            ADD_FAILURE() << c.text;
        } catch (const std::runtime_error &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    LayoutSpec badFont = simpleLayout({LineSpec{{{0, "x", 3}}, {}}});
    EXPECT_THROW(BuiltLayout{badFont}, std::runtime_error);
    EXPECT_THROW(rawBytes(UX_KIND_INT8_A, "300"), std::runtime_error);
    EXPECT_THROW(rawBytes(UX_KIND_DATE, "31.1.2024"), std::runtime_error);
    EXPECT_EQ(rawBytes(UX_KIND_INT32_A, ""), ""); // no value
}

TEST(Csv, QuotedFieldsAndLineEnds) {
    std::vector<std::string> header;
    const auto rows = parseCsv("a,b,c\r\n1,\"x, \"\"y\"\"\",\n\"two\nlines\",,3", &header);
    EXPECT_EQ(header, (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1].source, "x, \"y\"");
    EXPECT_EQ(rows[0][2].source, "");
    EXPECT_EQ(rows[1][0].source, "two\nlines");
    EXPECT_EQ(rows[1][2].source, "3");
    EXPECT_THROW(parseCsv("a\n\"open"), std::runtime_error);
    EXPECT_THROW(parseCsv("a\nx\"y\n"), std::runtime_error);
}

// FormatRawValue with the plug-ins' records, as engine.h documents it.
TEST(Formatting, NumberAndDateRecords) {
    FieldItem item{};
    FieldStyle style{};
    item.style = &style;
    auto number = [&](std::uint16_t kind, const std::string &source, NumberFormatRecord f) {
        const std::string raw = rawBytes(kind, source);
        std::array<std::optional<std::string>, 5> pieces;
        Engine::formatRaw(kind, raw.empty() ? nullptr : raw.data(), &f, &item, pieces);
        std::string out;
        for (auto &p : pieces)
            out += p.value_or("");
        return out;
    };
    NumberFormatRecord f{};
    f.size = 50;
    f.decimals = 2;
    f.decimal_separator = '.';
    f.thousands_separator = ',';
    f.leading_zero = 1;
    f.negative_style = 1;
    EXPECT_EQ(number(UX_KIND_NUMBER, "-1234567.891", f), "-1,234,567.89");
    EXPECT_EQ(number(UX_KIND_NUMBER, "0.5", f), "0.50");
    f.leading_zero = 0;
    EXPECT_EQ(number(UX_KIND_NUMBER, "0.5", f), ".50");
    f.negative_style = 2;
    EXPECT_EQ(number(UX_KIND_INT16_A, "-12", {f}), "12.00-"); // integers: decimals as given
    f.negative_style = 3;
    f.decimals = 0;
    f.thousands_separator = 0;
    EXPECT_EQ(number(UX_KIND_INT32_A, "-123456", f), "(123456)");
    f.decimals = 3;
    f.decimal_separator = 0; // no separator (an empty sDecimal): the decimals after "."
    EXPECT_EQ(number(UX_KIND_NUMBER, "2.75", f), "2.750");
    const char euro[] = "EUR";
    f.decimal_separator = ',';
    f.decimals = 2;
    f.currency_symbol = euro;
    f.symbol_first = 0;
    f.symbol_spacing = 1;
    EXPECT_EQ(number(UX_KIND_CURRENCY, "3.5", f), "3,50 EUR");
    f.symbol_first = 1;
    f.symbol_spacing = 2;
    EXPECT_EQ(number(UX_KIND_CURRENCY, "3.5", f), "EUR3,50");
    EXPECT_EQ(number(UX_KIND_NUMBER, "", f), ""); // no value

    auto date = [&](DateFormatRecord d) {
        const std::string raw = rawBytes(UX_KIND_DATE, "2024-03-07");
        std::array<std::optional<std::string>, 5> pieces;
        Engine::formatRaw(UX_KIND_DATE, raw.data(), &d, &item, pieces);
        return pieces[2].value_or("");
    };
    DateFormatRecord d{};
    d.size = 24;
    d.order = 1;
    d.day_leading_zero = d.month_leading_zero = d.four_digit_year = 1;
    d.separator1 = d.separator2 = ".";
    EXPECT_EQ(date(d), "07.03.2024");
    d.order = 2;
    d.day_leading_zero = d.month_leading_zero = d.four_digit_year = 0;
    d.separator1 = d.separator2 = "/";
    EXPECT_EQ(date(d), "3/7/24");
    d.order = 0;
    d.separator1 = d.separator2 = "-";
    EXPECT_EQ(date(d), "24-3-7");

    // The item's own style (grid cells) means "as in the report".
    const std::string raw = rawBytes(UX_KIND_CURRENCY, "-1234.5");
    std::array<std::optional<std::string>, 5> pieces;
    Engine::formatRaw(UX_KIND_CURRENCY, raw.data(), &style, &item, pieces);
    EXPECT_EQ(pieces[0].value_or("") + pieces[1].value_or("") + pieces[2].value_or(""),
              "$-1,234.50");
}

TEST(EngineState, OutputSeeksAndGroupEndings) {
    LayoutSpec spec = simpleLayout({});
    spec.levels = 2;
    spec.groupColumns = {0, 1};
    BuiltLayout layout(spec);
    Engine engine(layout, {{"a", "x"}, {"a", "x"}, {"a", "y"}, {"b", "y"}});
    EXPECT_EQ(engine.endingLevels(0), 0);
    EXPECT_EQ(engine.endingLevels(1), 1);
    EXPECT_EQ(engine.endingLevels(2), 2);
    EXPECT_EQ(engine.endingLevels(3), 2);

    JobContext *c = engine.context();
    std::uint16_t written = 0;
    std::uint32_t position = 0;
    ASSERT_EQ(c->write_output(c->engine, 0, 6, &written, "abcdef"), 0u);
    EXPECT_EQ(c->seek_output(c->engine, 0, 1, 0, &position), 0u);
    EXPECT_EQ(position, 6u);
    EXPECT_EQ(c->seek_output(c->engine, 0, 0, 2, &position), 0u);
    ASSERT_EQ(c->write_output(c->engine, 0, 2, &written, "XY"), 0u);
    EXPECT_EQ(engine.output().bytes, "abXYef"); // overwritten in place
    EXPECT_NE(c->seek_output(c->engine, 0, 1, -10, &position), 0u);
    engine.output().acceptAtMost = 1;
    ASSERT_EQ(c->write_output(c->engine, 0, 3, &written, "123"), 0u);
    EXPECT_EQ(written, 1);
}

// --- A whole export -------------------------------------------------------------------

class WholeExport : public ::testing::Test {
protected:
    uxtest::ProfileScope profile_{std::nullopt};
    uxtest::TempDir dir_;
    ScriptedHost host_;
    LayoutSpec spec_ = parseLayout(R"(area 1
line
text 0 "Item"
text 1000 "Qty"
area 3
line
field 0 1000 0
field 1000 500 1 kind=4
area 6
)");
};

TEST_F(WholeExport, FixedNameThroughFmtplainAndDestfile) {
    BuiltLayout layout(spec_);
    ExportSettings settings;
    settings.formatIndex = 1;
    settings.fixedName = dir_.file("Out.TTX");
    settings.host = &host_;
    ExportResult r = runExport(settings, layout, {{"nut", "3"}, {"bolt", "12"}});
    ASSERT_EQ(r.result, 0u) << r.failedStep;
    EXPECT_EQ(r.fileName, settings.fixedName);
    EXPECT_EQ(r.formatNames, (std::vector<std::string>{"Text", "Tab-separated text"}));
    const std::string expected = "\"Item\"\t\"Qty\"\r\n\"nut\"\t3\r\n\"bolt\"\t12\r\n";
    EXPECT_EQ(r.output, expected);
    EXPECT_EQ(uxtest::readFile(*settings.fixedName), expected);
    EXPECT_TRUE(host_.saveRequests().empty());
}

// The format's hint becomes the destination's file request: the Save dialog
// shows its title, filter and pattern; the chosen file receives the output.
TEST_F(WholeExport, SaveDialogFromTheFormatsHint) {
    BuiltLayout layout(spec_);
    ExportSettings settings;
    settings.host = &host_;
    const std::string chosen = dir_.file("report.txt");
    host_.queueSaveAnswer(chosen);
    ExportResult r = runExport(settings, layout, {{"nut", "3"}});
    ASSERT_EQ(r.result, 0u) << r.failedStep;
    ASSERT_EQ(host_.saveRequests().size(), 1u);
    const auto &request = host_.saveRequests()[0];
    EXPECT_EQ(request.title.value_or(""), "Choose Export File");
    EXPECT_EQ(request.filter, (std::vector<std::string>{"Text (*.txt)", "*.txt"}));
    EXPECT_EQ(request.file, "*.txt");
    EXPECT_EQ(request.defaultExt.value_or(""), "txt");
    EXPECT_EQ(uxtest::readFile(chosen), "Item      Qty\r\nnut           3\r\n");

    // Cancelled: result 6, no file.
    host_.queueSaveCancel();
    const std::string other = dir_.file("never.txt");
    ExportResult cancelled = runExport(settings, layout, {{"nut", "3"}});
    EXPECT_EQ(cancelled.result, 6u);
    EXPECT_EQ(cancelled.failedStep, "UXDInitExportDestination");
    EXPECT_FALSE(uxtest::readFile(other).has_value());
}

TEST_F(WholeExport, UnknownPluginIsNamed) {
    BuiltLayout layout(spec_);
    ExportSettings settings;
    settings.format = "fmtnothing";
    try {
        runExport(settings, layout, {});
        ADD_FAILURE();
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find("fmtnothing.so"), std::string::npos);
    }
}

} // namespace
