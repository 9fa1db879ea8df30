#!/usr/bin/env bash
# The built program as a user meets it: started on a private X server, its
# window found by its title, Ctrl+Q pressed, and the process expected to end
# by itself with exit status 0.
set -uo pipefail

executable=$1
work=$(mktemp -d)
server=
program=

cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null
    [[ -n $server ]] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/program.log ]] && sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}

# Xvfb chooses a free display itself and writes its number to descriptor 3,
# so tests that run at the same time never race for one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=dummy

"$executable" >"$work/program.log" 2>&1 &
program=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tolvane$' 2>/dev/null | head -n1)
[[ -n $window ]] || fail "no window titled Tolvane appeared"
xdotool windowfocus --sync "$window" || fail "the window could not take the focus"
xdotool key --clearmodifiers ctrl+q

for _ in $(seq 150); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$program"
status=$?
program=
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "PASS: Ctrl+Q ended the program with status 0"
