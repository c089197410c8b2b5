#!/usr/bin/env bash
# The program at rest, in a desktop session of its own (a virtual X server,
# a D-Bus session bus, the notification server dunst and a system tray): its
# wake-ups a minute, thread by thread, and its memory (VmRSS, VmHWM), over an
# interval of real time after it is up, in two configurations:
#  - the main window alone, nothing kept, as at a first start;
#  - a home place kept, the tray icon and reminders on, started with --tray.
# A program at rest should hardly wake: a timer that fires every second shows
# as 60 or more a minute.
# Usage: bench/idle/measure.sh [build directory] [seconds] [horavela program]
# The interval is 60 seconds unless given (a few are enough while developing);
# the program defaults to the one in the build directory.
# It runs with a /tmp of its own (a mount namespace, with a user namespace
# when not run as root), where the program's lock lies, so a copy the user
# runs neither takes its start over nor is disturbed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
seconds="${2:-60}"
horavela="${3:-$build/app/horavela}"
runner="$build/bench/idle/bench_idle_runner"

if [[ -z "${HORAVELA_IDLE_OWN_TMP:-}" ]]; then
    "$here/../../scripts/deps.sh" test
    for program in "$runner" "$horavela"; do
        if [[ ! -x "$program" ]]; then
            echo "$program is missing: build the targets bench_idle_runner and horavela first." >&2
            exit 1
        fi
    done
    as_user=()
    [[ "$(id -u)" -eq 0 ]] || as_user=(--map-root-user)
    export HORAVELA_IDLE_OWN_TMP=1
    exec unshare --mount "${as_user[@]}" -- \
        sh -c 'mount -t tmpfs -o mode=1777 none /tmp && exec "$0" "$@"' \
        "$0" "$(realpath "$build")" "$seconds" "$(realpath "$horavela")"
fi

echo "Horavela program: $horavela"
status=0
for configuration in window tray; do
    "$here/../../tests/support/desktop-session.sh" "$runner" "$seconds" "$configuration" \
        "$horavela" || status=1
done
exit "$status"
