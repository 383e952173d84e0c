#!/usr/bin/env bash
# Runs both fuzz targets side by side for a bounded time, seeded from the
# end-to-end cases; fails when either finds a crash or a broken invariant.
#   fuzz/run.sh [BUILD_DIR] [SECONDS]     (defaults: build-fuzz 60)
# BUILD_DIR must be configured with clang and -DTABELSMID_FUZZ=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build-fuzz}" && pwd)
seconds=${2:-60}
work=$build/fuzz-work
mkdir -p "$work/grammar-corpus" "$work/run-corpus"

# Seeds: every header of the cases whole (after the byte that sets the read
# size) for the whole run, and each of their lines for the grammar.
python3 - "$root/tests/cases" "$work" <<'PY'
import pathlib, sys
cases, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
for number, header in enumerate(sorted(cases.glob("*/before/*"))):
    if not header.is_file() or header.stat().st_size > 1 << 20:
        continue
    data = header.read_bytes()
    (work / "run-corpus" / f"seed-{number}").write_bytes(bytes([number % 16]) + data)
    for line_number, line in enumerate(data.splitlines(keepends=True)):
        (work / "grammar-corpus" / f"seed-{number}-{line_number}").write_bytes(line)
PY

run_target() {
  local target=$1 corpus=$2 max_len=$3
  "$build/fuzz/$target" -dict="$root/fuzz/tabelsmid.dict" -max_total_time="$seconds" \
    -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$work/$target-" \
    "$work/$corpus" >"$work/$target.log" 2>&1
}

status=0
run_target grammar_fuzz grammar-corpus 1024 & grammar=$!
run_target run_fuzz run-corpus 16384 & run=$!
wait $grammar || status=1
wait $run || status=1
for target in grammar_fuzz run_fuzz; do
  echo "== $target: $(grep -E 'stat::number_of_executed_units' "$work/$target.log" || true)"
  if [ $status -ne 0 ]; then tail -n 40 "$work/$target.log"; fi
done
exit $status
