# Sourced by ./run and ./test: installs what the build needs from Debian's packages, then
# configures and builds into build/. Quiet when everything is already in place.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BRISANEL_BUILD_DIR:-$ROOT/build}"
# Parallel jobs for building and testing; fewer on a machine that others share.
JOBS="${BRISANEL_JOBS:-$(nproc)}"

# Debian packages, one list per purpose in scripts/packages/ ('#' starts a comment).
mapfile -t PACKAGES < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$ROOT"/scripts/packages/*.txt)

install_missing_packages() {
    local missing=() package
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "brisanel: need root or sudo to install: ${missing[*]}" >&2
            exit 1
        }
        sudo=(sudo)
    fi
    echo "brisanel: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

configure_and_build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$BUILD_DIR" --parallel "$JOBS"
}

# The hardening checks that ./test runs after the normal suite: the whole suite again, built with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/, then every fuzz target for a
# bounded time (BRISANEL_FUZZ_SECONDS each, 20 by default), built with clang into build-fuzz/.
ASAN_BUILD_DIR="${BRISANEL_ASAN_BUILD_DIR:-$ROOT/build-asan}"
FUZZ_BUILD_DIR="${BRISANEL_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"

# Every finding stops the program that made it. Leaks inside third-party libraries are listed in
# scripts/lsan.supp. Set before building too: test discovery runs the test programs.
sanitizer_options() {
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1:check_initialization_order=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
}

build_sanitized() {
    sanitizer_options
    if [ ! -f "$ASAN_BUILD_DIR/build.ninja" ]; then
        cmake -S "$ROOT" -B "$ASAN_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBRISANEL_SANITIZE=ON >/dev/null
    fi
    cmake --build "$ASAN_BUILD_DIR" --parallel "$JOBS"
}

build_fuzzers() {
    if [ ! -f "$FUZZ_BUILD_DIR/build.ninja" ]; then
        CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBRISANEL_BUILD_FUZZERS=ON -DBRISANEL_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build "$FUZZ_BUILD_DIR" --parallel "$JOBS" --target fuzzers
}

# "P% tests passed, F tests failed out of N" -> "N F"
ctest_counts() {
    sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\2 \1/p' "$1" |
        tail -n 1
}
