#!/usr/bin/env bash
# Takes the README's pictures of both screens from the real window: the table screen, and the element
# screen of iron. Re-run it whenever a screen changes: scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tabelul-periodic >/dev/null
source scripts/x-session.sh
trap stop_x EXIT
start_x

build/tabelul-periodic &
pid=$!
window=$(window_of "$pid")
sleep 0.5
import -window "$window" docs/table-screen.png
click "$window" 272 175 1   # the cell of iron
sleep 0.7
import -window "$window" docs/element-screen.png
xdotool key q || true
wait "$pid"
echo "wrote docs/table-screen.png and docs/element-screen.png"
