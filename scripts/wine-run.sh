#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]
# Runs one Windows program of the build under Wine: the build's own prefix
# (created on first use), no Wine debug chatter, and the zh_CN locale so that
# the program's ANSI code page is 936.
set -euo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine64

if [ ! -f "$prefix/.ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.ready" ]; then
    "$(dirname "$0")/wine-prefix.sh" "$prefix" >/dev/null 2>&1
    touch "$prefix/.ready"
  fi
  exec 9>&-
fi
exec "$wine" "$@"
