#!/usr/bin/env bash
# Times the calculation window's load and one keystroke in its land-area field
# on the offscreen platform, with every reference table the load reads grown to
# 10,000 records (the record looked up last).
#   bench/calculation/run.sh [repeats]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset default >/dev/null
cmake --build --preset default --target bench_calculation >/dev/null
QT_QPA_PLATFORM=offscreen exec build/default/bench/calculation/bench_calculation "${1:-20}"
