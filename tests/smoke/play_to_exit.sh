#!/usr/bin/env bash
# Starts the real program in a virtual X display and plays it as a person would: waits for
# the intro to draw, skips it with Enter, clicks the menu's exit button and the exit screen's
# leave answer, then checks that the program ended and wrote its settings file.
set -euo pipefail

game_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game_dir/quorvane" "$work/"
# The build's program folder is the content root; the settings land in the copy's folder.
printf '"%s"\r\n' "$game_dir" >"$work/cd.ini"

export SDL_AUDIODRIVER=dummy
"$work/quorvane" &
pid=$!

fail() {
  echo "smoke: $*" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
}

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

for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" || fail "the program ended with status $?"
[ -s "$work/config.ini" ] || fail "config.ini was not written"
echo "smoke: played from the intro to the exit; config.ini written"
