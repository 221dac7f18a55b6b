#!/usr/bin/env bash
# wine-desktop-test.sh PREFIX PROGRAM [ARGS...]
# Runs a GoogleTest program under Wine inside a virtual desktop of its own,
# so that it and the programs it starts see each other's windows and Wine
# draws their frames. explorer does not hand back the program's exit code,
# so the result is read from the program's XML report.
set -euo pipefail
prefix=$1 program=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
report="Z:${work//\//\\}\\report.xml"

"$(dirname "$0")/wine-run.sh" "$prefix" explorer "/desktop=batch-test-$$,1024x768" \
  "$program" "--gtest_output=xml:$report" "$@"

if [ ! -f "$work/report.xml" ]; then
  echo "no test report: the program did not finish" >&2
  exit 1
fi
grep -q '<testsuites[^>]* failures="0"[^>]* errors="0"' "$work/report.xml"
