#!/usr/bin/env bash
# Times "sorvik search" against "rg -i" and "grep -i" on the same files, side by side.
#
#   bench/search_bench.sh [LINES]     the synthetic corpus of about LINES lines (default 1000000)
#
# Environment: SORVIK (the tool, default build-release/src/sorvik, made when missing),
# PLAIN (a text in most units), RARE (a text in a few units) and REGEX (an expression).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lines="${1:-1000000}"
[[ $# -le 1 && "$lines" =~ ^[0-9]+$ ]] || { echo "usage: $0 [LINES]" >&2; exit 2; }
corpus="$root/bench/corpus-$lines"
sorvik="${SORVIK:-$root/build-release/src/sorvik}"
plain="${PLAIN:-Format(}"
rare="${RARE:-CalcContract}"
regex="${REGEX:-IntToStr\([A-Za-z_]+\)}"

for tool in rg grep /usr/bin/time; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing (Debian packages: ripgrep, grep, time)" >&2
    exit 1
  }
done
# time_scan.sh makes the Release tool and the corpus when they are missing (and times a
# scan of it).
if [[ ! -x "$sorvik" || ! -f "$corpus/Corpus.dpr" ]]; then
  "$root/bench/time_scan.sh" "$lines" >&2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The files the search reads with the scope "All Files": the units, the forms and the
# project file.
find "$corpus" -type f \( -iname '*.pas' -o -iname '*.dfm' -o -iname '*.dpr' \) -print0 |
  sort -z >"$work/files"
total=$(xargs -0 cat <"$work/files" | wc -l)
# The files in the page cache before anything is timed.
xargs -0 cat <"$work/files" >/dev/null

# run NAME OUTPUT COMMAND...: times the command, its stdout to OUTPUT; prints a row.
run() {
  local name="$1" output="$2"
  shift 2
  local status=0
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >"$output" 2>"$work/stderr" || status=$?
  # rg and grep exit 1 (through xargs: 123) when a batch of files holds no hit.
  if [[ $status -ne 0 && ! ($1 == xargs && ($status -eq 1 || $status -eq 123)) ]]; then
    cat "$work/stderr" >&2
    exit 1
  fi
  local wall user sys peak
  read -r wall user sys peak < <(tail -n 1 "$work/time")
  awk -v n="$name" -v w="$wall" -v c="$user + $sys" -v u="$user" -v s="$sys" \
    -v h="$(wc -l <"$output")" -v m="$peak" \
    'BEGIN { printf "%-22s %8.2f %8.2f %10d %8.1f\n", n, w, u + s, h, m / 1024 }'
  echo "$wall" >"$work/wall-$name"
}

echo "corpus: $corpus ($(tr -cd '\0' <"$work/files" | wc -c) files, $total lines)"
printf '%-22s %8s %8s %10s %8s\n' "run" "wall s" "cpu s" "hits" "MiB"
for kind in plain rare regex; do
  case $kind in
    plain) text="$plain" sorvikFlags=() rgFlags=(-F) grepFlags=(-F) ;;
    rare) text="$rare" sorvikFlags=() rgFlags=(-F) grepFlags=(-F) ;;
    regex) text="$regex" sorvikFlags=(--regex) rgFlags=() grepFlags=(-E) ;;
  esac
  echo "-- $kind: $text"
  run "sorvik-$kind" "$work/sorvik.out" "$sorvik" --config-dir "$work/home" search \
    "$corpus/Corpus.dpr" --text "$text" "${sorvikFlags[@]}"
  run "sorvik-$kind-keep" "$work/sorvik-keep.out" "$sorvik" --config-dir "$work/home" search \
    "$corpus/Corpus.dpr" --text "$text" --keep-comments --keep-spacing "${sorvikFlags[@]}"
  run "rg-$kind" "$work/rg.out" xargs -0 rg -i --no-filename "${rgFlags[@]}" -- "$text" \
    <"$work/files"
  run "grep-$kind" "$work/grep.out" xargs -0 grep -i -h "${grepFlags[@]}" -- "$text" \
    <"$work/files"
  for tool in rg grep; do
    awk -v a="$(cat "$work/wall-sorvik-$kind")" -v b="$(cat "$work/wall-$tool-$kind")" \
      -v t="$tool" 'BEGIN { if (b > 0) printf "  sorvik / %s: %.1fx\n", t, a / b }'
  done
done
