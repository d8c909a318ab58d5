#!/usr/bin/env bash
# The weather benchmark: a ten-year hourly station file (our own generator,
# about 175,000 lines) imported into an empty CeresWeather against awk
# aggregating the same file to daily rows, then "Check a Year" and a one-year
# weather file on the filled table.
#   bench/weather/run.sh [repeats]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset default >/dev/null
cmake --build --preset default --target bench_weather zarn-mkstation >/dev/null
build=build/default
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# 1 January 1996 to 31 December 2005: 3653 days, 24 hours, two lines each.
"$build/tools/zarn-mkstation" --out "$work/HCHFWS96.W10" --station HCHF01 --year 1996 \
  --first-day 1 --days 3653 --lat 51.55 --tmean 15 --tamp 9 --trange 11 --wet 0.3 --seed 10
exec "$build/bench/weather/bench_weather" "$work/HCHFWS96.W10" bench/weather/daily.awk "${1:-5}"
