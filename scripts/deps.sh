#!/usr/bin/env bash
# Installs the Debian packages Horavela needs, when any is missing.
# Usage: scripts/deps.sh [build|test|bench|pictures|windows]
#   build     what configuring, building and running the program needs (the default)
#   test      also what the whole test suite, the benchmarks and the Debian package need
#   bench     also what the start-up measurement needs, on top of test
#   pictures  also what rendering the README's screenshots needs
#   windows   also what scripts/windows-check.sh needs
# Tools of Debian's essential set (coreutils, dpkg, grep, sed, libc-bin's ldd) and
# mawk are on every Debian system and are not listed.
set -euo pipefail

purpose="${1:-build}"
packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev
    fonts-dejavu-core
    # The coordinate search's gazetteer, loaded at run time, and the zone
    # rules it reads its places' offsets from.
    libgeonames-dev tzdata
)
test_packages=(
    libgtest-dev libbenchmark-dev
    # Qt's private headers let the keyboard test switch on accessibility
    # events without a screen reader; the next four build and check the package
    # (cpack's library scan runs dpkg-shlibdeps, from dpkg-dev, and file).
    qt6-base-private-dev dpkg-dev file appstream desktop-file-utils
    # Month names in Tamil and Hindi, so the result window's fit is measured on real glyphs.
    fonts-lohit-taml fonts-lohit-deva
)
case "$purpose" in
build) ;;
test)
    packages+=("${test_packages[@]}")
    ;;
bench)
    # The start-up measurement counts instructions with callgrind and times
    # a round under a virtual X server.
    packages+=("${test_packages[@]}" valgrind xvfb xauth)
    ;;
pictures)
    packages+=(xvfb xauth)
    ;;
windows)
    # The MinGW-w64 compiler with C++ threads, Wine to run what it builds,
    # and GoogleTest's sources to build the test library with that compiler.
    packages+=(g++-mingw-w64-x86-64-posix wine64 googletest)
    ;;
*)
    echo "usage: $0 [build|test|bench|pictures|windows]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
    echo "Run this script as root, or install them with apt-get as root." >&2
    exit 1
fi
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
