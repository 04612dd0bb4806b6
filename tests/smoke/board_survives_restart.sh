#!/usr/bin/env bash
# A score board in the settings file survives a visit from the menu, the exit screen's leave
# and a fresh start: the file keeps its rows and the second start draws the same board.
source "$(dirname "$0")/program.sh"
board='"ANA"\r\n22\r\n"BETO"\r\n15\r\n"CAIO"\r\n9\r\n"DORA"\r\n2\r\n""\r\n0\r\n'
printf "2\r\n-9600\r\n-7200\r\n#FALSE#\r\n#FALSE#\r\n\"ANA\"\r\n$board" >"$work/config.ini"
rows() { tail -n 10 "$work/config.ini"; }
rows >"$work/rows.before"

# Intro, menu, score board: a picture of its rows; back to the menu and out.
visit_board() {
  start
  xdotool key Return
  sleep 3
  click_stage 60 410 # menu: scores
  sleep 3
  import -window root -crop 340x270+$((192 + 150))+$((144 + 160)) "$work/$1" ||
    fail "no picture of the board"
  click_stage 575 415 # score board: menu
  sleep 3
  leave
}

visit_board first.png
rows | cmp -s - "$work/rows.before" || fail "the board changed in config.ini"
visit_board second.png
differ=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the board drew differently after the restart ($differ pixels)"
rows | cmp -s - "$work/rows.before" || fail "the board changed in config.ini"
echo "smoke: the board survived the leave and a fresh start"
