# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash

# Shared by tools/run.sh, tools/test.sh and tools/bench.sh: install what the build needs, then
# build; the virtual display comes from tools/display.sh.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PRESET=${VERRIN_PRESET:-default}
source "$(dirname "${BASH_SOURCE[0]}")/display.sh"

# Debian packages for building and running the program, and for showing it on a virtual display
# with a screenshot when there is no display (tools/run.sh).
RUN_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools libgl-dev
    fonts-dejavu-core
    xvfb x11-utils openbox xdotool scrot
    # The window box sets its exact geometry at fractional scales through Qt's platform window.
    qt6-base-private-dev
    # It fills the pixels Qt leaves unpainted of an X11 window at some scales through xcb.
    libxcb1-dev
    # It asks a Wayland compositor for its window menu through the xdg-shell protocol.
    libwayland-dev wayland-protocols
    # lupdate and lrelease for the translation catalogues (Qt6LinguistTools is in qt6-tools-dev),
    # and Qt's own catalogues, which the program loads at run time.
    qt6-l10n-tools qt6-translations-l10n
)

# What the tests need on top: the real-display suite, the headless compositor, the install test
# with the Debian packages and their checks, the ABI check, the reference documentation and the
# style check.
PACKAGES=(
    xauth x11-apps x11-xserver-utils imagemagick tesseract-ocr
    dpkg-dev file desktop-file-utils appstream
    weston qt6-wayland
    debhelper lintian
    pkg-kde-tools # the library's symbols file (dh --with pkgkde_symbolshelper)
    abigail-tools # the ABI check compares the library with its recorded description (abidiff)
    # The toolkit's reference (the docs target) and its Qt help file (qhelpgenerator).
    doxygen qt6-documentation-tools
    clang-format
    wmctrl # the real-display tests maximize the window from the window manager's side
    qt6-gtk-platformtheme # QT_QPA_PLATFORMTHEME=gtk3 runs, whose start-up leak tools/lsan.supp names
    dbus at-spi2-core python3-pyatspi # the accessibility bus and a screen reader's view of it
)

# The desktops the tests show the window on, without what they recommend (whole desktop
# sessions): Wayland compositors with a panel for KWin, X11 window managers with their settings
# daemons, and jq to read sway's window tree.
DESKTOP_PACKAGES=(
    kwin-wayland mutter sway waybar
    kwin-x11 xfwm4 xfconf xsettingsd
    jq
)

# Installs the packages named, by default every package of the lists above.
ensure_packages() {
    if (($# == 0)); then
        install_missing "${RUN_PACKAGES[@]}" "${PACKAGES[@]}"
        install_missing --no-install-recommends "${DESKTOP_PACKAGES[@]}"
    else
        install_missing "$@"
    fi
}

# install_missing [--no-install-recommends] <package...>: installs those not installed yet.
install_missing() {
    local options=() missing=() package
    if [ "${1:-}" = --no-install-recommends ]; then
        options=("$1")
        shift
    fi
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "Install them as root, then run this again:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${options[@]}" "${missing[@]}"
}

# Qt warns on every start when the runtime folder is missing (root shells, CI).
ensure_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
    fi
}

# build [cmake --build options...]: configures the preset once, then builds it, by default every
# target. Leaves the shell in the tree's root.
build() {
    cd "$ROOT"
    if [ ! -f "build/$PRESET/CMakeCache.txt" ]; then
        cmake --preset "$PRESET" >/dev/null
    fi
    cmake --build --preset "$PRESET" -j"$(nproc)" "$@"
}
