# Shared by ./run and ./test: installs the Debian packages that are missing (one apt-get update
# first), then configures and builds incrementally. Sourced, not run.

lineon_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

lineon_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# lineon_install PACKAGE... : installs those that dpkg does not know as installed.
lineon_install() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        lineon_as_root apt-get update
        lineon_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

lineon_packages=(cmake g++ ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n
                 qt6-base-dev libgl-dev python3 python3-ezdxf python3-matplotlib
                 clang libclang-rt-14-dev xvfb xauth fonts-dejavu-core librecad gdal-bin libgdal-dev python3-gdal time
                 desktop-file-utils dpkg-dev xdotool icewm x11-utils python3-pil poppler-utils)

# lineon_build DIR [cmake options...] -- [targets...]
lineon_build() {
    local dir=$1; shift
    local opts=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do opts+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    targets=("$@")
    if [ ! -f "$lineon_root/$dir/CMakeCache.txt" ]; then
        cmake -S "$lineon_root" -B "$lineon_root/$dir" -G Ninja "${opts[@]}" || return 1
    fi
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$lineon_root/$dir" --target "${targets[@]}" || return 1
    else
        cmake --build "$lineon_root/$dir" || return 1
    fi
}
