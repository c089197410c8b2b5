#!/usr/bin/env bash
# Installs what is missing, builds Horavela and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# Only what the program needs: no tests, so no test libraries either.
scripts/deps.sh
cmake --preset program
cmake --build --preset program --target horavela
build=$(cmake -DPRESET=program -P cmake/preset-folder.cmake)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Horavela is built ($build/app/horavela) but cannot start here: it needs a graphical desktop," >&2
    echo "and no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set, nor QT_QPA_PLATFORM)." >&2
    echo "Run scripts/start.sh from a desktop session, or set DISPLAY to a running X server." >&2
    exit 1
fi
exec "$build/app/horavela"
