#!/usr/bin/env bash
# A real drag from a real file browser onto the Windows program: Wine's own
# explorer shows a folder of test files in the same virtual desktop as
# batch-suffix.exe, xdotool types the suffix, selects the files and drags
# them onto the window, and the script checks the names on disk. Needs a
# build of the windows preset.
#
#   bash scripts/drag-from-explorer.sh [SCREENSHOT.png]
#
# SCREENSHOT, when given, receives the desktop with the completion box up.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/windows/app/batch-suffix.exe
[ -f "$program" ] || { echo "build the windows preset first" >&2; exit 2; }

if [ -z "${DRAG_INSIDE_XVFB:-}" ]; then
  DRAG_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

shot=${1:-}
prefix=$PWD/build/windows/wineprefix
desktop=drag-$$
scripts/wine-run.sh "$prefix" wineboot  # the prefix made first, if need be
files=$prefix/drive_c/photos
rm -rf "$files"
mkdir -p "$files"
printf A > "$files/holiday.jpeg"
printf B > "$files/notes.txt"
printf C > "$files/report.doc"
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; rm -rf "$files"' EXIT

# The tool comes up centred, at (322, 323); the file browser at the top left,
# over part of it.
scripts/wine-run.sh "$prefix" explorer "/desktop=$desktop,1024x768" "$program" &
sleep 6
scripts/wine-run.sh "$prefix" explorer "/desktop=$desktop,1024x768" explorer.exe 'C:\photos' &
sleep 8

# Move the tool by its caption bar into the free corner, then type the
# suffix into its edit box.
xdotool mousemove 660 333 mousedown 1 sleep 0.3 mousemove 760 400 sleep 0.3 \
  mousemove 900 560 sleep 0.3 mouseup 1
sleep 1
xdotool mousemove 750 603 click 1 sleep 0.3 type png
# Select the three files (click the first, Shift+click the last) and drag
# them onto the tool's window.
xdotool mousemove 206 111 click 1 sleep 0.3 keydown shift mousemove 203 145 click 1 keyup shift
sleep 0.5
xdotool mousemove 200 128 mousedown 1
for point in "220 140" "400 300" "600 500" "700 640" "710 645"; do
  xdotool mousemove $point
  sleep 0.3
done
xdotool mouseup 1
sleep 3
# The part of the desktop that holds both windows and the box.
[ -z "$shot" ] || import -window root -crop 950x680+0+0 +repage "$shot"
xdotool key Return  # the completion box's OK
sleep 1

found=$(cd "$files" && ls | sort | tr '\n' ' ')
expected="holiday.png notes.png report.png "
if [ "$found" != "$expected" ]; then
  echo "after the drag: $found(expected $expected)" >&2
  exit 1
fi
echo "renamed by a drag from Wine's explorer: $found"
