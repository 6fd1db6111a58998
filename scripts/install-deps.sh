#!/usr/bin/env bash
# Installs the Debian packages Vantor needs to build, test and run, skipping
# those already present. The README says why each one is there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config   # compiler and build system
  qt6-base-dev libgl-dev             # Qt 6 Widgets, Print Support and Test (Qt's CMake files want the GL headers)
  qt6-charts-dev qt6-svg-dev libqt6opengl6-dev  # curve plots (Qt Charts needs Qt OpenGL), and saving them as SVG
  libsqlite3-dev sqlite3             # codes database engine, and its shell to build ncodes.mdb from text
  libgtest-dev                       # model tests
  xvfb xauth                         # running the desktop program on a machine without a display
  clang-format                       # make format
  dpkg-dev file                      # Debian package (make package, its test): dpkg-shlibdeps finds the libraries' packages, file the programs
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
