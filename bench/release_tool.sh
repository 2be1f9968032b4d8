# shellcheck shell=bash
# Sourced by the benchmarks: the Release build of the command-line tool in build-release,
# configured when it is missing, then built.
release_tool() {
  local root="$1"
  local build="$root/build-release"
  if [[ ! -f "$build/build.ninja" ]]; then
    echo "== configuring the Release tool in $build" >&2
    # Release at -O2: GCC 12 at -O3 reports false -Wrestrict and -Wmaybe-uninitialized
    # findings inside inlined std::string code, and warnings are errors.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DSORVIK_GUI=OFF -DSORVIK_TESTS=OFF >&2
  fi
  cmake --build "$build" --target sorvik -j2 >&2
}
