#!/usr/bin/env bash
# Builds with gcov instrumentation, runs every test, and prints the line and
# branch coverage of src/ (needs gcovr: apt-get install gcovr).
#   scripts/coverage.sh [BUILD_DIR]     (default: build-coverage)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-coverage}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build" -j2
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j2 --output-on-failure
options=(--root "$root" --filter "$root/src/" --object-directory "$build"
         --gcov-exclude '.*CompilerId.*' --exclude-throw-branches --exclude-unreachable-branches)
echo "== Lines not run, per file"
gcovr "${options[@]}" --txt --print-summary
echo "== Branches not taken, per file"
gcovr "${options[@]}" --txt --branches
