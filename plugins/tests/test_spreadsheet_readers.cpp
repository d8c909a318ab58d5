// uxexport's CSV and DIF opened by real spreadsheets: Gnumeric (ssconvert) and
// LibreOffice (headless), each skipped when it is not installed. Each reader
// turns the file into its own '|'-separated text of raw cell values (numbers
// as plain decimals, whatever their shown form), which must hold every value
// of the table in its column.
//
// Known reader quirks the expectations allow for:
// - Gnumeric reads every DIF boolean cell as TRUE, FALSE included (even from
//   DIF files it writes itself): FALSE is not checked there.
// - Gnumeric gives a date as its day number (1900 date system).
// - LibreOffice reads DIF boolean cells as the numbers 1 and 0 and keeps DIF
//   string cells as texts, dates included.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "host/engine.h"
#include "support/plugin_library.h"

namespace {

#ifdef UX_EMULATOR
const std::string kRun = std::string(UX_EMULATOR) + " ";
#else
const std::string kRun;
#endif

struct Cell {
    const char *source;   // as uxexport reads it from the data table
    const char *value;    // as the spreadsheet holds it
    const char *gnumeric; // Gnumeric's raw form when it differs (a date's day number)
};

struct Column {
    const char *name;
    std::uint16_t kind;
    std::array<Cell, 3> cells; // one per record
};

// Numbers go out as the profile below formats them ("1,234.50", negatives in
// parentheses), texts quoted with their quotes doubled.
const Column kColumns[] = {
    {"Name",
     UX_KIND_TEXT_A,
     {{{"Smith", "Smith", nullptr},
       {"He said \"hi\", ok", "He said \"hi\", ok", nullptr},
       {"Rio, N", "Rio, N", nullptr}}}},
    {"Plots",
     UX_KIND_INT32_A,
     {{{"12", "12", nullptr}, {"-1500", "-1500", nullptr}, {"7", "7", nullptr}}}},
    {"Yield",
     UX_KIND_NUMBER,
     {{{"1234.5", "1234.5", nullptr}, {"-0.25", "-0.25", nullptr}, {"-3", "-3", nullptr}}}},
    {"Sown",
     UX_KIND_DATE,
     {{{"2024-03-05", "2024-03-05", "45356"},
       {"2023-12-31", "2023-12-31", "45291"},
       {"2022-01-09", "2022-01-09", "44570"}}}},
    {"Irrigated",
     UX_KIND_BOOLEAN,
     {{{"true", "TRUE", nullptr}, {"false", "FALSE", nullptr}, {"true", "TRUE", nullptr}}}},
};
constexpr std::size_t kRecords = 3;
// Layout units between columns, as uxexport lays out a table of its own; the
// DIF column of a value is its position / 900.
constexpr int kColumnStep = 1200;

const char kProfile[] = "[intl]\niDigits=2\nsDecimal=.\nsThousand=,\nsShortDate=yyyy-MM-dd\n";

enum class Format { Csv, Dif };
enum class Reader { Gnumeric, LibreOffice };

using Sheet = std::vector<std::vector<std::string>>;
// Expected cells; nullopt: not checked.
using ExpectedSheet = std::vector<std::vector<std::optional<std::string>>>;

std::string shellQuoted(const std::string &s) {
    return "'" + s + "'";
}

bool haveProgram(const std::string &name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string csvQuoted(const std::string &s) {
    std::string out = "\"";
    for (char c : s)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string dataTable() {
    std::string text;
    for (const Column &c : kColumns)
        text += std::string(text.empty() ? "" : ",") + c.name;
    text += "\n";
    for (std::size_t r = 0; r < kRecords; ++r) {
        for (std::size_t c = 0; c < std::size(kColumns); ++c)
            text += (c ? "," : "") + csvQuoted(kColumns[c].cells[r].source);
        text += "\n";
    }
    return text;
}

// The column names in the opening area, one field per column in the details.
std::string layoutText() {
    std::string opening = "area 1\nline\n", details = "area 3\nline\n";
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        const std::string position = std::to_string(static_cast<int>(c) * kColumnStep);
        opening += "text " + position + " \"" + kColumns[c].name + "\"\n";
        details += "field " + position + " 1100 " + std::to_string(c) +
                   " kind=" + std::to_string(kColumns[c].kind) + "\n";
    }
    return opening + details + "area 6\n";
}

std::optional<std::string> expectedValue(const Column &column, const Cell &cell, Reader reader,
                                         Format format) {
    const std::string value = cell.value;
    if (reader == Reader::Gnumeric && cell.gnumeric)
        return std::string(cell.gnumeric);
    if (column.kind == UX_KIND_BOOLEAN && format == Format::Dif) {
        if (reader == Reader::Gnumeric)
            return value == "TRUE" ? std::optional<std::string>(value) : std::nullopt;
        return std::string(value == "TRUE" ? "1" : "0");
    }
    return value;
}

// The CSV holds the records only (fixed texts are not exported), one column
// per field. The DIF holds the opening line with the names, the empty tuple
// that follows the opening area, then the records, each value in the column
// its position gives (an empty column where a position skips one).
ExpectedSheet expectedSheet(Reader reader, Format format) {
    const std::size_t count = std::size(kColumns);
    auto columnOf = [&](std::size_t c) {
        return format == Format::Csv ? c : c * kColumnStep / 900;
    };
    const std::size_t width = columnOf(count - 1) + 1;
    ExpectedSheet sheet;
    if (format == Format::Dif) {
        sheet.emplace_back(width, std::string());
        for (std::size_t c = 0; c < count; ++c)
            sheet.back()[columnOf(c)] = kColumns[c].name;
        sheet.emplace_back(width, std::string());
    }
    for (std::size_t r = 0; r < kRecords; ++r) {
        sheet.emplace_back(width, std::string());
        for (std::size_t c = 0; c < count; ++c)
            sheet.back()[columnOf(c)] =
                expectedValue(kColumns[c], kColumns[c].cells[r], reader, format);
    }
    return sheet;
}

class SpreadsheetReaders : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string data = dir_.write("table.csv", dataTable());
        const std::string layout = dir_.write("table.lay", layoutText());
        const std::string profile = dir_.write("win.ini", kProfile);
        for (Format format : {Format::Csv, Format::Dif}) {
            const std::string command =
                kRun + shellQuoted(UXEXPORT_PATH) + " --data " + shellQuoted(data) + " --layout " +
                shellQuoted(layout) + " --format " +
                (format == Format::Csv ? "fmtdelimited --index 0" : "fmtinterchange") +
                " --profile " + shellQuoted(profile) + " --output " +
                shellQuoted(exported(format)) + " >/dev/null";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
        }
    }

    std::string exported(Format format) const {
        return dir_.file(format == Format::Csv ? "report.csv" : "report.dif");
    }

    // Runs a reader's conversion; the '|'-separated text it wrote, read back
    // with the engine's strict reader, trailing empty rows dropped.
    Sheet convert(const std::string &command, const std::string &output) {
        const std::string log = dir_.file("reader.log");
        const int status = std::system(
            ("LC_ALL=C.UTF-8 " + command + " >" + shellQuoted(log) + " 2>&1 </dev/null").c_str());
        EXPECT_EQ(status, 0) << command << "\n" << uxtest::readFile(log).value_or("");
        const std::optional<std::string> text = uxtest::readFile(output);
        if (!text) {
            ADD_FAILURE() << "no output from: " << command << "\n"
                          << uxtest::readFile(log).value_or("");
            return {};
        }
        Sheet sheet;
        for (const uxhost::Record &record : uxhost::parseSeparated(*text, "|", "\"")) {
            sheet.emplace_back();
            for (const uxhost::Value &v : record)
                sheet.back().push_back(v.source);
        }
        auto empty = [](const std::vector<std::string> &row) {
            for (const std::string &s : row)
                if (!s.empty())
                    return false;
            return true;
        };
        while (!sheet.empty() && empty(sheet.back()))
            sheet.pop_back();
        return sheet;
    }

    static void expectSheet(const Sheet &actual, const ExpectedSheet &expected,
                            const std::string &what) {
        ASSERT_EQ(actual.size(), expected.size()) << what << ": number of rows";
        for (std::size_t r = 0; r < expected.size(); ++r) {
            for (std::size_t c = 0; c < std::max(actual[r].size(), expected[r].size()); ++c) {
                const std::string got = c < actual[r].size() ? actual[r][c] : std::string();
                if (c >= expected[r].size()) {
                    EXPECT_EQ(got, "") << what << ": row " << r << ", column " << c;
                } else if (expected[r][c]) {
                    EXPECT_EQ(got, *expected[r][c]) << what << ": row " << r << ", column " << c;
                }
            }
        }
    }

    uxtest::TempDir dir_;
};

TEST_F(SpreadsheetReaders, GnumericReadsEveryValueInItsColumn) {
    if (!haveProgram("ssconvert"))
        GTEST_SKIP() << "ssconvert (Gnumeric) is not installed: CSV and DIF not read by Gnumeric";
    for (Format format : {Format::Csv, Format::Dif}) {
        const std::string output = exported(format) + ".gnumeric.txt";
        const Sheet sheet = convert("ssconvert -T Gnumeric_stf:stf_assistant"
                                    " -O 'format=raw separator=| eol=unix' " +
                                        shellQuoted(exported(format)) + " " + shellQuoted(output),
                                    output);
        expectSheet(sheet, expectedSheet(Reader::Gnumeric, format),
                    "Gnumeric reading " + exported(format));
    }
}

TEST_F(SpreadsheetReaders, LibreOfficeReadsEveryValueInItsColumn) {
    const std::string program = haveProgram("libreoffice") ? "libreoffice"
                                : haveProgram("soffice")   ? "soffice"
                                                           : "";
    if (program.empty())
        GTEST_SKIP() << "LibreOffice (libreoffice or soffice) is not installed: CSV and DIF not "
                        "read by LibreOffice";
    // A profile of its own, so that no running LibreOffice is reused.
    const std::string profile = "-env:UserInstallation=file://" + dir_.file("libreoffice");
    // Written back as '|'-separated UTF-8 with raw values (not as shown).
    const std::string toText = "--convert-to 'csv:Text - txt - csv (StarCalc):"
                               "124,34,76,1,,1033,false,false,false,false'";
    for (Format format : {Format::Csv, Format::Dif}) {
        const std::string outdir = dir_.file(format == Format::Csv ? "lo-csv" : "lo-dif");
        // The CSV is opened as a user of an English (USA) Calc opens it in
        // the text import: comma-separated, double quotes, with "Detect
        // special numbers" on (without it Calc keeps numbers in parentheses
        // and True/False as texts).
        const std::string infilter =
            format == Format::Csv ? "--infilter='CSV:44,34,76,1,,1033,false,true' " : "";
        const Sheet sheet =
            convert(program + " " + shellQuoted(profile) + " --headless " + infilter + toText +
                        " --outdir " + shellQuoted(outdir) + " " + shellQuoted(exported(format)),
                    outdir + "/report.csv");
        expectSheet(sheet, expectedSheet(Reader::LibreOffice, format),
                    "LibreOffice reading " + exported(format));
    }
}

} // namespace
