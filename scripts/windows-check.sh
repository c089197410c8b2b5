#!/usr/bin/env bash
# Checks Horavela for Windows without Windows or its Qt:
#  1. every program source compiles with MinGW-w64 (syntax only), against the
#     Qt headers and generated headers of the Linux build, each with the flags
#     of its Linux compile command;
#  2. the calculation and its tests, cross-built with MinGW-w64, pass under Wine;
#  3. a fixed set of randomized whole checks gives byte-identical output on
#     Linux and on Windows;
#  4. where scripts/windows-qt.sh has built Qt for Windows, the real program:
#     its installer installed, run, tested and uninstalled under Wine
#     (scripts/windows-installer-check.sh).
# Every step runs even when an earlier one fails; the script fails when any does.
# Run it after scripts/test.sh, which leaves the Linux build in the default
# preset's folder.
# Usage: scripts/windows-check.sh [LINUX_BUILD_FOLDER]
#   LINUX_BUILD_FOLDER  see scripts/folders.sh
set -euo pipefail
source "$(dirname "$0")/folders.sh" "${1:-}"
cd "$project"
linux="$build"
out="$windows_build"
toolchain="$project/cmake/mingw-w64.cmake"
compiler=x86_64-w64-mingw32-g++-posix

scripts/deps.sh windows
if [[ ! -f "$linux/compile_commands.json" ]]; then
    echo "windows-check: $linux/compile_commands.json is missing: run scripts/test.sh first" >&2
    exit 1
fi
mkdir -p "$out"

source scripts/wine-env.sh "$out/wine"
trap stop_wine EXIT

failures=()

echo "== 1. Every program source compiled for Windows (syntax only)"
rm -f "$out/syntax/build.ninja"
if ! cmake -DSOURCE_DIR="$project" -DLINUX_BUILD="$linux" -DOUTPUT="$out/syntax" \
    -DCOMPILER="$compiler" -P cmake/windows-syntax-check.cmake; then
    failures+=("sources left unchecked")
fi
if [[ ! -f "$out/syntax/build.ninja" ]]; then
    failures+=("syntax")
elif ninja -C "$out/syntax" -k 0 -j 2 >"$out/syntax.log" 2>&1; then
    echo "every checked program source compiles for Windows"
else
    cat "$out/syntax.log"
    failing=$(sed -n 's/^FAILED: *\([^ ]*\).*/\1/p' "$out/syntax.log")
    echo "windows-check: these program sources do not compile for Windows:" >&2
    # An empty list means Ninja itself failed; its log above says why.
    echo "${failing:-  (none named: see the log above)}" | sed 's/^/  /' >&2
    failures+=("syntax")
fi

echo "== 2. The calculation's tests, built for Windows, under Wine"
gtest_dir=$(scripts/windows-googletest.sh)
cmake -S . -B "$out/calc" -G Ninja --toolchain "$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DHORAVELA_CALC_ONLY=ON -DGTest_DIR="$gtest_dir"
built=yes
cmake --build "$out/calc" || built=no
if [[ "$built" == no ]]; then
    echo "windows-check: the calculation does not build for Windows" >&2
    failures+=("Windows build")
elif run_windows "$out/calc/tests/calc/test_calc.exe" >"$out/test_calc.log" 2>&1; then
    tail -n 1 "$out/test_calc.log"
else
    cat "$out/test_calc.log"
    echo "windows-check: the calculation's tests fail under Wine (or took over ${wine_timeout} s)" >&2
    failures+=("tests")
fi

echo "== 3. The same whole checks on Linux and on Windows"
cmake --build "$linux" --target horavela_crosscheck
rm -f "$out/checks-linux.txt" "$out/checks-windows.txt"
"$linux/tools/crosscheck/horavela_crosscheck" "$out/checks-linux.txt"
if [[ "$built" == no ]]; then
    echo "skipped: there is no Windows build"
elif ! run_windows "$out/calc/tools/crosscheck/horavela_crosscheck.exe" "$out/checks-windows.txt"; then
    echo "windows-check: the Windows cross-check failed under Wine (or took over ${wine_timeout} s)" >&2
    failures+=("cross-check")
else
    (cd "$out" && wc -l checks-linux.txt checks-windows.txt && sha256sum checks-linux.txt checks-windows.txt)
    if cmp -s "$out/checks-linux.txt" "$out/checks-windows.txt"; then
        echo "Linux and Windows give the same results"
    else
        echo "windows-check: Linux and Windows results differ; the first differing lines:" >&2
        diff "$out/checks-linux.txt" "$out/checks-windows.txt" | head -n 20 >&2 || true
        failures+=("different results")
    fi
fi

echo "== 4. The Windows program from its installer, under Wine"
qt_status=0
scripts/windows-qt.sh --if-built >/dev/null || qt_status=$?
if [[ $qt_status -eq 1 ]]; then
    echo "skipped: there is no Qt for Windows (scripts/windows-qt.sh builds it)"
elif [[ $qt_status -ne 0 ]]; then
    echo "windows-check: the Qt for Windows in the cache cannot be used" >&2
    failures+=("Qt for Windows")
elif ! scripts/windows-installer-check.sh "$linux"; then
    failures+=("installer")
fi

if [[ ${#failures[@]} -ne 0 ]]; then
    echo "windows-check: failed after ${SECONDS} s: ${failures[*]}" >&2
    exit 1
fi
echo "windows-check: passed in ${SECONDS} s"
