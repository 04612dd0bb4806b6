# Sourced by the smoke tests: a copy of the program in a fresh folder whose content root is the
# build's program folder, and a way to fail that ends the program.
# Sets `work` (the copy's folder); start_program sets `pid`.
set -euo pipefail

game_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game_dir/quorvane" "$work/"
# The high-detail pictures and the questions are looked for beside the program.
ln -s "$game_dir/Graficos" "$work/Graficos"
printf '"%s"\r\n' "$game_dir" >"$work/cd.ini"

start_program() {
  SDL_AUDIODRIVER=dummy "$work/quorvane" &
  pid=$!
}

fail() {
  echo "smoke: $*" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
}

# Waits for the program to end by itself; sets `status` to its exit status.
wait_for_end() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$pid" || status=$?
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

# Starts the program and waits for the intro to draw.
start() {
  start_program
  for _ in $(seq 1 300); do
    drawn && return
    sleep 0.2
  done
  fail "the intro never drew"
}

# From the menu: the exit button, then the exit screen's leave; the program must end well.
leave() {
  click_stage 575 415 # menu: exit
  sleep 3
  click_stage 114 415 # exit screen: leave
  wait_for_end
  [ "$status" = 0 ] || fail "the program ended with status $status"
}
