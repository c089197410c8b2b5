# shellcheck shell=bash disable=SC2034
# Sourced by the scripts: the project's folder and the build folders, each
# named once. The Linux build is the folder the script is given, else the
# default preset's (CMakePresets.json names it), where scripts/test.sh builds;
# a relative folder is taken from where the script was started. Everything
# built for Windows, and Wine's prefixes, go into one folder of their own.
# Sets: project, build, windows_build.
# Usage: source scripts/folders.sh [BUILD_FOLDER]
project=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ -n "${1:-}" ]]; then
    build=$(realpath -m "$1")
else
    build=$(cmake -DPRESET=default -P "$project/cmake/preset-folder.cmake")
fi
windows_build="$project/build-windows"
