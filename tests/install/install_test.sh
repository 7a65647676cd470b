#!/usr/bin/env bash
# Installs into a staged prefix and uses only what was installed: a CMake consumer, a pkg-config
# consumer, the desktop files' validators, and the Debian package unpacked and run.
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

step "Debian package, unpacked and run"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/verrin_*.deb)
dpkg-deb -x "$deb" "$work/unpacked"
program="$work/unpacked/usr/bin/verrin"
ldd "$program" | grep libpzTools | grep -q "$work/unpacked/usr/"
"$program" -platform offscreen &
pid=$!
sleep 1.5
kill -0 "$pid"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "install test passed"
