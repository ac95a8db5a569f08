# Shared by run.sh and test.sh (sourced, not run): the Debian packages each
# needs, installing the missing ones, and a virtual X server.

BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-l10n-tools libopenal-dev libsdl2-dev
    libgl-dev libgles-dev libegl-dev
    libgl1-mesa-dri libglx-mesa0 libegl-mesa0
    fonts-dejavu-core
)
TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-apps imagemagick xdotool locales
    desktop-file-utils appstream
)
# Building the Debian package and checking it.
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian fakeroot)
XVFB_PACKAGES=(xvfb xauth)
# The sanitizer and libFuzzer runtimes: see ensure_fuzz_packages.
FUZZ_PACKAGES=(clang)

# Installs those of the named packages that are not installed yet; asks apt
# for its package lists only when something is missing.
ensure_packages() {
    local missing=() p have
    # Installed packages and the names they provide: a release may fold a
    # package into another that provides its name (Debian 13's qt6-base-dev
    # provides libqt6opengl6-dev), and apt installs such a name through it.
    have=$(dpkg-query -W -f='${db:Status-Abbrev}|${Package}|${Provides}\n' 2>/dev/null |
        awk -F'|' '$1 ~ /^.i/ {
            print $2
            n = split($3, provided, ", ")
            for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); print provided[i] }
        }')
    for p in "$@"; do
        if ! grep -qxF "$p" <<<"$have"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "== Installing missing packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Installs clang and the runtime package of the same major version, which
# each release names after its own default clang (libclang-rt-14-dev on
# Debian 12, libclang-rt-19-dev on Debian 13).
ensure_fuzz_packages() {
    ensure_packages "$@" "${FUZZ_PACKAGES[@]}"
    local major
    major=$(clang -dumpversion | cut -d. -f1)
    ensure_packages "libclang-rt-${major}-dev"
}

# Compiler cache, when ccache is installed and its directory is writable:
# a rebuild then costs little more than the link steps. Paths are taken
# relative to the checkout, so a fresh clone elsewhere still hits the cache.
CCACHE_ARGS=()
use_ccache() {
    command -v ccache >/dev/null 2>&1 || return 0
    local home=${HOME:-}
    if [ -z "$home" ] || [ ! -w "$home" ]; then
        home=$(getent passwd "$(id -u)" | cut -d: -f6)
    fi
    export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$home/.cache}/ccache}
    if ! mkdir -p "$CCACHE_DIR" 2>/dev/null || [ ! -w "$CCACHE_DIR" ]; then
        echo "== ccache: $CCACHE_DIR is not writable; building without it"
        return 0
    fi
    export CCACHE_BASEDIR=$PWD
    # With debug info ccache also hashes the build directory's path, which
    # would make every object of a fresh clone elsewhere a miss.
    export CCACHE_NOHASHDIR=true
    # The tests' precompiled header is only cached with these.
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    CCACHE_ARGS=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

# Configures (once) and builds a build directory whose game reads the data
# staged inside it. Extra arguments go to cmake's configure step.
configure_and_build() {
    local dir=$1
    shift
    local abs
    abs="$(pwd)/$dir"
    cmake -S . -B "$dir" -G Ninja -DCF_MAIN_DIRECTORY="$abs/stage/" "${CCACHE_ARGS[@]}" "$@"
    cmake --build "$dir" -j "$(nproc)"
}

# Generates a locale (for example de_DE.UTF-8) unless it exists; the tests
# that read data files under a decimal-comma locale need one.
ensure_locale() {
    local name=$1 lang=${1%%.*} charset=${1#*.}
    local normal
    normal=$(echo "$charset" | tr 'A-Z' 'a-z' | tr -d '-')
    if locale -a 2>/dev/null | grep -qx "${lang}.${normal}"; then
        return 0
    fi
    echo "== Generating the ${name} locale"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" localedef -i "$lang" -f "$charset" "$name"
}

XVFB_PID=""

# Starts Xvfb without a window manager on the first free display from the
# one given, with a screen of the size given (800x480 by default); sets
# XVFB_DISPLAY.
start_xvfb() {
    local n=${1:-99} size=${2:-800x480}
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do
        n=$((n + 1))
    done
    Xvfb ":${n}" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    XVFB_DISPLAY=":${n}"
    local i
    for i in $(seq 1 100); do
        if [ -S "/tmp/.X11-unix/X${n}" ]; then
            return 0
        fi
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    echo "Xvfb did not start on ${XVFB_DISPLAY}" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
