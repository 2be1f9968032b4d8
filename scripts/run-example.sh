#!/usr/bin/env bash
# Installs what the build needs, builds the command-line tool into build/ and scans the
# bundled example project. Running it again installs and rebuilds only what is missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$root/scripts/common.sh"

install_missing "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build" "${BUILD_OPTIONS[@]}" -DSORVIK_GUI=OFF -DSORVIK_TESTS=OFF
cmake --build "$root/build" -j"$jobs"

cd "$root"
build/src/sorvik scan examples/Inventory.dpr
