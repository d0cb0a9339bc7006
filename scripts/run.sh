#!/bin/sh
# Builds QMBPro and runs it with the built-in demo mouse.
set -eu
cd "$(dirname "$0")/.."
./scripts/debian-packages.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target qmbctl
exec ./build/cli/qmbctl --demo status
