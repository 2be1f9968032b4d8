#!/usr/bin/env bash
# Checks every web page below a folder with sorvik and with HTML Tidy, side by side.
#
#   bench/pages_vs_tidy.sh [FOLDER] [--copies K]
#
# FOLDER defaults to /usr/share (the HTML documentation of the installed packages). The
# pages (.htm, .html, .aspx, .asp) are copied K times (default 1) into a work folder,
# with the folders they stand in, and listed in a project file. The script reads them
# once with cat (the floor, and the page cache filled), then runs "sorvik scan" on the
# project and "tidy -q -e" on the same pages, each under /usr/bin/time, and prints the
# pages, their size, each run's wall time, pages per second and the ratio to tidy.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sorvik="$root/build-release/src/sorvik"
folder=/usr/share
copies=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    --copies) copies="$2"; shift 2 ;;
    *) folder="$1"; shift ;;
  esac
done
[[ -d "$folder" && "$copies" =~ ^[1-9][0-9]*$ ]] ||
  { echo "usage: $0 [FOLDER] [--copies K]" >&2; exit 2; }
for tool in /usr/bin/time tidy; do
  command -v "$tool" >/dev/null ||
    { echo "$tool is missing (Debian packages: time, tidy)" >&2; exit 1; }
done

# shellcheck source=bench/release_tool.sh
source "$root/bench/release_tool.sh"
release_tool "$root"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mapfile -d '' pages < <(find "$folder" -type f \( -iname '*.htm' -o -iname '*.html' \
  -o -iname '*.aspx' -o -iname '*.asp' \) -print0 2>/dev/null)
[[ ${#pages[@]} -gt 0 ]] || { echo "no pages below $folder" >&2; exit 1; }
for ((copy = 1; copy <= copies; copy++)); do
  for page in "${pages[@]}"; do
    mkdir -p "$work/pages/$copy$(dirname "$page")"
    cp "$page" "$work/pages/$copy$page"
  done
done
python3 "$root/bench/corpus_to_svk.py" "$work/pages" "$work/pages.svk" --pages 2>/dev/null
count=$((${#pages[@]} * copies))
bytes=$(find "$work/pages" -type f -print0 | xargs -0 cat | wc -c)

seconds() { awk '{ print $1 }' "$1"; }
floor_start=$(date +%s.%N)
find "$work/pages" -type f -print0 | xargs -0 cat >/dev/null
floor=$(awk -v a="$floor_start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')

/usr/bin/time -f "%e %M" -o "$work/sorvik.time" \
  "$sorvik" --config-dir "$work/home" scan "$work/pages.svk" >"$work/sorvik.out" 2>/dev/null || true
# tidy ends with 1 or 2 when it found something.
/usr/bin/time -f "%e %M" -o "$work/tidy.time" \
  sh -c 'find "$1" -type f -print0 | xargs -0 -n 200 tidy -q -e >/dev/null 2>&1; true' \
  sh "$work/pages"

sorvik_wall=$(seconds "$work/sorvik.time")
tidy_wall=$(seconds "$work/tidy.time")
rate() { awk -v n="$count" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }'; }
printf 'pages: %d (%d bytes) below %s, %d copies\n' "$count" "$bytes" "$folder" "$copies"
printf 'floor (cat):  %6.2f s\n' "$floor"
printf 'sorvik scan:  %6.2f s  %8s pages/s  peak %d KiB  %d findings\n' "$sorvik_wall" \
  "$(rate "$sorvik_wall")" "$(awk '{ print $2 }' "$work/sorvik.time")" "$(wc -l <"$work/sorvik.out")"
printf 'tidy -q -e:   %6.2f s  %8s pages/s  peak %d KiB\n' "$tidy_wall" "$(rate "$tidy_wall")" \
  "$(awk '{ print $2 }' "$work/tidy.time")"
awk -v a="$sorvik_wall" -v b="$tidy_wall" \
  'BEGIN { if (a > 0) printf "sorvik is %.1f times as fast as tidy\n", b / a }'
