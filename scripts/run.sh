#!/usr/bin/env bash
# Prepares the working folder (the program looks for ncodes.mdb in its current
# directory only) and starts the desktop program there.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
mkdir -p "$work"
if [ -f "$build/ncodes.mdb" ]; then
  cp -f "$build/ncodes.mdb" "$work/ncodes.mdb"
fi
cd "$work"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat <<MSG
No display found. Start Vantor in one of these ways:
  under a virtual X server:   cd $work && xvfb-run -s '-screen 0 1280x1024x24' $build/vantor
  on the offscreen platform:  cd $work && QT_QPA_PLATFORM=offscreen $build/vantor
MSG
  exit 0
fi
exec "$build/vantor"
