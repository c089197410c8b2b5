#!/usr/bin/env bash
# Checks a Debian package of Horavela the way a fresh machine meets it: the
# files it holds and nothing else, that apt can install it here, that its
# desktop entry and metainfo are valid, and that the unpacked program, started
# as its desktop entry says, shows its main window and keeps running.
# What the package must hold (its version, id, licence, icon sizes and the
# packages it needs) comes from the build that made it: the facts file that
# CMake writes into the build folder.
# Usage: scripts/check-package.sh PACKAGE.deb [BUILD_FOLDER]
#   BUILD_FOLDER  the build that made the package; see scripts/folders.sh
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 || ! -f "$1" ]]; then
    echo "usage: $0 PACKAGE.deb [BUILD_FOLDER]" >&2
    exit 2
fi
deb=$(realpath "$1")
source "$(dirname "$0")/folders.sh" "${2:-}"
facts="$build/horavela-facts.sh"
[[ -f "$facts" ]] || { echo "no $facts: is $build the build that made the package?" >&2; exit 2; }
# shellcheck source=/dev/null
source "$facts"

work=$(mktemp -d)
pid=""
cleanup() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# The files, exactly: a test, a benchmark or a build tool in the package
# shows up as an extra line.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/files"
version=$(dpkg-deb -f "$deb" Version)
[[ "$version" == "$HORAVELA_VERSION" ]] ||
    fail "the package is version $version, the build in $build makes $HORAVELA_VERSION"
id="$HORAVELA_APP_ID"
{
    echo /usr/bin/horavela
    echo /usr/lib/horavela/horavela_printer.so
    echo "/usr/share/applications/$id.desktop"
    echo "/usr/share/metainfo/$id.metainfo.xml"
    echo /usr/share/doc/horavela/copyright
    echo /usr/share/horavela/places.sqlite
    for code in "${HORAVELA_LANGUAGES[@]}"; do
        echo "/usr/share/horavela/translations/horavela_$code.qm"
    done
    echo "/usr/share/icons/hicolor/scalable/apps/$id.svg"
    for size in "${HORAVELA_ICON_SIZES[@]}"; do
        echo "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
} | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/files" >&2; then
    fail "the package's files differ from the expected ones (- expected, + found)"
fi

# Packages the program loads from at run time, which the library scan cannot
# see, must be listed by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in "${HORAVELA_PACKAGE_DEPENDS[@]}"; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" ||
        fail "the package does not depend on $needed (Depends: $depends)"
done

# What installing it would do on this machine, dependencies included.
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt cannot install the package here"; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >&2 ||
    fail "the metainfo is not valid"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
# The licence, as the copyright file and the metainfo name it.
grep -qxF "License: $HORAVELA_LICENSE" "$root/usr/share/doc/horavela/copyright" ||
    fail "the copyright file does not name the licence $HORAVELA_LICENSE"
grep -qF "<project_license>$HORAVELA_LICENSE</project_license>" \
    "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not name the licence $HORAVELA_LICENSE"
for size in "${HORAVELA_ICON_SIZES[@]}"; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # A PNG starts with its 8-byte signature and the IHDR chunk, whose first
    # eight data bytes are the width and height, big-endian.
    read -r -a header < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((header[0] << 24) | (header[1] << 16) | (header[2] << 8) | header[3]))
    height=$(((header[4] << 24) | (header[5] << 16) | (header[6] << 8) | header[7]))
    [[ "$width" -eq "$size" && "$height" -eq "$size" ]] ||
        fail "the ${size}x${size} icon is ${width}x${height}"
done

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
# Run the unpacked copy, never one that is installed on this machine.
if [[ "$program" == /* ]]; then
    program="$root$program"
else
    program="$root/usr/bin/$program"
fi
[[ -x "$program" ]] || fail "the desktop entry starts $program, which the package lacks"
if ldd "$program" | grep 'not found' >&2; then
    fail "libraries of the program are missing"
fi

# A private runtime folder keeps Qt from making one of its own. The start-up
# log names the single-instance lock and says when the main window is on screen.
runtime="$work/runtime"
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="horavela.startup.info=true" QT_FORCE_STDERR_LOGGING=1 \
    timeout 60 "$program" >"$work/run.log" 2>&1 &
pid=$!
for ((tenths = 0; tenths < 300; ++tenths)); do
    grep -q "main window on screen" "$work/run.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q "main window on screen" "$work/run.log"; then
    cat "$work/run.log" >&2
    fail "the program showed no main window within 30 seconds"
fi
# A program that ends right after showing its window is as broken as one that never shows it.
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log" >&2; fail "the program ended on its own"; }
lock=$(sed -n 's/.*holding the lock //p' "$work/run.log")
[[ -n "$lock" && -s "$lock" ]] || { cat "$work/run.log" >&2; fail "the running program holds no lock"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# The translations are found where the package puts them: the help in Hindi.
"$program" --language hi --help >"$work/help.txt" 2>&1 ||
    { cat "$work/help.txt" >&2; fail "the program's help failed"; }
grep -q 'राहु' "$work/help.txt" || { head -3 "$work/help.txt" >&2; fail "the help in Hindi is not in Hindi"; }

echo "check-package: $(basename "$deb") is good"
