#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tabelul-periodic
exec build/tabelul-periodic
