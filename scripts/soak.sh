#!/usr/bin/env bash
# Soak test, outside the normal test command: the element screen of element 118 in a real window for
# ten minutes (memory flat within 1 MB after the first second, frame period steady), then a million
# headless frames under AddressSanitizer/LeakSanitizer (no leak). scripts/soak.sh [MINUTES]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tabelul-periodic >/dev/null
source scripts/x-session.sh
trap stop_x EXIT
start_x

switches_of() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/task/$1/status"; }
rss_of() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

build/tabelul-periodic &
pid=$!
window=$(window_of "$pid")
sleep 0.5
click "$window" 592 292 1   # the cell of element 118
sleep 1
min_rss=$(rss_of "$pid"); max_rss=$min_rss
min_period=1000; max_period=0
end=$((SECONDS + minutes * 60))
while [ $SECONDS -lt $end ]; do
  s0=$(switches_of "$pid"); t0=$(date +%s%N)
  sleep 10
  s1=$(switches_of "$pid"); t1=$(date +%s%N)
  rss=$(rss_of "$pid")
  period=$(awk -v d=$((t1 - t0)) -v n=$((s1 - s0)) 'BEGIN {printf "%.3f", d / 1e6 / (n > 0 ? n : 1)}')
  [ "$rss" -lt "$min_rss" ] && min_rss=$rss
  [ "$rss" -gt "$max_rss" ] && max_rss=$rss
  min_period=$(awk -v a="$min_period" -v b="$period" 'BEGIN {print (b < a ? b : a)}')
  max_period=$(awk -v a="$max_period" -v b="$period" 'BEGIN {print (b > a ? b : a)}')
  echo "rss ${rss} kB, frame period ${period} ms"
done
xdotool key q
wait "$pid"
status=0
echo "resident memory ${min_rss}..${max_rss} kB; frame period ${min_period}..${max_period} ms"
if [ $((max_rss - min_rss)) -gt 1024 ]; then echo "FAIL: memory grew by more than 1 MB"; status=1; fi
if awk -v a="$min_period" -v b="$max_period" 'BEGIN {exit !(b > a * 1.10)}'; then
  echo "FAIL: the frame period varied by more than 10 %"; status=1
fi

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTP_SANITIZE=address,undefined \
  -DTP_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan --target soak_frames >/dev/null
ASAN_OPTIONS=detect_leaks=1 build-asan/tests/soak/soak_frames 1000000 || { echo "FAIL: headless frames"; status=1; }
exit $status
