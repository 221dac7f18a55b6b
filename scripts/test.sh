#!/usr/bin/env bash
# The whole test suite: installs what is needed, builds the native, the
# sanitized and the Windows build, and runs every test, the Windows ones
# under Wine with code page 936. GUI tests get a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh

presets=(linux linux-asan windows)
for preset in "${presets[@]}"; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

for preset in "${presets[@]}"; do
  echo "== ctest --preset $preset"
  xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$preset"
done
