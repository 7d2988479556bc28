#!/usr/bin/env bash
# Starts the program, or explains in one line why it cannot show a window.
set -euo pipefail
binary="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "numberlark: no display found (DISPLAY is not set); to run without a screen use: xvfb-run -a $binary" >&2
  exit 1
fi
exec "$binary"
