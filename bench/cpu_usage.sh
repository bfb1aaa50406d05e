#!/usr/bin/env bash
# CPU use of the running program over a stretch of time, as a percentage of
# one core, read from /proc. Usage: bench/cpu_usage.sh [seconds] [still|moving]
# Needs an X server in DISPLAY (e.g. Xvfb) and a built build/app/tinquor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
mode=${2:-still}
bin=${TINQUOR_BIN:-$root/build/app/tinquor}
cfg=$(mktemp -d)
XDG_CONFIG_HOME=$cfg "$bin" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$cfg"' EXIT
sleep 2
xdotool mousemove ${POINTER_X:-700} ${POINTER_Y:-100}
ticks() { awk "{print \$14 + \$15}" "/proc/$pid/stat"; }
split() { awk "{print \"user \" \$14 \" system \" \$15 \" ticks\"}" "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
start=$(ticks)
if [ "$mode" = moving ]; then
  end=$((SECONDS + seconds))
  x=600
  while [ $SECONDS -lt $end ]; do
    x=$(( x >= 1000 ? 600 : x + 7 ))
    xdotool mousemove $x $(( 50 + (x * 3) % 300 ))
    sleep 0.02
  done
else
  sleep "$seconds"
fi
used=$(( $(ticks) - start ))
split
awk -v u="$used" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "cpu %.2f%% of one core over %d s (%s)\n", 100 * u / hz / s, s, "'"$mode"'" }'
