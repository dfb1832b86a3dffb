#!/bin/sh
# Builds the picture renderer and draws the documentation's pictures into doc/screenshots
# (the dialogs for a look by eye go to /tmp/tarvelo-<name>.png). Run from the source tree;
# the build folder is the first argument (default: build), further ones go to the
# renderer (e.g. --gtest_filter='Screenshots.*').
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[ $# -gt 0 ] && shift
cmake --build "$root/$build" --target tarvelo_screenshots
cd "$root"
TARVELO_SCREENSHOTS="$root/doc/screenshots" QT_QPA_PLATFORM=offscreen \
  "$root/$build/bin/tarvelo_screenshots" "$@"
