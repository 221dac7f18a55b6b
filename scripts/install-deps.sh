#!/usr/bin/env bash
# Installs everything the build, the tool and the tests need on Debian 12,
# and generates the zh_CN.UTF-8 locale that gives Wine the code page 936.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  exec sudo -E bash "$0" "$@"
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  ca-certificates cmake ninja-build g++ pkg-config \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 fonts-wine \
  qt6-base-dev libgl-dev \
  xvfb xauth xdotool x11-utils imagemagick fonts-wqy-microhei \
  locales

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
