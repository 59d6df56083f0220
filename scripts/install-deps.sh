#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libfreetype-dev libpng-dev libx11-dev libxtst-dev fonts-liberation2
  libgtest-dev libbenchmark-dev
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick strace desktop-file-utils valgrind
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
