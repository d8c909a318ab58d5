/* csv_writer - the minimal C writer the CSV benchmark compares fmtdelimited
 * with: the same values, the same bytes, nothing else.
 *
 *   csv_writer values.txt out.csv [repeats]
 *
 * values.txt holds 8 values per record, one a line: "T" for a text or "N"
 * for any other kind, then the value. Texts are written between double
 * quotes, other values as they are unless they hold a comma, a double quote,
 * CR or LF; inside quotes every double quote is doubled; values are separated
 * by commas and records end with CR LF. The output goes into one memory
 * buffer; the best of `repeats` runs (default 3) is reported as records per
 * second and nanoseconds per value, by wall time and by CPU time. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#define FIELDS 8

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static char *put_quoted(char *out, const char *s, size_t n) {
    *out++ = '"';
    for (size_t i = 0; i < n; ++i) {
        if (s[i] == '"')
            *out++ = '"';
        *out++ = s[i];
    }
    *out++ = '"';
    return out;
}

int main(int argc, char **argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: csv_writer values.txt out.csv [repeats]\n");
        return 2;
    }
    int repeats = argc > 3 ? atoi(argv[3]) : 3;
    if (repeats < 1)
        repeats = 1;
    FILE *in = fopen(argv[1], "rb");
    if (!in) {
        fprintf(stderr, "csv_writer: cannot read %s\n", argv[1]);
        return 1;
    }
    fseek(in, 0, SEEK_END);
    long size = ftell(in);
    fseek(in, 0, SEEK_SET);
    char *data = malloc((size_t)size + 1);
    if (!data || fread(data, 1, (size_t)size, in) != (size_t)size) {
        fprintf(stderr, "csv_writer: cannot read %s\n", argv[1]);
        return 1;
    }
    fclose(in);
    /* Values: kind, start and length, in order. */
    size_t count = 0;
    for (long i = 0; i < size; ++i)
        count += data[i] == '\n';
    const char **text = malloc(count * sizeof *text);
    size_t *length = malloc(count * sizeof *length);
    char *isText = malloc(count);
    size_t k = 0;
    for (char *p = data; p < data + size && k < count; ++k) {
        char *end = memchr(p, '\n', (size_t)(data + size - p));
        isText[k] = p[0] == 'T';
        text[k] = p + 1;
        length[k] = (size_t)(end - p - 1);
        p = end + 1;
    }
    const size_t records = count / FIELDS;
    char *out = malloc((size_t)size * 2 + records * 2 + 16);
    size_t written = 0;
    double best = 1e300, bestCpu = 1e300;
    for (int run = 0; run < repeats; ++run) {
        const double start = now();
        const clock_t cpuStart = clock();
        char *o = out;
        for (size_t r = 0; r < records; ++r) {
            for (int c = 0; c < FIELDS; ++c) {
                const size_t v = r * FIELDS + c;
                if (c != 0)
                    *o++ = ',';
                const char *s = text[v];
                const size_t n = length[v];
                if (isText[v] || memchr(s, ',', n) || memchr(s, '"', n) || memchr(s, '\r', n) ||
                    memchr(s, '\n', n)) {
                    o = put_quoted(o, s, n);
                } else {
                    memcpy(o, s, n);
                    o += n;
                }
            }
            *o++ = '\r';
            *o++ = '\n';
        }
        const double cpu = (double)(clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wall = now() - start;
        written = (size_t)(o - out);
        if (wall < best)
            best = wall;
        if (cpu < bestCpu)
            bestCpu = cpu;
    }
    FILE *f = fopen(argv[2], "wb");
    if (!f || fwrite(out, 1, written, f) != written || fclose(f) != 0) {
        fprintf(stderr, "csv_writer: cannot write %s\n", argv[2]);
        return 1;
    }
    const double values = (double)records * FIELDS;
    printf("%-26s wall %7.3f s %9.0f records/s %7.1f ns/value | cpu %7.3f s %9.0f records/s "
           "%7.1f ns/value | %zu bytes\n",
           "minimal C writer", best, records / best, best / values * 1e9, bestCpu,
           records / bestCpu, bestCpu / values * 1e9, written);
    free(out);
    free(isText);
    free(length);
    free(text);
    free(data);
    return 0;
}
