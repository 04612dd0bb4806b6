#!/usr/bin/env bash
# Starts the real program in a virtual X display and plays it as a person would: skips the
# intro with Enter, opens the name entry with Enter, types a name with real key events, looks
# into the exit screen and stays, confirms the name, watches the status screen close by
# itself and the game screen appear, then ends the program.
source "$(dirname "$0")/program.sh"
pictures="$game_dir/Package/Graficos"
start_program

# Full-screen mode on a 1024x768 display puts the stage at 192,144.
shot() {
  import -window root "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -crop 640x480+192+144 +repage "$work/stage.png"
}

drawn() {
  shot && [ "$(convert "$work/stage.png" -format '%[fx:mean>0.02]' info:)" = 1 ]
}

# The stage shows the background `$1`: the backgrounds differ from each other in more than
# 60000 pixels, the controls drawn over them in far fewer.
shows() {
  shot || return 1
  local differ
  differ=$(compare -metric AE -fuzz 10% "$work/stage.png" "$pictures/$1.bmp" null: 2>&1 || true)
  awk -v d="$differ" 'BEGIN { exit !(d + 0 < 25000) }'
}

# Polls for up to $1 seconds until the command that follows succeeds. Generous: the
# sanitizer build is several times slower.
within() {
  local seconds=$1
  shift
  for _ in $(seq 1 $((seconds * 5))); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

not() { ! "$@"; }

within 30 drawn || fail "the intro never drew"
xdotool key Return
within 20 shows bgmenu || fail "the menu did not appear"

xdotool key Return
within 20 shows bgnome || fail "the menu's Enter did not open the name entry"
sleep 1
xdotool key --delay 150 s m o k e x BackSpace F2
within 20 shows bgsair || fail "F2 did not open the exit screen"
[ -s "$work/config.ini" ] || fail "the name entry's exit did not write config.ini"
grep -q SMOKE "$work/config.ini" && fail "an unconfirmed name reached config.ini"
click_stage 520 410 # exit screen: stay
within 20 shows bgnome || fail "the exit screen's stay did not return to the name entry"
xdotool key Return
within 20 shows bgstatus || fail "confirming the name did not open the status screen"
# The status screen closes by itself once the spoken value has ended.
within 30 not shows bgstatus || fail "the status screen did not close"
for screen in bgnome bgmenu; do
  shows "$screen" && fail "the status screen led to $screen instead of the game screen"
done

kill -TERM "$pid"
wait_for_end
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "smoke: played from the intro through the name entry and the status screen to the game"
