// bench_export_csv - records through fmtdelimited's CSV by the stand-in
// report engine.
//
//   bench_export_csv [records] [repeats] [directory]
//
// The same data in writer mode also goes through fmtinterchange (DIF) and
// fmtcolumns (record style), for their throughput.
//
// A report of 8 mixed fields per record (a variety name and a site, texts
// with double quotes and commas; an integer, a number and a currency amount
// of 1000 and more with thousands separators; a date; a boolean; a short
// integer), in two modes:
//   writer      the engine hands over ready value pieces (the number and date
//               options say "as in the report", so it formats nothing) and
//               the CSV is written by fmtdelimited;
//   end-to-end  the engine formats every number and date with the plug-in's
//               locale records (default locale) on the way.
// Each mode runs `repeats` times (default 3); the best run is reported as
// records per second and nanoseconds per value, by wall time and by the
// process's CPU time. With a directory, the writer mode's values are written
// to directory/values.txt (per value a line: "T" for a text or "N" for any
// other kind, then the value) and its CSV to directory/plugin.csv, for the
// minimal C writer and Python's csv.writer to write the identical bytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"

using namespace uxhost;

namespace {

constexpr int kFields = 8;
const std::uint16_t kKinds[kFields] = {UX_KIND_TEXT_A,   UX_KIND_INT32_A, UX_KIND_NUMBER,
                                       UX_KIND_CURRENCY, UX_KIND_DATE,    UX_KIND_BOOLEAN,
                                       UX_KIND_TEXT_B,   UX_KIND_INT16_A};
// Distinct records; the report cycles through them.
constexpr std::size_t kPool = 4096;

LayoutSpec reportLayout() {
    LineSpec values;
    for (int c = 0; c < kFields; ++c) {
        FieldSpec f;
        f.position = static_cast<std::int16_t>(c * 1300);
        f.width = 1200;
        f.column = c;
        f.kind = kKinds[c];
        values.fields.push_back(f);
    }
    return simpleLayout({values});
}

std::string grouped(unsigned long long v) {
    std::string digits = std::to_string(v), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

struct Source {
    std::string source; // for the engine to format (end-to-end)
    Pieces pieces;      // as the report shows it (writer)
};

std::vector<std::vector<Source>> pool() {
    const char *varieties[] = {"Keller", "Rio, Texas", "Dale", "Topper \"76-6\"", "M81-E", "Wray"};
    const char *sites[] = {"North field", "River plot", "Station \"B\", east", "Hill"};
    std::vector<std::vector<Source>> out;
    unsigned x = 12345;
    auto next = [&] { return x = x * 1103515245u + 12345u; };
    char b[64];
    for (std::size_t i = 0; i < kPool; ++i) {
        std::vector<Source> r(kFields);
        r[0].source = varieties[next() % 6];
        r[0].pieces[2] = r[0].source;
        const unsigned plots = 1000 + next() % 500000;
        r[1].source = std::to_string(plots);
        r[1].pieces[2] = grouped(plots);
        const unsigned yield = 1000000 + next() % 900000000;
        std::snprintf(b, sizeof b, "%u.%03u", yield / 1000, yield % 1000);
        r[2].source = b;
        std::snprintf(b, sizeof b, ".%03u", yield % 1000);
        r[2].pieces[2] = grouped(yield / 1000) + b;
        const int cents = static_cast<int>(next() % 20000000) - 5000000;
        const unsigned magnitude = static_cast<unsigned>(cents < 0 ? -cents : cents);
        std::snprintf(b, sizeof b, "%s%u.%02u", cents < 0 ? "-" : "", magnitude / 100,
                      magnitude % 100);
        r[3].source = b;
        r[3].pieces[0] = "$";
        if (cents < 0)
            r[3].pieces[1] = "-";
        std::snprintf(b, sizeof b, ".%02u", magnitude % 100);
        r[3].pieces[2] = grouped(magnitude / 100) + b;
        std::snprintf(b, sizeof b, "20%02u-%02u-%02u", next() % 30, next() % 12 + 1,
                      next() % 28 + 1);
        r[4].source = b;
        r[4].pieces[2] = r[4].source;
        const bool irrigated = next() % 2;
        r[5].source = irrigated ? "true" : "false";
        r[5].pieces[2] = irrigated ? "True" : "False";
        r[6].source = sites[next() % 4];
        r[6].pieces[2] = r[6].source;
        r[7].source = std::to_string(next() % 30000);
        r[7].pieces[2] = r[7].source;
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<Record> records(const std::vector<std::vector<Source>> &sources, std::size_t n,
                            bool ready) {
    std::vector<std::vector<std::shared_ptr<const Pieces>>> shared(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i)
        for (const Source &s : sources[i])
            shared[i].push_back(std::make_shared<const Pieces>(s.pieces));
    std::vector<Record> out;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = i % sources.size();
        Record r(kFields);
        for (int c = 0; c < kFields; ++c) {
            if (ready) {
                r[c].pieces = shared[k][c];
                r[c].repeat = false;
            } else {
                r[c].source = sources[k][c].source;
            }
        }
        out.push_back(std::move(r));
    }
    return out;
}

struct Timing {
    double wall = 1e300, cpu = 1e300;
    std::string output;
};

// The time covers the job (UXFStartJob, one UXFProcessRecord per record,
// UXFEndJob): the plug-in's walk and writing, the engine's value callbacks and
// its in-memory output stream; not the making of the instance and the records.
bool measure(FormatPlugin &plugin, const std::vector<Record> &data, const void *options,
             int repeats, Timing &t, std::uint32_t index = 0) {
    const LayoutSpec spec = reportLayout();
    for (int run = 0; run < repeats; ++run) {
        BuiltLayout layout(spec);
        Engine engine(layout, data);
        engine.output().bytes.reserve(data.size() * 100);
        UXFInstance *instance = nullptr;
        const FileDialogHintTable *hints = nullptr;
        const std::uint32_t init =
            plugin.initExportFormat(nullptr, layout.layout(), index, options, &instance, &hints);
        std::uint32_t result = init;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        if (init == 0)
            result = runJob(plugin, instance, engine);
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (init == 0)
            plugin.termExportFormat(instance, 0);
        if (result != 0) {
            std::fprintf(stderr, "bench_export_csv: the export failed (%u)\n", result);
            return false;
        }
        t.wall = std::min(t.wall, wall);
        t.cpu = std::min(t.cpu, cpu);
        t.output = engine.output().bytes;
    }
    return true;
}

// The engine's share of writer mode: one GetReportValue per field item and
// record, the least any plug-in asks of the engine, with nothing written.
void measureCallbacks(const std::vector<Record> &data, int repeats, Timing &t) {
    const LayoutSpec spec = reportLayout();
    for (int run = 0; run < repeats; ++run) {
        BuiltLayout layout(spec);
        Engine engine(layout, data);
        JobContext *job = engine.context();
        const std::vector<FieldItem *> &items = layout.fieldItems();
        std::size_t checksum = 0;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        for (std::size_t r = 0; r < data.size(); ++r) {
            engine.setRecord(r);
            for (FieldItem *item : items) {
                ValueText *value = nullptr;
                std::uint32_t repeated = 0;
                job->get_report_value(job->engine, item, &value, &repeated);
                checksum += value && value->text ? 1 : 0;
            }
        }
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        t.wall = std::min(t.wall, wall);
        t.cpu = std::min(t.cpu, cpu);
        t.output.assign(checksum == 0 ? 1 : 0, ' ');
    }
}

void report(const char *mode, const Timing &t, std::size_t n) {
    const double values = static_cast<double>(n) * kFields;
    std::printf("%-26s wall %7.3f s %9.0f records/s %7.1f ns/value | cpu %7.3f s %9.0f "
                "records/s %7.1f ns/value | %zu bytes\n",
                mode, t.wall, n / t.wall, t.wall / values * 1e9, t.cpu, n / t.cpu,
                t.cpu / values * 1e9, t.output.size());
}

} // namespace

int main(int argc, char **argv) {
    const std::size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const std::string directory = argc > 3 ? argv[3] : "";
    // The default locale, whatever the user's profile says.
    setenv("UX_PROFILE", "/nonexistent/win.ini", 0);
    try {
        FormatPlugin plugin("fmtdelimited");
        if (plugin.initialize(0) != 0) {
            std::fprintf(stderr, "bench_export_csv: UXFInitialize failed\n");
            return 1;
        }
        const auto sources = pool();
        std::printf("%zu records of %d fields, best of %d runs\n", n, kFields, repeats);

        const NumberDateOptions asInReport{sizeof(NumberDateOptions), 1, 1};
        Timing writer;
        if (!measure(plugin, records(sources, n, true), &asInReport, repeats, writer))
            return 1;
        report("writer (fmtdelimited)", writer, n);
        Timing callbacks;
        measureCallbacks(records(sources, n, true), repeats, callbacks);
        report("  of it engine calls", callbacks, n);
        const NumberDateOptions locale{sizeof(NumberDateOptions), 0, 0};
        Timing endToEnd;
        if (!measure(plugin, records(sources, n, false), &locale, repeats, endToEnd))
            return 1;
        report("end-to-end", endToEnd, n);
        plugin.terminate();

        // The same data in writer mode through the DIF and record-style plug-ins.
        for (const char *name : {"fmtinterchange", "fmtcolumns"}) {
            FormatPlugin other(name);
            if (other.initialize(0) != 0) {
                std::fprintf(stderr, "bench_export_csv: UXFInitialize of %s failed\n", name);
                return 1;
            }
            Timing t;
            if (!measure(other, records(sources, n, true), &asInReport, repeats, t))
                return 1;
            report(std::string("writer (").append(name).append(")").c_str(), t, n);
            other.terminate();
        }

        if (!directory.empty()) {
            std::ofstream values(directory + "/values.txt", std::ios::binary);
            for (std::size_t i = 0; i < n; ++i)
                for (int c = 0; c < kFields; ++c) {
                    std::string text;
                    for (const auto &piece : sources[i % sources.size()][c].pieces)
                        text += piece.value_or("");
                    const bool isText = kKinds[c] == UX_KIND_TEXT_A || kKinds[c] == UX_KIND_TEXT_B;
                    values << (isText ? 'T' : 'N') << text << '\n';
                }
            std::ofstream csv(directory + "/plugin.csv", std::ios::binary);
            csv << writer.output;
            if (!values || !csv) {
                std::fprintf(stderr, "bench_export_csv: cannot write into %s\n", directory.c_str());
                return 1;
            }
        }
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_export_csv: %s\n", e.what());
        return 1;
    }
}
