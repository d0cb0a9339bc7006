#!/bin/busybox sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# The test guest's first process: mounts the kernel's file systems, loads the
# HID modules, runs the checks and powers the guest off, whatever happens.
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
echo "guest: init reached at $(cut -d ' ' -f 1 /proc/uptime) s of uptime"

# A check that hangs must not hold the guest until the host's time-out.
(sleep 60 && echo "guest: the checks did not finish within 60 s" && poweroff -f) &

for module in $(cat /modules/order); do
    insmod "/modules/$module" || echo "guest: insmod $module failed"
done
sh /checks.sh
echo "guest: checks ended at $(cut -d ' ' -f 1 /proc/uptime) s of uptime"
poweroff -f
