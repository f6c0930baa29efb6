# Sourced by ./run and ./test: installs what the build needs from Debian's packages, then
# configures and builds into build/. Quiet when everything is already in place.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BRISANEL_BUILD_DIR:-$ROOT/build}"

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
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
