#!/usr/bin/env bash
# Runs the benchmarks on a virtual X display, started here when none is given.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
"$@"
