#!/usr/bin/env bash
# Starts the real program in a virtual X display and plays it as a person would: waits for
# the intro to draw, skips it with Enter, clicks the menu's exit button and the exit screen's
# leave answer, then checks that the program ended and wrote its settings file.
source "$(dirname "$0")/program.sh"
# The settings land in the copy's folder.
start_program

# Full-screen mode on a 1024x768 display puts the stage at 192,144.
click_stage() {
  xdotool mousemove $((192 + $1)) $((144 + $2))
  sleep 0.3
  xdotool mousemove $((192 + $1 + 1)) $((144 + $2))
  sleep 0.3
  xdotool click 1
}

drawn() {
  import -window root "$work/shot.png" 2>/dev/null &&
    [ "$(convert "$work/shot.png" -format '%[fx:mean>0.02]' info:)" = 1 ]
}

# Generous waits: the sanitizer build is several times slower.
for _ in $(seq 1 150); do
  drawn && break
  sleep 0.2
done
drawn || fail "the intro never drew"

xdotool key Return
sleep 3
click_stage 575 415 # menu: exit
sleep 3
click_stage 114 415 # exit screen: leave

wait_for_end
[ "$status" = 0 ] || fail "the program ended with status $status"
[ -s "$work/config.ini" ] || fail "config.ini was not written"
echo "smoke: played from the intro to the exit; config.ini written"
