#!/usr/bin/env bash
# Shared set-up of ./run, ./test and ./package: install the Debian packages the build needs (only
# the missing ones), then configure and build into build/. Sourced, not run.

LARKSPUR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LARKSPUR_BUILD="$LARKSPUR_ROOT/build"

# Real package names only: dpkg-query never reports a virtual one (libqt6svg6-dev, say) as
# installed, so it would count as missing on every run. tests/setup checks each name.
larkspur_packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-webengine-dev qt6-svg-dev qt6-image-formats-plugins
    zlib1g-dev xvfb xauth poppler-utils fonts-dejavu-core
    desktop-file-utils appstream python3
    libxdamage-dev libxtst-dev
    dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0 openbox
)
# Only ./package needs these: dpkg-shlibdeps (dpkg-dev) and file find the package's dependencies;
# lintian checks the package.
larkspur_package_tools=(dpkg-dev file lintian)
# Only the fuzz configuration (-DLARKSPUR_FUZZ=ON, see the README) needs clang and libFuzzer.
larkspur_fuzz_tools=(clang libclang-rt-14-dev)

# Installs the missing ones of the build's packages and of any packages named as arguments.
# apt (and sudo) are called only when one is missing. A user who is neither root nor able to use
# sudo is told the command an administrator should run.
larkspur_install_packages() {
    local missing=() pkg
    for pkg in "${larkspur_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        # Without a terminal sudo cannot ask for a password; -n tells at once whether it needs one.
        if command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
            sudo=(sudo)
        else
            larkspur_tell_missing "${missing[@]}"
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    if ! "${sudo[@]}" apt-get update -q ||
        ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"; then
        larkspur_tell_missing "${missing[@]}"
        return 1
    fi
}

larkspur_tell_missing() {
    echo "These Debian packages are missing: $*" >&2
    echo "Please have them installed by an administrator (as root):" >&2
    echo "    apt-get install $*" >&2
    echo "then run this command again." >&2
}

# Configures build/ once, then builds the targets named as arguments (everything when none is).
larkspur_build() {
    if [ ! -f "$LARKSPUR_BUILD/build.ninja" ]; then
        cmake -S "$LARKSPUR_ROOT" -B "$LARKSPUR_BUILD" -G Ninja || return 1
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$LARKSPUR_BUILD" "${targets[@]}" || return 1
}

# Qt WebEngine refuses to start its sandbox as root and has no GPU on a headless machine; these
# are set only in the scripts, and only when they are needed.
larkspur_webengine_env() {
    if [ "$(id -u)" -eq 0 ]; then
        export QTWEBENGINE_DISABLE_SANDBOX=1
    fi
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
        export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
    fi
}
