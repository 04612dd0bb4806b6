#!/usr/bin/env bash
# Start-up to the first frame of the real program, paired in one run with the minimal SDL
# program, on a virtual display with sound mixed in real time by SDL's disk driver; medians of
# a few alternating runs, then their ratio. Both are timed by one method: the watcher starts
# the program and is told by the X server of the first drawing on its window, without polling.
# Also the peak memory of each at its first frame and, for the game, after its intro has run a
# few seconds with its music, narration and blinking.
set -euo pipefail
game_dir=$(cd "$1" && pwd)
minimal=$2
watcher=$3
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game as a player's copy: the program beside links to all its content (pictures,
# effects, music, narration, questions) but to no settings file, so it starts from its defaults.
mkdir "$work/game"
cp "$game_dir/quorvane" "$work/game/"
shopt -s nocasematch
for entry in "$game_dir"/*; do
  case "${entry##*/}" in
    quorvane | config.ini*) ;;
    *) ln -s "$entry" "$work/game/" ;;
  esac
done
shopt -u nocasematch
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
# What the programs print (the disk driver's notices) goes to a log, shown if a run fails.
log=$work/log

# Prints the milliseconds from the start of $1 to its first frame, then its peak memory in KiB
# then and, when $2 is given, $2 seconds later.
first_frame() {
  if ! "$watcher" "$log" "${2:-0}" "$1"; then
    cat "$log" >&2
    exit 1
  fi
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

runs=7
: >"$work/game.txt" && : >"$work/minimal.txt"
for _ in $(seq 1 $runs); do
  first_frame "$work/game/quorvane" >>"$work/game.txt"
  first_frame "$minimal" >>"$work/minimal.txt"
done
game_ms=$(cut -d' ' -f1 "$work/game.txt" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal.txt" | median)
echo "start-up to first frame: game ${game_ms} ms, minimal SDL program ${minimal_ms} ms (medians of $runs)"
awk -v g="$game_ms" -v m="$minimal_ms" 'BEGIN { printf "start-up ratio game/minimal: %.2fx\n", g / m }'
echo "peak memory at the first frame: game $(($(cut -d' ' -f2 "$work/game.txt" | median) / 1024)) MiB," \
  "minimal SDL program $(($(cut -d' ' -f2 "$work/minimal.txt" | median) / 1024)) MiB"
set -- $(first_frame "$work/game/quorvane" 4)
echo "peak memory of the game after 4 s of its intro: $(($3 / 1024)) MiB"
