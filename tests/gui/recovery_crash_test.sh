#!/usr/bin/env bash
# The window's recovery copy against a real crash: a window under Xvfb changes its project and is
# killed with SIGKILL; its copy holds the change, the next start asks whether to restore it, and
# «Восстановить» puts it into the new window as unsaved work (which that window then copies).
# Then the same with a field being edited at the kill: a value typed, Tab into a field that shows 0
# (empty while it is edited); the copy restores and every value comes back.
# Usage: recovery_crash_test.sh ZELTAR DEFAULTS.zlt (starts its own Xvfb when no DISPLAY is set)
set -euo pipefail
zeltar=$1
defaults=$2
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed (scripts/install-deps.sh)"; exit 77; }

work=$(mktemp -d)
pids=()
xserver=
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    # The X server is stopped gently, so that it removes its socket and lock for the next run.
    if [ -n "$xserver" ]; then kill "$xserver" 2>/dev/null || true; wait "$xserver" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_STATE_HOME=$work/state
export QT_QPA_PLATFORM=xcb
folder=$XDG_STATE_HOME/zeltar/recovery
cityLine=95 # the city list's choice in a project file

fail() {
    echo "FAIL: $*"
    ls -la "$folder" 2>/dev/null || true
    cat "$work"/*.log 2>/dev/null || true
    exit 1
}

# Waits up to SECONDS for a command to succeed.
waitForSeconds() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}
waitFor() { waitForSeconds 60 "$@"; }

# The process's window whose title holds the text (xdotool's own name match is unreliable for
# Cyrillic titles).
windowOf() {
    local w
    for w in $(xdotool search --pid "$1" --name ""); do
        if [[ "$(xdotool getwindowname "$w")" == *"$2"* ]]; then echo "$w"; return 0; fi
    done
    return 1
}
# Presses a key in the process's window with the title until the check holds: under a bare Xvfb
# on a busy machine a key sent while the window is still settling can be lost.
pressUntil() {
    local pid=$1 title=$2 key=$3
    shift 3
    waitFor windowOf "$pid" "$title" || fail "no window «$title» of process $pid"
    for _ in $(seq 10); do
        local w
        w=$(windowOf "$pid" "$title") || break
        xdotool windowfocus --sync "$w" 2>/dev/null || true
        sleep 0.5
        xdotool key "$key"
        for _ in $(seq 30); do
            if "$@" >/dev/null 2>&1; then return 0; fi
            sleep 0.1
        done
    done
    waitFor "$@"
}
uncleanCopyOf() { grep -qs '^clean=0' "$folder/window-$1-"*.info; }
questionGoneOf() { ! windowOf "$1" "восстановление"; }
# A line of the process's copy without its display blanks.
copyLine() { lineOf "$(ls "$folder/window-$1-"*.zlt)" "$2" | tr -d ' '; }
copyLineIs() { [ "$(copyLine "$1" "$2")" = "$3" ]; }
copyLineIsNot() { [ "$(copyLine "$1" "$2")" != "$3" ]; }
lineOf() { sed -n "${2}p" "$1" | tr -d '\r'; }

# An X server of its own: Xvfb picks a free display itself (-displayfd), which xvfb-run -a cannot
# do safely while other test runs start servers on the same machine.
# The server must not reset when its last client leaves (-noreset): every xdotool call is such a
# client, and a window connecting during a reset fails on a busy machine. A server that names its
# display but then takes no connection is stopped and started again.
startXServer() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xserver=$!
    waitForSeconds 20 test -s "$work/display" || return 1
    export DISPLAY=":$(head -n 1 "$work/display")"
    waitForSeconds 20 xdotool getdisplaygeometry
}
if [ -z "${DISPLAY:-}" ]; then
    command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed (scripts/install-deps.sh)"; exit 77; }
    started=false
    for _ in 1 2 3; do
        if startXServer; then started=true; break; fi
        kill "$xserver" 2>/dev/null || true
        wait "$xserver" 2>/dev/null || true
        xserver=
    done
    $started || fail "Xvfb did not start"
fi

# 1. A window changes the city (the city list has the focus at start) and is killed.
"$zeltar" 2>"$work/first.log" & first=$!
pids+=("$first")
pressUntil "$first" "ЗЕЛТАР" Down uncleanCopyOf "$first" || fail "no unclean recovery copy after the change"
kill -9 "$first"
wait "$first" 2>/dev/null || true
copy=$(ls "$folder/window-$first-"*.zlt)
[ "$(lineOf "$copy" $cityLine)" != "$(lineOf "$defaults" $cityLine)" ] || fail "the copy does not hold the changed city"
grep -q "^pid=$first\$" "$folder/window-$first-"*.info || fail "the record does not name the process"
changedCity=$(lineOf "$copy" $cityLine)

# 2. The next start asks; Enter answers with the default button, «Восстановить».
"$zeltar" 2>"$work/second.log" & second=$!
pids+=("$second")
pressUntil "$second" "восстановление" Return questionGoneOf "$second" || fail "the restore question stayed"
# The restored project is unsaved work: the new window copies it, and the old copy is gone.
waitFor uncleanCopyOf "$second" || fail "the restored project was not kept as modified"
[ "$(lineOf "$(ls "$folder/window-$second-"*.zlt)" $cityLine)" = "$changedCity" ] || fail "the restored city differs"
! ls "$folder/window-$first-"* >/dev/null 2>&1 || fail "the restored copy was not removed"
kill -9 "$second"
wait "$second" 2>/dev/null || true

# 3. In a state folder of its own: the room length is typed and Tab goes into the room width, which
#    shows 0 and so is empty while it is edited; a digit typed there and taken back proves the
#    window got that far. Then the window is killed.
export XDG_STATE_HOME=$work/state-editing
folder=$XDG_STATE_HOME/zeltar/recovery
lengthLine=22
widthLine=23
[ "$(lineOf "$defaults" $widthLine | tr -d ' ')" = 0 ] || fail "the room width does not start at 0"
"$zeltar" 2>"$work/third.log" & third=$!
pids+=("$third")
pressUntil "$third" "ЗЕЛТАР" Down uncleanCopyOf "$third" || fail "no unclean recovery copy after the change"
# Enter leads from the city list through the floor type into the room length, its text selected.
xdotool key Return Return 1 2 Tab 5
waitFor copyLineIs "$third" $lengthLine 12 || fail "the typed room length is not in the copy"
waitFor copyLineIs "$third" $widthLine 5 || fail "the room width being edited is not in the copy"
xdotool key BackSpace
waitFor copyLineIsNot "$third" $widthLine 5 || fail "the emptied room width is not in the copy"
kill -9 "$third"
wait "$third" 2>/dev/null || true
cp "$(ls "$folder/window-$third-"*.zlt)" "$work/edited.zlt"

# 4. The next start restores it: no error, and every value of the killed window is back.
"$zeltar" 2>"$work/fourth.log" & fourth=$!
pids+=("$fourth")
pressUntil "$fourth" "восстановление" Return questionGoneOf "$fourth" || fail "the restore question stayed"
waitFor uncleanCopyOf "$fourth" || fail "the copy with a field being edited was not restored"
[ "$(copyLine "$fourth" $widthLine)" = 0 ] || fail "the room width did not come back as 0"
cmp -s "$work/edited.zlt" "$(ls "$folder/window-$fourth-"*.zlt)" || fail "the restored project differs from the killed window's"
! ls "$folder/window-$third-"* >/dev/null 2>&1 || fail "the restored copy was not removed"
echo "PASS"
