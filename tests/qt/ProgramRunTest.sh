#!/usr/bin/env bash
# The real Linux program as a process: started from another folder with a
# file path for an argument, it shows its window on an X display, leaves the
# file alone, and Esc ends it with exit code 0.
#   ProgramRunTest.sh PROGRAM
set -euo pipefail
program=$1

if [ -z "${RUN_INSIDE_XVFB:-}" ]; then
  RUN_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf data > "$work/a.txt"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

cd "$work"
QT_QPA_PLATFORM=xcb "$program" "$work/a.txt" --ignored &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '批量修改文件后缀' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y, $WIDTH x $HEIGHT"
[ "$WIDTH x $HEIGHT" = "373 x 96" ] || { echo "unexpected size" >&2; exit 1; }
[ "$(readlink "/proc/$pid/cwd")" = "$(dirname "$(readlink -f "$program")")" ] ||
  { echo "not in the program's folder" >&2; exit 1; }

xdotool key Escape
status=0
timeout 30 tail --pid="$pid" -f /dev/null || { echo "still running after Esc" >&2; kill "$pid"; exit 1; }
wait "$pid" || status=$?
echo "exit code $status"
[ "$status" -eq 0 ]
# The argument renamed nothing.
[ "$(ls "$work" | tr '\n' ' ')" = "a.txt runtime " ]
