#!/usr/bin/env bash
# Start-up of Horavela against a minimal Qt Widgets program showing one empty
# window of the same size: time from process start to the window on screen,
# and peak memory, medians over interleaved runs. For context it then compares
# Horavela with the same window holding one line of text: the first text any
# Qt program shows makes it load the system's font configuration.
# Usage: bench/startup/measure.sh [build directory] [rounds]
set -euo pipefail
build="${1:-build}"
rounds="${2:-20}"
dir="$build/bench/startup"
for program in bench_startup_runner bench_startup_minimal bench_startup_minimal_text \
    bench_startup_horavela; do
    if [[ ! -x "$dir/$program" ]]; then
        echo "$dir/$program is missing: build the targets bench_startup_runner," \
            "bench_startup_minimal, bench_startup_minimal_text and bench_startup_horavela" \
            "first." >&2
        exit 1
    fi
done

run() {
    echo "-- against one empty window"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal" \
        "$dir/bench_startup_horavela"
    echo "-- against one window with one line of text (for context)"
    "$@" "$dir/bench_startup_runner" "$rounds" "$dir/bench_startup_minimal_text" \
        "$dir/bench_startup_horavela"
}

echo "== offscreen platform"
QT_QPA_PLATFORM=offscreen run env
if command -v xvfb-run > /dev/null; then
    echo "== X server (xvfb-run)"
    run env -u QT_QPA_PLATFORM xvfb-run -a
else
    echo "== X server: skipped, xvfb-run is not installed"
fi
