#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine, in a virtual desktop
# (so that Wine draws the frame) with code page 936 and CJK fonts.
# Extra arguments are passed on to the program, which ignores them.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target batch-suffix

exec scripts/wine-run.sh "$PWD/build/windows/wineprefix" \
  explorer /desktop=batch-suffix,1024x768 "$PWD/build/windows/app/batch-suffix.exe" "$@"
