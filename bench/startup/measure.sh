#!/usr/bin/env bash
# Start-up of the real Horavela program against a minimal Qt Widgets program
# showing one empty window of the same size: time from process start to the
# window on screen, and peak memory, medians over interleaved runs. For
# context it then compares Horavela with the same window holding one line of
# text: the first text any Qt program shows makes it load the system's font
# configuration.
# Usage: bench/startup/measure.sh [build directory] [rounds] [horavela program]
# The program defaults to the one in the build directory; give
# /usr/bin/horavela to measure the installed package.
set -euo pipefail
build="${1:-build}"
rounds="${2:-20}"
horavela="${3:-$build/app/horavela}"
dir="$build/bench/startup"
for program in bench_startup_runner bench_startup_minimal bench_startup_minimal_text; do
    if [[ ! -x "$dir/$program" ]]; then
        echo "$dir/$program is missing: build the targets bench_startup_runner," \
            "bench_startup_minimal and bench_startup_minimal_text first." >&2
        exit 1
    fi
done
if [[ ! -x "$horavela" ]]; then
    echo "$horavela is missing: build the target horavela first." >&2
    exit 1
fi
echo "Horavela program: $horavela"

run() {
    echo "-- against one empty window"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal" \
        "$horavela"
    echo "-- against one window with one line of text (for context)"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal_text" \
        "$horavela"
}

echo "== offscreen platform"
QT_QPA_PLATFORM=offscreen run env
if command -v xvfb-run > /dev/null; then
    echo "== X server (xvfb-run)"
    run env -u QT_QPA_PLATFORM xvfb-run -a
else
    echo "== X server: skipped, xvfb-run is not installed"
fi
