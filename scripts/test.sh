#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. The
# end-to-end tests need an X server: without a display, Xvfb is started here.
# Extra arguments go to ctest (for example -L e2e to run those alone).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINQUOR_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

cd "$build"
ctest --output-on-failure --timeout 300 "$@"
