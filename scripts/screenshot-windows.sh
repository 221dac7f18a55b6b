#!/usr/bin/env bash
# Renders the Windows program under Wine in a virtual desktop on a private
# X display and saves the window, with a margin of desktop, as docs/windows.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target batch-suffix

prefix=$PWD/build/windows/wineprefix
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  scripts/wine-run.sh "$0" wineboot  # the prefix made first, if need be
  scripts/wine-run.sh "$0" explorer /desktop=screenshot,1024x768 "$PWD/build/windows/app/batch-suffix.exe" &
  sleep 8
  import -window root /tmp/batch-suffix-desktop.png
  WINEPREFIX="$0" wineserver -k
' "$prefix"
# The window sits at (322, 323), 379 x 121, on the 1024 x 768 desktop.
convert /tmp/batch-suffix-desktop.png -crop 419x161+302+303 +repage docs/windows.png
rm -f /tmp/batch-suffix-desktop.png
