#!/usr/bin/env bash
# Starts the real program with no display to open a window on: it must not run unseen, but say
# why on standard error and end with status 1.
set -uo pipefail
game_dir=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  timeout 10 "$game_dir/quorvane" 2>"$errors" || status=$?
if [ "$status" != 1 ]; then
  echo "smoke: with no display the program ended with status $status, not 1" >&2
  exit 1
fi
if ! grep -q "Nenhuma tela disponível" "$errors"; then
  echo "smoke: with no display the program said: $(cat "$errors")" >&2
  exit 1
fi
echo "smoke: with no display the program said why and ended with status 1"
