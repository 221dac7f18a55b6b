#!/usr/bin/env bash
# Installs what is needed, builds the tool for this machine and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
cmake --preset linux
cmake --build --preset linux

program=build/linux/app/batch-suffix
if [ ! -x "$program" ]; then
  echo "Built the renaming core and its tests; the program's window is not part of this build yet."
  exit 0
fi
exec "$program"
