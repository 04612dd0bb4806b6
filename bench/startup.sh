#!/usr/bin/env bash
# Start-up to the first frame of the real program, paired in one run with the minimal SDL
# program (each window appears at its first frame), on a virtual display with sound mixed in
# real time by SDL's disk driver; medians of a few alternating runs, then their ratio. Also the
# peak memory of each, read when its first frame is up and, for the game, after its intro has
# run a few seconds with its narration and blinking.
set -euo pipefail
game_dir=$1
minimal=$2
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game_dir/quorvane" "$work/"
printf '"%s"\r\n' "$game_dir" >"$work/cd.ini"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

peak_kib() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }

# Prints the milliseconds from the start of $2 to its window named $1 being shown, then its
# peak memory in KiB then and, when $3 is given, $3 seconds later.
first_frame() {
  local name=$1 program=$2 later=${3:-}
  local start end pid
  start=$(date +%s%N)
  "$program" &
  pid=$!
  local tries=0
  until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 3000 ]; then
      kill "$pid" 2>/dev/null || true
      echo "startup.sh: no window named \"$name\" appeared" >&2
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  local peak
  peak=$(peak_kib "$pid")
  if [ -n "$later" ]; then
    sleep "$later"
    peak="$peak $(peak_kib "$pid")"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((end - start) / 1000000)) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

runs=7
: >"$work/game" && : >"$work/minimal"
for _ in $(seq 1 $runs); do
  first_frame Quorvane "$work/quorvane" >>"$work/game"
  first_frame "Minimal SDL" "$minimal" >>"$work/minimal"
done
game_ms=$(cut -d' ' -f1 "$work/game" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal" | median)
echo "start-up to first frame: game ${game_ms} ms, minimal SDL program ${minimal_ms} ms (medians of $runs)"
awk -v g="$game_ms" -v m="$minimal_ms" 'BEGIN { printf "start-up ratio game/minimal: %.2fx\n", g / m }'
echo "peak memory at the first frame: game $(($(cut -d' ' -f2 "$work/game" | median) / 1024)) MiB," \
  "minimal SDL program $(($(cut -d' ' -f2 "$work/minimal" | median) / 1024)) MiB"
set -- $(first_frame Quorvane "$work/quorvane" 4)
echo "peak memory of the game after 4 s of its intro: $(($3 / 1024)) MiB"
