#!/usr/bin/env bash
# Installs what is missing and fetches the place data, builds the picture tool
# and the places database it searches, and renders the README's pictures of
# Horavela's windows into docs/screenshots/, under a virtual X server, and those
# of its tray icon under a desktop session of its own. Rerun it after changing
# a window to refresh them.
# Usage: scripts/screenshots.sh [BUILD_FOLDER]
#   BUILD_FOLDER  see scripts/folders.sh
set -euo pipefail
# CMake, which names the build folder, may come with the packages.
"$(dirname "$0")/deps.sh" pictures
source "$(dirname "$0")/folders.sh" "${1:-}"
cd "$project"

pictures=docs/screenshots
# A new folder is set up like the default preset without the tests, whose
# libraries the pictures do not need; an existing one keeps its settings.
if [[ -f "$build/CMakeCache.txt" ]]; then
    cmake -S . -B "$build" -DHORAVELA_BUILD_TOOLS=ON
else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORAVELA_BUILD_TOOLS=ON \
        -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target horavela_screenshots

# The X platform rather than offscreen, so the pictures show what a desktop
# shows; 96 dots per inch, which the window layouts assume; and none of the
# user's scaling or style settings, so every run draws the same pictures.
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
    QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$build/tools/screenshots/horavela_screenshots" "$pictures"
# The main and the month window in Hindi and in Tamil, for the README's languages.
for code in hi ta; do
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
        QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        "$build/tools/screenshots/horavela_screenshots" --language "$code" "$pictures/languages"
done
# The tray icon's menu and a reminder, in a desktop session with a system tray
# and a notification server, whose screen the reminder is grabbed from.
status=0
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
    tests/support/desktop-session.sh \
    "$build/tools/screenshots/horavela_screenshots" --tray "$pictures" || status=$?
# 77: the session could not be started, and the wrapper has said why.
if [[ $status -eq 77 ]]; then
    echo "The tray's pictures were left as they were."
elif [[ $status -ne 0 ]]; then
    exit "$status"
fi
echo "The pictures are in $pictures/"
