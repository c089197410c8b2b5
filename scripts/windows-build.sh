#!/usr/bin/env bash
# Cross-builds Horavela for Windows on Debian, against the Qt that
# scripts/windows-qt.sh builds, with its tests; lays the program out with its
# libraries and plugins as windeployqt would; and makes the installer with
# CPack's NSIS generator. Prints the installer's path last.
# The build-time tools (the icon renderer, the places database builder and
# lrelease, which makes the translations) run from the Linux build, which
# scripts/test.sh leaves in the default preset's folder.
# Usage: scripts/windows-build.sh [LINUX_BUILD_FOLDER]
#   LINUX_BUILD_FOLDER  see scripts/folders.sh
set -euo pipefail
source "$(dirname "$0")/folders.sh" "${1:-}"
cd "$project"
linux="$build"
out="$windows_build"
source scripts/wine-env.sh

qt=$(scripts/windows-qt.sh | tail -n 1)
if [[ ! -f "$linux/CMakeCache.txt" ]]; then
    echo "windows-build: $linux is not a Linux build: run scripts/test.sh first" >&2
    exit 1
fi
cmake --build "$linux" --target horavela_render_icon horavela_build_places horavela_lrelease >&2

gtest_dir=$(scripts/windows-googletest.sh)

# A folder configured against another Qt cache keeps that Qt's paths in its
# CMake cache, whatever toolchain file it is given: it starts afresh.
fresh=()
if grep -q '^Qt6Core_DIR:' "$out/program/CMakeCache.txt" 2>/dev/null &&
    ! grep -qF "Qt6Core_DIR:PATH=$qt/" "$out/program/CMakeCache.txt"; then
    fresh=(--fresh)
fi
# Qt's own toolchain file loads ours and lets CMake find Qt for Windows.
cmake "${fresh[@]}" -S . -B "$out/program" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DHORAVELA_HOST_TOOLS="$linux" \
    -DHORAVELA_SQLITE_INCLUDE_DIR="$qt/sqlite" \
    -DHORAVELA_SQLITE_DLL="$qt/sqlite/sqlite3.dll" \
    -DGTest_DIR="$gtest_dir" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
    -DCPACK_PACKAGE_DIRECTORY="$out/installer" >&2
cmake --build "$out/program" >&2
(cd "$out/program" && cpack -G NSIS >&2)
ls -t "$out"/installer/horavela-*.exe | head -n 1
