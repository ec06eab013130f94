#!/usr/bin/env bash
# Shared set-up of ./run and ./test: install the Debian packages the build needs (only the missing
# ones), then configure and build into build/. Sourced, not run.

LARKSPUR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LARKSPUR_BUILD="$LARKSPUR_ROOT/build"

larkspur_packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-webengine-dev libqt6svg6-dev qt6-image-formats-plugins
    zlib1g-dev xvfb xauth poppler-utils fonts-dejavu-core
    desktop-file-utils appstream python3
    libxdamage-dev libxtst-dev
)
# Only ./package needs these: dpkg-shlibdeps (dpkg-dev) and file find the package's dependencies.
larkspur_package_tools=(dpkg-dev file)

# Installs the missing ones of the build's packages and of any packages named as arguments.
larkspur_install_packages() {
    local missing=() pkg
    for pkg in "${larkspur_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q \
        "${missing[@]}" || return 1
}

larkspur_build() {
    if [ ! -f "$LARKSPUR_BUILD/build.ninja" ]; then
        cmake -S "$LARKSPUR_ROOT" -B "$LARKSPUR_BUILD" -G Ninja "$@" || return 1
    fi
    cmake --build "$LARKSPUR_BUILD" || return 1
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
