#!/usr/bin/env bash
# Starts the real program in a virtual X display and plays it as a person would: waits for
# the intro to draw, skips it with Enter, clicks the menu's exit button and the exit screen's
# leave answer, then checks that the program ended and wrote its settings file.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

prepare "$1"
start
xdotool key Return
sleep 3
leave
[ -s "$work/config.ini" ] || fail "config.ini was not written"
echo "smoke: played from the intro to the exit; config.ini written"
