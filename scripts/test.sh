#!/usr/bin/env bash
# Installs what is needed, builds everything (application, crop model stand-in,
# 32-bit export plug-ins) and runs every test.
#   scripts/test.sh          normal build
#   scripts/test.sh asan     the same under AddressSanitizer + UBSan
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/setup.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1
werror=()
[ "${CI:-}" = "true" ] && werror=(-DZARN_WERROR=ON)

cmake --preset "$preset" "${werror[@]}"
cmake --build --preset "$preset" -j "$jobs"
ctest --preset "$preset" -j "$jobs"

if [ -f plugins/CMakeLists.txt ]; then
  (cd plugins && cmake --preset "$preset" "${werror[@]}" &&
    cmake --build --preset "$preset" -j "$jobs")
  mode=$(cat "build/plugins-$preset/ux-run-mode.txt")
  echo "32-bit plug-in tests run $mode"
  (cd plugins && ctest --preset "$preset" -j "$jobs")
  echo "32-bit plug-in tests ran $mode"
fi
