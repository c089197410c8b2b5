#!/usr/bin/env bash
# Builds Qt for Windows (Core, Gui, Widgets, PrintSupport, Test and the windows platform
# plugin) with Debian's MinGW-w64 from Debian's own qt6-base source, using
# Debian's Linux Qt as the host tools, and SQLite's DLL from Debian's sqlite3
# source. Both go into a cache folder keyed by the source versions and the
# options below; when it is there already, nothing is done. Prints the folder.
# With --if-built it only prints the folder, and fails when it is not there
# (status 1). A cache that cannot be used from this checkout fails with status 2.
# Usage: scripts/windows-qt.sh [--if-built]
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
if_built=no
[[ "${1:-}" == --if-built ]] && if_built=yes
[[ "$if_built" == yes ]] || "$project/scripts/deps.sh" windows >&2

triplet=x86_64-w64-mingw32
# Qt's parts that Horavela does not use are left out, which halves the build.
# Debian's +dfsg tarball has no wintab, so no tablet events; Qt 6.4's Windows
# plugin uses DirectWrite's font database whenever directwrite3 is on, but Gui
# builds it only with direct2d, so both are off.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DINPUT_opengl=no -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_testlib=ON -DFEATURE_sql_sqlite=OFF
)
# Qt 6.4's Windows print engine names DirectWrite's font engine, which Gui
# builds only with direct2d, off above; Gui's own code guards it so, and this
# gives the print engine the same guard.
print_engine_fix='s/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/'
sqlite_options=(-O2 -shared -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_THREADSAFE=1)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
sqlite_version=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
key=$(printf '%s\n' "$qt_version" "$sqlite_version" "${qt_options[@]}" "${sqlite_options[@]}" "$print_engine_fix" \
    "$(cat "$project/cmake/mingw-w64.cmake")" | sha256sum | cut -c1-12)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/horavela"
prefix="$cache/qt-windows-${qt_version%%+*}-$key"
# Qt's toolchain file chain-loads ours by the path it was configured with, a
# path in the checkout that built the cache. A copy of ours beside it, named
# relative to the file, lets the cache serve every checkout; a cache made
# before this is mended the same way.
make_relocatable() {
    local qt_cmake="$prefix/lib/cmake/Qt6"
    # Qt 6.4 writes the path as
    #   set(__qt_initially_configured_toolchain_file "/checkout/cmake/mingw-w64.cmake")
    local chain_load='set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")'
    cp "$project/cmake/mingw-w64.cmake" "$qt_cmake/mingw-w64.cmake"
    sed -i -E 's|"[^"]*/cmake/mingw-w64\.cmake"|"${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake"|g' \
        "$qt_cmake/qt.toolchain.cmake"
    # A cache made by another checkout names that one, not this: the line itself says.
    if ! grep -qxF "$chain_load" "$qt_cmake/qt.toolchain.cmake"; then
        echo "windows-qt: $qt_cmake/qt.toolchain.cmake does not chain-load the copy beside it:" >&2
        grep -n 'mingw-w64' "$qt_cmake/qt.toolchain.cmake" >&2 || true
        exit 2
    fi
    if grep -rqF "$project/" "$prefix"; then
        echo "windows-qt: the cache still names the checkout $project:" >&2
        grep -rlF "$project/" "$prefix" >&2
        exit 2
    fi
}

if [[ -f "$prefix/.complete" ]]; then
    make_relocatable
    echo "$prefix"
    exit 0
fi
[[ "$if_built" == no ]] || exit 1

work="$cache/qt-windows-build-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
echo "Building Qt $qt_version and SQLite $sqlite_version for Windows in $work" >&2
apt-get source --download-only "qt6-base=$qt_version" "sqlite3=$sqlite_version" >&2
tar xJf qt6-base_*.orig.tar.xz
tar xJf sqlite3_*.orig.tar.xz
sed -i "$print_engine_fix" qtbase-everywhere-src-*/src/printsupport/platform/windows/qprintengine_win.cpp

# SQLite: the single-file form of its sources, made with the build machine's
# compiler and Tcl, then compiled into a DLL for Windows.
(
    cd sqlite3-*/
    ./configure --disable-tcl >&2
    make sqlite3.c >&2
    "$triplet-gcc-posix" "${sqlite_options[@]}" '-DSQLITE_API=__declspec(dllexport)' \
        sqlite3.c -o sqlite3.dll -static-libgcc
)

cmake -S qtbase-everywhere-src-* -B qt-build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" >&2
cmake --build qt-build >&2
cmake --install qt-build >&2

mkdir -p "$prefix/sqlite"
cp sqlite3-*/sqlite3.dll sqlite3-*/sqlite3.h "$prefix/sqlite/"
make_relocatable
touch "$prefix/.complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
