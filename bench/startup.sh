#!/usr/bin/env bash
# Start-up time of the real program to its first drawn frame (its window appears at the first
# frame), in a virtual display, averaged over a few runs.
set -euo pipefail
game_dir=$1
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game_dir/quorvane" "$work/"
printf '"%s"\r\n' "$game_dir" >"$work/cd.ini"
export SDL_AUDIODRIVER=dummy
runs=5 total=0
for _ in $(seq 1 $runs); do
  start=$(date +%s%N)
  "$work/quorvane" &
  pid=$!
  until xdotool search --onlyvisible --name Quorvane >/dev/null 2>&1; do
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  total=$((total + (end - start) / 1000000))
done
echo "start-up to first frame: $((total / runs)) ms (mean of $runs runs)"
