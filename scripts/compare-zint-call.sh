#!/usr/bin/env bash
# One symbol per call, as scripts that make one label a call run the tools:
# `stripemaker -s EAN-13 ... -o x.FORMAT` against `zint -b 13 ... -o
# x.FORMAT`, to PNG and to SVG, alternately, CALLS times each. Prints the
# median wall time of a call, the median peak memory (maximum resident set
# size) and the ratio stripemaker / zint (at most 2 meets the target), then
# checks that both tools' last PNGs decode (zxing-cpp) to the same text.
#
#   scripts/compare-zint-call.sh                 (CALLS=40 BUILD=build-bench)
#
# Needs `make bench` first (it builds stripemaker and the reader in BUILD).
set -euo pipefail

BUILD=${BUILD:-build-bench}
CALLS=${CALLS:-40}
DATA=400638133393
stripemaker=$BUILD/stripemaker
reader=$BUILD/bench/decode_files
for tool in "$stripemaker" "$reader" /usr/bin/zint /usr/bin/time; do
  [ -x "$tool" ] || { echo "missing $tool (run make bench; apt-get install zint time)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs one call; appends "milliseconds kilobytes" to the file.
timed() {  # file command...
  local out=$1 start end
  shift
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null 2>"$work/stderr" || {
    echo "failed: $*" >&2
    cat "$work/stderr" >&2
    exit 1
  }
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $(cat "$work/rss")" | awk '{ printf "%.2f %d\n", $1 / 1000, $2 }' >>"$out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf "%-4s %10s %10s %10s %10s %7s %7s\n" fmt "sm ms" "sm MB" "zint ms" "zint MB" "time x" "mem x"
for format in png svg; do
  : >"$work/s" && : >"$work/z"
  for ((call = 0; call < CALLS; call++)); do
    timed "$work/s" "$stripemaker" -s EAN-13 -p Barcode=$DATA -o "$work/s.$format"
    timed "$work/z" /usr/bin/zint -b 13 -d $DATA -o "$work/z.$format"
  done
  sm=$(cut -d' ' -f1 "$work/s" | median) sk=$(cut -d' ' -f2 "$work/s" | median)
  zm=$(cut -d' ' -f1 "$work/z" | median) zk=$(cut -d' ' -f2 "$work/z" | median)
  awk -v f="$format" -v sm="$sm" -v sk="$sk" -v zm="$zm" -v zk="$zk" \
    'BEGIN { printf "%-4s %10.2f %10.1f %10.2f %10.1f %7.2f %7.2f\n", f, sm, sk / 1024, zm, zk / 1024,
             sm / zm, sk / zk }'
done
s=$("$reader" "$work/s.png" | cut -f2) z=$("$reader" "$work/z.png" | cut -f2)
[ -n "$s" ] && [ "$s" = "$z" ] || { echo "the PNGs read '$s' and '$z'" >&2; exit 1; }
echo "both tools' PNGs decode to $s"
