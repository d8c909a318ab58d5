#!/usr/bin/env bash
# Times ZARN's startup to the painted main menu against a bare Qt window with
# hyperfine, on the offscreen platform (or a virtual X display with --x11).
# The text window (the bare window with one label) shows how much of the
# difference is the font set-up that any window with text pays.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset default >/dev/null
cmake --build --preset default --target bench_zarn_startup bench_bare_window bench_text_window >/dev/null
bin=build/default/bench/startup
if [ "${1:-}" = "--x11" ]; then
  exec xvfb-run -a hyperfine -N --warmup 5 --runs 40 \
    "$bin/bench_bare_window" "$bin/bench_text_window" "$bin/bench_zarn_startup"
fi
QT_QPA_PLATFORM=offscreen exec hyperfine -N --warmup 5 --runs 40 \
  "$bin/bench_bare_window" "$bin/bench_text_window" "$bin/bench_zarn_startup"
