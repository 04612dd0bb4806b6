#!/usr/bin/env bash
# With no window manager to minimise the window, the menu's minimise button is refused: the
# window goes on drawing, and a button lit under the pointer shows at once.
source "$(dirname "$0")/program.sh"
start
xdotool key Return
sleep 3
click_stage 621 51 # menu: minimise
sleep 2
# The play button's highlight, lit under the pointer.
lit=$game_dir/Package/Graficos/bot_intro-0.bmp
read -r w h < <(identify -format '%w %h\n' "$lit")
lights() {
  xdotool mousemove $((192 + 220)) $((144 + 240))
  sleep 0.3
  xdotool mousemove $((192 + 221)) $((144 + 240))
  sleep 0.3
  import -window root -crop "${w}x${h}+$((192 + 186))+$((144 + 203))" +repage "$work/lit.png" &&
    differ=$(compare -metric AE -fuzz 10% "$work/lit.png" "$lit" null: 2>&1 || true) &&
    awk -v d="$differ" -v n=$((w * h)) 'BEGIN { exit !(d + 0 < n / 10) }'
}
for _ in $(seq 1 20); do
  lights && break
done
lights || fail "after the refused minimise the window no longer draws"
leave
echo "smoke: the refused minimise left the window drawing"
