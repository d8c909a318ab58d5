#!/usr/bin/env bash
# Builds the plug-ins (preset default: optimised, 32-bit) and runs the CSV
# export benchmark: 200,000 records of 8 mixed fields through fmtdelimited
# (writer and end-to-end modes; DIF and record style in writer mode too), the minimal C writer and Python's csv.writer
# on the identical values, and checks that all three wrote the same bytes.
#   bench/export-csv/run.sh [records] [repeats]
# BUILD_DIR overrides the build directory (default: build/plugins-default).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${BUILD_DIR:-build/plugins-default}"
if [ -z "${BUILD_DIR:-}" ]; then
  (cd plugins && cmake --preset default >/dev/null)
fi
cmake --build "$build" --target bench_export_csv csv_writer -j2 >/dev/null
# Where the kernel cannot run 32-bit programs, the plug-in and the C writer
# both run under qemu-i386: compare them with each other only, not with
# Python, which runs natively.
mode=$(cat "$build/ux-run-mode.txt" 2>/dev/null || echo natively)
run32=()
if [ "$mode" != natively ]; then
  run32=(qemu-i386 -L /)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
records="${1:-200000}"
repeats="${2:-3}"
echo "32-bit programs (fmtdelimited, C writer) run $mode; Python runs natively"
"${run32[@]}" "$build/bench-export-csv/bench_export_csv" "$records" "$repeats" "$work"
"${run32[@]}" "$build/bench-export-csv/csv_writer" "$work/values.txt" "$work/c.csv" "$repeats"
if command -v python3 >/dev/null; then
  python3 bench/export-csv/csv_writer.py "$work/values.txt" "$work/python.csv" "$repeats"
  cmp "$work/plugin.csv" "$work/python.csv" && echo "Python wrote the same bytes"
else
  echo "python3 is not installed: no Python figure"
fi
cmp "$work/plugin.csv" "$work/c.csv" && echo "the C writer wrote the same bytes"
