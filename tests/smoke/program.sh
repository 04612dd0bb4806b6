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

pictures="$game_dir/Package/Graficos"

# Full-screen mode on a 1024x768 display puts the stage at 192,144.
shot() {
  import -window root "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -crop 640x480+192+144 +repage "$work/stage.png"
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

# $1 seconds of silence as a WAV file on standard output: 8-bit mono PCM at 8000 Hz.
silence() {
  local bytes=$((8000 * $1))
  le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
      $((($1 >> 16) & 255)) $((($1 >> 24) & 255))
  }
  printf "RIFF$(le32 $((36 + bytes)))WAVEfmt $(le32 16)\x01\x00\x01\x00$(le32 8000)$(le32 8000)"
  printf "\x01\x00\x08\x00data$(le32 "$bytes")"
  head -c "$bytes" /dev/zero | tr '\0' '\200'
}

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
