#!/usr/bin/env bash
# Installs what the build and the tests need, then:
#   1. builds into build/ and runs the unit and golden tests;
#   2. builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
#      runs the same tests;
#   3. with clang, builds the fuzz targets into build-fuzz/ and runs each for 20 seconds.
# Running it again installs and rebuilds only what is missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$root/scripts/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# Window tests run without a display.
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1

phase() { echo "== $* (after ${SECONDS} s)" >&2; }

phase "build and tests"
# The desktop application is built whenever Qt 6 is found, whatever the last
# run-example.sh left in the cache.
cmake -S "$root" -B "$root/build" -G Ninja -U SORVIK_GUI -DSORVIK_TESTS=ON
cmake --build "$root/build" -j"$jobs"
ctest --test-dir "$root/build" --output-on-failure

phase "sanitizer build and tests"
# Unoptimised: it compiles faster, gives exact stack traces, and keeps GCC from the false
# maybe-uninitialized warnings it gives in optimised, instrumented library code.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSORVIK_SANITIZE=ON -DSORVIK_GUI=OFF
cmake --build "$root/build-asan" -j"$jobs"
ctest --test-dir "$root/build-asan" --output-on-failure

if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
  phase "no clang: fuzz targets skipped"
  exit 0
fi

phase "fuzz targets"
fuzz="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DSORVIK_FUZZ=ON -DSORVIK_GUI=OFF
# Only the fuzz targets: the tests of this build would repeat the sanitizer run.
mapfile -t targets < <(cmake --build "$fuzz" --target help |
  sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): phony$/\1/p')
if ((${#targets[@]})); then
  cmake --build "$fuzz" -j"$jobs" --target "${targets[@]}"
fi

mkdir -p "$fuzz/artifacts"
failed=()
for fuzzer in "$fuzz"/tests/fuzz/fuzz_*; do
  [[ -f "$fuzzer" && -x "$fuzzer" ]] || continue
  name="$(basename "$fuzzer")"
  log="$fuzz/artifacts/$name.log"
  if "$fuzzer" -max_total_time=20 -artifact_prefix="$fuzz/artifacts/$name-" >"$log" 2>&1; then
    echo "$name: $(grep -m1 '^Done ' "$log" || tail -n 1 "$log")" >&2
  else
    tail -n 40 "$log" >&2
    failed+=("$name")
  fi
done
if ((${#failed[@]})); then
  echo "== fuzz targets that failed: ${failed[*]} (inputs in $fuzz/artifacts)" >&2
  exit 1
fi
phase "all passed"
