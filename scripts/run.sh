#!/usr/bin/env bash
# Installs what is missing, builds, starts the virtual sensor on a pseudo-terminal
# linked as COM1 next to the program, and starts the program connected to it.
# Without a display the program runs under Xvfb (say so on the terminal).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh kavro-xb-scope kavro-xb-sim
BIN="$PWD/build"

"$BIN/kavro-xb-sim" --dir "$BIN" --port 1 --quiet &
SIM=$!
trap 'kill $SIM 2>/dev/null || true; wait $SIM 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$BIN/COM1" ] && break; sleep 0.1; done

if [ -z "${DISPLAY:-}" ]; then
  echo "No display set: running KAVRO-XB-Scope under Xvfb (a virtual X server)."
  xvfb-run -a -s "-screen 0 1280x800x24" "$BIN/kavro-xb-scope"
else
  "$BIN/kavro-xb-scope"
fi
