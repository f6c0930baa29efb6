#!/usr/bin/env bash
# The windows' keys on a real X server, the way a user presses them: brisanel under Xvfb on the
# xcb platform, keys from xdotool, with the keyboard in a text box. A text box takes some keys
# with Ctrl for itself in the X11 key scheme (Ctrl+E is "end of line"), which the offscreen
# platform's tests cannot show. There is no window manager, so the script gives a window the
# keyboard itself, as the user would by clicking it.
#
# Usage: command_keys.sh path/to/brisanel
set -euo pipefail

program=$(realpath "$1")
# Under AddressSanitizer, xkbcommon (loaded by the xcb platform) passes strndup a counted
# buffer that is not NUL-terminated, as strndup allows; the suite's strict string checks would
# stop the program there, in a library that is not ours.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/brisanel.log" ] && sed 's/^/brisanel: /' "$work/brisanel.log" >&2
    exit 1
}

# A window whose whole title is $1, once it is shown; fails after 15 seconds.
shown() {
    timeout 15 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 ||
        fail "no window \"$1\""
}
# Waits until no window titled $1 is shown.
gone() {
    local tries
    for tries in $(seq 150); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" still shown"
}
focus() { xdotool windowfocus --sync "$1" && sleep 0.3; }

# Presses $2 in window $1 and expects a dialog titled $3, then cancels it and whatever follows it
# under the same title (the main window's save asks for a name, then says it saved none).
expect_dialog() {
    focus "$1"
    xdotool key "$2"
    local dialog
    dialog=$(shown "$3") || exit 1
    for _ in 1 2 3; do
        focus "$dialog"
        xdotool key Escape
        sleep 0.5
        dialog=$(xdotool search --onlyvisible --name "^$3\$" 2>/dev/null | head -n 1) || true
        [ -n "$dialog" ] || return 0
    done
    fail "\"$3\" could not be closed"
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

cd "$work"
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/brisanel.log" 2>&1 &
pids+=($!)
main=$(shown "Brisanel & Repayment") || exit 1

# The Find EMI panel by its menu command, its four boxes typed, and Ctrl+L from the last box.
focus "$main"
xdotool key F10 Right Right Right Return
sleep 0.5
xdotool key ctrl+a && xdotool type --delay 30 "5000"
for box in 48 12 0; do xdotool key Tab ctrl+a && xdotool type --delay 30 "$box"; done
xdotool key ctrl+l
planner=$(shown "New plan - Loan planner - Brisanel & Repayment") || exit 1

# The planner opens with the keyboard in its principal box.
expect_dialog "$planner" ctrl+e "Export PDF"
expect_dialog "$planner" ctrl+s "Save Plan"
expect_dialog "$planner" ctrl+o "Open Plan"
focus "$planner"
xdotool key ctrl+shift+c
sleep 0.5
copied=$(xclip -o -selection clipboard -t text/csv 2>/dev/null || true)
[[ "$copied" == "month,opening_balance,"*$'\n'"1,5000,"* ]] ||
    fail "ctrl+shift+c copied no table: ${copied:0:100}"

# The real save dialog gives a name typed with a dot of its own the plan's suffix too.
focus "$planner"
xdotool key ctrl+s
dialog=$(shown "Save Plan") || exit 1
focus "$dialog"
xdotool key ctrl+a && xdotool type --delay 30 "loan.v2" && xdotool key Return
for _ in $(seq 100); do [ -f "$work/loan.v2.brisanel-plan" ] && break; sleep 0.1; done
[ -f "$work/loan.v2.brisanel-plan" ] || fail "\"loan.v2\" was not saved as loan.v2.brisanel-plan: $(ls "$work")"

# A name that ends in one of the filter's suffixes keeps it, and gets no second one.
focus "$planner"
xdotool key ctrl+s
dialog=$(shown "Save Plan") || exit 1
focus "$dialog"
xdotool key ctrl+a && xdotool type --delay 30 "kept.json" && xdotool key Return
for _ in $(seq 100); do [ -f "$work/kept.json" ] && break; sleep 0.1; done
[ -f "$work/kept.json" ] || fail "\"kept.json\" was not saved as it was typed: $(ls "$work")"

focus "$planner"
xdotool key Escape
gone "kept.json - Loan planner - Brisanel & Repayment"

# The main window's Ctrl+S from its box: the save asks for the list's name.
expect_dialog "$main" ctrl+s "Brisanel"
echo "every key reached its command"
