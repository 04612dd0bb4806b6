#!/usr/bin/env bash
# A window uncovered while the program waits for an effect shows the stage again, not what
# covered it: the exit screen's leave waits for "tchau", here a minute of silence, which a
# signal ends.
source "$(dirname "$0")/program.sh"
mkdir "$work/sons"
silence 60 >"$work/sons/tchau.wav"
convert -size 640x480 xc:white "$work/cover.png"

start_program
within 60 shows bgintro || fail "the intro never drew"
xdotool key Return
within 20 shows bgmenu || fail "the menu did not appear"
click_stage 575 415 # menu: exit
within 20 shows bgsair || fail "the menu's exit did not open the exit screen"
click_stage 114 415 # exit screen: leave
sleep 1
# Without a window manager the cover lies exactly over the stage.
display -geometry +192+144 "$work/cover.png" &
cover=$!
within 5 xdotool search --onlyvisible --name cover.png >/dev/null || fail "the cover never showed"
within 5 not shows bgsair || fail "the cover did not cover the stage"
kill "$cover"
wait "$cover" 2>/dev/null || true
within 5 shows bgsair || fail "the uncovered stage kept what covered it during the waited effect"
kill -0 "$pid" 2>/dev/null || fail "the program ended before the effect did"
kill "$pid"
wait_for_end
echo "smoke: the stage came back when uncovered during a waited effect"
