#!/usr/bin/env bash
# Builds GoogleTest for Windows once, from Debian's sources with the same
# MinGW-w64 compiler as Horavela, into the Windows build folder
# (scripts/folders.sh); prints the folder of its CMake package (for -DGTest_DIR=).
# Usage: scripts/windows-googletest.sh
set -euo pipefail
source "$(dirname "$0")/folders.sh"
out="$windows_build"
if [[ ! -f "$out/googletest/CMakeCache.txt" ]]; then
    cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja \
        --toolchain "$project/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$out/googletest-install" >&2
fi
cmake --build "$out/googletest" >&2
cmake --install "$out/googletest" >/dev/null
echo "$out/googletest-install/lib/cmake/GTest"
