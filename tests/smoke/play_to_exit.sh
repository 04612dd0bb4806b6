#!/usr/bin/env bash
# Starts the real program in a virtual X display and plays it as a person would: skips the
# intro with Enter, opens the name entry with Enter, types a name with real key events, looks
# into the exit screen and stays, confirms the name, watches the status screen close by
# itself, stops at the first question with yes, and leaves through the menu's exit screen;
# the settings file then holds the typed name as the last player.
source "$(dirname "$0")/program.sh"
start_program

drawn() {
  shot && [ "$(convert "$work/stage.png" -format '%[fx:mean>0.02]' info:)" = 1 ]
}

# The stage at ($2, $3) shows the picture file $1 (a highlight or a step's picture over the
# background), all but a tenth of its pixels.
region_shows() {
  shot || return 1
  local w h differ
  read -r w h < <(identify -format '%w %h\n' "$1")
  convert "$work/stage.png" -crop "${w}x${h}+$2+$3" +repage "$work/region.png"
  differ=$(compare -metric AE -fuzz 10% "$work/region.png" "$1" null: 2>&1 || true)
  awk -v d="$differ" -v n=$((w * h)) 'BEGIN { exit !(d + 0 < n / 10) }'
}

# Moves the pointer onto a button until its highlight $1 lights, then clicks it.
press_lit() {
  local picture=$1 x=$2 y=$3
  lit() {
    xdotool mousemove $((192 + x + 20)) $((144 + y + 20))
    sleep 0.2
    xdotool mousemove $((192 + x + 21)) $((144 + y + 20))
    region_shows "$picture" "$x" "$y"
  }
  within 20 lit || return 1
  xdotool click 1
}

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
# The status screen closes by itself once the spoken value has ended, and the game screen
# asks the first question: the picture of the first step's values is up.
within 30 not shows bgstatus || fail "the status screen did not close"
within 30 region_shows "$pictures/valores 01.bmp" 377 377 || fail "the first question never came"
press_lit "$game_dir/Graficos/bot_jogo_parar.bmp" 289 378 || fail "the stop button never lit"
press_lit "$game_dir/Graficos/bot_jogo_sim.bmp" 122 378 || fail "the yes button never lit"
within 60 shows bgmenu || fail "stopping on the first question did not lead back to the menu"

click_stage 575 415 # menu: exit
within 20 shows bgsair || fail "the menu's exit did not open the exit screen"
click_stage 114 415 # exit screen: leave
wait_for_end
[ "$status" = 0 ] || fail "the program ended with status $status"
# Line 6 of the settings file is the last player's name.
[ "$(sed -n 6p "$work/config.ini" | tr -d '\r')" = '"SMOKE"' ] ||
  fail "config.ini does not hold the typed name as the last player"
echo "smoke: played from the intro through a new game's first question back to the menu and out"
