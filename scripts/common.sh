# shellcheck shell=bash disable=SC2034,SC2154
# Sourced by the scripts in this folder once they have set $root, the clone's folder: the
# Debian packages that the build and the tests need, their installation, and the options
# of every build.

# ccache keeps the compiler's output between runs, lld links faster than the default
# linker.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config ccache lld zlib1g-dev
  libpcre2-dev libpugixml-dev libfreetype-dev libfontconfig-dev fonts-liberation
  libhunspell-dev hunspell-en-us wamerican libcli11-dev nlohmann-json3-dev)
# libclang-rt-dev holds libFuzzer, which clang only recommends.
# mingw-w64 and Free Pascal build the executables and binary forms that the form readers'
# tests read; Qt, QScintilla and xvfb build and test the desktop window; Python generates
# the project that the parallel scan test reads.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev mingw-w64
  fp-compiler fp-units-rtl python3
  qt6-base-dev libqscintilla2-qt6-dev xvfb)

# Installs those of the given packages that are not installed yet; does nothing, and
# needs no network, when all of them are.
install_missing() {
  local package status
  local missing=()
  for package in "$@"; do
    status="$(dpkg -s "$package" 2>/dev/null || true)"
    [[ "$status" == *"Status: install ok installed"* ]] || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "== installing ${missing[*]}" >&2
  local sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs="$(nproc)"

# Options of every build: compiled through ccache, linked with lld. Paths below the clone
# are hashed relative to it, so a clone in another folder of the same machine builds from
# the cache of an earlier one.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
BUILD_OPTIONS=(-G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
