#!/usr/bin/env bash
# Installs the Debian packages Horavela needs, when any is missing.
# Usage: scripts/deps.sh [build|test|bench|pictures|windows]
#   build     what configuring, building and running the program needs (the default)
#   test      also what the whole test suite, the benchmarks and the Debian package need
#   bench     also what the start-up measurement needs, on top of test
#   pictures  also what rendering the README's screenshots needs
#   windows   also what scripts/windows-check.sh needs
# Every purpose also fetches the data listed in scripts/data-packages.txt from
# the npm registry into the data folder (HORAVELA_DATA_DIR, by default
# ~/.cache/horavela/npm), with npm, and checks each tarball's integrity hash.
# Tools of Debian's essential set (coreutils, dpkg, grep, sed, libc-bin's ldd) and
# mawk are on every Debian system and are not listed.
set -euo pipefail

purpose="${1:-build}"
source_entry=no
foreign_architecture=
packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev
    fonts-dejavu-core
    # The places database: SQLite to build and read it, the ISO country and
    # subdivision lists it is built from, and the zone rules that give its
    # places their offsets.
    libsqlite3-dev iso-codes tzdata
    # The translations: lupdate and lrelease, and the CMake functions that
    # turn translations/*.ts into the .qm files installed with the program.
    qt6-tools-dev qt6-l10n-tools
)
test_packages=(
    libgtest-dev libbenchmark-dev
    # Qt's private headers let the keyboard test switch on accessibility
    # events without a screen reader; the next four build and check the package
    # (cpack's library scan runs dpkg-shlibdeps, from dpkg-dev, and file).
    qt6-base-private-dev dpkg-dev file appstream desktop-file-utils
    # The fonts of the Indian languages whose desktops the windows are checked
    # in: fontconfig's stand-ins differ by language, and month names and
    # times come in their scripts.
    fonts-lohit-deva fonts-lohit-taml fonts-lohit-telu fonts-lohit-knda fonts-lohit-mlym
    fonts-lohit-gujr fonts-lohit-guru fonts-lohit-beng-bengali fonts-lohit-orya
    # The month's PDF pages are read back: their fonts listed and drawn as pictures.
    poppler-utils
    # Three readers of the calendar files the month is saved as, none of them
    # the program's: python3-icalendar; libical, through a small reader built
    # against it (found with pkg-config); and ical.js, fetched with the data
    # below and run by Node.js.
    python3-icalendar libical-dev pkg-config nodejs
    # A desktop session of the tests' own (tests/support/desktop-session.sh):
    # a virtual X server, a D-Bus session bus (dbus-daemon, and dbus-send to
    # ask it), the notification server dunst, whose dunstctl reads what it
    # received through busctl (systemd), and trayer, a system tray.
    xvfb dbus-daemon dbus-bin dunst systemd trayer
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
    # The tray's pictures come from a desktop session of their own
    # (tests/support/desktop-session.sh), which asks the X server with python3.
    packages+=(xvfb xauth dbus-daemon dbus-bin dunst systemd trayer python3)
    ;;
windows)
    # The MinGW-w64 compiler with C++ threads, Wine to run what it builds,
    # and GoogleTest's sources to build the test library with that compiler;
    # to build Qt and SQLite for Windows from Debian's sources (scripts/windows-qt.sh),
    # Tcl, make and Perl; NSIS for the installer; a virtual X server for the
    # windows under Wine.
    # NSIS makes 32-bit installers, which need Wine's 32-bit half.
    packages+=(g++-mingw-w64-x86-64-posix wine64 wine32:i386 googletest tcl make perl xz-utils
        nsis xvfb xauth x11-utils fonts-lohit-deva)
    source_entry=yes
    foreign_architecture=i386
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
# Any npm will do (Node.js's own installer brings one), so it is looked for
# as a command rather than as a package.
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    as_root=(false)
fi

install_missing() {
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if [ "${as_root[*]}" = false ]; then
        echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
        echo "Run this script as root, or install them with apt-get as root." >&2
        exit 1
    fi
    "${as_root[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# npm's integrity form of a file: "sha512-" and the base64 of its SHA-512.
integrity() {
    echo "sha512-$(sha512sum "$1" | cut -c1-128 | tr a-f A-F | basenc --base16 -d | base64 -w0)"
}

fetch_data() {
    local folder="${HORAVELA_DATA_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/horavela/npm}"
    mkdir -p "$folder"
    local name version hash tarball
    while read -r name version hash; do
        case "$name" in "" | "#"*) continue ;; esac
        tarball="$folder/$name-$version.tgz"
        if [ ! -f "$tarball" ] || [ "$(integrity "$tarball")" != "$hash" ]; then
            echo "Fetching $name $version from the npm registry"
            rm -f "$tarball"
            # Node.js trusts its own list of authorities; the system's are
            # added, so that one installed the Debian way (a site's proxy) counts.
            local system_authorities=/etc/ssl/certs/ca-certificates.crt
            [ -f "$system_authorities" ] || system_authorities=
            NODE_EXTRA_CA_CERTS="${NODE_EXTRA_CA_CERTS:-$system_authorities}" \
                npm pack --loglevel=error --pack-destination "$folder" "$name@$version" >/dev/null
        fi
        if [ "$(integrity "$tarball")" != "$hash" ]; then
            rm -f "$tarball"
            echo "$name $version does not match its integrity hash; removed." >&2
            exit 1
        fi
    done <"$(dirname "$0")/data-packages.txt"
}

# apt-get source needs a deb-src entry; it is made for the mirror and release
# that apt already takes Debian's packages from.
add_source_entry() {
    [ "$source_entry" = yes ] || return 0
    apt-get indextargets --format '$(CREATED_BY)' | grep -qx Sources && return 0
    . /etc/os-release
    local mirror
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
        awk -v release="$VERSION_CODENAME" '$2 == release { print $1; exit }')
    if [ -z "$mirror" ]; then
        echo "No Debian mirror for $VERSION_CODENAME found in apt's sources." >&2
        exit 1
    fi
    # The entry names the same key as the mirror's own entry, where it names
    # one, or apt refuses the two as conflicting.
    local signed_by
    signed_by=$(awk -v uri="${mirror%/}" 'BEGIN { RS = "" }
        index($0, uri) && match($0, /Signed-By: *[^\n]*/) {
            key = substr($0, RSTART + 10, RLENGTH - 10); sub(/^ +/, "", key); print key; exit }' \
        /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    echo "Adding a deb-src entry for $mirror $VERSION_CODENAME"
    {
        echo "Types: deb-src"
        echo "URIs: $mirror"
        echo "Suites: $VERSION_CODENAME"
        echo "Components: main"
        [ -z "$signed_by" ] || echo "Signed-By: $signed_by"
    } | "${as_root[@]}" tee /etc/apt/sources.list.d/horavela-deb-src.sources >/dev/null
    "${as_root[@]}" apt-get update
}

# Packages of another architecture need it known to dpkg before apt can find them.
add_architecture() {
    [ -n "$foreign_architecture" ] || return 0
    dpkg --print-foreign-architectures | grep -qx "$foreign_architecture" && return 0
    echo "Adding the architecture $foreign_architecture"
    "${as_root[@]}" dpkg --add-architecture "$foreign_architecture"
}

add_architecture
install_missing
add_source_entry
fetch_data
