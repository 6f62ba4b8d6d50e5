#!/usr/bin/env bash
# Whole-process comparison of `stripemaker --batch` with Debian's `zint --batch`
# on the same work: EAN-13 and Code 128, to PNG and to SVG, 2-pixel modules,
# 100-pixel bars, text shown, both writing into a RAM folder. The two tools
# run alternately; each figure is the median of RUNS runs; CPU time is user
# plus system time from /usr/bin/time. Prints the ratios stripemaker / zint
# (below 0.5 meets the target of half), then checks that a sample of both
# tools' files decode (zxing-cpp) to the line they were made from.
#
#   scripts/compare-zint.sh [COUNT...]     (default: 2000 100000)
#   RUNS=5 JOBS=1 RAM=/dev/shm BUILD=build-bench scripts/compare-zint.sh 2000
#
# Needs `make bench` first (it builds stripemaker and the reader in BUILD).
set -euo pipefail

BUILD=${BUILD:-build-bench}
RUNS=${RUNS:-5}
JOBS=${JOBS:-1}
RAM=${RAM:-/dev/shm}
SAMPLE=${SAMPLE:-20}
counts=("$@")
[ ${#counts[@]} -eq 0 ] && counts=(2000 100000)

stripemaker=$BUILD/stripemaker
reader=$BUILD/bench/decode_files
for tool in "$stripemaker" "$reader" /usr/bin/zint /usr/bin/time; do
  [ -x "$tool" ] || { echo "missing $tool (run make bench; apt-get install zint time)" >&2; exit 2; }
done
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d "$RAM/compare-zint.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The input: COUNT lines of valid data for the symbology.
make_input() {  # symbology count file
  case $1 in
    ean13) awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++) printf "40%010d\n", (i * 7919) % 1000000000 }' ;;
    code128) awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++) printf "Tessel-%08d\n", i }' ;;
  esac >"$3"
}

# Runs a command with its output folder emptied first; prints "wall cpu".
timed() {  # folder command...
  local folder=$1
  shift
  rm -rf "$folder" && mkdir -p "$folder"
  /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || {
    echo "failed: $*" >&2
    cat "$work/stderr" >&2
    exit 1
  }
  awk '{ printf "%s %.3f\n", $1, $2 + $3 }' "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

stripemaker_run() {  # symbology format input folder
  local class=TBarcode_EAN13
  [ "$1" = code128 ] && class=TBarcode_Code128
  timed "$4" "$stripemaker" -c "$class" -p Module=2 -p BarcodeHeight=100 -p DisplayText=dtFullEncoded \
    --batch "$3" -o "$4" --format "$2" --jobs "$JOBS"
}

zint_run() {  # symbology format input folder
  local barcode=13
  [ "$1" = code128 ] && barcode=20
  timed "$4" /usr/bin/zint -b "$barcode" --scale=1 --height=50 --batch -i "$3" --filetype="$2" \
    -o "$4/~~~~~~.$2"
}

check_sample() {  # symbology format input folder pattern-of-names
  local total bad=0 step line file text
  total=$(wc -l <"$3")
  step=$(( total / SAMPLE > 0 ? total / SAMPLE : 1 ))
  for ((line = 1; line <= total; line += step)); do
    file=$(printf "$5" "$line")
    text=$(sed -n "${line}p" "$3")
    decoded=$("$reader" "$4/$file" | cut -f2)
    # EAN-13 reads back with its check digit.
    [ "$1" = ean13 ] && decoded=${decoded:0:12}
    [ "$decoded" = "$text" ] || { echo "  $4/$file: read '$decoded', made from '$text'" >&2; bad=$((bad + 1)); }
  done
  return $bad
}

printf "%-8s %-4s %7s %9s %9s %9s %9s %7s %7s\n" symbol fmt count "sm wall" "sm cpu" "zint wall" "zint cpu" "wall x" "cpu x"
status=0
for count in "${counts[@]}"; do
  for symbology in ean13 code128; do
    input=$work/$symbology-$count.txt
    make_input "$symbology" "$count" "$input"
    for format in png svg; do
      : >"$work/s" && : >"$work/z"
      for ((run = 0; run < RUNS; run++)); do
        stripemaker_run "$symbology" "$format" "$input" "$work/out-s" >>"$work/s"
        zint_run "$symbology" "$format" "$input" "$work/out-z" >>"$work/z"
      done
      sw=$(cut -d' ' -f1 "$work/s" | median) sc=$(cut -d' ' -f2 "$work/s" | median)
      zw=$(cut -d' ' -f1 "$work/z" | median) zc=$(cut -d' ' -f2 "$work/z" | median)
      awk -v s="$symbology" -v f="$format" -v n="$count" -v sw="$sw" -v sc="$sc" -v zw="$zw" -v zc="$zc" \
        'BEGIN { printf "%-8s %-4s %7d %9.2f %9.2f %9.2f %9.2f %7.2f %7.2f\n", s, f, n, sw, sc, zw, zc,
                 sw / (zw > 0 ? zw : 0.01), sc / (zc > 0 ? zc : 0.01) }'
      check_sample "$symbology" "$format" "$input" "$work/out-s" "%06d.$format" || status=1
      check_sample "$symbology" "$format" "$input" "$work/out-z" "%06d.$format" || status=1
    done
  done
done
[ $status -eq 0 ] && echo "sampled files of both tools decode to their lines" || echo "some files did not decode" >&2
exit $status
