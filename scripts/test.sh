#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test: the normal
# build (with the kernel tier, qmbctl against the virtual mouse on Debian's
# kernel in qemu), the core under AddressSanitizer and
# UndefinedBehaviorSanitizer, the device link under ThreadSanitizer, and the
# fuzzers briefly.
set -eu
cd "$(dirname "$0")/.."
./scripts/debian-packages.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== licences" >&2
reuse lint --quiet || { reuse lint >&2; exit 1; }

echo "== build and test" >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMB_WERROR=ON -DQMB_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
# The kernel tier boots Debian's kernel in qemu; fetched once into the build tree.
./tests/kernel/fetch_kernel.sh build/kernel-image
ctest --test-dir build -j"$jobs" --output-on-failure

echo "== core under ASan+UBSan" >&2
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQMB_WERROR=ON -DQMB_SANITIZE=address,undefined \
    -DQMB_BUILD_GUI=OFF -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan -j"$jobs" -L "core|device" --output-on-failure

echo "== device link under TSan" >&2
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQMB_WERROR=ON -DQMB_SANITIZE=thread \
    -DQMB_BUILD_GUI=OFF -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target device_link_tests hidraw_tests uhid_mouse_tests
ctest --test-dir build-tsan -j"$jobs" -L device --output-on-failure

echo "== fuzzers" >&2
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQMB_FUZZ=ON -DQMB_BUILD_GUI=OFF -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzzers
ctest --test-dir build-fuzz -j"$jobs" -L fuzz --output-on-failure

echo "All tests passed." >&2
