#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from this build tree in a private folder and runs
# Debian's own checker on it: no error and no warning may remain.
# Usage: lintian_clean.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build_dir=$2

if ! command -v lintian >/dev/null; then
  echo "skipped: lintian is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" --config "$build_dir/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
shopt -s nullglob
packages=("$out"/*.deb)
if [ ${#packages[@]} -ne 1 ]; then
  echo "expected one .deb, found ${#packages[@]}"
  exit 1
fi
lintian --fail-on error,warning "${packages[0]}"
