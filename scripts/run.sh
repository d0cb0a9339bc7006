#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Builds QMBPro and runs it: with the built-in demo mouse, or with the real
# mouse when given --real.
set -eu
cd "$(dirname "$0")/.."
./scripts/debian-packages.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target qmbpro qmbctl
if [ "${1:-}" = "--real" ]; then
    shift
    exec ./build/app/qmbpro "$@"
fi
exec ./build/app/qmbpro --demo "$@"
