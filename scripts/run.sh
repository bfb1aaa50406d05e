#!/usr/bin/env bash
# Installs what is missing, builds Tinquor and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target tinquor
exec "${TINQUOR_BUILD_DIR:-$root/build}/app/tinquor" "$@"
