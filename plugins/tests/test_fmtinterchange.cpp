// fmtinterchange through the stand-in report engine: "Data Interchange
// Format (DIF)".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fmtinterchange/plain_number.h"
#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/format_fixture.h"
#include "support/plugin_library.h"

using namespace uxhost;
using uxtest::packed;

namespace {

struct DifPlugin {
    static constexpr const char *name = "fmtinterchange";
};

FieldSpec field(std::int16_t position, int column, std::uint16_t kind = UX_KIND_TEXT_A) {
    FieldSpec f;
    f.position = position;
    f.column = column;
    f.kind = kind;
    return f;
}

std::string header(const char *vectors, const char *tuples) {
    auto count = [](const char *n) { return std::string(n) + std::string(10 - strlen(n), ' '); };
    return "TABLE\r\n0,1\r\n\"REPORT\"\r\nVECTORS\r\n0," + count(vectors) +
           "\r\n\"\"\r\nTUPLES\r\n0," + count(tuples) + "\r\n\"\"\r\nDATA\r\n0,0\r\n\"\"\r\n";
}

const std::string kBot = "-1,0\r\nBOT\r\n";
const std::string kEod = "-1,0\r\nEOD\r\n";
const std::string kEmpty = "1,0\r\n\"\"\r\n";
std::string str(const std::string &s) {
    return "1,0\r\n\"" + s + "\"\r\n";
}
std::string num(const std::string &s) {
    return "0," + s + "\r\nV\r\n";
}

// Opening and closing areas not shown.
LayoutSpec details(std::vector<LineSpec> lines) {
    LayoutSpec spec = simpleLayout(std::move(lines));
    spec.areas[0].shown = false;
    spec.areas[2].shown = false;
    return spec;
}

const NumberDateOptions kAsInReport{sizeof(NumberDateOptions), 1, 1};
const NumberDateOptions kLocale{sizeof(NumberDateOptions), 0, 0};

class Dif : public uxtest::FormatFixture<DifPlugin> {};

TEST_F(Dif, TwoRecordsWithTheirCounts) {
    FormatOutcome o = run(details({LineSpec{{}, {field(0, 0, UX_KIND_INT32_A), field(900, 1)}}}),
                          {{"12", "Smith"}, {"12", "Smith"}}, 0, {}, &kAsInReport);
    ASSERT_EQ(o.result, 0u);
    const std::string tuple = num("12") + str("Smith");
    EXPECT_EQ(o.output, header("2", "4") + kBot + tuple + kBot + tuple + kBot + kBot + kEod);
    const FormatTable *table = plugin_->getExportFormats();
    EXPECT_STREQ(table->entries[0]->name, "Data Interchange Format (DIF)");
}

TEST_F(Dif, ColumnsBlankLinesAndEmptyNumbers) {
    // A field at position 2000 first on its line: two empty cells before it.
    FormatOutcome o = run(details({LineSpec{{}, {field(2000, 0)}}}), {{"x"}}, 0, {}, &kAsInReport);
    EXPECT_EQ(o.output, header("1", "3") + kBot + kEmpty + kEmpty + str("x") + kBot + kBot + kEod);

    // An empty number keeps its column: the text after it stays in column 2.
    o = run(details({LineSpec{{}, {field(0, 0, UX_KIND_NUMBER), field(900, 1)}}}), {{"", "t"}}, 0,
            {}, &kAsInReport);
    EXPECT_EQ(o.output, header("2", "3") + kBot + kEmpty + str("t") + kBot + kBot + kEod);

    // Line breaks in a string cell become spaces; quotes stay as they are.
    o = run(details({LineSpec{{}, {field(0, 0)}}}), {{"say \"a\"\r\nb"}}, 0, {}, &kAsInReport);
    EXPECT_EQ(o.output, header("1", "3") + kBot + str("say \"a\"  b") + kBot + kBot + kEod);

    // Blank lines (only blanks, or only text items) in an area that drops
    // them leave neither cells nor a tuple.
    LayoutSpec spec =
        details({LineSpec{{}, {field(0, 0)}}, LineSpec{{{0, std::string("label"), 0}}, {}},
                 LineSpec{{}, {field(0, 1)}}});
    spec.areas[1].dropBlank = true;
    o = run(spec, {{"  ", "kept"}}, 0, {}, &kAsInReport);
    EXPECT_EQ(o.output, header("2", "3") + kBot + str("kept") + kBot + kBot + kEod);
}

TEST_F(Dif, BooleansFromTheRawValue) {
    const LayoutSpec spec = details({LineSpec{{}, {field(0, 0, UX_KIND_BOOLEAN)}}});
    const NumberDateOptions *options[] = {&kAsInReport, &kLocale};
    for (const NumberDateOptions *o : options) {
        FormatOutcome out = run(spec, {{"true"}, {"false"}, {""}}, 0, {}, o);
        ASSERT_EQ(out.result, 0u);
        EXPECT_EQ(out.output, header("1", "5") + kBot + "0,1\r\nTRUE\r\n" + kBot +
                                  "0,0\r\nFALSE\r\n" + kBot + kEmpty + kBot + kBot + kEod);
    }
}

TEST_F(Dif, NumberCellsCarryPlainNumbers) {
    struct Case {
        const char *text;
        char thousands, decimal;
        const char *number; // null: a string cell
    } cases[] = {
        {"1,234.50", ',', '.', "1234.50"},
        {"(3)", ',', '.', "-3"},
        {"3-", ',', '.', "-3"},
        {"-3", ',', '.', "-3"},
        {"0,25", '.', ',', "0.25"},
        {"1 234,5", ' ', ',', "1234.5"},
        {"1.234,5", '.', ',', "1234.5"},
        {"$1,234.50", ',', '.', nullptr},
        {"12abc", ',', '.', nullptr},
        {"1.2.3", 0, '.', nullptr},
        {"-", ',', '.', nullptr},
        {".5", ',', '.', ".5"},
    };
    for (const Case &c : cases) {
        std::string number;
        const bool plain = fmtinterchange::plainNumber(c.text, c.thousands, c.decimal, number);
        EXPECT_EQ(plain, c.number != nullptr) << c.text;
        if (plain) {
            EXPECT_EQ(number, c.number) << c.text;
        }
    }

    // Through the plug-in with a locale: numbers plain, the report's currency
    // (with "$") a string cell.
    uxtest::ProfileScope profile("[intl]\nsDecimal=,\nsThousand=.\niDigits=2\niNegCurr=0\n");
    const LayoutSpec spec =
        details({LineSpec{{},
                          {field(0, 0, UX_KIND_NUMBER), field(900, 1, UX_KIND_CURRENCY),
                           field(1800, 2, UX_KIND_DATE)}}});
    FormatOutcome o = run(spec, {{"-1234.5", "1234.5", "2024-03-05"}}, 0, {}, &kLocale);
    EXPECT_EQ(o.output, header("3", "3") + kBot + num("-1234.50") + num("1234.50") +
                            str("24-03-05") + kBot + kBot + kEod);
    o = run(spec, {{"-1234.5", "1234.5", "2024-03-05"}}, 0, {}, &kAsInReport);
    EXPECT_EQ(o.output, header("3", "3") + kBot + num("-1234.50") + str("$1,234.50") +
                            str("2024-03-05") + kBot + kBot + kEod);
}

TEST_F(Dif, GridCellsByKind) {
    LayoutSpec spec = details({});
    spec.mode = UX_LAYOUT_MODE_GRID;
    auto cell = [](std::uint16_t kind, const char *value, bool zero = false) {
        GridCellSpec c;
        c.field.kind = kind;
        c.field.growOrZero = zero;
        c.raw = Value(value);
        return std::optional<GridCellSpec>(c);
    };
    spec.grid = {{cell(UX_KIND_TEXT_A, "a"), std::nullopt, cell(UX_KIND_BOOLEAN, "false"),
                  cell(UX_KIND_DATE, "2024-03-05"), cell(UX_KIND_NUMBER, "0", true),
                  cell(UX_KIND_INT32_A, "7"), cell(UX_KIND_NUMBER, "")}};
    FormatOutcome o = run(spec, {{"r"}}, 0, {}, &kAsInReport);
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, header("7", "1") + kBot + kBot + str("a") + kEmpty + "0,0\r\nFALSE\r\n" +
                            str("2024-03-05") + kEmpty + num("7") + kEmpty + kBot + kEod);
}

TEST_F(Dif, CountsArePaddedWithBlanks) {
    std::vector<Record> many(121, Record{"v"});
    FormatOutcome o =
        run(details({LineSpec{{}, {field(0, 0)}}}), std::move(many), 0, {}, &kAsInReport);
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output.substr(0, header("1", "123").size()), header("1", "123"));
}

TEST_F(Dif, LanguageLibraryTextsAndOwnDialog) {
    plugin_->terminate();
    {
        uxtest::ProfileScope german("[intl]\nsLanguage=xa\n");
        ASSERT_EQ(plugin_->initialize(0), 0u);
        EXPECT_STREQ(plugin_->getExportFormats()->entries[0]->name, "Datenaustauschformat (DIF)");
        ScriptedHost::DialogAnswer cancel;
        cancel.button = UXHOST_IDCANCEL;
        host_.queueDialogAnswer(cancel);
        LayoutSpec spec = details({});
        BuiltLayout layout(spec);
        UXFInstance *instance = reinterpret_cast<UXFInstance *>(1);
        const FileDialogHintTable *hints = nullptr;
        EXPECT_EQ(
            plugin_->initExportFormat(nullptr, layout.layout(), 0, nullptr, &instance, &hints), 6u);
        EXPECT_EQ(instance, nullptr);
        ASSERT_EQ(host_.dialogs().size(), 1u);
        EXPECT_EQ(host_.dialogs()[0].caption, "Number and Date Format Dialog");
        plugin_->terminate();
    }
    ASSERT_EQ(plugin_->initialize(0), 0u); // for TearDown
}

} // namespace
