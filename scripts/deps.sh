#!/usr/bin/env bash
# Installs the Debian packages Horavela needs, when any is missing.
# Usage: scripts/deps.sh [build|test|pictures|windows]
#   build     what configuring, building and running the program needs (the default)
#   test      also what the whole test suite and the Debian package need
#   pictures  also what rendering the README's screenshots needs
#   windows   also what scripts/windows-check.sh needs
# Tools of Debian's essential set (coreutils, dpkg, grep, sed, libc-bin's ldd) and
# mawk are on every Debian system and are not listed.
set -euo pipefail

purpose="${1:-build}"
packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core
    # The coordinate search's gazetteer, loaded at run time, and the zone
    # rules it reads its places' offsets from.
    libgeonames-dev tzdata
)
case "$purpose" in
build) ;;
test)
    # Qt's private headers let the keyboard test switch on accessibility
    # events without a screen reader; the rest builds and checks the package:
    # cpack's library scan needs dpkg-shlibdeps (dpkg-dev) and file.
    packages+=(qt6-base-private-dev dpkg-dev file appstream desktop-file-utils)
    ;;
pictures)
    # Also what bench/startup/measure.sh uses for its X server round.
    packages+=(xvfb xauth)
    ;;
windows)
    # The MinGW-w64 compiler with C++ threads, Wine to run what it builds,
    # and GoogleTest's sources to build the test library with that compiler.
    packages+=(g++-mingw-w64-x86-64-posix wine64 googletest)
    ;;
*)
    echo "usage: $0 [build|test|pictures|windows]" >&2
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
