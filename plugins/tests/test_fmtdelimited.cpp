// fmtdelimited through the stand-in report engine: the exports, the number
// and date options with the locale-based format records, CSV, TSV and
// character-separated values. Every output is read back with the engine's
// strict reader of separated values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

constexpr std::uint32_t kCsv = 0;
constexpr std::uint32_t kTsv = 1;
constexpr std::uint32_t kChar = 2;

struct DelimitedPlugin {
    static constexpr const char *name = "fmtdelimited";
};

FieldSpec field(int column, std::uint16_t kind = UX_KIND_TEXT_A, bool hidden = false) {
    FieldSpec f;
    f.position = static_cast<std::int16_t>(column * 1000);
    f.column = column;
    f.kind = kind;
    f.hidden = hidden;
    return f;
}

// One details line with a field per kind, columns 0, 1, 2, ...
LayoutSpec row(std::vector<std::uint16_t> kinds) {
    LineSpec line;
    for (std::size_t c = 0; c < kinds.size(); ++c)
        line.fields.push_back(field(static_cast<int>(c), kinds[c]));
    return simpleLayout({line});
}

// The options blob of CSV and TSV.
NumberDateOptions numberDate(bool numbers, bool dates) {
    NumberDateOptions o{};
    o.size = sizeof o;
    o.same_number_formats = numbers;
    o.same_date_formats = dates;
    return o;
}

// The number and date format records the plug-in hands to FormatRawValue,
// copied as they were at each call (the plug-in changes them per field).
struct Captured {
    std::uint16_t kind;
    std::string record; // empty: no record or a FieldStyle
};
std::vector<Captured> gCaptured;
UXFormatRawValueFn gForward = nullptr;

std::uint32_t capture(void *engine, FieldItem *item, const void *record, std::uint32_t zero,
                      const void *raw, ValueText **value) {
    Captured c{item->descriptor->kind, {}};
    if (record && record != item->style) {
        std::uint16_t size = 0;
        std::memcpy(&size, record, sizeof size);
        c.record.assign(static_cast<const char *>(record), size);
    }
    gCaptured.push_back(c);
    return gForward(engine, item, record, zero, raw, value);
}

void captureRecords(Engine &engine) {
    gCaptured.clear();
    gForward = engine.context()->format_raw_value;
    engine.context()->format_raw_value = &capture;
}

NumberFormatRecord numberRecord(const Captured &c) {
    NumberFormatRecord f{};
    EXPECT_EQ(c.record.size(), sizeof f);
    std::memcpy(&f, c.record.data(), std::min(c.record.size(), sizeof f));
    return f;
}

DateFormatRecord dateRecord(const Captured &c) {
    DateFormatRecord f{};
    EXPECT_EQ(c.record.size(), sizeof f);
    std::memcpy(&f, c.record.data(), std::min(c.record.size(), sizeof f));
    return f;
}

class Delimited : public uxtest::FormatFixture<DelimitedPlugin> {
protected:
    // One job; the output must read back with `separator` and `quote`.
    std::vector<Record> readBack(const std::string &output, const std::string &separator = ",",
                                 const std::string &quote = "\"") {
        try {
            return parseSeparated(output, separator, quote);
        } catch (const std::exception &e) {
            ADD_FAILURE() << "does not read back: " << e.what() << "\n" << output;
            return {};
        }
    }
    static std::vector<std::string> texts(const Record &r) {
        std::vector<std::string> out;
        for (const Value &v : r)
            out.push_back(v.source);
        return out;
    }
    // The character-separated dialog answered with `separator` and `quote`,
    // then the number and date dialog with OK.
    void answerCharDialogs(const std::string &separator, const std::string &quote) {
        ScriptedHost::DialogAnswer chars;
        chars.texts = {{1000, separator}, {1001, quote}};
        host_.queueDialogAnswer(chars);
        host_.queueDialogAnswer({});
    }
};

// --- The exports ------------------------------------------------------------

TEST_F(Delimited, PublishesThreeFormatsAndTheirHints) {
    const FormatTable *table = plugin_->getExportFormats();
    ASSERT_EQ(packed(table->count), 3);
    EXPECT_STREQ(table->entries[0]->name, "Comma-separated values (CSV)");
    EXPECT_STREQ(table->entries[1]->name, "Tab-separated values");
    EXPECT_STREQ(table->entries[2]->name, "Character-separated values");
    EXPECT_EQ(packed(table->entries[2]->index), 2u);

    LayoutSpec spec = simpleLayout({});
    BuiltLayout layout(spec);
    const NumberDateOptions options = numberDate(false, false);
    struct Case {
        std::uint32_t index;
        const char *filter;
        const char *extension;
    } cases[] = {{0, "Comma-separated (*.csv)", "csv"},
                 {1, "Tab-separated (*.tsv)", "tsv"},
                 {2, "Character-separated (*.chr)", "chr"},
                 {9, "Character-separated (*.chr)", "chr"}};
    for (const Case &c : cases) {
        if (c.index >= 2)
            answerCharDialogs(",", "\"");
        UXFInstance *instance = nullptr;
        const FileDialogHintTable *hints = nullptr;
        ASSERT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), c.index,
                                            c.index < 2 ? &options : nullptr, &instance, &hints),
                  0u);
        const FileDialogHint *hint = hints->hints[0];
        EXPECT_STREQ(hint->title, "Choose Export File");
        EXPECT_STREQ(hint->filter_description, c.filter);
        EXPECT_STREQ(hint->default_extension, c.extension);
        EXPECT_EQ(plugin_->getPageN(instance), 1);
        plugin_->termExportFormat(instance, 0);
    }
    UXFInstance *instance = reinterpret_cast<UXFInstance *>(1);
    const FileDialogHintTable *hints = nullptr;
    EXPECT_EQ(plugin_->initExportFormat(nullptr, nullptr, 0, &options, &instance, &hints), 5u);
    EXPECT_EQ(instance, nullptr);
    EXPECT_EQ(plugin_->getPageN(nullptr), 1);
    EXPECT_EQ(plugin_->getErrorText(nullptr), nullptr);
    EXPECT_EQ(plugin_->startJob(nullptr, nullptr), 5u);
    EXPECT_EQ(plugin_->encodeFormatOptions(nullptr, nullptr, nullptr), 5u);
}

// --- Number and date options ---------------------------------------------------

TEST_F(Delimited, FreshInstanceShowsBothOptionsOffAndCancelGivesSix) {
    LayoutSpec spec = row({UX_KIND_TEXT_A});
    BuiltLayout layout(spec);
    host_.queueDialogAnswer({}); // OK with the boxes as shown
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), kCsv, nullptr, &instance, &hints),
              0u);
    ASSERT_EQ(host_.dialogs().size(), 1u);
    const auto &dialog = host_.dialogs()[0];
    EXPECT_EQ(dialog.name, "FmtOptDlg");
    EXPECT_EQ(dialog.caption, "Number and Date Format Dialog");
    ASSERT_NE(dialog.control(101), nullptr);
    EXPECT_EQ(dialog.control(101)->checked, 0);
    EXPECT_EQ(dialog.control(102)->checked, 0);
    const void *blob = nullptr;
    std::uint16_t size = 0;
    ASSERT_EQ(plugin_->encodeFormatOptions(instance, &blob, &size), 0u);
    const NumberDateOptions off = numberDate(false, false);
    ASSERT_EQ(size, 10);
    EXPECT_EQ(std::memcmp(blob, &off, 10), 0);
    plugin_->termExportFormat(instance, 0);

    // Cancel in the only dialog of CSV and TSV, and in either dialog of the
    // character-separated format.
    struct Case {
        std::uint32_t index;
        bool cancelFirst;
    } cases[] = {{kCsv, true}, {kTsv, true}, {kChar, true}, {kChar, false}};
    for (const Case &c : cases) {
        ScriptedHost::DialogAnswer cancel;
        cancel.button = UXHOST_IDCANCEL;
        if (c.index == kChar && !c.cancelFirst)
            host_.queueDialogAnswer({});
        host_.queueDialogAnswer(cancel);
        instance = reinterpret_cast<UXFInstance *>(1);
        EXPECT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), c.index, nullptr, &instance,
                                            &hints),
                  6u);
        EXPECT_EQ(instance, nullptr);
    }
}

TEST_F(Delimited, DecimalsAndRoundingCodesByKind) {
    uxtest::ProfileScope profile("[intl]\niCurrDigits=2\niDigits=3\n");
    const NumberDateOptions off = numberDate(false, false);
    FormatOutcome o = run(
        row({UX_KIND_INT8_A, UX_KIND_INT16_B, UX_KIND_INT32_A, UX_KIND_NUMBER, UX_KIND_CURRENCY}),
        {{"7", "-300", "1234567", "1234.5678", "-1234.5"}}, kCsv, captureRecords, &off);
    ASSERT_EQ(o.result, 0u);
    ASSERT_EQ(gCaptured.size(), 5u);
    const int decimals[] = {0, 0, 0, 3, 2};
    const int rounding[] = {0, 0, 0, 3, 4};
    for (std::size_t i = 0; i < 5; ++i) {
        const NumberFormatRecord f = numberRecord(gCaptured[i]);
        EXPECT_EQ(packed(f.decimals), decimals[i]) << i;
        EXPECT_EQ(packed(f.rounding), rounding[i]) << i;
        EXPECT_EQ(packed(f.size), 50);
        EXPECT_EQ(packed(f.constant), 1u);
        EXPECT_EQ(packed(f.leading_zero), 1u);
        EXPECT_EQ(f.thousands_separator, ',');
        EXPECT_EQ(f.decimal_separator, '.');
        EXPECT_STREQ(f.currency_symbol, "");
    }
    // Numbers with the thousands separator "," are quoted, so that they stay
    // one value each.
    // iNegCurr 0: negatives in parentheses.
    EXPECT_EQ(o.output, "7,(300),\"1,234,567\",\"1,234.568\",\"(1,234.50)\"\r\n");
    const auto rows = readBack(o.output);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(texts(rows[0]),
              (std::vector<std::string>{"7", "(300)", "1,234,567", "1,234.568", "(1,234.50)"}));

    // The rounding code for every number of decimals.
    const std::pair<int, int> codes[] = {{0, 6},  {1, 5},  {2, 4},  {3, 3},  {4, 2},   {5, 1},
                                         {6, 13}, {7, 14}, {8, 15}, {9, 16}, {10, 17}, {11, 6}};
    for (auto [digits, code] : codes) {
        uxtest::ProfileScope p("[intl]\niDigits=" + std::to_string(digits) + "\n");
        ASSERT_EQ(run(row({UX_KIND_NUMBER}), {{"1"}}, kCsv, captureRecords, &off).result, 0u);
        ASSERT_EQ(gCaptured.size(), 1u);
        EXPECT_EQ(packed(numberRecord(gCaptured[0]).rounding), code) << digits;
    }
}

TEST_F(Delimited, NegativeCurrencySettings) {
    const NumberDateOptions off = numberDate(false, false);
    struct Case {
        int setting;
        int style, spacing, first, between;
    } cases[] = {
        {0, 3, 2, 1, 0}, {1, 1, 2, 1, 0}, {2, 1, 2, 1, 1},  {3, 2, 2, 1, 0},
        {4, 3, 2, 0, 0}, {5, 1, 2, 0, 0}, {6, 2, 2, 0, 1},  {7, 2, 2, 0, 0},
        {8, 1, 1, 0, 0}, {9, 1, 1, 1, 0}, {10, 2, 1, 0, 0}, {11, 3, 1, 0, 0},
    };
    for (const Case &c : cases) {
        uxtest::ProfileScope p("[intl]\niNegCurr=" + std::to_string(c.setting) + "\n");
        ASSERT_EQ(run(row({UX_KIND_CURRENCY}), {{"-5"}}, kCsv, captureRecords, &off).result, 0u);
        ASSERT_EQ(gCaptured.size(), 1u);
        const NumberFormatRecord f = numberRecord(gCaptured[0]);
        EXPECT_EQ(packed(f.negative_style), c.style) << c.setting;
        EXPECT_EQ(packed(f.symbol_spacing), c.spacing) << c.setting;
        EXPECT_EQ(packed(f.symbol_first), static_cast<std::uint32_t>(c.first)) << c.setting;
        EXPECT_EQ(packed(f.minus_between), static_cast<std::uint32_t>(c.between)) << c.setting;
    }
}

TEST_F(Delimited, ShortDatePatternsAndQuotedProfileTexts) {
    const NumberDateOptions off = numberDate(false, false);
    struct Case {
        std::optional<std::string> profile;
        int order, day, month, year;
        const char *separator;
        const char *text; // 2024-03-05
    } cases[] = {
        {"[intl]\nsShortDate=dd.MM.yyyy\n", 1, 1, 1, 1, ".", "05.03.2024"},
        {"[intl]\nsShortDate=M/d/yy\n", 2, 0, 0, 0, "/", "3/5/24"},
        {std::nullopt, 0, 1, 1, 0, "-", "24-03-05"}, // the default yy-MM-dd
        {"[intl]\nsShortDate=\"dd/MM/yyyy\"\n", 1, 1, 1, 1, "/", "05/03/2024"},
        {"[intl]\nsShortDate=yyyyMM\n", 0, 0, 1, 1, "-", "2024-03-5"},
    };
    for (const Case &c : cases) {
        uxtest::ProfileScope p(c.profile);
        FormatOutcome o = run(row({UX_KIND_DATE}), {{"2024-03-05"}}, kCsv, captureRecords, &off);
        ASSERT_EQ(o.result, 0u);
        ASSERT_EQ(gCaptured.size(), 1u);
        const DateFormatRecord f = dateRecord(gCaptured[0]);
        const std::string label = c.profile.value_or("(none)");
        EXPECT_EQ(packed(f.order), c.order) << label;
        EXPECT_EQ(packed(f.day_leading_zero), c.day) << label;
        EXPECT_EQ(packed(f.month_leading_zero), c.month) << label;
        EXPECT_EQ(packed(f.four_digit_year), c.year) << label;
        EXPECT_STREQ(f.separator1, c.separator) << label;
        EXPECT_EQ(packed(f.separator2), packed(f.separator1));
        EXPECT_EQ(o.output, std::string(c.text) + "\r\n") << label;
    }

    // Quoted number texts lose their quotes; an empty decimal separator is 0
    // in the record, and the engine still shows the decimals.
    uxtest::ProfileScope quoted("[intl]\nsDecimal=\",\"\nsThousand=\"\"\niDigits=2\n");
    FormatOutcome o = run(row({UX_KIND_NUMBER}), {{"1234.5"}}, kCsv, captureRecords, &off);
    ASSERT_EQ(gCaptured.size(), 1u);
    EXPECT_EQ(numberRecord(gCaptured[0]).decimal_separator, ',');
    EXPECT_EQ(numberRecord(gCaptured[0]).thousands_separator, 0);
    EXPECT_EQ(o.output, "\"1234,50\"\r\n");
    uxtest::ProfileScope noDecimal("[intl]\nsDecimal=\n");
    o = run(row({UX_KIND_NUMBER}), {{"0.5"}}, kCsv, captureRecords, &off);
    EXPECT_EQ(numberRecord(gCaptured[0]).decimal_separator, 0);
    EXPECT_EQ(o.output, "0.50\r\n");
}

TEST_F(Delimited, OptionsChooseTheReportsFormatsAndBooleansAndTextsNeverUseRecords) {
    const std::vector<std::uint16_t> kinds = {UX_KIND_NUMBER, UX_KIND_DATE, UX_KIND_BOOLEAN,
                                              UX_KIND_TEXT_A, UX_KIND_TEXT_B};
    const Record values = {"2.5", "2024-03-05", "true", "x", "y"};
    struct Case {
        bool numbers, dates;
        std::size_t formatted; // FormatRawValue calls
        const char *output;
    } cases[] = {
        {false, false, 2, "2.50,24-03-05,True,\"x\",\"y\"\r\n"},
        {true, false, 1, "2.50,24-03-05,True,\"x\",\"y\"\r\n"},
        {false, true, 1, "2.50,2024-03-05,True,\"x\",\"y\"\r\n"},
        {true, true, 0, "2.50,2024-03-05,True,\"x\",\"y\"\r\n"},
    };
    for (const Case &c : cases) {
        const NumberDateOptions options = numberDate(c.numbers, c.dates);
        FormatOutcome o = run(row(kinds), {values}, kCsv, captureRecords, &options);
        ASSERT_EQ(o.result, 0u);
        EXPECT_EQ(o.output, c.output);
        EXPECT_EQ(gCaptured.size(), c.formatted);
        for (const Captured &k : gCaptured)
            EXPECT_TRUE(k.kind == UX_KIND_NUMBER || k.kind == UX_KIND_DATE) << k.kind;
    }
    EXPECT_TRUE(host_.dialogs().empty()); // a blob shows no dialog
}

TEST_F(Delimited, NumberDateBlobRoundTripAndMalformedBlobs) {
    LayoutSpec spec = row({UX_KIND_TEXT_A});
    BuiltLayout layout(spec);
    ScriptedHost::DialogAnswer ticked;
    ticked.checks = {{101, 1}, {102, 0}};
    host_.queueDialogAnswer(ticked);
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), kTsv, nullptr, &instance, &hints),
              0u);
    void *decoded = nullptr;
    ASSERT_EQ(plugin_->decodeFormatOptions(instance, &decoded), 0u);
    const NumberDateOptions expected = numberDate(true, false);
    EXPECT_EQ(std::memcmp(decoded, &expected, 10), 0);
    plugin_->termExportFormat(instance, 0);

    // The decoded blob gives the same options back, without a dialog.
    ASSERT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), kCsv, decoded, &instance, &hints),
              0u);
    const void *stored = nullptr;
    std::uint16_t size = 0;
    ASSERT_EQ(plugin_->encodeFormatOptions(instance, &stored, &size), 0u);
    EXPECT_EQ(size, 10);
    EXPECT_EQ(std::memcmp(stored, &expected, 10), 0);
    plugin_->termExportFormat(instance, 0);
    EXPECT_EQ(host_.dialogs().size(), 1u);
    EXPECT_EQ(plugin_->freeFormatOptions(kCsv, decoded), 0u);
    EXPECT_EQ(plugin_->freeFormatOptions(kCsv, nullptr), 0u);

    // A blob of another size is not a NumberDateOptions record.
    NumberDateOptions wrong = expected;
    wrong.size = 12;
    instance = reinterpret_cast<UXFInstance *>(1);
    EXPECT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), kCsv, &wrong, &instance, &hints),
              5u);
    EXPECT_EQ(instance, nullptr);
}

// --- Lines ------------------------------------------------------------------

TEST_F(Delimited, SmithTwelveAndAnEmptyText) {
    const NumberDateOptions options = numberDate(false, false);
    const LayoutSpec spec = row({UX_KIND_TEXT_A, UX_KIND_INT32_A, UX_KIND_TEXT_B});
    const std::pair<std::uint32_t, const char *> cases[] = {{kCsv, ","}, {kTsv, "\t"}};
    for (auto [index, separator] : cases) {
        FormatOutcome o = run(spec, {{"Smith", "12", ""}}, index, {}, &options);
        ASSERT_EQ(o.result, 0u);
        const std::string s = separator;
        EXPECT_EQ(o.output, "\"Smith\"" + s + "12" + s + "\"\"\r\n");
        EXPECT_EQ(o.output.size(), 15u);
        const auto rows = readBack(o.output, s);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(texts(rows[0]), (std::vector<std::string>{"Smith", "12", ""}));
    }
}

TEST_F(Delimited, HiddenItemsAndAreasAndTextItems) {
    const NumberDateOptions options = numberDate(true, true);
    LineSpec line;
    line.fields = {field(0), field(1, UX_KIND_TEXT_A, true), field(2)};
    line.texts = {{0, std::string("fixed"), 0}};
    LayoutSpec spec = simpleLayout({line});
    spec.areas[0].lines = {LineSpec{{}, {field(3)}}}; // opening
    spec.areas[2].lines = {LineSpec{{}, {field(4)}}}; // closing
    spec.areas[2].shown = false;
    FormatOutcome o = run(spec, {{"a", "hidden", "c", "open", "close"}}, kCsv, {}, &options);
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "\"open\",\"a\",\"c\"\r\n");
}

TEST_F(Delimited, HiddenDetailsWriteOneLinePerGroup) {
    const NumberDateOptions options = numberDate(true, true);
    LayoutSpec spec;
    spec.levels = 1;
    spec.groupColumns = {0};
    AreaSpec opening, header, details, footer, closing;
    opening.kind = UX_AREA_OPENING;
    header.kind = UX_AREA_GROUP_HEADER;
    header.lines = {LineSpec{{}, {field(0)}}};
    details.kind = UX_AREA_DETAILS;
    details.shown = false;
    details.lines = {LineSpec{{}, {field(1)}}};
    footer.kind = UX_AREA_GROUP_FOOTER;
    footer.lines = {LineSpec{{}, {field(2, UX_KIND_INT32_A)}}};
    closing.kind = UX_AREA_CLOSING;
    spec.areas = {opening, header, details, footer, closing};
    FormatOutcome o =
        run(spec, {{"north", "r1", "10"}, {"north", "r2", "20"}, {"south", "r3", "30"}}, kCsv, {},
            &options);
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "\"north\",20\r\n\"south\",30\r\n");
}

TEST_F(Delimited, CharacterSeparatedOptionsAndTheirBlobs) {
    answerCharDialogs(" | ", "'");
    const LayoutSpec spec = row({UX_KIND_TEXT_A, UX_KIND_INT32_A, UX_KIND_TEXT_A});
    BuiltLayout layout(spec);
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(
        plugin_->initExportFormat(nullptr, layout.layout(), kChar, nullptr, &instance, &hints), 0u);
    ASSERT_EQ(host_.dialogs().size(), 2u);
    const auto &chars = host_.dialogs()[0];
    EXPECT_EQ(chars.name, "CharSepOptions");
    EXPECT_EQ(chars.caption, "Character-Separated Values");
    ASSERT_NE(chars.control(1000), nullptr);
    EXPECT_EQ(chars.control(1000)->text, ",");
    EXPECT_EQ(chars.control(1000)->textLimit, 16u);
    EXPECT_EQ(chars.control(1001)->text, "\"");
    EXPECT_EQ(chars.control(1001)->textLimit, 16u);
    EXPECT_EQ(host_.dialogs()[1].name, "FmtOptDlg");

    Engine engine(layout, {{"O'Neil", "12", "x"}});
    ASSERT_EQ(runJob(*plugin_, instance, engine), 0u);
    EXPECT_EQ(engine.output().bytes, "'O''Neil' | 12 | 'x'\r\n");

    // Stored form: size word 0x800F (3 + 12), the flags, the quote's first
    // character and the separator with its zero.
    const void *stored = nullptr;
    std::uint16_t size = 0;
    ASSERT_EQ(plugin_->encodeFormatOptions(instance, &stored, &size), 0u);
    ASSERT_EQ(size, 15);
    const unsigned char expected[15] = {0x0F, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, '\'', ' ', '|', ' ', 0};
    EXPECT_EQ(std::memcmp(stored, expected, 15), 0);
    void *decoded = nullptr;
    ASSERT_EQ(plugin_->decodeFormatOptions(instance, &decoded), 0u);
    plugin_->termExportFormat(instance, 0);

    // Both forms give the same instance back without a dialog.
    host_.clearRecords();
    for (const void *blob :
         {static_cast<const void *>(expected), static_cast<const void *>(decoded)}) {
        FormatOutcome o = run(spec, {{"O'Neil", "12", "x"}}, kChar, {}, blob);
        ASSERT_EQ(o.initResult, 0u);
        EXPECT_EQ(o.output, "'O''Neil' | 12 | 'x'\r\n");
        const auto rows = readBack(o.output, " | ", "'");
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(texts(rows[0]), (std::vector<std::string>{"O'Neil", "12", "x"}));
    }
    EXPECT_TRUE(host_.dialogs().empty());
    EXPECT_EQ(plugin_->freeFormatOptions(kChar, decoded), 0u);
}

// Options blobs come from outside: every malformed one is refused with 5 and
// none is read past its size.
TEST_F(Delimited, MalformedCharacterSeparatedBlobsAreRefused) {
    const LayoutSpec spec = row({UX_KIND_TEXT_A});
    BuiltLayout layout(spec);
    auto stored = [](std::uint16_t word, std::string tail) {
        std::string b(11, '\0');
        std::memcpy(b.data(), &word, 2);
        b[10] = '\'';
        return b + tail;
    };
    auto decoded = [](std::uint16_t word, const char *separator) {
        std::string b(15, '\0');
        std::memcpy(b.data(), &word, 2);
        std::memcpy(b.data() + 11, &separator, 4);
        return b;
    };
    const std::string seventeen(17, ';');
    struct Case {
        const char *what;
        std::string blob;
    } cases[] = {
        {"stored, size below the fixed part", stored(0x8000 | 11, std::string(1, '\0'))},
        {"stored, text not ended inside", stored(0x8000 | 13, std::string("ab\0", 3))},
        {"stored, separator of 17", stored(0x8000 | 29, seventeen + '\0')},
        {"decoded, size not its own", decoded(14, ",")},
        {"decoded, null separator", decoded(15, nullptr)},
        {"decoded, separator of 17", decoded(15, seventeen.c_str())},
    };
    for (const Case &c : cases) {
        UXFInstance *instance = reinterpret_cast<UXFInstance *>(1);
        const FileDialogHintTable *hints = nullptr;
        EXPECT_EQ(plugin_->initExportFormat(nullptr, layout.layout(), kChar, c.blob.data(),
                                            &instance, &hints),
                  5u)
            << c.what;
        EXPECT_EQ(instance, nullptr) << c.what;
    }
    // The longest separator that fits is taken whole.
    const std::string sixteen(16, ';');
    const std::string good = stored(0x8000 | 28, sixteen + '\0');
    FormatOutcome o = run(spec, {{"v"}}, kChar, {}, good.data());
    ASSERT_EQ(o.initResult, 0u);
    EXPECT_EQ(o.output, "'v'\r\n");
    EXPECT_TRUE(host_.dialogs().empty());

    // Freeing goes by the blob's form: a 10-byte blob of CSV handed back with
    // index 2 is freed as what it is (the sanitizer build sees any read past
    // it), and so is a decoded character-separated blob with index 0.
    void *small = std::malloc(10);
    const NumberDateOptions options{10, 0, 0};
    std::memcpy(small, &options, 10);
    EXPECT_EQ(plugin_->freeFormatOptions(kChar, small), 0u);
    answerCharDialogs(";", "\"");
    UXFInstance *instance = nullptr;
    const FileDialogHintTable *hints = nullptr;
    ASSERT_EQ(
        plugin_->initExportFormat(nullptr, layout.layout(), kChar, nullptr, &instance, &hints), 0u);
    void *blob = nullptr;
    ASSERT_EQ(plugin_->decodeFormatOptions(instance, &blob), 0u);
    plugin_->termExportFormat(instance, 0);
    EXPECT_EQ(plugin_->freeFormatOptions(kCsv, blob), 0u);
}

TEST_F(Delimited, GridModeLines) {
    const NumberDateOptions options = numberDate(true, true);
    LayoutSpec spec = simpleLayout({});
    spec.mode = UX_LAYOUT_MODE_GRID;
    spec.areas[0].lines = {LineSpec{{}, {field(0), field(1)}}}; // opening
    spec.areas[2].lines = {LineSpec{{}, {field(2)}}};           // closing
    auto cell = [](std::uint16_t kind, const char *value) {
        GridCellSpec c;
        c.field.kind = kind;
        c.raw = Value(value);
        return std::optional<GridCellSpec>(c);
    };
    spec.grid = {{cell(UX_KIND_TEXT_A, "a\"b"), std::nullopt, cell(UX_KIND_INT32_A, "1234")},
                 {std::nullopt, cell(UX_KIND_TEXT_A, "z"), std::nullopt}};
    FormatOutcome o = run(spec, {{"T1", "T2", "end"}}, kCsv, {}, &options);
    ASSERT_EQ(o.result, 0u);
    EXPECT_EQ(o.output, "\"T1\",\"T2\"\r\n"
                        "\"a\"\"b\",,1234\r\n"
                        ",\"z\",\r\n"
                        "\"end\"\r\n");
    const auto rows = readBack(o.output);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(texts(rows[1]), (std::vector<std::string>{"a\"b", "", "1234"}));
    EXPECT_EQ(texts(rows[3]), (std::vector<std::string>{"end"}));
}

// Separator, quote and line-start text of CSV and TSV follow the language
// library; its lack of dialogs leaves the plug-in's own.
TEST_F(Delimited, LanguageLibraryTextsAndOwnDialogs) {
    plugin_->terminate();
    {
        uxtest::ProfileScope german("[intl]\nsLanguage=xa\n");
        ASSERT_EQ(plugin_->initialize(0), 0u);
        EXPECT_STREQ(plugin_->getExportFormats()->entries[0]->name, "Kommagetrennte Werte");
        host_.queueDialogAnswer({});
        FormatOutcome o = run(row({UX_KIND_TEXT_A, UX_KIND_INT32_A, UX_KIND_TEXT_A}),
                              {{"it's", "12", "b;c"}}, kCsv);
        ASSERT_EQ(o.initResult, 0u);
        ASSERT_EQ(host_.dialogs().size(), 1u);
        EXPECT_EQ(host_.dialogs()[0].caption, "Number and Date Format Dialog");
        EXPECT_EQ(o.output, "> 'it''s';12;'b;c'\r\n");
        plugin_->terminate();

        // A library that lacks a required text leaves the plug-in's own.
        uxtest::ProfileScope lacking("[intl]\nsLanguage=xm\n");
        EXPECT_EQ(plugin_->initialize(0), 7u);
        const NumberDateOptions options = numberDate(true, true);
        o = run(row({UX_KIND_TEXT_A}), {{"it's"}}, kCsv, {}, &options);
        EXPECT_EQ(o.output, "\"it's\"\r\n");
        plugin_->terminate();
    }
    ASSERT_EQ(plugin_->initialize(0), 0u); // for TearDown
}

TEST_F(Delimited, QuotingKeepsEveryValueWhole) {
    // Thousands separator "," and decimal "." (the default locale): numbers
    // with thousands are quoted in CSV, not in TSV.
    struct Case {
        std::uint32_t index;
        std::string separator, quote; // character-separated only
        std::uint16_t kind;
        std::string value;
        std::string written;
    } cases[] = {
        {kCsv, "", "", UX_KIND_TEXT_A, "He said \"hi\" ok", "\"He said \"\"hi\"\" ok\""},
        {kCsv, "", "", UX_KIND_TEXT_A, "a,b", "\"a,b\""},
        {kCsv, "", "", UX_KIND_TEXT_A, "two\r\nlines", "\"two\r\nlines\""},
        {kCsv, "", "", UX_KIND_NUMBER, "1234.5", "\"1,234.50\""},
        {kCsv, "", "", UX_KIND_NUMBER, "234.5", "234.50"},
        {kCsv, "", "", UX_KIND_INT32_A, "-1234", "\"(1,234)\""},
        {kTsv, "", "", UX_KIND_NUMBER, "1234.5", "1,234.50"},
        {kTsv, "", "", UX_KIND_TEXT_A, "tab\there", "\"tab\there\""},
        {kChar, ";", "'", UX_KIND_TEXT_A, "it's", "'it''s'"},
        {kChar, ";", "'", UX_KIND_NUMBER, "1234.5", "1,234.50"},
        {kChar, ",", "''", UX_KIND_TEXT_A, "a''b'c", "''a''''b'c''"},
        {kChar, "::", "\"", UX_KIND_TEXT_A, "x::y", "\"x::y\""},
        {kChar, ",", "", UX_KIND_TEXT_A, "plain \"text\"", "plain \"text\""},
    };
    const NumberDateOptions off = numberDate(false, false);
    for (const Case &c : cases) {
        if (c.index == kChar)
            answerCharDialogs(c.separator, c.quote);
        const LayoutSpec spec = row({c.kind, UX_KIND_TEXT_A});
        FormatOutcome o =
            run(spec, {{c.value, "end"}}, c.index, {}, c.index == kChar ? nullptr : &off);
        ASSERT_EQ(o.result, 0u) << c.value;
        const std::string separator = c.index == kChar ? c.separator : c.index == kTsv ? "\t" : ",";
        const std::string quote = c.index == kChar ? c.quote : "\"";
        const std::string end = quote + "end" + quote;
        EXPECT_EQ(o.output, c.written + separator + end + "\r\n") << c.value;
        if (quote.empty())
            continue;
        const auto rows = readBack(o.output, separator, quote);
        ASSERT_EQ(rows.size(), 1u) << c.value;
        // Texts read back as they were; numbers as the locale wrote them.
        std::string readsAs = c.value;
        if (!(c.kind == UX_KIND_TEXT_A || c.kind == UX_KIND_TEXT_B)) {
            readsAs = c.written;
            if (readsAs.compare(0, quote.size(), quote) == 0)
                readsAs = readsAs.substr(quote.size(), readsAs.size() - 2 * quote.size());
        }
        EXPECT_EQ(texts(rows[0]), (std::vector<std::string>{readsAs, "end"})) << c.value;
    }
}

} // namespace
