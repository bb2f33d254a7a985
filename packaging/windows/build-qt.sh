#!/usr/bin/env bash
# Builds Qt for Windows (x86_64-w64-mingw32) from Debian's source of the Qt the
# Linux build uses, once per machine, into a cache folder keyed by its version.
# Prints the folder Qt was installed into. With --cached it only says whether
# this machine has built it: the folder and 0 if so, 1 if not.
#   packaging/windows/build-qt.sh TOOLCHAIN_FILE | --cached
set -euo pipefail
version=$(dpkg-query -W -f='${Version}' qt6-base-dev) # e.g. 6.4.2+dfsg-10
cache=${SETSDRILL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/setsdrill}
prefix=$cache/qt-${version%%+*}-x86_64-w64-mingw32
if [ -f "$prefix/.complete-$version" ]; then
    echo "$prefix"
    exit 0
fi
[ "$1" != --cached ] || exit 1
toolchain=$(realpath "$1")
src=$cache/src
mkdir -p "$src"
(
    cd "$src"
    if [ ! -d "qtbase-$version" ]; then
        ls qt6-base_"${version%-*}".orig.tar.* >/dev/null 2>&1 || apt-get source --download-only "qt6-base=$version" >&2
        rm -rf "qtbase-$version.tmp" && mkdir "qtbase-$version.tmp"
        tar -xf qt6-base_"${version%-*}".orig.tar.* -C "qtbase-$version.tmp" --strip-components=1
        mv "qtbase-$version.tmp" "qtbase-$version"
    fi
)
build=$cache/build-qt-$version
# The host's own Qt supplies moc, rcc and uic; only what the program and its
# tests use is built: Core, Gui, Widgets, Test, the Windows platform plugin and
# the styles. The Debian source lacks the tablet header, so tablet events are off.
cmake -S "$src/qtbase-$version" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON >&2
cmake --build "$build" >&2
cmake --install "$build" >&2
touch "$prefix/.complete-$version"
echo "$prefix"
