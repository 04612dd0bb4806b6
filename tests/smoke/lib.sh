# Helpers of the smoke tests: the real program in a copy of its folder, driven through
# xdotool in a virtual X display. Generous waits: the sanitizer build is several times slower.

# Copies the program into a fresh folder `$work` whose content root is the build's folder.
prepare() {
  game_dir=$1
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$game_dir/quorvane" "$work/"
  printf '"%s"\r\n' "$game_dir" >"$work/cd.ini"
  export SDL_AUDIODRIVER=dummy
}

fail() {
  echo "smoke: $*" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
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

# Starts the program and waits for the intro to draw.
start() {
  "$work/quorvane" &
  pid=$!
  for _ in $(seq 1 150); do
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
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  wait "$pid" || fail "the program ended with status $?"
}
