# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT

# Runs kernel_watch_bench inside the kernel tier's guest. Its figures reach
# the host as the console's "guest: " lines; the success line says it ran.

if kernel_watch_bench /bin/qmbctl /bin/qmb-virtual-mouse 30 >/tmp/bench.out 2>&1; then
    sed 's/^/guest: /' /tmp/bench.out
    echo "KERNEL TIER: ALL CHECKS PASSED"
else
    sed 's/^/guest: /' /tmp/bench.out
    echo "KERNEL TIER: THE BENCHMARK FAILED"
fi
