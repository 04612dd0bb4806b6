#!/usr/bin/env bash
# Starts the real program in a virtual X display in window mode, drags the window with quick
# pointer moves and with paced ones (each drag must end exactly under the pointer), then
# destroys the window from outside, as a desktop tool can: the program must end as for a
# desktop close, with status 0 and its settings file untouched.
source "$(dirname "$0")/program.sh"
# Window mode, so that the window is an ordinary one of the stage's size.
printf '1\r\n1500\r\n1500\r\n#TRUE#\r\n#TRUE#\r\n"ANA"\r\n"BIA"\r\n9\r\n""\r\n0\r\n""\r\n0\r\n""\r\n0\r\n""\r\n0\r\n' \
  >"$work/config.ini"
cp "$work/config.ini" "$work/config.before"
start_program

window=""
for _ in $(seq 1 150); do
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "the window never appeared"
left() { xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([-0-9]*\),.*/\1/p'; }

xdotool key Return # on to the menu
sleep 2
# Drags the stage 200 px right in twenty equal steps, `pace` seconds apart. Paced steps are
# each handled before the next comes: the pointer then stands at the same place in the moved
# window, and every step must still count.
drag() {
  local pace=$1 before after
  before=$(left)
  xdotool mousemove 300 300
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  for i in $(seq 1 20); do
    xdotool mousemove $((300 + 10 * i)) 300
    sleep "$pace"
  done
  sleep 1
  xdotool mouseup 1
  sleep 0.5
  after=$(left)
  [ "$after" = $((before + 200)) ] ||
    fail "a drag paced $pace s left the window at $after, not $((before + 200))"
}
drag 0
drag 0.03

xdotool windowclose "$window"

wait_for_end
[ "$status" = 0 ] || fail "the program ended with status $status"
cmp -s "$work/config.ini" "$work/config.before" || fail "config.ini was changed"
[ ! -e "$work/config.ini.novo" ] || fail "a temporary was left"
echo "smoke: the window followed a quick drag; destroyed from outside, the program ended cleanly"
