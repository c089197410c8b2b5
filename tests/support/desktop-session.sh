#!/usr/bin/env bash
# Runs one command inside a desktop session of its own, as a user's desktop
# would give it: a virtual X server (Xvfb), a D-Bus session bus, a
# notification server (dunst) and a system tray (trayer). Nothing of the
# user's is read or reached: the bus activates no services, dunst reads our
# configuration below, the X server takes only our cookie. Everything it
# starts ends with it, whatever way the command ends.
#
# Usage: tests/support/desktop-session.sh [option...] [--] command [argument...]
#   --no-notification-server  a bus with no notification server on it
#   --no-session-bus          DBUS_SESSION_BUS_ADDRESS names a bus that is not there
#   --no-tray                 no system tray
# The command runs with DISPLAY, XAUTHORITY, DBUS_SESSION_BUS_ADDRESS and
# QT_QPA_PLATFORM=xcb set, once dunst owns org.freedesktop.Notifications and
# trayer owns the tray's selection; its exit status is the wrapper's.
# `dunstctl history` in the command reads what dunst received.
#
# When a tool is missing or the session cannot be started, it prints a line
# beginning "desktop session unavailable:" and exits with 77. CTest counts
# such a test as skipped: register a test with horavela_add_desktop_test
# (cmake/HoravelaTargets.cmake), which runs it under this wrapper.
set -uo pipefail

notification_server=yes
session_bus=yes
tray=yes
while [ $# -gt 0 ]; do
    case "$1" in
    --no-notification-server) notification_server=no ;;
    --no-session-bus) session_bus=no notification_server=no ;;
    --no-tray) tray=no ;;
    --) shift; break ;;
    -*) echo "desktop-session.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
    shift
done
if [ $# -eq 0 ]; then
    echo "usage: $0 [--no-notification-server|--no-session-bus] [--no-tray] [--] command [argument...]" >&2
    exit 2
fi

unavailable() {
    echo "desktop session unavailable: $*"
    exit 77
}

# busctl (systemd) is what dunstctl reads the history with; python3 asks the
# X server who owns the tray's selection, which no X tool of Debian prints.
tools=(Xvfb python3)
[ "$session_bus" = yes ] && tools+=(dbus-daemon dbus-send)
[ "$notification_server" = yes ] && tools+=(dunst dunstctl busctl)
[ "$tray" = yes ] && tools+=(trayer)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || unavailable "$tool is missing (scripts/deps.sh test installs it)"
done

folder=$(mktemp -d "${TMPDIR:-/tmp}/horavela-desktop-XXXXXX") || unavailable "no temporary folder"
started=()
command_pid=
finish() {
    local status=$?
    trap - EXIT INT TERM HUP
    [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
    # The last started ends first: the tray and dunst before the bus and the
    # X server they are connected to.
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null
        wait "${started[i]}" 2>/dev/null
    done
    rm -rf "$folder"
    exit "$status"
}
trap finish EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

# Polls a check for up to ten seconds; false when it never held or the
# process it waits for ended.
await() {
    local pid=$1
    shift
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# A wildcard entry, valid for whichever display number the server picks.
{
    printf '\377\377\000\000\000\000\000\022MIT-MAGIC-COOKIE-1\000\020'
    head -c 16 /dev/urandom
} >"$folder/Xauthority"
export XAUTHORITY="$folder/Xauthority"
# The server picks a free display itself and writes its number, so two
# sessions started at once never race for one.
Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 1280x1024x24 \
    3>"$folder/display" >"$folder/Xvfb.log" 2>&1 &
started+=($!)
display_written() { grep -qs '^[0-9][0-9]*$' "$folder/display"; }
await "${started[-1]}" display_written ||
    unavailable "Xvfb did not start: $(tail -n 3 "$folder/Xvfb.log")"
display=$(cat "$folder/display")
export DISPLAY=":$display"

if [ "$session_bus" = yes ]; then
    # A bus of our own that starts no service on demand, so nothing of the
    # system's answers on it unless started here.
    cat >"$folder/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$folder/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    dbus-daemon --config-file="$folder/bus.conf" --nofork --nopidfile >"$folder/bus.log" 2>&1 &
    started+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/bus"
    bus_answers() {
        dbus-send --session --dest=org.freedesktop.DBus --print-reply / \
            org.freedesktop.DBus.GetId >/dev/null 2>&1
    }
    await "${started[-1]}" bus_answers ||
        unavailable "the D-Bus session bus did not start: $(tail -n 3 "$folder/bus.log")"
else
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/no-bus"
fi

if [ "$notification_server" = yes ]; then
    cat >"$folder/dunstrc" <<EOF
[global]
    # Bodies are Pango markup, as servers that announce "body-markup" take them.
    markup = full
    format = "%s\n%b"
    history_length = 50
    # Each notification received stays one entry, so that a test can count them.
    stack_duplicates = false
EOF
    dunst -config "$folder/dunstrc" >"$folder/dunst.log" 2>&1 &
    started+=($!)
    notifications_owned() {
        dbus-send --session --dest=org.freedesktop.DBus --print-reply / \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
            grep -q 'boolean true'
    }
    await "${started[-1]}" notifications_owned ||
        unavailable "dunst did not start: $(tail -n 3 "$folder/dunst.log")"
fi

if [ "$tray" = yes ]; then
    trayer --edge top --align right --widthtype request --height 24 >"$folder/trayer.log" 2>&1 &
    started+=($!)
    tray_owned() {
        python3 -c '
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGetSelectionOwner.restype = ctypes.c_ulong
display = x.XOpenDisplay(None)
sys.exit(0 if display and x.XGetSelectionOwner(display, x.XInternAtom(display, b"_NET_SYSTEM_TRAY_S0", 0)) else 1)
' 2>/dev/null
    }
    await "${started[-1]}" tray_owned ||
        unavailable "trayer did not start: $(tail -n 3 "$folder/trayer.log")"
fi

# In the background and waited for, so that a signal to the wrapper ends the
# session at once rather than after the command.
QT_QPA_PLATFORM=xcb "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=
exit "$status"
