#!/usr/bin/env bash
# The Windows program as a user gets it, under Wine with a virtual X server,
# in a fresh Wine prefix:
#  1. the installer that scripts/windows-build.sh makes installs silently;
#  2. the installed program shows its main window, and a second copy is refused;
#     from the command line it writes a month to a file under a non-ASCII name,
#     as CSV and, without a display, as PDF, shows its help and its version on
#     standard output and refuses a bad month;
#  3. the test suites built for Windows pass;
#  4. every window renders at the size the Linux pictures have, and the share
#     of pixels that differ is listed;
#  5. the uninstaller removes the program.
# Needs the Qt for Windows that scripts/windows-qt.sh builds. Every step runs
# even when an earlier one fails; the script fails when any does.
# Usage: scripts/windows-installer-check.sh [LINUX_BUILD_FOLDER]
#   LINUX_BUILD_FOLDER  see scripts/folders.sh
set -euo pipefail
if [[ "${1:-}" != --inside ]]; then
    # One virtual X server for every step, at the dots per inch the layouts assume.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" --inside "$@"
fi
shift
source "$(dirname "$0")/folders.sh" "${1:-}"
cd "$project"
linux="$build"
out="$windows_build"

qt=$(scripts/windows-qt.sh --if-built) || {
    echo "windows-installer-check: there is no Qt for Windows: run scripts/windows-qt.sh" >&2
    exit 1
}
installer=$(scripts/windows-build.sh "$linux" | tail -n 1)
echo "Installer: $installer ($(du -h "$installer" | cut -f1))"
# The version, the caption and the runtime of the Windows build.
# shellcheck source=/dev/null
source "$out/program/horavela-facts.sh"

source scripts/wine-env.sh "$out/wine-installer"
rm -rf "$WINEPREFIX"
trap stop_wine EXIT
failures=()
folder="$WINEPREFIX/drive_c/Program Files/Horavela"
program='C:\Program Files\Horavela\bin\horavela.exe'

# The X windows of the given title that Wine shows.
windows_titled() {
    xwininfo -root -tree | grep -cF "\"$1\": (\"horavela.exe\"" || true
}

# Waits up to a minute for a window of the given title.
wait_for_window() {
    for _ in $(seq 120); do
        [[ $(windows_titled "$1") -gt 0 ]] && return 0
        sleep 0.5
    done
    return 1
}

echo "== 1. Installed silently"
if run_windows "$installer" /S && "$wineserver" -w && [[ -f "$folder/bin/horavela.exe" ]]; then
    echo "installed in $folder"
else
    echo "windows-installer-check: the installer did not install horavela.exe" >&2
    failures+=("install")
fi

echo "== 2. The installed program, and a second copy"
# The main window has the program's caption; the refused copy's message box is titled "Horavela".
start_windows "$program"
if wait_for_window "$HORAVELA_CAPTION"; then
    echo "the main window is on screen"
    start_windows "$program"
    if wait_for_window "Horavela"; then
        # Give a wrong second main window time to show up.
        sleep 2
        if [[ $(windows_titled "$HORAVELA_CAPTION") -ne 1 ]]; then
            echo "windows-installer-check: a second copy showed its main window" >&2
            failures+=("second copy")
        else
            echo "a second copy says it is refused, and only the first main window stands"
        fi
    else
        echo "windows-installer-check: a second copy was not refused" >&2
        failures+=("second copy")
    fi
else
    echo "windows-installer-check: the installed program showed no main window" >&2
    failures+=("start")
fi
stop_wine

echo "== 2a. Started in the tray with a home place"
# Pune kept as home with the tray on, in the registry where the program keeps its settings; started
# as the desktop starts it. The tray log says what the icon's tool tip was set to.
settings='HKCU\Software\Horavela\Horavela'
for value in city=Pune state=Maharashtra country=India latitudeDegrees=18 latitudeMinutes=31 \
    latitudeHemisphere=north longitudeDegrees=73 longitudeMinutes=51 longitudeHemisphere=east \
    zoneName=Asia/Kolkata; do
    run_windows reg add "$settings\home" /v "${value%%=*}" /t REG_SZ /d "${value#*=}" /f >/dev/null
done
run_windows reg add "$settings\tray" /v on /t REG_SZ /d true /f >/dev/null
tray_log="$out/wine-tray.log"
rm -f "$tray_log"
# Wine hands a program none of the Unix environment's QT_ variables; its own environment, in the
# registry, does. Without a console the log goes to OutputDebugString unless sent to standard error.
run_windows reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ \
    /d 'horavela.startup.info=true;horavela.tray.info=true' /f >/dev/null
run_windows reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /t REG_SZ /d 1 /f >/dev/null
FONTCONFIG_FILE="$wine_fontconfig" "$wine" "$program" --tray </dev/null >/dev/null 2>"$tray_log" &
for _ in $(seq 120); do
    grep -q 'tool tip:' "$tray_log" 2>/dev/null && break
    sleep 0.5
done
# A moment for a main window that should not come.
sleep 2
tool_tip=$(grep -m1 'tool tip:' "$tray_log" | tr -d '\r' || true)
if grep -q 'started in the system tray' "$tray_log" && [[ "$tool_tip" == *"tool tip: Pune | "* ]] &&
    [[ $(windows_titled "$HORAVELA_CAPTION") -eq 0 ]]; then
    echo "started in the tray, no main window; the icon's ${tool_tip#*horavela.tray: }"
else
    echo "windows-installer-check: the program did not start in the tray with its tool tip:" >&2
    cat "$tray_log" >&2
    failures+=("tray")
fi
stop_wine
run_windows reg delete "$settings" /f >/dev/null 2>&1 || true
for variable in QT_LOGGING_RULES QT_FORCE_STDERR_LOGGING; do
    run_windows reg delete 'HKCU\Environment' /v "$variable" /f >/dev/null 2>&1 || true
done

echo "== 2b. The month from the command line"
# The New Delhi day that the calculation's tests check, to the second, written to a folder whose
# name is not ASCII; Wine hands the arguments on as Unicode in a UTF-8 locale.
month_folder="$WINEPREFIX/drive_c/मासिक"
month_file="$month_folder/x.csv"
delhi_row='2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,'
delhi_row+='2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,2022-01-24T11:13:36+05:30,'
delhi_row+='2022-01-24T12:33:27+05:30,2022-01-24T13:53:20+05:30,2022-01-24T15:13:11+05:30,'
rm -rf "$month_folder"
mkdir -p "$month_folder"
if LC_ALL=C.UTF-8 run_windows "$program" --month 2022-01 --lat=28.6 --lon=77.2 --zone=-5:-30 \
    --format csv --out 'C:\मासिक\x.csv' && [[ -f "$month_file" ]] &&
    tr -d '\r' <"$month_file" | grep -qxF "$delhi_row" &&
    [[ $(grep -c $'\r$' "$month_file") -eq 32 ]]; then
    echo "the month's CSV holds the New Delhi day, with CRLF line ends"
else
    echo "windows-installer-check: the command line did not write the month's CSV" >&2
    [[ -f "$month_file" ]] && sed -n '1p;25p' "$month_file" >&2
    failures+=("command line")
fi
if run_windows "$program" --help 2>/dev/null | grep -q '^Usage: horavela --month'; then
    echo "--help writes its text to standard output"
else
    echo "windows-installer-check: --help wrote nothing to standard output" >&2
    failures+=("command-line help")
fi
status=0
run_windows "$program" --month 2051-01 --lat=28.6 --lon=77.2 --zone=-5:-30 >/dev/null 2>&1 ||
    status=$?
if [[ $status -eq 2 ]]; then
    echo "a month after 2050 is refused with status 2"
else
    echo "windows-installer-check: a month after 2050 gave status $status, not 2" >&2
    failures+=("command-line status")
fi
if [[ $(run_windows "$program" --version 2>/dev/null | tr -d '\r') == "horavela $HORAVELA_VERSION" ]]
then
    echo "--version prints horavela $HORAVELA_VERSION"
else
    echo "windows-installer-check: --version did not print horavela $HORAVELA_VERSION" >&2
    failures+=("command-line version")
fi
# The month window's pages, drawn by the program alone: no display, as from a scheduled task.
month_pdf="$month_folder/x.pdf"
if (unset DISPLAY && run_windows "$program" --month 2022-01 --lat=28.6 --lon=77.2 \
    --zone=-5:-30 --format pdf --out 'C:\मासिक\x.pdf' >/dev/null) &&
    [[ $(head -c 5 "$month_pdf" 2>/dev/null) == "%PDF-" ]]; then
    echo "the month's pages are written as a PDF without a display"
else
    echo "windows-installer-check: the command line wrote no PDF without a display" >&2
    failures+=("command-line PDF")
fi
stop_wine

echo "== 3. The test suites built for Windows"
# Where Wine finds the DLLs of the programs that are not installed: Qt's,
# SQLite's and MinGW-w64's runtime.
dll_folders=("$qt/bin" "$qt/sqlite")
for runtime in "${HORAVELA_MINGW_RUNTIME_DLLS[@]}"; do
    dll_folders+=("$(dirname "$(realpath "$("$HORAVELA_CXX_COMPILER" -print-file-name="$runtime")")")")
done
export WINEPATH
WINEPATH=$(printf 'Z:%s;' "${dll_folders[@]}")
export QT_PLUGIN_PATH="Z:$qt/plugins"
# Wine does not hand QT_ variables on to its programs; its registry does. The
# offscreen platform reads fonts from one folder, as it does on Windows: the
# one Wine's own fonts come from.
run_windows reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d offscreen /f >/dev/null
run_windows reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
    /d "Z:${wine_fonts//\//\\}" /f >/dev/null
if FONTCONFIG_FILE="$wine_fontconfig" ctest --test-dir "$out/program" --output-on-failure \
    -E '^(SmokeTest|SingleInstanceTest)$' >"$out/tests.log" 2>&1; then
    tail -n 3 "$out/tests.log"
else
    cat "$out/tests.log"
    echo "windows-installer-check: tests fail under Wine" >&2
    failures+=("tests")
fi

for variable in QT_QPA_PLATFORM QT_QPA_FONTDIR; do
    run_windows reg delete 'HKCU\Environment' /v "$variable" /f >/dev/null
done

echo "== 4. Every window, against the Linux pictures"
rm -rf "$out/pictures"
if run_windows "$out/program/tools/screenshots/horavela_screenshots.exe" "$out/pictures"; then
    cmake --build "$linux" --target horavela_screenshots >/dev/null
    QT_QPA_PLATFORM=offscreen "$linux/tools/screenshots/horavela_screenshots" --compare \
        docs/screenshots "$out/pictures" || failures+=("picture sizes")
else
    echo "windows-installer-check: the windows could not be rendered" >&2
    failures+=("pictures")
fi

echo "== 5. Uninstalled"
if run_windows "$folder/Uninstall.exe" /S && "$wineserver" -w && sleep 2 &&
    [[ ! -e "$folder/bin/horavela.exe" ]]; then
    echo "the program is gone"
else
    echo "windows-installer-check: the uninstaller left the program behind" >&2
    failures+=("uninstall")
fi

if [[ ${#failures[@]} -ne 0 ]]; then
    echo "windows-installer-check: failed after ${SECONDS} s: ${failures[*]}" >&2
    exit 1
fi
echo "windows-installer-check: passed in ${SECONDS} s"
