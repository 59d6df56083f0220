#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs the whole test suite: unit, golden-picture,
# window-thread and end-to-end tests (in Xvfb), the same tests under ASan+UBSan and TSan, and a
# bounded run of the display layer's fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
fuzz_seconds=${TP_FUZZ_SECONDS:-60}

step() { printf '\n=== %s\n' "$*"; }

step "Release build and the whole suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

step "AddressSanitizer + UndefinedBehaviorSanitizer: unit, golden and headless tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTP_SANITIZE=address,undefined \
  -DTP_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j "$jobs" -E '^(e2e|install)\.'

step "ThreadSanitizer: display, input, window-thread and control-flow tests"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTP_SANITIZE=thread -DTP_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$jobs"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R '^(display|screens)\.'

step "Fuzzing the display layer for ${fuzz_seconds} s (libFuzzer, ASan, UBSan)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTP_FUZZ=ON \
  -DTP_SANITIZE=address,undefined -DTP_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target display_fuzz
mkdir -p build-fuzz/corpus
build-fuzz/tests/fuzz/display_fuzz -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 build-fuzz/corpus 2>&1 | tail -n 12
