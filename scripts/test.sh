#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test.
# Usage: scripts/test.sh [build-folder] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja "$@"
cmake --build "$build"
# QUILLON_TEST_EXCLUDE: a regular expression of test names to leave out.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" ${QUILLON_TEST_EXCLUDE:+-E "$QUILLON_TEST_EXCLUDE"}
