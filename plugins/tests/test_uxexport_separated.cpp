// uxexport as a program of its own: a table into CSV, TSV and " | "-separated
// values, with numbers and dates in the form of a profile's [intl] section,
// read back with the engine's strict reader and, where Python is installed,
// with Python's csv module (reading as cp1252, as a spreadsheet user's Python
// would).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

const char kTable[] = "Name,Plots,Yield,Sown,Note\n"
                      "Smith,12,1234.5,2024-03-05,\"He said \"\"hi\"\" ok\"\n"
                      "\"Rio, N\",-1500,0.25,2023-12-31,a;b|c\n"
                      "Wray,7,-3,2022-01-09,\"two\nlines\"\n";

const char kProfile[] = "[intl]\niDigits=2\nsDecimal=,\nsThousand=.\n"
                        "sShortDate=dd.MM.yyyy\niNegCurr=1\n";

using Rows = std::vector<std::vector<std::string>>;

const Rows kExpected = {
    {"Smith", "12", "1.234,50", "05.03.2024", "He said \"hi\" ok"},
    {"Rio, N", "-1.500", "0,25", "31.12.2023", "a;b|c"},
    {"Wray", "7", "-3,00", "09.01.2022", "two\nlines"},
};

std::string shellQuoted(const std::string &s) {
    return "'" + s + "'";
}

bool haveProgram(const char *name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string capture(const std::string &command) {
    std::string out;
    if (FILE *p = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
            out.append(buffer, n);
        pclose(p);
    }
    return out;
}

class UxexportSeparated : public ::testing::Test {
protected:
    // Exports the table with format `index`; the file's bytes.
    std::string exportTable(int index, const std::string &extra = "") {
        const std::string out = dir_.file("out" + std::to_string(index));
        const std::string command = kRun + shellQuoted(UXEXPORT_PATH) + " --data " +
                                    shellQuoted(table_) + " --format fmtdelimited --index " +
                                    std::to_string(index) + " --profile " + shellQuoted(profile_) +
                                    " --output " + shellQuoted(out) + extra + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return uxtest::readFile(out).value_or("");
    }

    static Rows rowsOf(const std::vector<uxhost::Record> &records) {
        Rows rows;
        for (const auto &r : records) {
            rows.emplace_back();
            for (const auto &v : r)
                rows.back().push_back(v.source);
        }
        return rows;
    }

    uxtest::TempDir dir_;
    std::string table_ = dir_.write("table.csv", kTable);
    std::string profile_ = dir_.write("win.ini", kProfile);
};

TEST_F(UxexportSeparated, ReadBackExactlyByTheEngine) {
    const std::string csv = exportTable(0);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "\"Smith\",12,\"1.234,50\",05.03.2024,\"He said \"\"hi\"\" ok\"");
    EXPECT_EQ(rowsOf(uxhost::parseSeparated(csv, ",", "\"")), kExpected);
    EXPECT_EQ(rowsOf(uxhost::parseSeparated(exportTable(1), "\t", "\"")), kExpected);
    const std::string bars = exportTable(2, " --separator ' | ' --quote \"'\"");
    EXPECT_EQ(bars.substr(0, bars.find("\r\n")),
              "'Smith' | 12 | 1.234,50 | 05.03.2024 | 'He said \"hi\" ok'");
    EXPECT_EQ(rowsOf(uxhost::parseSeparated(bars, " | ", "'")), kExpected);
}

TEST_F(UxexportSeparated, ReadBackExactlyByPythonsCsvModule) {
    if (!haveProgram("python3"))
        GTEST_SKIP() << "python3 is not installed";
    const std::string script =
        dir_.write("read.py", "import csv, sys\n"
                              "with open(sys.argv[1], encoding='cp1252', newline='') as f:\n"
                              "    for row in csv.reader(f, delimiter=sys.argv[2], strict=True):\n"
                              "        sys.stdout.write('\\x1f'.join(row) + '\\x1e')\n");
    struct Case {
        int index;
        const char *delimiter;
    } cases[] = {{0, ","}, {1, "\t"}};
    for (const Case &c : cases) {
        exportTable(c.index);
        const std::string out = dir_.file("out" + std::to_string(c.index));
        const std::string text = capture("python3 " + shellQuoted(script) + " " + shellQuoted(out) +
                                         " " + shellQuoted(c.delimiter));
        Rows rows;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\x1e', start);
            const std::string line = text.substr(start, end - start);
            rows.emplace_back();
            std::size_t from = 0;
            for (;;) {
                const std::size_t unit = line.find('\x1f', from);
                rows.back().push_back(line.substr(from, unit - from));
                if (unit == std::string::npos)
                    break;
                from = unit + 1;
            }
            start = end == std::string::npos ? text.size() : end + 1;
        }
        EXPECT_EQ(rows, kExpected) << "format " << c.index;
    }
}

} // namespace
