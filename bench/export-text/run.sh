#!/usr/bin/env bash
# Builds the plug-ins (preset default: optimised, 32-bit) and runs the text
# export benchmark: 200,000 records of 8 fields through fmtplain, both formats.
#   bench/export-text/run.sh [records] [repeats]
# BUILD_DIR overrides the build directory (default: build/plugins-default).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${BUILD_DIR:-build/plugins-default}"
if [ -z "${BUILD_DIR:-}" ]; then
  (cd plugins && cmake --preset default >/dev/null)
fi
cmake --build "$build" --target bench_export_text fmtplain -j2 >/dev/null
# Where the kernel cannot run 32-bit programs the benchmark runs under
# qemu-i386: its figures are then emulated and say so.
mode=$(cat "$build/ux-run-mode.txt" 2>/dev/null || echo natively)
echo "32-bit benchmark runs $mode"
if [ "$mode" = natively ]; then
  exec "$build/bench-export-text/bench_export_text" "${1:-200000}" "${2:-3}"
fi
exec qemu-i386 -L / "$build/bench-export-text/bench_export_text" "${1:-200000}" "${2:-3}"
