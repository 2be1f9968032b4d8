#!/usr/bin/env bash
# Installs what the build and the tests need, then:
#   1. builds into build/ and runs the unit and golden tests;
#   2. builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
#      runs the same tests;
#   3. with clang, builds the fuzz targets into build-fuzz/ and runs each for 20 seconds.
# Running it again installs and rebuilds only what is missing; what was compiled once on
# this machine comes from ccache, also in a new clone. Each stage prints its time when it
# ends, and all of them are listed at the end.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$root/scripts/common.sh"

stage="" stage_start=0 times=()
end_stage() {
  [[ -n "$stage" ]] || return 0
  local took=$((SECONDS - stage_start))
  echo "== $stage: ${took} s" >&2
  times+=("$(printf '%5d s  %s' "$took" "$stage")")
  stage=""
}
phase() {
  end_stage
  stage="$*" stage_start=$SECONDS
  echo "== $stage" >&2
}
summary() {
  end_stage
  printf '%s\n' "== times" "${times[@]}" "$(printf '%5d s  in all' "$SECONDS")" >&2
}
trap summary EXIT

phase "packages"
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# Window tests run without a display.
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1

phase "build"
# The desktop application is built whenever Qt 6 is found, whatever the last
# run-example.sh left in the cache.
cmake -S "$root" -B "$root/build" "${BUILD_OPTIONS[@]}" -U SORVIK_GUI -DSORVIK_TESTS=ON
cmake --build "$root/build" -j"$jobs"

phase "tests"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

phase "sanitizer build"
# Unoptimised: it compiles faster, gives exact stack traces, and keeps GCC from the false
# maybe-uninitialized warnings it gives in optimised, instrumented library code.
cmake -S "$root" -B "$root/build-asan" "${BUILD_OPTIONS[@]}" -DCMAKE_BUILD_TYPE=Debug \
  -DSORVIK_SANITIZE=ON -DSORVIK_GUI=OFF
cmake --build "$root/build-asan" -j"$jobs"

phase "sanitizer tests"
ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"

if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
  echo "== no clang: fuzz targets skipped" >&2
  exit 0
fi

phase "fuzz build"
fuzz="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" "${BUILD_OPTIONS[@]}" -DSORVIK_FUZZ=ON \
  -DSORVIK_GUI=OFF
# Only the fuzz targets: the tests of this build would repeat the sanitizer run.
mapfile -t targets < <(cmake --build "$fuzz" --target help |
  sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): phony$/\1/p')
if ((${#targets[@]})); then
  cmake --build "$fuzz" -j"$jobs" --target "${targets[@]}"
fi

phase "fuzz runs"
# As many targets at a time as there are cores, each for 20 seconds.
mkdir -p "$fuzz/artifacts"
declare -A running=()
failed=()
wait_for_one() {
  local pid status=0
  wait -n -p pid "${!running[@]}" || status=$?
  local name="${running[$pid]}"
  unset "running[$pid]"
  local log="$fuzz/artifacts/$name.log"
  if ((status == 0)); then
    echo "$name: $(grep -m1 '^Done ' "$log" || tail -n 1 "$log")" >&2
  else
    tail -n 40 "$log" >&2
    failed+=("$name")
  fi
}
for fuzzer in "$fuzz"/tests/fuzz/fuzz_*; do
  [[ -f "$fuzzer" && -x "$fuzzer" ]] || continue
  ((${#running[@]} < jobs)) || wait_for_one
  name="$(basename "$fuzzer")"
  "$fuzzer" -max_total_time=20 -artifact_prefix="$fuzz/artifacts/$name-" \
    >"$fuzz/artifacts/$name.log" 2>&1 &
  running[$!]="$name"
done
while ((${#running[@]})); do wait_for_one; done
if ((${#failed[@]})); then
  echo "== fuzz targets that failed: ${failed[*]} (inputs in $fuzz/artifacts)" >&2
  exit 1
fi
end_stage
echo "== all passed" >&2
