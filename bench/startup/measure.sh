#!/usr/bin/env bash
# Start-up of the real Horavela program against minimal Qt Widgets programs
# showing a window of the same size:
#  - wall time from process start to the window on screen, and peak memory,
#    medians over interleaved runs, against one empty window, against a window
#    with a menu bar and one line in the default font, and against the same
#    window with one line in each of the main window's fonts (Verdana 8.25 pt
#    regular and bold, 11.25 pt bold);
#  - the instructions from process start to the window on screen (callgrind,
#    offscreen) of Horavela and the last two. Wall time on a shared machine
#    swings by up to 2x from run to run; the instruction count does not, so
#    that is the figure to hold Horavela to: at most 1.05 times the window with
#    the main window's fonts, whose loading is most of what Horavela costs
#    beyond an empty window.
# Usage: bench/startup/measure.sh [build directory] [rounds] [horavela program]
# The program defaults to the one in the build directory; give
# /usr/bin/horavela to measure the installed package.
set -euo pipefail
"$(dirname "$0")/../../scripts/deps.sh" bench
build="${1:-build}"
rounds="${2:-20}"
horavela="${3:-$build/app/horavela}"
dir="$build/bench/startup"
yardsticks=(bench_startup_minimal bench_startup_minimal_text bench_startup_minimal_fonts)
for program in bench_startup_runner "${yardsticks[@]}"; do
    if [[ ! -x "$dir/$program" ]]; then
        echo "$dir/$program is missing: build the targets bench_startup_runner" \
            "and ${yardsticks[*]} first." >&2
        exit 1
    fi
done
if [[ ! -x "$horavela" ]]; then
    echo "$horavela is missing: build the target horavela first." >&2
    exit 1
fi
echo "Horavela program: $horavela"

run() {
    echo "-- against one empty window (target: at most 1.20 on both)"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal" "$horavela"
    echo "-- against a window with a menu bar and one line in the default font"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal_text" "$horavela"
    echo "-- against a window with a menu bar and one line in each of the main window's fonts"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal_fonts" "$horavela"
}

# The count hardly differs between runs, so a few rounds give a steady median.
echo "== instructions, offscreen platform (target: Horavela at most 1.05x the main window's fonts)"
QT_QPA_PLATFORM=offscreen "$dir/bench_startup_runner" --instructions 3 \
    "$dir/bench_startup_minimal_text" "$dir/bench_startup_minimal_fonts" "$horavela"

# A translated start measures its texts once and keeps what it found; the
# first round pays for that, the median is a start like every later one.
echo "== instructions in Hindi against English (target: at most 1.05x)"
count() {
    env LANG="$1" LC_ALL="$1" QT_QPA_PLATFORM=offscreen "$dir/bench_startup_runner" --instructions 3 \
        "$dir/bench_startup_minimal_fonts" "$horavela" | awk '$1 == "horavela" { print $2 }'
}
english=$(count en_US.UTF-8)
hindi=$(count hi_IN.UTF-8)
awk -v e="$english" -v h="$hindi" 'BEGIN { printf "English %.1f M, Hindi %.1f M: %.3fx\n", e, h, h / e }'

echo "== wall time, offscreen platform"
QT_QPA_PLATFORM=offscreen run env
if command -v xvfb-run > /dev/null; then
    echo "== wall time, X server (xvfb-run)"
    # A virtual X server on a busy machine can fail to start; the figures above stand.
    run env -u QT_QPA_PLATFORM xvfb-run -a || echo "== the X server run failed"
else
    echo "== wall time, X server: skipped, xvfb-run is not installed"
fi
