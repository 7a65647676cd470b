#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Installs into a staged prefix and uses only what was installed: a CMake consumer, a pkg-config
# consumer, the desktop files' validators; then builds the Debian packages, checks them with
# lintian, unpacks them, builds the consumer and the shipped example against them and runs the
# packaged program.
# Usage: install_test.sh <build folder> <source folder> <work folder> [compiler flags]
# The consumers are compiled with the build's own flags, so a sanitizer build links them with the
# sanitizer runtime its library needs.
set -euo pipefail
build=$1
source=$2
work=$3
flags=${4:-}
rm -rf "$work"
mkdir -p "$work"
stage="$work/stage"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

step() { echo "== $*"; }

step "install into $stage"
cmake --install "$build" --prefix "$stage" >/dev/null
test -x "$stage/bin/verrin"
test -L "$stage/lib/libpzTools.so" && test -e "$stage/lib/libpzTools.so.1"
if find "$stage/include" -name '*_p.h' | grep -q .; then
    echo "private headers were installed" >&2
    exit 1
fi

step "CMake consumer through find_package(pzTools)"
cmake -S "$source/tests/install/consumer" -B "$work/cmake-consumer" \
    -DCMAKE_PREFIX_PATH="$stage" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake-consumer" >/dev/null
"$work/cmake-consumer/consumer"

step "every public class built with nullptr and with 0 as its parent"
"$work/cmake-consumer/constructors"

step "pkg-config consumer"
export PKG_CONFIG_PATH="$stage/lib/pkgconfig"
mkdir -p "$work/pc-consumer"
moc "$source/tests/install/consumer/main.cpp" -o "$work/pc-consumer/main.moc" 2>/dev/null \
    || /usr/lib/qt6/libexec/moc "$source/tests/install/consumer/main.cpp" -o "$work/pc-consumer/main.moc"
# shellcheck disable=SC2046,SC2086
g++ -std=c++17 $flags -I"$work/pc-consumer" "$source/tests/install/consumer/main.cpp" \
    $(pkg-config --cflags --libs pzTools) -Wl,-rpath,"$stage/lib" -o "$work/pc-consumer/consumer"
"$work/pc-consumer/consumer"

step "desktop entry and metainfo"
desktop-file-validate "$stage/share/applications/verrin.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/net.example.orenvale.verrin.metainfo.xml"
test -f "$stage/share/icons/hicolor/256x256/apps/verrin.png"

step "Debian packages: built, checked by lintian, unpacked, built against and run"
packages="$work/debian"
"$source/tools/package.sh" "$packages" >"$work/package.log" 2>&1 || {
    tail -n 40 "$work/package.log" >&2
    exit 1
}
lintian --fail-on error --tag-display-limit 0 "$packages"/verrin_*.changes
root="$work/root"
for name in libpztools1 libpztools-dev verrin; do
    dpkg-deb -x "$packages/${name}"_*.deb "$root"
done
dpkg-deb -f "$packages"/verrin_*.deb Depends | grep -q "libpztools1 (>= 1.0"
dpkg-deb -f "$packages"/libpztools-dev_*.deb Depends | grep -q "libpztools1 (= 1.0"
dpkg-deb -f "$packages"/libpztools1_*.deb Depends | grep -q "qt6-base-abi (= "
# The development package brings the Designer plugin into Qt's plugin folder.
find "$root/usr/lib" -path '*/qt6/plugins/designer/libpzToolsDesigner.so' | grep -q .
# The package build makes the reference documentation where the project has it and Doxygen runs:
# an architecture-independent package of its own, with the tag file other references link to.
if [ -f "$source/docs/CMakeLists.txt" ] && command -v doxygen >/dev/null; then
    dpkg-deb -x "$packages"/libpztools-doc_*_all.deb "$root"
    test -f "$root/usr/share/doc/libpztools-doc/html/index.html"
    grep -q '<name>pzBox</name>' "$root/usr/share/doc/libpztools-doc/pzTools.tags"
    test -f "$root/usr/share/qt6/doc/pzTools.qch"
    if dpkg-deb -c "$packages"/libpztools-dev_*.deb | grep -e /html/ -e '\.qch$'; then
        echo "the development package holds reference documentation" >&2
        exit 1
    fi
fi
libdir=$(dirname "$(find "$root/usr/lib" -name libpzTools.so)")
export LD_LIBRARY_PATH="$libdir"

cmake -S "$source/tests/install/consumer" -B "$work/deb-cmake-consumer" \
    -DCMAKE_PREFIX_PATH="$root/usr" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$work/deb-cmake-consumer" >/dev/null
"$work/deb-cmake-consumer/consumer"

# The example as the package ships it, built and started as its reader would.
example="$root/usr/share/doc/libpztools-dev/examples/listmenu"
cmake -S "$example" -B "$work/deb-example" -DCMAKE_PREFIX_PATH="$root/usr" \
    -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$work/deb-example" >/dev/null
"$work/deb-example/listmenu" --page Colours --screenshot "$work/deb-example/colours.png"

mkdir -p "$work/deb-pc-consumer"
cp "$work/pc-consumer/main.moc" "$work/deb-pc-consumer/"
# shellcheck disable=SC2046,SC2086
g++ -std=c++17 $flags -I"$work/deb-pc-consumer" "$source/tests/install/consumer/main.cpp" \
    $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs pzTools) \
    -o "$work/deb-pc-consumer/consumer"
"$work/deb-pc-consumer/consumer"

program="$root/usr/bin/verrin"
ldd "$program" | grep libpzTools | grep -q "$root/usr/"
"$program" -platform offscreen &
pid=$!
sleep 1.5
kill -0 "$pid"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "install test passed"
