#!/usr/bin/env bash
# Installs what is needed, builds ZARN and starts it on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default --target zarn_bundle
exec build/default/bundle/zarn "$@"
