#!/usr/bin/env bash
# Makes every text form (.dfm, .nfm, .lfm) below the given folders binary with Free
# Pascal's ObjectTextToBinary, reads it back with `sorvik convert` and compares the text
# with the original, line ends aside. Prints the first differing line of each form that
# reads back otherwise, then the counts.
#
#   scripts/form-round-trip.sh FOLDER...
#
# Needs a build with the tests in build/ (or in $SORVIK_BUILD) and Free Pascal.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SORVIK_BUILD:-$root/build}"
sorvik="$build/src/sorvik"
to_binary="$build/tests/formanalysis/fpc/form_text_to_binary"
for tool in "$sorvik" "$to_binary"; do
  [[ -x "$tool" ]] || { echo "missing $tool: build with -DSORVIK_TESTS=ON first" >&2; exit 2; }
done
((${#@})) || { echo "usage: $0 FOLDER..." >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
same=0 different=0 unreadable=0
while IFS= read -r -d '' form; do
  # Binary forms are not what this compares.
  [[ "$(head -c 3 "$form" | od -An -tx1 | tr -d ' ')" == ff0a00 ]] && continue
  if ! "$to_binary" "$form" "$work/binary" >/dev/null 2>&1; then
    echo "not readable by Free Pascal: $form"
    unreadable=$((unreadable + 1))
    continue
  fi
  "$sorvik" --config-dir "$work/home" convert "$work/binary" >"$work/back" 2>&1 || true
  tr -d '\r' <"$form" >"$work/text"
  if cmp -s "$work/text" "$work/back"; then
    same=$((same + 1))
  else
    different=$((different + 1))
    echo "differs: $form"
    diff "$work/text" "$work/back" | head -n 4 | sed 's/^/  /' || true
  fi
done < <(find "$@" -type f \( -iname '*.dfm' -o -iname '*.nfm' -o -iname '*.lfm' \) -print0 |
  sort -z)
echo "$same read back as they were, $different differ, $unreadable not readable by Free Pascal"
