// bench_export_text - records through fmtplain by the stand-in report engine.
//
//   bench_export_text [records] [repeats]
//
// A report of 8 fields per record (text, 32-bit integer, number, currency,
// date, boolean, text, 16-bit integer) with a heading line, exported with
// "Text" and with "Tab-separated text" into the engine's in-memory output.
// Each format runs `repeats` times (default 3); the best run is reported as
// records per second and output megabytes (10^6 bytes) per second, by wall
// time and by the process's CPU time (steadier on a shared machine). The time
// covers the whole job: the plug-in's walk, the engine's value callbacks and
// its output stream.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "host/engine.h"
#include "host/layout.h"

using namespace uxhost;

namespace {

LayoutSpec reportLayout() {
    const char *names[8] = {"Variety", "Plots",     "Yield", "Revenue",
                            "Sown",    "Irrigated", "Site",  "Rank"};
    const std::uint16_t kinds[8] = {UX_KIND_TEXT_A,   UX_KIND_INT32_A, UX_KIND_NUMBER,
                                    UX_KIND_CURRENCY, UX_KIND_DATE,    UX_KIND_BOOLEAN,
                                    UX_KIND_TEXT_B,   UX_KIND_INT16_A};
    LineSpec heading, values;
    for (int c = 0; c < 8; ++c) {
        const auto position = static_cast<std::int16_t>(c * 1300);
        heading.texts.push_back({position, std::string(names[c]), 0});
        FieldSpec f;
        f.position = position;
        f.width = 1200;
        f.column = c;
        f.kind = kinds[c];
        values.fields.push_back(f);
    }
    LayoutSpec spec = simpleLayout({values});
    spec.areas[0].lines.push_back(heading);
    return spec;
}

std::vector<Record> records(std::size_t n) {
    const char *varieties[] = {"Keller", "Rio", "Dale", "Theis", "M81-E", "Wray", "Topper 76-6"};
    const char *sites[] = {"North field", "River plot", "Station \"B\"", "Hill"};
    std::vector<Record> out;
    out.reserve(n);
    unsigned x = 12345;
    auto next = [&] { return x = x * 1103515245u + 12345u; };
    char buffer[64];
    for (std::size_t i = 0; i < n; ++i) {
        Record r;
        r.reserve(8);
        r.emplace_back(varieties[next() % 7]);
        r.emplace_back(std::to_string(next() % 5000));
        std::snprintf(buffer, sizeof buffer, "%.3f", (next() % 1000000) / 1000.0);
        r.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "%.2f",
                      (static_cast<int>(next() % 2000000) - 500000) / 100.0);
        r.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "20%02u-%02u-%02u", next() % 30, next() % 12 + 1,
                      next() % 28 + 1);
        r.emplace_back(buffer);
        r.emplace_back(next() % 2 ? "true" : "false");
        r.emplace_back(sites[next() % 4]);
        r.emplace_back(std::to_string(next() % 30000));
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    const std::size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    try {
        FormatPlugin plugin("fmtplain");
        if (plugin.initialize(0) != 0) {
            std::fprintf(stderr, "bench_export_text: UXFInitialize failed\n");
            return 1;
        }
        const std::vector<Record> data = records(n);
        const LayoutSpec spec = reportLayout();
        std::printf("%zu records of 8 fields, best of %d runs\n", n, repeats);
        for (std::uint32_t index : {0u, 1u}) {
            double best = 1e300, bestCpu = 1e300;
            std::size_t bytes = 0;
            for (int run = 0; run < repeats; ++run) {
                BuiltLayout layout(spec);
                std::vector<Record> copy = data;
                const auto start = std::chrono::steady_clock::now();
                const std::clock_t cpuStart = std::clock();
                FormatOutcome o = runFormat(plugin, index, layout, std::move(copy));
                const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
                const double seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                if (o.initResult != 0 || o.result != 0) {
                    std::fprintf(stderr, "bench_export_text: the export failed (%u, %u)\n",
                                 o.initResult, o.result);
                    return 1;
                }
                bytes = o.output.size();
                best = std::min(best, seconds);
                bestCpu = std::min(bestCpu, cpu);
            }
            std::printf("%-20s wall %7.3f s %9.0f records/s %7.2f MB/s | cpu %7.3f s %9.0f "
                        "records/s %7.2f MB/s | %zu bytes\n",
                        index == 0 ? "Text" : "Tab-separated text", best, n / best,
                        bytes / best / 1e6, bestCpu, n / bestCpu, bytes / bestCpu / 1e6, bytes);
        }
        plugin.terminate();
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_export_text: %s\n", e.what());
        return 1;
    }
}
