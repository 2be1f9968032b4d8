#!/usr/bin/env bash
# Times a scan of a synthetic project.
#
#   bench/time_scan.sh [LINES]        a corpus of about LINES lines (default 1000000)
#   bench/time_scan.sh --units N      a corpus of N units
#
# Builds the Release tool into build-release when it is missing, generates the corpus
# into bench/corpus-LINES (or bench/corpus-units-N) when it is missing, then runs
# "sorvik scan" on it under /usr/bin/time and prints the wall time, the lines scanned
# per second and the peak memory.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"
sorvik="$build/src/sorvik"

if [[ "${1:-}" == "--units" ]]; then
  [[ $# -eq 2 && "$2" =~ ^[0-9]+$ ]] || { echo "usage: $0 [LINES | --units N]" >&2; exit 2; }
  size=(--units "$2")
  corpus="$root/bench/corpus-units-$2"
else
  lines="${1:-1000000}"
  [[ $# -le 1 && "$lines" =~ ^[0-9]+$ ]] || { echo "usage: $0 [LINES | --units N]" >&2; exit 2; }
  size=(--lines "$lines")
  corpus="$root/bench/corpus-$lines"
fi

if [[ ! -x /usr/bin/time ]]; then
  echo "/usr/bin/time is missing (Debian package: time)" >&2
  exit 1
fi

# shellcheck source=bench/release_tool.sh
source "$root/bench/release_tool.sh"
[[ -x "$sorvik" ]] || release_tool "$root"

if [[ ! -f "$corpus/Corpus.dpr" ]]; then
  echo "== generating $corpus" >&2
  rm -rf "$corpus"
  python3 "$root/bench/generate_corpus.py" "$corpus" "${size[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

files=$(find "$corpus" -type f \( -iname '*.pas' -o -iname '*.dfm' -o -iname '*.dpr' \) | wc -l)
total=$(find "$corpus" -type f \( -iname '*.pas' -o -iname '*.dfm' -o -iname '*.dpr' \) -print0 |
  xargs -0 cat | wc -l)

echo "== scanning $corpus/Corpus.dpr" >&2
status=0
/usr/bin/time -v -o "$work/time.txt" \
  "$sorvik" --config-dir "$work/config" scan "$corpus/Corpus.dpr" \
  >"$work/results.txt" 2>"$work/stderr.txt" || status=$?
if [[ $status -ne 0 ]]; then
  echo "sorvik exited with status $status:" >&2
  cat "$work/stderr.txt" >&2
  exit 1
fi

# "Elapsed (wall clock) time (h:mm:ss or m:ss): 1:02.51" -> seconds
wall=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$work/time.txt" |
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
results=$(wc -l <"$work/results.txt")

echo "corpus:        $corpus ($files files, $total lines)"
echo "status line:   $(head -n 1 "$work/stderr.txt")"
echo "results:       $results lines on stdout"
echo "wall time:     ${wall} s"
awk -v n="$total" -v s="$wall" 'BEGIN {
  if (s > 0) printf "lines/second:  %.0f\n", n / s; else print "lines/second:  (too fast to measure)" }'
awk -v k="$peak" 'BEGIN { printf "peak memory:   %.1f MiB (maximum resident set size %d kB)\n", k / 1024, k }'
