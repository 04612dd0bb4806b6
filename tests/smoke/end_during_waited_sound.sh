#!/usr/bin/env bash
# SIGTERM and SIGINT while the real program waits for a minute-long effect (the one it plays
# at start-up): the program ends at once, with status 0, as for any other end.
source "$(dirname "$0")/program.sh"

mkdir "$work/sons"
silence 60 >"$work/sons/mudo.wav"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

for signal in TERM INT; do
  # A shell starts its background jobs with SIGINT ignored; a terminal's would not be.
  SDL_AUDIODRIVER=dummy env --default-signal=INT "$work/quorvane" &
  pid=$!
  # The sound device is open: the effect follows within milliseconds.
  for _ in $(seq 1 300); do
    grep -qs '^SDLAudio' /proc/"$pid"/task/*/comm && break
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the program ended before the signal"
  kill -s "$signal" "$pid"
  sent=$(now_ms)
  # A bound for a hang well short of the sound's minute, not a timing: the time is printed.
  while kill -0 "$pid" 2>/dev/null && [ $(($(now_ms) - sent)) -lt 10000 ]; do
    sleep 0.02
  done
  took=$(($(now_ms) - sent))
  kill -0 "$pid" 2>/dev/null && fail "SIG$signal did not end the program within $took ms"
  status=0
  wait "$pid" || status=$?
  [ "$status" = 0 ] || fail "SIG$signal ended the program with status $status"
  echo "smoke: SIG$signal ended the program in $took ms"
done
