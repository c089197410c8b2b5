#!/usr/bin/env bash
# Installs what is missing, builds Horavela in Release, checks its desktop entry
# and metainfo, and makes the Debian package.
# Usage: scripts/package.sh [BUILD_FOLDER]
#   BUILD_FOLDER  where to build; see scripts/folders.sh
# Everything but the package's path goes to standard error, so that
#   deb=$(scripts/package.sh)
# catches the path alone.
set -euo pipefail
exec 3>&1 1>&2

# CMake, which names the build folder, may come with the packages.
"$(dirname "$0")/deps.sh" test
source "$(dirname "$0")/folders.sh" "${1:-}"
cd "$project"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
# Only what the package holds; the tests are test.sh's business.
cmake --build "$build" --target horavela horavela_theme_icons

shopt -s nullglob
desktop_files=("$build"/packaging/*.desktop)
metainfo_files=("$build"/packaging/*.metainfo.xml)
if [[ ${#desktop_files[@]} -ne 1 || ${#metainfo_files[@]} -ne 1 ]]; then
    echo "expected one desktop entry and one metainfo file in $build/packaging" >&2
    exit 1
fi
desktop-file-validate "${desktop_files[0]}"
appstreamcli validate --no-net "${metainfo_files[0]}"

log="$build/cpack-deb.log"
(cd "$build" && cpack -G DEB) | tee "$log"
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log")
if [[ -z "$deb" || ! -f "$deb" ]]; then
    echo "cpack named no package; its output is in $log" >&2
    exit 1
fi
echo "$deb" >&3
