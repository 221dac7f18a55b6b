#!/usr/bin/env bash
# A real drag from a real file manager onto the Linux program: pcmanfm shows
# a folder of test files under a private Xvfb, xdotool frames them all with
# the mouse and drags them onto the program's window, and the script checks
# the names on disk. Needs pcmanfm and a build of the linux preset.
#
#   bash scripts/drag-from-file-manager.sh [SHOTS_DIR]
#
# SHOTS_DIR, when given, receives screenshots of the steps.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/linux/app/linux/batch-suffix
[ -x "$program" ] || { echo "build the linux preset first" >&2; exit 2; }
command -v pcmanfm >/dev/null || { echo "pcmanfm is not installed" >&2; exit 2; }

if [ -z "${DRAG_INSIDE_XVFB:-}" ]; then
  DRAG_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

shots=${1:-}
work=$(mktemp -d)
files=$work/files
mkdir -p "$files/photos.2019" "$work/home"
printf A > "$files/a.txt"
printf B > "$files/b.doc"
printf C > "$files/bad$(printf '\xff').txt"
printf D > "$files/x.png"  # already named: left as it is
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }

"$program" 2>/dev/null &
pids+=($!)
tool=$(xdotool search --sync --onlyvisible --name '批量修改文件后缀' | head -1)
pcmanfm --no-desktop "$files" >/dev/null 2>&1 &
pids+=($!)
manager=$(xdotool search --sync --onlyvisible --name 'files' | head -1)
xdotool windowmove --sync "$manager" 0 0 windowsize --sync "$manager" 600 300
sleep 2

# The suffix, typed into the box (it is at 96,16 in the window's client area).
eval "$(xdotool getwindowgeometry --shell "$tool")"
xdotool mousemove $((X + 150)) $((Y + 30)) click 1
xdotool type png
# Frame every file with the mouse, as the window's hint says, then drag the
# first one (the folder comes first) onto the window.
xdotool mousemove 590 270 mousedown 1
for point in "450 200" "300 120" "160 70"; do xdotool mousemove $point; sleep 0.2; done
xdotool mouseup 1
sleep 0.5
shot selected
xdotool mousemove 205 95 mousedown 1
for point in "215 110" "260 180" "340 260" "420 330" "$((X + 180)) $((Y + 60))"; do
  xdotool mousemove $point
  sleep 0.3
done
xdotool mouseup 1
sleep 1.5
shot notice
# The completion notice has the focus; Enter presses its OK button.
xdotool key Return
sleep 0.5

expected=$(printf '%s\n' "a.png" "b.png" "bad$(printf '\xff').png" "photos.png" "x.png")
actual=$(ls "$files" | LC_ALL=C sort)
if [ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ]; then
  echo "renamed by a drag from pcmanfm: $(echo $actual)"
else
  echo "unexpected names after the drag:" >&2
  ls "$files" >&2
  exit 1
fi
