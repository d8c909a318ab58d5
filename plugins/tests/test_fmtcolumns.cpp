// fmtcolumns through the stand-in report engine: "Record style (columns of
// values)".
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"
#include "support/format_fixture.h"
#include "support/plugin_library.h"

using namespace uxhost;
using uxtest::packed;

namespace {

struct ColumnsPlugin {
    static constexpr const char *name = "fmtcolumns";
};

FieldSpec field(int column, std::uint16_t width, std::uint16_t kind = UX_KIND_TEXT_A,
                std::uint16_t alignment = UX_ALIGN_DEFAULT) {
    FieldSpec f;
    f.position = static_cast<std::int16_t>(column * 1000);
    f.width = width;
    f.column = column;
    f.kind = kind;
    f.alignment = alignment;
    return f;
}

LayoutSpec row(std::vector<FieldSpec> fields) {
    return simpleLayout({LineSpec{{}, std::move(fields)}});
}

const NumberDateOptions kAsInReport{sizeof(NumberDateOptions), 1, 1};

class Columns : public uxtest::FormatFixture<ColumnsPlugin> {
protected:
    FormatOutcome records(const LayoutSpec &spec, std::vector<Record> data,
                          const std::function<void(Engine &)> &prepare = {}) {
        return run(spec, std::move(data), 0, prepare, &kAsInReport);
    }
};

TEST_F(Columns, PublishesOneFormatAndAnswersErrorTexts) {
    const FormatTable *table = plugin_->getExportFormats();
    ASSERT_EQ(packed(table->count), 1);
    EXPECT_STREQ(table->entries[0]->name, "Record style (columns of values)");
    LayoutSpec spec = row({});
    BuiltLayout layout(spec);
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(
        plugin_->initExportFormat(nullptr, layout.layout(), 5, &kAsInReport, &instance, &hints),
        0u);
    EXPECT_STREQ(hints->hints[0]->filter_description, "Record style (*.rec)");
    EXPECT_STREQ(hints->hints[0]->default_extension, "rec");
    EXPECT_STREQ(plugin_->getErrorText(instance), "Error in \"Record Export Format DLL\".");
    plugin_->termExportFormat(instance, 0);
    EXPECT_STREQ(plugin_->getErrorText(nullptr), "Error in \"Record Export Format DLL\".");
    EXPECT_EQ(plugin_->initExportFormat(nullptr, nullptr, 0, &kAsInReport, &instance, &hints), 5u);

    // Without a blob the number and date options dialog; Cancel gives 6.
    ScriptedHost::DialogAnswer cancel;
    cancel.button = UXHOST_IDCANCEL;
    host_.queueDialogAnswer(cancel);
    instance = reinterpret_cast<UXFInstance *>(1);
    EXPECT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), 0, nullptr, &instance, &hints),
              6u);
    EXPECT_EQ(instance, nullptr);
    ASSERT_EQ(host_.dialogs().size(), 1u);
    EXPECT_EQ(host_.dialogs()[0].name, "FmtOptDlg");
}

TEST_F(Columns, ValuesInTheirColumns) {
    FormatOutcome o = records(row({field(0, 600, UX_KIND_INT32_A), field(1, 900, UX_KIND_INT32_A),
                                   field(2, 600, UX_KIND_INT32_A)}),
                              {{"1", "22", "333"}});
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "     1       22   333\r\n");
    EXPECT_EQ(o.output.size(), 23u);

    struct Case {
        FieldSpec f;
        const char *value;
        const char *written;
    } cases[] = {
        {field(0, 600), "abcdefgh", "abcdef"}, // a text is cut
        {field(0, 600, UX_KIND_TEXT_A, UX_ALIGN_CENTRE), "abc", " abc  "},
        {field(0, 600, UX_KIND_TEXT_A, UX_ALIGN_RIGHT), "abc", "   abc"},
        {field(0, 600, UX_KIND_NUMBER), "1234567.89", "######"}, // not 123456
        {field(0, 600, UX_KIND_INT32_A, UX_ALIGN_LEFT), "42", "42    "},
        {field(0, 600, UX_KIND_TEXT_A, 7), "abc", "      "}, // unknown alignment
        {field(0, 900), "two\r\nlines", "two  line"},        // breaks become spaces
    };
    for (const Case &c : cases) {
        o = records(row({c.f, field(1, 300)}), {{c.value, "end"}});
        ASSERT_EQ(o.result, 0u) << c.value;
        EXPECT_EQ(o.output, std::string(c.written) + "end\r\n") << c.value;
    }
}

TEST_F(Columns, HiddenAndClassThreeFieldsTakeNoColumn) {
    FieldSpec hidden = field(1, 500);
    hidden.hidden = true;
    FieldSpec classThree = field(2, 500);
    classThree.fieldClass = 3;
    FormatOutcome o =
        records(row({field(0, 300), hidden, classThree, field(3, 300)}), {{"a", "b", "c", "d"}});
    EXPECT_EQ(o.output, "a  d  \r\n");
}

// Lines without a real value are dropped and leave no bytes behind; zeros and
// duplicates are written in kept lines.
TEST_F(Columns, BlankRecordsLeaveNoBytes) {
    FieldSpec zero = field(0, 400, UX_KIND_INT32_A);
    zero.growOrZero = true; // suppress if zero
    FieldSpec duplicate = field(1, 400);
    duplicate.suppressDuplicates = true;
    const LayoutSpec spec = row({zero, duplicate, field(2, 400)});
    FormatOutcome o = records(
        spec,
        {{"0", "x", "   "}, {"5", "x", ""}, {"0", "x", "\t"}, {"0", "y", "kept"}, {"0", "y", " "}});
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "   0x       \r\n"
                        "   5x       \r\n"
                        "   0y   kept\r\n");
    // Nothing ever went past the end: the file ends with the last kept line.
    EXPECT_EQ(o.seeks, 0u);
}

TEST_F(Columns, FailedMeasurementIsMinusOneWithItsText) {
    LayoutSpec spec = row({field(0, 600)});
    spec.fonts[0].avgWidth = 0; // measured through the host
    struct Case {
        bool fails;
        std::int32_t width;
        std::uint32_t result;
    } cases[] = {{true, 8, 0xFFFFFFFFu}, {false, 70000, 0xFFFFFFFFu}, {false, 150, 0}};
    for (const Case &c : cases) {
        host_.setMeasurementFails(c.fails);
        host_.setDefaultFontWidth(c.width);
        BuiltLayout layout(spec);
        Engine engine(layout, {{"abcdef"}});
        UXFInstance *instance = nullptr;
        const FileDialogHintTable *hints = nullptr;
        ASSERT_EQ(
            plugin_->initExportFormat(nullptr, layout.layout(), 0, &kAsInReport, &instance, &hints),
            0u);
        EXPECT_EQ(runJob(*plugin_, instance, engine), c.result) << c.width;
        if (c.result != 0)
            EXPECT_STREQ(plugin_->getErrorText(instance), "Could not get avg char width");
        else
            EXPECT_EQ(engine.output().bytes, "abcd\r\n"); // 600 / 150
        plugin_->termExportFormat(instance, 0);
    }
}

TEST_F(Columns, FailedWriteShowsWriteBlanks) {
    FormatOutcome o =
        records(row({field(0, 600)}), {{"abc"}}, [](Engine &e) { e.output().acceptAtMost = 2; });
    EXPECT_EQ(o.result, 3u);
    ASSERT_EQ(host_.boxes().size(), 1u);
    EXPECT_EQ(host_.boxes()[0].text, "writeBlanks");
    EXPECT_EQ(host_.boxes()[0].caption, "Error");
    EXPECT_EQ(host_.boxes()[0].type, UXHOST_MB_OK | UXHOST_MB_ICONSTOP);
}

TEST_F(Columns, LocaleNumbersAndGridRows) {
    uxtest::ProfileScope profile("[intl]\nsDecimal=,\nsThousand=.\niDigits=1\n");
    const NumberDateOptions locale{sizeof(NumberDateOptions), 0, 0};
    FormatOutcome o = run(row({field(0, 1000, UX_KIND_NUMBER)}), {{"1234.56"}}, 0, {}, &locale);
    EXPECT_EQ(o.output, "   1.234,6\r\n");

    LayoutSpec grid = simpleLayout({});
    grid.mode = UX_LAYOUT_MODE_GRID;
    GridCellSpec a;
    a.field = field(0, 400);
    a.raw = Value("ab");
    GridCellSpec n;
    n.field = field(0, 400, UX_KIND_INT32_A);
    n.raw = Value("7");
    grid.grid = {{a, std::nullopt, n}, {std::nullopt, n}};
    o = records(grid, {{"r"}});
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "ab     7\r\n   7\r\n");
}

TEST_F(Columns, LanguageLibraryTexts) {
    plugin_->terminate();
    {
        uxtest::ProfileScope german("[intl]\nsLanguage=xa\n");
        ASSERT_EQ(plugin_->initialize(0), 0u);
        EXPECT_STREQ(plugin_->getExportFormats()->entries[0]->name, "Satzformat (Wertespalten)");
        EXPECT_STREQ(plugin_->getErrorText(nullptr), "Fehler im Satzformat.");
        // A text the library lacks comes from the plug-in's own resources.
        FormatOutcome o = records(row({field(0, 600)}), {{"abc"}},
                                  [](Engine &e) { e.output().acceptAtMost = 1; });
        EXPECT_EQ(o.result, 3u);
        ASSERT_EQ(host_.boxes().size(), 1u);
        EXPECT_EQ(host_.boxes()[0].caption, "Fehler");
        EXPECT_EQ(host_.boxes()[0].text, "writeBlanks");
        plugin_->terminate();
    }
    ASSERT_EQ(plugin_->initialize(0), 0u); // for TearDown
}

} // namespace
