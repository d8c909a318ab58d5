"""Python's csv.writer writing the values of the CSV benchmark.

    python3 csv_writer.py values.txt out.csv [repeats]

values.txt holds 8 values per record, one a line: "T" for a text or "N" for
any other kind, then the value. Texts are always quoted, other values only
when they must be (QUOTE_NONNUMERIC with non-texts marked as numbers), which
gives the bytes fmtdelimited writes. The rows are built before the clock
starts; the time is csv.writer writing into memory. Best of `repeats` runs.
"""
import csv
import io
import sys
import time


class Plain(str):
    """A value csv.writer leaves unquoted unless it must quote it."""

    def __float__(self):
        return 0.0


def main():
    values_path, out_path = sys.argv[1], sys.argv[2]
    repeats = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    with open(values_path, encoding="cp1252", newline="\n") as f:
        lines = f.read().split("\n")[:-1]
    values = [line[1:] if line[0] == "T" else Plain(line[1:]) for line in lines]
    rows = [values[i:i + 8] for i in range(0, len(values), 8)]
    best = best_cpu = float("inf")
    text = ""
    for _ in range(repeats):
        buffer = io.StringIO(newline="")
        start, cpu_start = time.perf_counter(), time.process_time()
        csv.writer(buffer, quoting=csv.QUOTE_NONNUMERIC, lineterminator="\r\n").writerows(rows)
        wall, cpu = time.perf_counter() - start, time.process_time() - cpu_start
        best, best_cpu = min(best, wall), min(best_cpu, cpu)
        text = buffer.getvalue()
    with open(out_path, "w", encoding="cp1252", newline="") as f:
        f.write(text)
    n = len(rows)
    print("%-26s wall %7.3f s %9.0f records/s %7.1f ns/value | cpu %7.3f s %9.0f records/s "
          "%7.1f ns/value | %d bytes" % ("Python csv.writer", best, n / best, best / (n * 8) * 1e9,
                                         best_cpu, n / best_cpu, best_cpu / (n * 8) * 1e9,
                                         len(text.encode("cp1252"))))


main()
