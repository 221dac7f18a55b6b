#!/usr/bin/env bash
# Installs what is needed, builds the tool for this machine and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
cmake --preset linux
cmake --build --preset linux

exec build/linux/app/linux/batch-suffix
