#!/usr/bin/env bash
# Times tabelsmid against a plain awk conversion and against the I/O floor
# (cat copying the input and an output of tabelsmid's size), on synthetic
# headers of 8 and 64 MiB, and its whole process on the example header
# against cat. Prints one table. Not a test: nothing fails on a slow machine.
#
#   bench/run.sh [--lf] [BUILD_DIR]       (default build; headers with CR LF)
#
# Needs hyperfine and GNU time (Debian: apt-get install hyperfine time).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
line_ends=--crlf
if [ "${1:-}" = "--lf" ]; then line_ends=; shift; fi
tool=$(cd "${1:-$root/build}" && pwd)/tabelsmid
scratch=${TMPDIR:-/tmp}/tabelsmid-bench
mkdir -p "$scratch"
cd "$scratch"
runs=5

# median_seconds NAME COMMAND...: the median of $runs runs, conv.c removed before each.
median_seconds() {
  local name=$1; shift
  hyperfine --style none --runs "$runs" --warmup 1 --prepare 'rm -f conv.c copy.*' \
    --export-json "$name.json" "$*" >/dev/null 2>&1
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$name.json"
}

peak_kib() {
  rm -f conv.c
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}

rows=()
for size in 8 64; do
  header=header-$size${line_ends:+-crlf}.h
  [ -f "$header" ] || python3 "$root/bench/make_header.py" "$header" "$size" $line_ends
  rm -f conv.c && "$tool" "$header" X && mv conv.c "reference-$size.c"
  tool_s=$(median_seconds tool-$size "$tool $header X")
  awk_s=$(median_seconds awk-$size "awk -f $root/bench/convert.awk $header" )
  floor_s=$(median_seconds floor-$size "sh -c 'cat $header > copy.h && cat reference-$size.c > copy.c'")
  memory=$(peak_kib "$tool" "$header" X)
  rows+=("$size MiB|$(stat -c %s "$header")|$tool_s|$awk_s|$floor_s|$memory")
done

cp "$root/examples/kruisdef.h" example.h
hyperfine -N --style none --warmup 20 --runs 500 --export-json example.json \
  "$tool example.h X" "cat example.h" >/dev/null 2>&1
rm -f conv.c

python3 - "${rows[@]}" <<'PY'
import json, sys
print(f"{'input':<10}{'tabelsmid s':>12}{'MB/s':>8}{'awk s':>8}{'x awk':>7}{'floor s':>9}"
      f"{'/ floor':>9}{'peak KiB':>10}")
for row in sys.argv[1:]:
    name, size, tool, awk, floor, memory = row.split("|")
    size, tool, awk, floor = int(size), float(tool), float(awk), float(floor)
    print(f"{name:<10}{tool:>12.3f}{size / tool / 1e6:>8.0f}{awk:>8.3f}{awk / tool:>7.1f}"
          f"{floor:>9.3f}{tool / floor:>9.2f}{memory:>10}")
results = json.load(open("example.json"))["results"]
tool, cat = results[0]["median"] * 1000, results[1]["median"] * 1000
print(f"example header, whole process: tabelsmid {tool:.2f} ms, cat {cat:.2f} ms, "
      f"ratio {tool / cat:.2f}")
PY
