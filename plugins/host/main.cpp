// uxexport - exports a small table through a format and a destination plug-in,
// as the report engine would.
//
//   uxexport --data table.csv [--layout report.lay] [--format fmtplain] [--index 0]
//            [--destination destfile] (--output FILE | --ask FILE [--overwrite yes|no])
//            [--modules DIR] [--profile win.ini] [--same-numbers] [--same-dates]
//            [--separator TEXT] [--quote TEXT]
//
// --data      CSV table, first row the column names; columns are numbered from 0.
// --layout    layout description (see host/layout.h). Without one, a column
//             table is made: the column names in the opening area, one field per
//             column in the details area (integers and numbers right-aligned,
//             anything else as text), 12 character columns each.
// --format    format plug-in (file name in the module directory, or a path);
// --index     its format index (fmtplain: 0 Text, 1 Tab-separated text;
//             fmtdelimited: 0 CSV, 1 TSV, 2 character-separated values;
//             fmtinterchange (DIF) and fmtcolumns (record style): ignored).
// --output    the file, handed to the destination as a fixed name (no dialog).
// --ask       the destination asks in its Save dialog; the scripted user
//             chooses FILE and answers the overwrite question with --overwrite.
// --modules   the module directory (default: the build's).
// --profile   the profile (win.ini) whose [intl] section the plug-ins read
//             (sets UX_PROFILE).
// The scripted user answers the plug-ins' options dialogs: the number and
// date options dialog with its boxes ticked as --same-numbers and
// --same-dates say (both off by default: numbers and dates in the locale's
// form), and fmtdelimited's character-separated options dialog (index 2 and
// above) with --separator (default ",") and --quote (default a double quote).
//
// Without --layout, columns whose values all read as integers are integer
// fields, as numbers number fields, as yyyy-mm-dd dates date fields, and all
// others text fields.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "host/engine.h"
#include "host/layout.h"
#include "host/scripted_host.h"

namespace {

std::string readWhole(const std::string &path, const char *what) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string("cannot read the ") + what + " file \"" + path + "\"");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void usage() {
    std::cerr
        << "usage: uxexport --data table.csv [--layout report.lay] [--format fmtplain]\n"
           "                [--index N] [--destination destfile]\n"
           "                (--output FILE | --ask FILE [--overwrite yes|no]) [--modules DIR]\n"
           "                [--profile win.ini] [--same-numbers] [--same-dates]\n"
           "                [--separator TEXT] [--quote TEXT]\n";
}

bool isDate(const std::string &s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

std::uint16_t columnKind(const std::vector<uxhost::Record> &rows, std::size_t column) {
    bool integers = true, numbers = true, dates = true, any = false;
    for (const auto &row : rows) {
        if (column >= row.size() || row[column].source.empty())
            continue;
        any = true;
        const std::string &s = row[column].source;
        char *end = nullptr;
        std::strtol(s.c_str(), &end, 10);
        if (*end != 0)
            integers = false;
        std::strtod(s.c_str(), &end);
        if (*end != 0)
            numbers = false;
        if (!isDate(s))
            dates = false;
    }
    if (!any)
        return UX_KIND_TEXT_A;
    return integers  ? UX_KIND_INT32_A
           : numbers ? UX_KIND_NUMBER
           : dates   ? UX_KIND_DATE
                     : UX_KIND_TEXT_A;
}

uxhost::LayoutSpec columnTable(const std::vector<std::string> &header,
                               const std::vector<uxhost::Record> &rows) {
    uxhost::LineSpec names, values;
    for (std::size_t c = 0; c < header.size(); ++c) {
        const auto position = static_cast<std::int16_t>(c * 1200);
        names.texts.push_back({position, header[c], 0});
        uxhost::FieldSpec field;
        field.position = position;
        field.width = 1100;
        field.column = static_cast<int>(c);
        field.kind = columnKind(rows, c);
        values.fields.push_back(field);
    }
    uxhost::LayoutSpec spec = uxhost::simpleLayout({values});
    spec.areas[0].lines.push_back(names);
    return spec;
}

} // namespace

int main(int argc, char **argv) {
    std::string data, layoutFile, output, ask, overwrite = "no";
    std::string separator = ",", quote = "\"";
    bool sameNumbers = false, sameDates = false;
    uxhost::ExportSettings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--data")
            data = next();
        else if (arg == "--layout")
            layoutFile = next();
        else if (arg == "--format")
            settings.format = next();
        else if (arg == "--index")
            settings.formatIndex = static_cast<std::uint32_t>(std::stoul(next()));
        else if (arg == "--destination")
            settings.destination = next();
        else if (arg == "--output")
            output = next();
        else if (arg == "--ask")
            ask = next();
        else if (arg == "--overwrite")
            overwrite = next();
        else if (arg == "--modules")
            setenv("UX_MODULE_DIR", next().c_str(), 1);
        else if (arg == "--profile")
            setenv("UX_PROFILE", next().c_str(), 1);
        else if (arg == "--same-numbers")
            sameNumbers = true;
        else if (arg == "--same-dates")
            sameDates = true;
        else if (arg == "--separator")
            separator = next();
        else if (arg == "--quote")
            quote = next();
        else {
            usage();
            return 2;
        }
    }
    if (data.empty() || (output.empty() == ask.empty()) ||
        (overwrite != "yes" && overwrite != "no")) {
        usage();
        return 2;
    }

    try {
        std::vector<std::string> header;
        std::vector<uxhost::Record> rows = uxhost::parseCsv(readWhole(data, "data"), &header);
        uxhost::LayoutSpec spec;
        if (layoutFile.empty()) {
            spec = columnTable(header, rows);
        } else {
            try {
                spec = uxhost::parseLayout(readWhole(layoutFile, "layout"));
            } catch (const std::exception &e) {
                throw std::runtime_error("layout file \"" + layoutFile + "\": " + e.what());
            }
        }
        uxhost::BuiltLayout layout(spec);
        // Every value must read as its field's kind before the export starts.
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (FieldItem *item : layout.fieldItems()) {
                const int column = layout.columnOf(item);
                if (column < 0 || static_cast<std::size_t>(column) >= rows[r].size())
                    continue;
                try {
                    uxhost::rawBytes(item->descriptor->kind, rows[r][column].source);
                } catch (const std::exception &e) {
                    throw std::runtime_error("data file \"" + data + "\", record " +
                                             std::to_string(r + 1) + ", column " +
                                             std::to_string(column) + ": " + e.what());
                }
            }

        uxhost::ScriptedHost host;
        settings.host = &host;
        // The options dialogs, in the order the plug-in shows them.
        if (settings.format == "fmtdelimited" && settings.formatIndex >= 2) {
            uxhost::ScriptedHost::DialogAnswer characters;
            characters.texts = {{1000, separator}, {1001, quote}};
            host.queueDialogAnswer(characters);
        }
        uxhost::ScriptedHost::DialogAnswer formats;
        formats.checks = {{101, sameNumbers ? 1 : 0}, {102, sameDates ? 1 : 0}};
        host.queueDialogAnswer(formats);
        if (!output.empty()) {
            settings.fixedName = output;
        } else {
            host.queueSaveAnswer(ask);
            host.queueBoxAnswer(overwrite == "yes" ? UXHOST_IDYES : UXHOST_IDNO);
        }
        const std::size_t count = rows.size();
        const uxhost::ExportResult result = uxhost::runExport(settings, layout, std::move(rows));
        for (const auto &box : host.boxes())
            std::cerr << box.caption << ": " << box.text << "\n";
        if (result.result != 0) {
            std::cerr << "uxexport: " << result.failedStep << " failed with result "
                      << result.result << "\n";
            return 1;
        }
        std::cout << "exported " << count << " records, " << result.output.size() << " bytes to "
                  << result.fileName << "\n";
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "uxexport: " << e.what() << "\n";
        return 1;
    }
}
