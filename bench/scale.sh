#!/usr/bin/env bash
# Times scans of large projects beside the floor: reading the same files with cat.
#
#   bench/scale.sh [--timeout SECONDS] [--lines N] [--jobs N] [--keep DIR] [ROW...]
#
# Rows (all of them when none is named):
#   fpc        Free Pascal's sources (every .pas and .dfm below FPCSRC), default settings
#   fpc-lib    the same with Free Pascal's include folders as General.DelphiLibrary
#   jwa        jwawindows.pas alone with Compiler.UseIfDefs=1
#   synthetic  the generated project of bench/time_scan.sh (--lines, default 1000000)
#
# Every scan runs "sorvik --config-dir <empty folder> scan" under /usr/bin/time -v and is
# stopped after --timeout seconds (default 1200); --jobs N is handed to it (default: its own,
# one worker per core). For each row the table gives the files and
# their lines (wc -l), the scan's wall and processor time, lines per second of wall time,
# the peak memory (maximum resident set size), the floor's wall time and peak memory, the
# scan's wall time over the floor's, and a digest of the scan's output (stdout, then stderr)
# that tells whether a change of the code kept the output byte for byte. --keep DIR keeps
# each row's output there. FPCSRC (default /usr/share/fpcsrc) is Debian's fpc-source.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"
sorvik="$build/src/sorvik"
fpcsrc="${FPCSRC:-/usr/share/fpcsrc}"
limit=1200
lines=1000000
keep=""
jobs=()
rows=()

usage() {
  echo "usage: $0 [--timeout SECONDS] [--lines N] [--jobs N] [--keep DIR]" \
    "[fpc|fpc-lib|jwa|synthetic ...]" >&2
  exit 2
}

while [[ $# -gt 0 ]]; do
  case "$1" in
    --timeout) [[ "${2:-}" =~ ^[0-9]+$ ]] || usage; limit="$2"; shift 2 ;;
    --lines) [[ "${2:-}" =~ ^[0-9]+$ ]] || usage; lines="$2"; shift 2 ;;
    --jobs) [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || usage; jobs=(--jobs "$2"); shift 2 ;;
    --keep) [[ -n "${2:-}" ]] || usage; keep="$2"; shift 2 ;;
    fpc | fpc-lib | jwa | synthetic) rows+=("$1"); shift ;;
    *) usage ;;
  esac
done
[[ ${#rows[@]} -gt 0 ]] || rows=(fpc fpc-lib jwa synthetic)

if [[ ! -x /usr/bin/time ]]; then
  echo "/usr/bin/time is missing (Debian package: time)" >&2
  exit 1
fi

# The Release tool is brought up to date when it was configured; time_scan.sh configures
# and builds it, and generates the synthetic project, when either is missing.
corpus="$root/bench/corpus-$lines"
if [[ -f "$build/build.ninja" ]]; then
  cmake --build "$build" --target sorvik -j2 >&2
fi
if [[ ! -x "$sorvik" || ( " ${rows[*]} " == *" synthetic "* && ! -f "$corpus/Corpus.dpr" ) ]]; then
  "$root/bench/time_scan.sh" "$lines" >&2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[[ -z "$keep" ]] || mkdir -p "$keep"

# Runs a command under /usr/bin/time -v and the time-out; sets status, wall and cpu
# (seconds) and peak (kB).
timed() {
  local log="$work/time.txt" start end
  start=$(date +%s%N)
  status=0
  /usr/bin/time -v -o "$log" timeout "$limit" "$@" || status=$?
  end=$(date +%s%N)
  wall=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
  cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.1f", s }' "$log")
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
}

# The files that project file $1 lists, NUL-separated, into $work/files.
listed_files() {
  sed -n 's/^File[0-9]*=//p' "$1" | tr -d '\r' | tr '\n' '\0' >"$work/files"
}

# Sets project and options for the row and lists its files in $work/files.
prepare() {
  local release rtl jwa
  options=()
  case "$1" in
    fpc | fpc-lib)
      project="$work/fpcsrc.svk"
      python3 "$root/bench/corpus_to_svk.py" "$fpcsrc" "$project"
      listed_files "$project"
      if [[ "$1" == fpc-lib ]]; then
        # The include folders of the run-time library, and the compiler's, whose units in
        # the folder of each processor include fpcdefs.inc from there.
        release=$(find "$fpcsrc" -mindepth 2 -maxdepth 2 -type d -name rtl | sort | tail -n 1)
        release="${release%/rtl}" rtl="${release}/rtl"
        options=(--set "General.DelphiLibrary=$rtl/inc;$rtl/unix;$rtl/linux;$rtl/x86_64;$release/compiler")
      fi
      ;;
    jwa)
      jwa=$(find "$fpcsrc" -type f -path '*winunits-jedi/*' -name jwawindows.pas | head -n 1)
      [[ -n "$jwa" ]] || { echo "jwawindows.pas not found below $fpcsrc" >&2; return 1; }
      project="$work/jwawindows.svk"
      printf '[Files]\r\nFile0=%s\r\n' "$jwa" >"$project"
      listed_files "$project"
      options=(--set Compiler.UseIfDefs=1)
      ;;
    synthetic)
      find "$corpus" -type f \( -iname '*.pas' -o -iname '*.dfm' -o -iname '*.dpr' \) -print0 \
        >"$work/files"
      project="$corpus/Corpus.dpr"
      ;;
  esac
}

format='%-10s %6s %9s %9s %8s %10s %9s %8s %9s %7s  %s\n'
table=$(printf "$format" row files lines "wall s" "cpu s" "lines/s" "peak MiB" \
  "floor s" "floor MiB" ratio output)

for row in "${rows[@]}"; do
  if [[ "$row" != synthetic && ! -d "$fpcsrc" ]]; then
    echo "$fpcsrc is missing (Debian package: fpc-source); row $row skipped" >&2
    continue
  fi
  prepare "$row" || continue
  files=$(tr -cd '\0' <"$work/files" | wc -c)
  total=$(xargs -0 cat <"$work/files" | wc -l)

  echo "== $row: $files files, $total lines" >&2
  xargs -0 cat <"$work/files" >/dev/null  # the files in the page cache for both runs
  timed xargs -0 cat <"$work/files" >/dev/null
  floor_wall=$wall floor_peak=$peak

  timed "$sorvik" --config-dir "$work/config-$row" ${jobs[@]+"${jobs[@]}"} "${options[@]}" scan "$project" \
    >"$work/$row.out" 2>"$work/$row.err"
  if [[ $status -eq 124 ]]; then
    output="stopped after $limit s"
  elif [[ $status -ne 0 ]]; then
    output="exit status $status"
  else
    output=$(cat "$work/$row.out" "$work/$row.err" | sha256sum | cut -c1-16)
  fi
  [[ -z "$keep" ]] || cp "$work/$row.out" "$work/$row.err" "$keep/"
  echo "   $(head -n 1 "$work/$row.err")" >&2

  table+=$'\n'$(awk -v row="$row" -v files="$files" -v n="$total" -v w="$wall" -v c="$cpu" \
    -v p="$peak" -v fw="$floor_wall" -v fp="$floor_peak" -v out="$output" -v f="$format" \
    'BEGIN { printf f, row, files, n, sprintf("%.2f", w), c, sprintf("%.0f", n / w),
               sprintf("%.0f", p / 1024), sprintf("%.3f", fw), sprintf("%.1f", fp / 1024),
               sprintf("%.0f", w / fw), out }')
done

echo "$table"
